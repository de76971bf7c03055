// A borderless window that stands over a skinned form's title bar while the system draws its own
// caption there (when the form is activated or deactivated, when its caption changes), showing
// the skinned title instead, so the system's caption never shows. One serves every form: it is
// made once, without activation, and never takes it, or each activation would bring another
// WM_NCACTIVATE without end. Its Tag keeps the automatic skinning away from it.
#pragma once

#include <windows.h>

#include "framework/bitmap.h"
#include "framework/forms.h"

namespace sundrel {

inline constexpr int kNotSkinnedTag = -98;

class TacTitleCover : public TCustomForm {
 public:
  // The one cover, made on first use and owned by the application; nullptr without one.
  static TacTitleCover* Instance();
  ~TacTitleCover() override;

  // Shows the area of the picture (window coordinates of the form) over the form's window.
  void ShowOver(HWND form, TBitmap& picture, const RECT& area);
  void Conceal();

 protected:
  explicit TacTitleCover(TComponent* owner);
  void CreateParams(TCreateParams& params) const override;
  void WndProc(TMessage& message) override;

 private:
  TBitmap picture_;
};

}  // namespace sundrel
