// Painting with the program's own skin, in pictures per second, against a plain row-by-row copy
// of a bitmap of the same size: the least any painting of that many pixels could cost.
// - NineSlice: the "BUTTON" border alone (three 27 x 27 cells with masks, hot state, centre
//   filled) at a button's and a panel's size;
// - Panel, Page: the "PANEL" (a gradient) and "PAGECONTROL" (a colour) sections with their
//   borders, at a panel's size and a whole screen's;
// - Button: a whole "BUTTON" control picture, half over a ready parent picture, at a panel's size.
// The last lines give each kind's ratio to the copy.
//
//   mask_paint_bench [benchmark flags]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "skin/mask/mask_rect.h"
#include "skin/model/packed_skin.h"
#include "skin/model/skin_model.h"
#include "skin/section/control_picture.h"
#include "skin/section/section_paint.h"

namespace {

using namespace sundrel;

const SkinModel& Tidewater() {
  static const SkinModel model = [] {
    TacSkinConvertor reader([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    reader.UnpackFile(SUNDREL_TIDEWATER_PACK, true);
    SkinModel loaded;
    loaded.LoadFromPack(reader);
    return loaded;
  }();
  return model;
}

void NineSlice(benchmark::State& state) {
  const SkinModel& skin = Tidewater();
  const int index = skin.GetMaskIndexDirect("BUTTON", "BORDERSMASK");
  if (index < 0) {
    state.SkipWithError("the pack has no BUTTON border");
    return;
  }
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  TacMemBitmap bitmap = NewBitmap24(width, height);
  for (auto _ : state) {
    DrawMaskRect(bitmap.Pixels(), {0, 0, width, height}, true, {}, skin.Masks()[index], &skin.MasterBitmap(), 1, false);
    benchmark::DoNotOptimize(bitmap.Row(0));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

template <class Paint>
void PaintPictures(benchmark::State& state, Paint&& paint) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  TacMemBitmap bitmap = NewBitmap24(width, height);
  for (auto _ : state) {
    paint(TacPaintTarget{bitmap.Pixels(), {0, 0, width, height}});
    benchmark::DoNotOptimize(bitmap.Row(0));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

void SectionWithBorder(benchmark::State& state, const char* name) {
  const SkinModel& skin = Tidewater();
  const TacSectionRef section{skin.GetSkinIndex(name), name};
  PaintPictures(state, [&](const TacPaintTarget& target) { PaintSection(skin, section, target, false); });
}

void Panel(benchmark::State& state) {
  SectionWithBorder(state, "PANEL");
}

void Page(benchmark::State& state) {
  SectionWithBorder(state, "PAGECONTROL");
}

void Button(benchmark::State& state) {
  const SkinModel& skin = Tidewater();
  const int index = skin.GetSkinIndex("BUTTON");
  const TacControlSkin button{{index, "BUTTON"}, skin.GetMaskIndex(index, "BUTTON", "BORDERSMASK")};
  TacMemBitmap parent = NewBitmap24(static_cast<int>(state.range(0)) + 20, static_cast<int>(state.range(1)) + 20);
  PaintPictures(state, [&](TacPaintTarget target) {
    target.Parent = {parent.Pixels(), 10, 10, true};
    PaintControlPicture(skin, button, {}, target, true, true);
  });
}

void PlainCopy(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  TacMemBitmap source = NewBitmap24(width, height), bitmap = NewBitmap24(width, height);
  for (auto _ : state) {
    for (int y = 0; y < height; ++y) std::memcpy(bitmap.Row(y), source.Row(y), 3 * static_cast<size_t>(width));
    benchmark::DoNotOptimize(bitmap.Row(0));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(NineSlice)->Args({113, 25})->Args({508, 231});
BENCHMARK(Panel)->Args({508, 231})->Args({1920, 1080});
BENCHMARK(Page)->Args({508, 231})->Args({1920, 1080});
BENCHMARK(Button)->Args({508, 231});
BENCHMARK(PlainCopy)->Args({113, 25})->Args({508, 231})->Args({1920, 1080});

// Prints as usual, and keeps each run's processor time per picture (steadier than the wall clock on a
// shared machine) to set the two kinds side by side.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const std::string name = run.benchmark_name();
      const size_t slash = name.find('/');
      nanoseconds_[name.substr(slash)][name.substr(0, slash)] = run.GetAdjustedCPUTime();
    }
  }
  void PrintRatios() const {
    std::printf("\n%-10s %-10s %12s %16s %16s %14s\n", "kind", "size", "us/picture", "pictures/s", "copies/s",
                "kind / copy");
    for (const auto& [size, times] : nanoseconds_) {
      if (!times.contains("PlainCopy")) continue;
      const double copy = times.at("PlainCopy");
      for (const auto& [kind, paint] : times) {
        if (kind == "PlainCopy") continue;
        std::printf("%-10s %-10s %12.1f %16.0f %16.0f %13.1fx\n", kind.c_str(), size.c_str() + 1, paint / 1e3,
                    1e9 / paint, 1e9 / copy, paint / copy);
      }
    }
  }

 private:
  std::map<std::string, std::map<std::string, double>> nanoseconds_;  // per picture, by size, then kind
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
