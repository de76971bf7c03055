// Draws the Tidewater bitmaps from the image references of its options text: every reference
// names its place in the master bitmap, and a painter of painters.cpp draws it there. The
// options text stays the one place where the layout is written down.
//
//   tidewater-art <Options.dat> <output folder>
//
// writes Master.bmp and ButtonHuge.bmp for the pack, and for people to look at Master.png and
// ButtonHuge.png (enlarged) and Preview.png (the skin at work, see preview.h).
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "options_reader.h"
#include "painters.h"
#include "preview.h"

namespace tidewater {
namespace {

using Rect = std::tuple<int, int, int, int>;

bool Overlap(const ImageRef& a, const ImageRef& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// One rectangle of the master bitmap and the painter that draws it; references that share a
// rectangle must share its painter.
std::vector<std::pair<ImageRef, Painter>> PlaceImages(const std::vector<ImageRef>& refs) {
  std::map<Rect, std::pair<ImageRef, Painter>> places;
  std::set<std::string> used;
  for (const ImageRef& ref : refs) {
    if (ref.form == '!') continue;
    const auto painter = Painters().find(ref.Name());
    if (painter == Painters().end()) throw std::runtime_error(ref.Name() + ": no painter draws this image");
    used.insert(ref.Name());
    const Rect rect{ref.left, ref.top, ref.right, ref.bottom};
    const auto [place, added] = places.try_emplace(rect, ref, painter->second);
    const ImageRef& first = place->second.first;
    if (!added && (place->second.second != painter->second || first.form != ref.form ||
                   first.imageCount != ref.imageCount || first.maskType != ref.maskType)) {
      throw std::runtime_error(ref.Name() + " and " + first.Name() + " share a rectangle differently");
    }
  }
  for (const auto& [name, painter] : Painters()) {
    if (used.count(name) == 0) throw std::runtime_error(name + ": a painter for an image the options do not name");
  }
  std::vector<std::pair<ImageRef, Painter>> images;
  for (const auto& [rect, image] : places) images.push_back(image);
  for (size_t i = 0; i < images.size(); ++i) {
    for (size_t j = i + 1; j < images.size(); ++j) {
      if (Overlap(images[i].first, images[j].first)) {
        throw std::runtime_error(images[i].first.Name() + " overlaps " + images[j].first.Name());
      }
    }
  }
  return images;
}

void Draw(const std::string& optionsPath, const std::string& folder) {
  const std::string options = ReadText(optionsPath);
  const std::vector<ImageRef> refs = ReadImageRefs(options);
  const auto images = PlaceImages(refs);
  int width = 0, height = 0;
  for (const auto& [ref, painter] : images) {
    width = std::max(width, ref.right);
    height = std::max(height, ref.bottom);
  }
  Picture master((width + 3) / 4 * 4, height);
  for (const auto& [ref, painter] : images) painter(master, ref);
  master.Save(folder + "/Master.bmp");
  master.SavePng(folder + "/Master.png", 4);

  const ImageRef* hugeRef = nullptr;
  for (const ImageRef& ref : refs) {
    if (ref.form != '!') continue;
    if (ref.Name() != "BUTTON_HUGE/BORDERSMASK" || ref.fileName != "BUTTONHUGE.BMP") {
      throw std::runtime_error(ref.Name() + ": no painter draws " + ref.fileName);
    }
    hugeRef = &ref;
  }
  if (hugeRef == nullptr) throw std::runtime_error("the options name no BUTTONHUGE.BMP");
  const Picture huge = DrawButtonHuge(*hugeRef);
  huge.Save(folder + "/ButtonHuge.bmp");
  huge.SavePng(folder + "/ButtonHuge.png", 2);
  DrawPreview(ReadSections(options), refs, master, huge).SavePng(folder + "/Preview.png", 2);
}

}  // namespace
}  // namespace tidewater

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <Options.dat> <output folder>\n", argv[0]);
    return 2;
  }
  try {
    tidewater::Draw(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
    return 1;
  }
  return 0;
}
