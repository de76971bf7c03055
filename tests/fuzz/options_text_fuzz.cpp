// A skin's options text is untrusted: any text must build a model (or stop with the conversion
// error), and every lookup on what was built must answer within the tables.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/errors.h"
#include "skin/model/mask_geometry.h"
#include "skin/model/skin_model.h"

namespace {

using namespace sundrel;

std::vector<uint8_t> Bitmap24(int width, int height) {
  const auto put32 = [](std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  const uint32_t stride = (width * 3 + 3) & ~3u;
  std::vector<uint8_t> out = {'B', 'M'};
  put32(out, 54 + stride * height);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);
  put32(out, width);
  put32(out, height);
  put32(out, 1 | 24 << 16);
  for (int i = 0; i < 6; ++i) put32(out, 0);
  for (uint32_t i = 0; i < stride * height; ++i) out.push_back(static_cast<uint8_t>(i * 7));
  return out;
}

// The pack entries a fuzzed text may name. The ".JPG" entries hold bitmaps (the format is told
// by the content), one above and one below the size of a pattern.
struct Entries {
  std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
      {"Master.bmp", Bitmap24(200, 150)}, {"A.BMP", Bitmap24(12, 12)},   {"BROKEN.BMP", {'B', 'M', 1}},
      {"BIG.JPG", Bitmap24(300, 300)},    {"SMALL.JPG", Bitmap24(8, 8)},
  };
  PackedImages Source() const {
    std::vector<PackedImages::Entry> entries;
    for (const auto& [name, bytes] : files) entries.push_back({name, bytes});
    return PackedImages(entries);
  }
};

class NoFiles final : public SkinImageSource {
 public:
  std::optional<std::span<const uint8_t>> FindImage(std::string_view) override { return std::nullopt; }
};

void Check(bool condition) {
  if (!condition) std::abort();
}

void Exercise(const SkinModel& model) {
  const int sections = static_cast<int>(model.Sections().size());
  const int masks = static_cast<int>(model.Masks().size());
  const auto inMasks = [&](int index) { return index == -1 || (index >= 0 && index < masks); };
  for (int i = 0; i < sections; ++i) {
    const std::string& name = model.Sections()[i].SectionName;
    const int found = model.GetSkinIndex(name);
    Check(found >= 0 && found <= i);
    for (const char* key : {"BORDERSMASK", "GLYPHMASK", "PATTERN", "HOTPATTERN"}) {
      Check(inMasks(model.GetMaskIndex(i, name, key)));
      Check(inMasks(model.GetTextureIndex(i, name, key)));
      Check(inMasks(model.GetMaskIndexDirect(name, key)));
      const int pattern = model.GetPatternIndex(i, name, key);
      Check(pattern >= -1 && pattern < static_cast<int>(model.Patterns().size()));
    }
  }
  for (int i = 0; i < masks; ++i) {
    Check(model.GetMaskIndexDirect(model.Masks()[i].SectionName, model.Masks()[i].PropertyName) <= i);
    const TSize cell = model.GetMaskCellSize(i);
    volatile int64_t sink = int64_t{cell.cx} + cell.cy + model.MaskWidthLeft(i) + model.MaskWidthTop(i) +
                            model.MaskWidthRight(i) + model.MaskWidthBottom(i);
    for (int state = 0; state < 4; ++state) {
      const TRect mask = StateMaskRect(model.Masks()[i], state);
      sink = sink + (int64_t{mask.Right} - mask.Left);
    }
  }
  volatile TColor colors = model.GetGlobalColor() ^ model.GetGlobalFontColor() ^ model.GetGlobalHotColor();
  (void)colors;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const Entries entries;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  PackedImages images = entries.Source();
  NoFiles noFiles;
  SkinModel model;
  try {
    model.Load(text, images);
  } catch (const EConvertError&) {
  }
  Exercise(model);
  // The same text once more as common sections laid over what was built.
  try {
    model.ApplyCommonSections(text, images, noFiles);
  } catch (const EConvertError&) {
  }
  Exercise(model);
  return 0;
}
