#include "gallery_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <stdexcept>

namespace sundrel {

struct GalleryFont::Library {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Library() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

namespace {

void BlendPixel(const TacPixels& bitmap, int x, int y, TColor colour, int coverage) {
  if (x < 0 || y < 0 || x >= bitmap.Width || y >= bitmap.Height || coverage <= 0) return;
  uint8_t* p = bitmap.Row(y) + 3 * x;
  const int channels[3] = {BlueOf(colour), GreenOf(colour), RedOf(colour)};
  for (int c = 0; c < 3; ++c)
    p[c] = static_cast<uint8_t>((channels[c] * coverage + p[c] * (255 - coverage) + 127) / 255);
}

}  // namespace

GalleryFont::GalleryFont(const std::string& path, int pixelHeight) : freetype_(std::make_unique<Library>()) {
  if (!std::filesystem::exists(path)) {
    throw std::runtime_error("the font " + path + " is missing (it comes with the package fonts-wine)");
  }
  if (FT_Init_FreeType(&freetype_->library) != 0 ||
      FT_New_Face(freetype_->library, path.c_str(), 0, &freetype_->face) != 0 ||
      FT_Set_Pixel_Sizes(freetype_->face, 0, static_cast<FT_UInt>(pixelHeight)) != 0) {
    throw std::runtime_error("FreeType cannot read the font " + path);
  }
}

GalleryFont::~GalleryFont() = default;

int GalleryFont::Width(std::string_view text) const {
  int width = 0;
  for (const char c : text) {
    if (FT_Load_Char(freetype_->face, static_cast<unsigned char>(c), FT_LOAD_DEFAULT) == 0) {
      width += static_cast<int>(freetype_->face->glyph->advance.x >> 6);
    }
  }
  return width;
}

int GalleryFont::Ascent() const {
  return static_cast<int>(freetype_->face->size->metrics.ascender >> 6);
}

int GalleryFont::LineHeight() const {
  return static_cast<int>(freetype_->face->size->metrics.height >> 6);
}

void GalleryFont::Draw(const TacPixels& bitmap, int x, int y, std::string_view text, TColor colour,
                       bool underline) const {
  if (!bitmap.Is24Bit()) return;
  colour = ColorToRGB(colour);
  const int baseline = y + Ascent();
  int pen = x;
  for (const char c : text) {
    // The font's own small bitmaps are one bit deep: the outlines give grey coverage.
    if (FT_Load_Char(freetype_->face, static_cast<unsigned char>(c), FT_LOAD_RENDER | FT_LOAD_NO_BITMAP) != 0) continue;
    const FT_GlyphSlot glyph = freetype_->face->glyph;
    const FT_Bitmap& coverage = glyph->bitmap;
    if (coverage.pixel_mode != FT_PIXEL_MODE_GRAY) continue;
    for (unsigned row = 0; row < coverage.rows; ++row) {
      for (unsigned column = 0; column < coverage.width; ++column) {
        BlendPixel(bitmap, pen + glyph->bitmap_left + static_cast<int>(column),
                   baseline - glyph->bitmap_top + static_cast<int>(row), colour,
                   coverage.buffer[row * coverage.pitch + column]);
      }
    }
    pen += static_cast<int>(glyph->advance.x >> 6);
  }
  if (!underline) return;
  for (int i = x; i < pen; ++i) BlendPixel(bitmap, i, baseline + 1, colour, 255);
}

}  // namespace sundrel
