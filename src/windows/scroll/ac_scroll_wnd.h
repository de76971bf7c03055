// The scroll-bearing handler: it takes a window's scroll bars over completely. The bars leave the
// window's own non-client calculation, the handler reserves their place itself, paints them from
// the skin's scroll-bar sections and answers the mouse on them (arrows that repeat after 300 ms
// and then every 55 ms, page clicks, thumb dragging, hot tracking), sending the window the same
// scroll requests a native bar sends, each framed by SMC_BEFORE_SCROLL and SMC_AFTER_SCROLL.
#pragma once

#include <memory>

#include "skin/scroll/scroll_geometry.h"
#include "windows/handlers/ac_main_wnd.h"
#include "windows/scroll/ac_scroll_bar.h"

namespace sundrel {

class TacScrollWnd : public TacMainWnd {
 public:
  TacScrollWnd(HWND window, const std::string& sectionName, TsSkinManager* manager, TsCommonData* skinData);
  ~TacScrollWnd() override;

  // Re-reads both bars from the window; with repaint, paints them.
  void RefreshBars(bool repaint);
  // Whether the window's scroll information differs from what the bars last read.
  bool BarsChanged() const;
  // Both bars and the corner between them into the window's frame; dc none takes the window's.
  // thumbOverride -1 places the thumb where the scroll information puts it.
  void PaintBars(HDC dc = nullptr, int thumbOverride = -1);

  // Screen rectangles as of now; empty for a bar that is not visible.
  TRect BarRect(const TacScrollBar& bar) const;
  TRect CornerRect() const;
  // Whether the system counts the bar usable (not disabled).
  bool BarIsActive(const TacScrollBar& bar) const;
  // Where dragging the corner sizes the parent.
  bool IsSizeGripCorner(const TRect& corner) const;

  // Present from creation until the handler is detached.
  TacScrollBar* HorzBar() const { return horzBar_.get(); }
  TacScrollBar* VertBar() const { return vertBar_.get(); }
  TacScrollBar* Bar(int kind) const { return kind == bkVertical ? VertBar() : HorzBar(); }

  bool ThumbDragging = false;
  bool BarsOnLeft = false;
  TacFrameEdges Edges;
  // The handler changes the window's style itself: the notifications of that are ignored.
  bool StyleGuard = false;

 protected:
  void BeforeAttach() override;
  void AfterDetach() override;
  void WndProc(TMessage& message, const TPassOn& passOn) override;
  // The skinned handling; answers whether the message was handled fully (not passed on).
  bool HandleScrollMessage(TMessage& message, const TPassOn& passOn);
  // The bar's window is enabled, and so is the control that owns the skin data.
  bool ControlEnabled() const;
  // Whether the window keeps the mouse captured when a press on its bar ends.
  virtual bool KeepsCaptureAfterBarRelease() const { return false; }

 private:
  TRect WindowRectNow() const;
  TacBarRects Rects() const;
  void CalcSize(TMessage& message, const TPassOn& passOn);
  bool HitTest(TMessage& message);
  // Answers whether the press was taken (not passed on).
  bool Press(TacScrollBar& bar, POINT point);
  void StartRepeating(TacScrollBar& bar, POINT point);
  void TimerTick(UINT_PTR id);
  void MouseMove(POINT point);
  void DragThumb(POINT point);
  bool Release();
  void HoverEnter(int kind);
  void HoverTick();
  void SendScrollMessage(UINT msg, int code, int position);
  int HitTestBar(const TacScrollBar& bar, POINT point) const;
  // The bar as it looks now (hover and press taken from the tracking record), unless a thumb drag
  // paints it.
  void PaintBar(TacScrollBar& bar, HDC dc, int thumbOverride, int pressedPortion);
  void RepaintBar(TacScrollBar& bar, int pressedPortion);
  void DrawBar(const TacScrollBar& bar, HDC dc, const TRect& r, int thumbStart, int pressedPortion, bool dragged);
  void PaintCorner(HDC dc, const TRect& corner);

  std::unique_ptr<TacScrollBar> horzBar_;
  std::unique_ptr<TacScrollBar> vertBar_;
};

}  // namespace sundrel
