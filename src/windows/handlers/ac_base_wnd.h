// The scroll-bearing handlers that controls put on their own windows: a generic scrollable window
// with a skinned border (TacBaseWnd), edit fields, list boxes and combo lists (TacEditWnd: border,
// background colours and bars from the section), and tree views (TacTreeViewWnd).
#pragma once

#include "windows/scroll/ac_scroll_wnd.h"

namespace sundrel {

class TacBaseWnd : public TacScrollWnd {
 public:
  using TacScrollWnd::TacScrollWnd;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;
};

class TacEditWnd : public TacBaseWnd {
 public:
  using TacBaseWnd::TacBaseWnd;
  ~TacEditWnd() override;

  void SaveNativeParams() override;
  void RestoreNativeParams() override;
  void ApplySkinParams() override;

  // The colours of a window without a framework control.
  TColor OwnColor = clWindow;
  TColor OwnFocusColor = 0;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;
  // Answers whether the message was handled fully.
  bool HandleEditMessage(TMessage& message, const TPassOn& passOn);
  void AfterEditMessage(UINT msg);
  // The border ring, ringWidth pixels wide, from the cache and the bars on the window's frame;
  // with cornerPixels a changed background gets the corners of the section's border.
  void PaintFrame(int ringWidth, bool cornerPixels);

 private:
  void Print(TMessage& message, const TPassOn& passOn);
  // Takes over the parent's updating state; answers whether the picture must wait.
  bool WaitsForParent();
};

class TacTreeViewWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
  ~TacTreeViewWnd() override;

  void RestoreNativeParams() override;
  void ApplySkinParams() override;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  void EraseBackground(TMessage& message);
};

}  // namespace sundrel
