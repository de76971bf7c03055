// Static windows of a system dialog over the "CHECKBOX" section: text in the system's message
// font and the section's font colours (TacStaticWnd), an icon (TacIconWnd), and a link window
// that draws its own text over the skinned background (TacLinkWnd).
#pragma once

#include "framework/graphics.h"
#include "windows/handlers/ac_main_wnd.h"

namespace sundrel {

class TacStaticWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;

  // The picture static that marks one kind of system dialog: its own picture stays visible in
  // the middle, and the skin is painted only around it.
  bool KeepsNativePicture = false;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;
  // What lies on the background in the cache.
  virtual void PaintContent();
  // Whether the native window paints itself (over the background it was given).
  virtual bool PaintsItself() const { return false; }

 private:
  void Paint(HDC given, const TPassOn& passOn);
  // The system's message font, made once and kept: a font made for every paint would pile up.
  TFont messageFont_;
  bool messageFontRead_ = false;
};

class TacIconWnd : public TacStaticWnd {
 public:
  using TacStaticWnd::TacStaticWnd;

 protected:
  void PaintContent() override;
};

class TacLinkWnd : public TacStaticWnd {
 public:
  using TacStaticWnd::TacStaticWnd;

 protected:
  void PaintContent() override {}
  bool PaintsItself() const override { return true; }
};

}  // namespace sundrel
