// Times the loops that run on every repaint against pixman's closest operations on bitmaps of
// the same size, and prints pixels per second and our/pixman ratios:
//   mask blend       ours: the skin mask rule on 24-bit rows; pixman: OVER with a component-alpha mask
//   MergeBitmaps     ours: weight 128;                          pixman: OVER with a solid 50 % mask
//   PaintGradient    ours: the "BUTTON" vertical gradient;      pixman: SRC from a vertical linear gradient
// pixman runs twice: on r8g8b8, the same 3-byte layout as our bitmaps, and on x8r8g8b8, its
// fastest format (4 bytes a pixel).
//
//   paint_bench [milliseconds per measurement, default 200]
#include <pixman.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "paint/blend.h"
#include "paint/gradient.h"
#include "paint/pixels.h"

namespace {

using namespace sundrel;
using Clock = std::chrono::steady_clock;

int millisecondsPerRun = 200;

// Pixels per second of the best of five runs, each long enough to be measured well.
double PixelsPerSecond(int width, int height, const std::function<void()>& operation) {
  operation();  // warm the caches and pixman's fast-path lookup
  int repeats = 1;
  for (;;) {
    const auto start = Clock::now();
    for (int i = 0; i < repeats; ++i) operation();
    if (Clock::now() - start >= std::chrono::milliseconds(millisecondsPerRun / 5)) break;
    repeats *= 2;
  }
  double best = 0;
  for (int run = 0; run < 5; ++run) {
    const auto start = Clock::now();
    for (int i = 0; i < repeats; ++i) operation();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    best = std::max(best, static_cast<double>(width) * height * repeats / seconds);
  }
  return best;
}

void FillRandom(const TacPixels& pixels, std::mt19937& random) {
  for (int y = 0; y < pixels.Height; ++y) {
    uint8_t* row = pixels.Row(y);
    for (int i = 0; i < pixels.Width * pixels.BytesPerPixel; ++i) row[i] = static_cast<uint8_t>(random());
  }
}

struct PixmanImage {
  explicit PixmanImage(pixman_format_code_t format, int width, int height, std::mt19937& random)
      : bits(static_cast<size_t>(width) * height + width), image(nullptr, pixman_image_unref) {
    for (auto& word : bits) word = static_cast<uint32_t>(random());
    const int bytesPerPixel = PIXMAN_FORMAT_BPP(format) / 8;
    image.reset(pixman_image_create_bits(format, width, height, bits.data(), (width * bytesPerPixel + 3) & ~3));
  }
  std::vector<uint32_t> bits;
  std::unique_ptr<pixman_image_t, decltype(&pixman_image_unref)> image;
};

struct Row {
  std::string operation;
  int width, height;
  double ours, pixman24, pixman32;
};

Row MeasureMaskBlend(int w, int h, std::mt19937& random) {
  TacMemBitmap destination = NewBitmap24(w, h), skin = NewBitmap24(w, h), mask = NewBitmap24(w, h);
  FillRandom(destination.Pixels(), random);
  FillRandom(skin.Pixels(), random);
  FillRandom(mask.Pixels(), random);
  const TacPixels d = destination.Pixels(), s = skin.Pixels(), m = mask.Pixels();
  const double ours = PixelsPerSecond(w, h, [&] {
    for (int y = 0; y < h; ++y) MaskBlendBytes(d.Row(y), s.Row(y), m.Row(y), 3 * w);
  });

  auto pixman = [&](pixman_format_code_t format) {
    PixmanImage dst(format, w, h, random), src(format, w, h, random), msk(format, w, h, random);
    pixman_image_set_component_alpha(msk.image.get(), 1);
    return PixelsPerSecond(w, h, [&] {
      pixman_image_composite32(PIXMAN_OP_OVER, src.image.get(), msk.image.get(), dst.image.get(), 0, 0, 0, 0, 0, 0, w,
                               h);
    });
  };
  return {"mask blend", w, h, ours, pixman(PIXMAN_r8g8b8), pixman(PIXMAN_x8r8g8b8)};
}

Row MeasureMerge(int w, int h, std::mt19937& random) {
  TacMemBitmap destination = NewBitmap24(w, h), source = NewBitmap24(w, h);
  FillRandom(destination.Pixels(), random);
  FillRandom(source.Pixels(), random);
  const double ours = PixelsPerSecond(w, h, [&] { MergeBitmaps(destination.Pixels(), source.Pixels(), 128); });

  auto pixman = [&](pixman_format_code_t format) {
    PixmanImage dst(format, w, h, random), src(format, w, h, random);
    const pixman_color_t half{0, 0, 0, 0x8080};
    std::unique_ptr<pixman_image_t, decltype(&pixman_image_unref)> mask(pixman_image_create_solid_fill(&half),
                                                                        pixman_image_unref);
    return PixelsPerSecond(w, h, [&] {
      pixman_image_composite32(PIXMAN_OP_OVER, src.image.get(), mask.get(), dst.image.get(), 0, 0, 0, 0, 0, 0, w, h);
    });
  };
  return {"MergeBitmaps", w, h, ours, pixman(PIXMAN_r8g8b8), pixman(PIXMAN_x8r8g8b8)};
}

Row MeasureGradient(int w, int h, std::mt19937& random) {
  TacMemBitmap destination = NewBitmap24(w, h);
  const TsGradArray button = ParseGradientData("16777215;11237449;99;0;0;11237449;11237449;0;0;0");
  const double ours = PixelsPerSecond(w, h, [&] { PaintGradient(destination.Pixels(), {0, 0, w, h}, button); });

  auto pixman = [&](pixman_format_code_t format) {
    PixmanImage dst(format, w, h, random);
    // The same two steps: white to 0xAB7849 (blue 0xAB, green 0x78, red 0x49) over 99 percent.
    const pixman_gradient_stop_t stops[] = {
        {pixman_double_to_fixed(0), {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}},
        {pixman_double_to_fixed(0.99), {0x4949, 0x7878, 0xABAB, 0xFFFF}},
        {pixman_double_to_fixed(1), {0x4949, 0x7878, 0xABAB, 0xFFFF}},
    };
    const pixman_point_fixed_t top{0, 0}, bottom{0, pixman_int_to_fixed(h)};
    std::unique_ptr<pixman_image_t, decltype(&pixman_image_unref)> gradient(
        pixman_image_create_linear_gradient(&top, &bottom, stops, 3), pixman_image_unref);
    return PixelsPerSecond(w, h, [&] {
      pixman_image_composite32(PIXMAN_OP_SRC, gradient.get(), nullptr, dst.image.get(), 0, 0, 0, 0, 0, 0, w, h);
    });
  };
  return {"PaintGradient", w, h, ours, pixman(PIXMAN_r8g8b8), pixman(PIXMAN_x8r8g8b8)};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) millisecondsPerRun = std::max(10, std::atoi(argv[1]));
  std::mt19937 random(7);
  const int sizes[][2] = {{64, 24}, {508, 231}, {1920, 1080}};
  std::vector<Row> rows;
  for (auto measure : {MeasureMaskBlend, MeasureMerge, MeasureGradient}) {
    for (const auto& size : sizes) rows.push_back(measure(size[0], size[1], random));
  }

  std::printf("%-14s %11s %12s %14s %14s %10s %10s\n", "operation", "size", "ours Mpx/s", "pixman 24 Mpx/s",
              "pixman 32 Mpx/s", "ours/px24", "ours/px32");
  for (const Row& row : rows) {
    const std::string size = std::to_string(row.width) + " x " + std::to_string(row.height);
    std::printf("%-14s %11s %12.1f %15.1f %15.1f %10.2f %10.2f\n", row.operation.c_str(), size.c_str(), row.ours / 1e6,
                row.pixman24 / 1e6, row.pixman32 / 1e6, row.ours / row.pixman24, row.ours / row.pixman32);
  }
  return 0;
}
