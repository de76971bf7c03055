// Draws the gallery of a packed skin for people to look at next to the art's own preview:
//
//   skin-gallery <pack.asz> <font.ttf> <Gallery.png>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "gallery_font.h"
#include "gallery_sheet.h"
#include "png/png_writer.h"
#include "skin/model/packed_skin.h"
#include "skin/model/skin_model.h"

namespace {

using namespace sundrel;

void Save(const std::string& path, TacMemBitmap& sheet) {
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(sheet.Width()) * sheet.Height() * 3);
  for (int y = 0; y < sheet.Height(); ++y) {
    const uint8_t* p = sheet.Row(y);
    for (int x = 0; x < sheet.Width(); ++x, p += 3) rgb.insert(rgb.end(), {p[2], p[1], p[0]});
  }
  WritePng(path, sheet.Width(), sheet.Height(), rgb);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: skin-gallery <pack.asz> <font.ttf> <Gallery.png>\n");
    return 2;
  }
  try {
    const GalleryFont font(argv[2], 13);
    TacSkinConvertor reader([](const std::string& text) { std::fprintf(stderr, "skin-gallery: %s\n", text.c_str()); });
    reader.UnpackFile(argv[1], true);
    SkinModel skin;
    skin.LoadFromPack(reader);
    TacMemBitmap sheet = DrawGallery(skin, font);
    Save(argv[3], sheet);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skin-gallery: %s\n", error.what());
    return 1;
  }
  return 0;
}
