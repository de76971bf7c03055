#include "app/background_work.h"

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <thread>

#include "base/errors.h"

namespace sundrel {
namespace {

// Waits for the `finished` call of a run, as the window waits for its message.
class FinishSignal {
 public:
  std::function<void()> Callback() {
    return [this] { finished_.set_value(std::this_thread::get_id()); };
  }
  std::thread::id Wait() { return future_.get(); }

 private:
  std::promise<std::thread::id> finished_;
  std::future<std::thread::id> future_ = finished_.get_future();
};

TEST(BackgroundWork, RunsOnAnotherThreadAndHandsTheJobsErrorBack) {
  FinishSignal signal;
  std::thread::id jobThread;
  BackgroundWork work(
      [&](const WorkObserver&) {
        jobThread = std::this_thread::get_id();
        throw EFOpenError("Cannot open file \"x\". gone");
      },
      signal.Callback());
  EXPECT_EQ(signal.Wait(), jobThread);
  EXPECT_NE(jobThread, std::this_thread::get_id());
  try {
    work.Finish();
    FAIL() << "the job's error was lost";
  } catch (const EFOpenError& error) {
    EXPECT_STREQ(error.what(), "Cannot open file \"x\". gone");
  }
  EXPECT_NO_THROW(work.Finish());  // reported once
}

TEST(BackgroundWork, LetsGoOfWhatTheJobHoldsBeforeTellingOfTheEnd) {
  // The split's source must be closed before the window shows its message.
  auto source = std::make_shared<int>(1);
  const std::weak_ptr<int> watched = source;
  bool releasedAtEnd = false;
  std::promise<void> finished;
  BackgroundWork work([held = std::move(source)](const WorkObserver&) { static_cast<void>(held); },
                      [&] {
                        releasedAtEnd = watched.expired();
                        finished.set_value();
                      });
  finished.get_future().wait();
  work.Finish();
  EXPECT_TRUE(releasedAtEnd);
}

// A job that reports its progress and runs until it is asked to stop, as the engine does.
void RunUntilCancelled(const WorkObserver& observer) {
  observer.progress(0, 100);
  observer.progress(40, 100);
  while (!observer.cancel->load()) std::this_thread::yield();
  throw EOperationCancelled();
}

TEST(BackgroundWork, ShowsProgressAndStopsWhenCancelled) {
  FinishSignal signal;
  BackgroundWork work(RunUntilCancelled, signal.Callback());
  while (work.Progress().done != 40) std::this_thread::yield();
  EXPECT_EQ(work.Progress().total, 100);
  EXPECT_FALSE(work.Cancelling());
  work.Cancel();
  EXPECT_TRUE(work.Cancelling());
  signal.Wait();
  EXPECT_THROW(work.Finish(), EOperationCancelled);
}

TEST(BackgroundWork, GoingAwayStopsARunningJob) {
  FinishSignal signal;
  { BackgroundWork work(RunUntilCancelled, signal.Callback()); }
  signal.Wait();  // the job saw the cancel and ended; the destructor waited for it
}

}  // namespace
}  // namespace sundrel
