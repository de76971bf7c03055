// What a skinned title bar shows besides its caption: the program's extra title buttons, the
// title icon, and the laid-out buttons that are painted and hit-tested alike.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/control.h"
#include "paint/geometry.h"

namespace sundrel {

enum TsGripMode { gmNone, gmRightBottom };

// The hit code of the extra title button at index i is kTitleButtonHitBase + i.
inline constexpr int kTitleButtonHitBase = 1000;

class TsTitleButton;
using TsTitleButtonMouseEvent = std::function<void(TsTitleButton& sender, TShiftState shift, POINT screenPoint)>;

// An extra button in the title bar, left of the system's buttons.
class TsTitleButton {
 public:
  std::string Name;  // also what the button is called where one is shown
  bool Enabled = true;
  // Drawn centred on the button; its bottom-left pixel's colour is transparent.
  TBitmap Glyph;
  // The skin's title-button image under the glyph.
  bool UseSkinData = true;
  TsTitleButtonMouseEvent OnMouseDown;
  TsTitleButtonMouseEvent OnMouseUp;
  // The skin's image, found when the skin is loaded; -1 for none.
  int MaskIndex = -1;
};

class TsTitleButtons {
 public:
  TsTitleButton& Add();
  int Count() const { return static_cast<int>(items_.size()); }
  TsTitleButton& Items(int index) { return *items_.at(index); }
  void Clear() { items_.clear(); }

 private:
  std::vector<std::unique_ptr<TsTitleButton>> items_;
};

// The picture at the left of the title bar; without a glyph the form's or the program's icon.
struct TsTitleIcon {
  TBitmap Glyph;
  int Height = 0;  // 0: fitted to the title bar
  int Width = 0;
};

// A button of the title bar as it is shown now, in window coordinates.
struct TacCaptionButton {
  int HitCode = HTNOWHERE;  // HTCLOSE, HTMAXBUTTON, HTMINBUTTON, or an extra button's code
  int MaskIndex = -1;       // none: neither drawn nor hit
  bool Enabled = true;
  TRect Rect{};
};

}  // namespace sundrel
