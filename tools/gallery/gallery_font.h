// Text for the gallery, rendered with FreeType from a TrueType file: the host has no Windows text
// drawing, and the gallery should show text as the program draws it, in the skin's colours.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "paint/color.h"
#include "paint/pixels.h"

namespace sundrel {

class GalleryFont {
 public:
  // Raises std::runtime_error naming the file when it is missing or FreeType cannot read it.
  GalleryFont(const std::string& path, int pixelHeight);
  ~GalleryFont();
  GalleryFont(const GalleryFont&) = delete;
  GalleryFont& operator=(const GalleryFont&) = delete;

  // The advance of the text in pixels (Latin-1 characters).
  int Width(std::string_view text) const;
  // From the top of a line to its baseline, and a whole line.
  int Ascent() const;
  int LineHeight() const;

  // Draws the text with the top of its line at (x, y) of the 24-bit bitmap, each glyph's coverage
  // laying the colour over the pixels; underlined, a one-pixel line runs below the baseline.
  void Draw(const TacPixels& bitmap, int x, int y, std::string_view text, TColor colour, bool underline = false) const;

 private:
  struct Library;
  std::unique_ptr<Library> freetype_;
};

}  // namespace sundrel
