// The fonts of skinned menus and the measuring of their texts.
#pragma once

#include <windows.h>

#include <string_view>

#include "base/handles_win32.h"
#include "framework/graphics.h"
#include "framework/menus.h"

namespace sundrel {

// The system's menu font, in the character set of the form that owns the item when there is
// one; bold when asked (the default item).
void UseMenuFont(TFont& font, const TMenuItem& item, bool bold = false);

// The height of a "W" in the canvas's font.
int LetterHeight(TCanvas& canvas);
// The width that DrawText works out for the text with the flags (DT_CALCRECT is added), starting
// from a rectangle one pixel wide.
int TextWidth(TCanvas& canvas, std::string_view text, UINT flags);

// A canvas on a memory device context of its own, for measuring where the system gives none.
class TMeasuringCanvas {
 public:
  TMeasuringCanvas();
  TCanvas& Canvas() { return canvas_; }

 private:
  UniqueDC dc_;
  TCanvas canvas_;
};

// The font of the extra line's text, which runs from bottom to top: the face, style and
// character set of `font`, its point size used as the cell height in pixels, at the regular
// weight.
UniqueFont CreateUpwardFont(const TFont& font);

}  // namespace sundrel
