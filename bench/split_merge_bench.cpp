// Splits and merges a large file with our engine and, in the same run, with coreutils (split -n,
// cat) and cp, with the page cache warm; then the engine alone against the engine as the window
// runs it, on its worker thread with progress reports, their text every 50 ms and a cancel flag.
// Each operation runs in a child process so its wall time and peak resident memory are its own.
//
//   split_merge_bench [size in MiB, default 1024] [work folder, default the current one]
//
// Everything it writes goes into "split-merge-bench" inside the work folder.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/background_work.h"
#include "app/progress_text.h"
#include "app/split_merge.h"
#include "base/int_parse.h"

extern char** environ;

namespace {

using namespace sundrel;
namespace fs = std::filesystem;

struct Run {
  double seconds;
  double cpuSeconds;  // user and system time: what the work itself costs, whoever else runs
  long peakKiB;
};

// Runs the command without a shell, so no path can be read as shell syntax; its standard output
// goes to `output` when one is named.
Run Spawn(const std::vector<std::string>& args, const std::string& output = {}) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!output.empty()) {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  const auto start = std::chrono::steady_clock::now();
  pid_t child;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    std::fprintf(stderr, "%s: %s\n", argv[0], std::strerror(spawned));
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "failed: %s\n", args[0].c_str());
    std::exit(1);
  }
  const auto toSeconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
  return {seconds, toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime), usage.ru_maxrss};
}

struct Pair {
  Run ours;
  Run theirs;
};

// The run of median wall time, with the median CPU time of all runs.
Run MedianOf(std::vector<Run> runs) {
  const size_t middle = runs.size() / 2;
  std::nth_element(runs.begin(), runs.begin() + middle, runs.end(),
                   [](const Run& a, const Run& b) { return a.cpuSeconds < b.cpuSeconds; });
  const double cpuSeconds = runs[middle].cpuSeconds;
  std::nth_element(runs.begin(), runs.begin() + middle, runs.end(),
                   [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
  Run median = runs[middle];
  median.cpuSeconds = cpuSeconds;
  return median;
}

// Runs both commands in turns, each after `prepare` (removing earlier outputs) and a sync, so
// neither pays for the other's dirty pages; answers the median of each.
// `theirsOutput` names the file that their command's standard output goes to, if any.
template <typename Prepare>
Pair Compare(const std::vector<std::string>& ours, const std::vector<std::string>& theirs, Prepare prepare,
             const std::string& theirsOutput = {}, int rounds = 5) {
  std::vector<Run> oursRuns, theirsRuns;
  for (int i = 0; i < rounds; ++i) {
    prepare();
    sync();
    oursRuns.push_back(Spawn(ours));
    prepare();
    sync();
    theirsRuns.push_back(Spawn(theirs, theirsOutput));
  }
  return {MedianOf(oursRuns), MedianOf(theirsRuns)};
}

void RemoveMatching(const fs::path& dir, const std::string& prefix) {
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().filename().string().rfind(prefix, 0) == 0) fs::remove(entry.path());
  }
}

void MakeSource(const fs::path& path, int64_t size) {
  std::vector<char> block(1 << 20);
  std::mt19937_64 random(42);
  for (size_t i = 0; i + 8 <= block.size(); i += 8) {
    const uint64_t value = random();
    std::memcpy(&block[i], &value, 8);
  }
  std::ofstream out(path, std::ios::binary);
  for (int64_t written = 0; written < size; written += static_cast<int64_t>(block.size())) {
    block[0]++;  // no two blocks alike
    out.write(block.data(), static_cast<std::streamsize>(std::min<int64_t>(block.size(), size - written)));
  }
}

// Runs the work as the main window does: on the window's worker (BackgroundWork), with this
// thread reading the progress and making its text every 50 ms as the window's timer does. The
// end wakes this thread at once, as the worker's closing message wakes the window.
template <typename Work>
void RunWatched(Work work) {
  std::mutex mutex;
  std::condition_variable ended;
  bool finished = false;
  const auto start = std::chrono::steady_clock::now();
  BackgroundWork background([&](const WorkObserver& observer) { work(&observer); },
                            [&] {
                              const std::lock_guard lock(mutex);
                              finished = true;
                              ended.notify_one();
                            });
  std::unique_lock lock(mutex);
  while (!ended.wait_for(lock, std::chrono::milliseconds(50), [&] { return finished; })) {
    const WorkProgress progress = background.Progress();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    static_cast<void>(ProgressText(progress.done, progress.total, seconds));  // what the window shows
  }
  lock.unlock();
  background.Finish();
}

// "split" and "merge" run the engine alone; "split-watched" and "merge-watched" as the window does.
int RunOne(int argc, char** argv) {
  const std::string op = argv[2];
  const bool watched = op.ends_with("-watched");
  const auto run = [&](auto work) {
    if (watched) {
      RunWatched(work);
    } else {
      work(nullptr);
    }
  };
  if ((op == "split" || op == "split-watched") && argc == 6) {
    TFileStream source(argv[3], FileMode::OpenRead, FileShare::Exclusive);
    run([&](const WorkObserver* observer) { SplitFile(source, std::atoi(argv[4]), argv[5], argv[3], observer); });
    return 0;
  }
  if ((op == "merge" || op == "merge-watched") && argc >= 5) {
    const std::vector<std::string> items(argv + 4, argv + argc);
    run([&](const WorkObserver* observer) { MergeParts(items, argv[3], observer); });
    return 0;
  }
  return 2;
}

int Usage(const char* self) {
  std::fprintf(stderr, "usage: %s [size in MiB, 1 to 65536, default 1024] [work folder, default the current one]\n",
               self);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--run") == 0) return RunOne(argc, argv);
  if (argc > 3) return Usage(argv[0]);

  const std::optional<int32_t> sizeArgument = argc > 1 ? TryStrToInt(argv[1]) : std::optional<int32_t>(1024);
  if (!sizeArgument || *sizeArgument < 1 || *sizeArgument > 65536) return Usage(argv[0]);
  const int64_t sizeMiB = *sizeArgument;
  const fs::path workFolder = fs::absolute(argc > 2 ? argv[2] : ".");
  if (!fs::is_directory(workFolder)) {
    std::fprintf(stderr, "%s: the work folder %s does not exist\n", argv[0], workFolder.c_str());
    return Usage(argv[0]);
  }
  const fs::path dir = workFolder / "split-merge-bench";
  fs::create_directories(dir);
  const fs::path source = dir / "source.bin";
  const int64_t size = sizeMiB << 20;
  if (!fs::exists(source) || static_cast<int64_t>(fs::file_size(source)) != size) MakeSource(source, size);
  Spawn({"cat", source.string()}, "/dev/null");  // warm the page cache
  const std::string self = fs::canonical("/proc/self/exe").string();
  const double mib = static_cast<double>(size) / (1 << 20);

  std::printf("%lld MiB source, median of 5 runs each (taken in turns), in %s\n", static_cast<long long>(sizeMiB),
              dir.c_str());
  std::printf("%-22s %10s %10s %8s %12s\n", "operation", "ours MiB/s", "coreutils", "ratio", "our peak RSS");

  const Pair copy =
      Compare({self, "--run", "merge", (dir / "copy.bin").string(), source.string()},
              {"cp", source.string(), (dir / "copy.bin").string()}, [&] { fs::remove(dir / "copy.bin"); });
  std::printf("%-22s %10.0f %10.0f %8.2f %9ld KiB\n", "copy one file vs cp", mib / copy.ours.seconds,
              mib / copy.theirs.seconds, copy.theirs.seconds / copy.ours.seconds, copy.ours.peakKiB);
  fs::remove(dir / "copy.bin");

  const auto clean = [&] {
    RemoveMatching(dir, "source.bin.vexl");
    RemoveMatching(dir, "x");
    RemoveMatching(dir, "joined");
  };
  const auto removeJoined = [&] { fs::remove(dir / "joined"); };
  const auto mergeArguments = [&](int parts) {
    std::vector<std::string> arguments = {(dir / "joined").string()};
    for (int k = 1; k <= parts; ++k) arguments.push_back((dir / ("source.bin.vexl" + std::to_string(k))).string());
    return arguments;
  };
  const auto splitArguments = [&](int parts) {
    return std::vector<std::string>{source.string(), std::to_string(parts), dir.string()};
  };
  const auto engine = [&](const char* op, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {self, "--run", op});
    return arguments;
  };

  for (int parts : {3, 7}) {
    const Pair split = Compare(engine("split", splitArguments(parts)),
                               {"split", "-n", std::to_string(parts), source.string(), (dir / "x").string()}, clean);
    std::printf("%-22s %10.0f %10.0f %8.2f %9ld KiB\n", ("split into " + std::to_string(parts)).c_str(),
                mib / split.ours.seconds, mib / split.theirs.seconds, split.theirs.seconds / split.ours.seconds,
                split.ours.peakKiB);

    Spawn(engine("split", splitArguments(parts)));
    std::vector<std::string> cat = mergeArguments(parts);
    cat.front() = "cat";
    const Pair join = Compare(engine("merge", mergeArguments(parts)), cat, removeJoined, (dir / "joined").string());
    std::printf("%-22s %10.0f %10.0f %8.2f %9ld KiB\n", ("merge " + std::to_string(parts) + " parts").c_str(),
                mib / join.ours.seconds, mib / join.theirs.seconds, join.theirs.seconds / join.ours.seconds,
                join.ours.peakKiB);
    clean();
  }

  // "ours" is the engine as the window runs it, "theirs" the engine alone. A few per cent is
  // within the noise of wall time on a busy machine, so the runs are more and CPU time is shown.
  constexpr int kCostRounds = 11;
  std::printf("\nthe engine alone and watched (worker thread, progress, cancel flag), median of %d runs each\n",
              kCostRounds);
  std::printf("%-22s %11s %10s %9s %9s %9s\n", "operation", "alone MiB/s", "watched", "wall cost", "CPU alone",
              "CPU cost");
  const auto printCost = [&](const std::string& operation, const Pair& pair) {
    std::printf("%-22s %11.0f %10.0f %8.1f%% %8.3fs %8.1f%%\n", operation.c_str(), mib / pair.theirs.seconds,
                mib / pair.ours.seconds, 100.0 * (pair.ours.seconds / pair.theirs.seconds - 1), pair.theirs.cpuSeconds,
                100.0 * (pair.ours.cpuSeconds / pair.theirs.cpuSeconds - 1));
  };
  for (int parts : {3, 7}) {
    printCost("split into " + std::to_string(parts),
              Compare(engine("split-watched", splitArguments(parts)), engine("split", splitArguments(parts)), clean, {},
                      kCostRounds));
    Spawn(engine("split", splitArguments(parts)));
    printCost("merge " + std::to_string(parts) + " parts",
              Compare(engine("merge-watched", mergeArguments(parts)), engine("merge", mergeArguments(parts)),
                      removeJoined, {}, kCostRounds));
    clean();
  }
  return 0;
}
