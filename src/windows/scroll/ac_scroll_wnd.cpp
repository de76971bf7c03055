#include "windows/scroll/ac_scroll_wnd.h"

#include <windowsx.h>

#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "framework/win_control.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

namespace {

TRect ToTRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

bool Contains(const TRect& r, POINT point) {
  return point.x >= r.Left && point.x < r.Right && point.y >= r.Top && point.y < r.Bottom;
}

}  // namespace

TacScrollWnd::TacScrollWnd(HWND window, const std::string& sectionName, TsSkinManager* manager, TsCommonData* skinData)
    : TacMainWnd(window, sectionName, manager, skinData) {}

TacScrollWnd::~TacScrollWnd() {
  Retire();
}

void TacScrollWnd::BeforeAttach() {
  Scrolling = false;
  horzBar_ = std::make_unique<TacScrollBar>();
  vertBar_ = std::make_unique<TacScrollBar>();
  vertBar_->Kind = bkVertical;
  const LONG style = GetWindowLongW(Window(), GWL_STYLE);
  BarsOnLeft = (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  for (TacScrollBar* bar : {horzBar_.get(), vertBar_.get()}) {
    bar->Owner = this;
    bar->ReadInfo(Window());
    bar->Flags = (style & (bar->Vertical() ? WS_VSCROLL : WS_HSCROLL)) != 0 ? kBarWanted : 0;
  }
  StyleGuard = false;
}

void TacScrollWnd::AfterDetach() {
  // The tracking record must not outlive the window it names: a hover left on a window that went
  // would block hot tracking of that kind of bar everywhere.
  ForgetTrackedWindow(Window());
  for (TacScrollBar* bar : {horzBar_.get(), vertBar_.get()}) {
    if (bar != nullptr) bar->Owner = nullptr;
  }
  horzBar_.reset();
  vertBar_.reset();
}

void TacScrollWnd::RefreshBars(bool repaint) {
  if (horzBar_ == nullptr) return;
  horzBar_->ReadInfo(Window());
  vertBar_->ReadInfo(Window());
  if (repaint) PaintBars();
}

bool TacScrollWnd::BarsChanged() const {
  if (horzBar_ == nullptr) return false;
  for (const TacScrollBar* bar : {horzBar_.get(), vertBar_.get()}) {
    TacScrollBar now = *bar;
    now.ReadInfo(Window());
    const SCROLLINFO &a = now.Info, &b = bar->Info;
    if (a.nMin != b.nMin || a.nMax != b.nMax || a.nPage != b.nPage || a.nPos != b.nPos) return true;
  }
  return false;
}

TRect TacScrollWnd::WindowRectNow() const {
  RECT r{};
  GetWindowRect(Window(), &r);
  return ToTRect(r);
}

TacBarRects TacScrollWnd::Rects() const {
  const int horz = horzBar_->Visible ? horzBar_->PlainThickness() : 0;
  const int vert = vertBar_->Visible ? vertBar_->PlainThickness() : 0;
  return BarRects(WindowRectNow(), Edges, horz, vert, BarsOnLeft);
}

TRect TacScrollWnd::BarRect(const TacScrollBar& bar) const {
  if (!bar.Visible) return {};
  const TacBarRects rects = Rects();
  return bar.Vertical() ? rects.Vert : rects.Horz;
}

TRect TacScrollWnd::CornerRect() const {
  return horzBar_ != nullptr ? Rects().Corner : TRect{};
}

bool TacScrollWnd::BarIsActive(const TacScrollBar& bar) const {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!GetScrollBarInfo(Window(), bar.Vertical() ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) return false;
  return (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

bool TacScrollWnd::ControlEnabled() const {
  const TControl* control = OwnerControl();
  return IsWindowEnabled(Window()) && (control == nullptr || control->Enabled());
}

bool TacScrollWnd::IsSizeGripCorner(const TRect& corner) const {
  if (corner.IsEmpty()) return false;
  HWND parent = GetParent(Window());
  if (parent == nullptr) return true;
  if ((GetWindowLongW(parent, GWL_STYLE) & WS_CHILD) != 0) return false;
  RECT client{};
  GetClientRect(parent, &client);
  MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return MeetsParentCorner(corner, Edges, ToTRect(client), BarsOnLeft);
}

int TacScrollWnd::HitTestBar(const TacScrollBar& bar, POINT point) const {
  const TRect r = BarRect(bar);
  const bool vertical = bar.Vertical();
  const int across = vertical ? point.x : point.y;
  if (across < (vertical ? r.Left : r.Top) || across >= (vertical ? r.Right : r.Bottom)) return spNone;
  const int along = vertical ? point.y - r.Top : point.x - r.Left;
  return HitTestAlong(bar.Range(), vertical ? r.Height() : r.Width(), bar.PlainArrow(), bar.MinThumb, along);
}

void TacScrollWnd::CalcSize(TMessage& message, const TPassOn& passOn) {
  auto* rect = reinterpret_cast<RECT*>(message.LParam);
  const TRect window = ToTRect(*rect);
  const LONG style = GetWindowLongW(Window(), GWL_STYLE);
  const bool wantsHorz = (style & WS_HSCROLL) != 0, wantsVert = (style & WS_VSCROLL) != 0;
  if (wantsHorz || wantsVert) {
    // The window's own calculation must leave the bars out: their place is reserved here.
    StyleGuard = true;
    SetWindowLongW(Window(), GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
    passOn(message);
    SetWindowLongW(Window(), GWL_STYLE, style);
    StyleGuard = false;
  } else {
    passOn(message);
  }
  if (horzBar_ == nullptr) return;
  horzBar_->Flags = wantsHorz ? kBarWanted : 0;
  vertBar_->Flags = wantsVert ? kBarWanted : 0;
  const TacBarsLayout layout = TakeBarsFromClient(window, ToTRect(*rect), wantsHorz, wantsVert,
                                                  horzBar_->PlainThickness(), vertBar_->PlainThickness(), BarsOnLeft);
  Edges = layout.Edges;
  horzBar_->Visible = layout.HorzVisible;
  vertBar_->Visible = layout.VertVisible;
  *rect = RECT{layout.Client.Left, layout.Client.Top, layout.Client.Right, layout.Client.Bottom};
}

bool TacScrollWnd::HitTest(TMessage& message) {
  const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  for (TacScrollBar* bar : {horzBar_.get(), vertBar_.get()}) {
    if (!Contains(BarRect(*bar), point)) continue;
    message.Result = !BarIsActive(*bar) ? HTNOWHERE : bar->Vertical() ? HTVSCROLL : HTHSCROLL;
    return true;
  }
  const TRect corner = CornerRect();
  if (Contains(corner, point) && IsSizeGripCorner(corner)) {
    message.Result = HTBOTTOMRIGHT;
    return true;
  }
  return false;
}

bool TacScrollWnd::HandleScrollMessage(TMessage& message, const TPassOn& passOn) {
  const bool onBar = message.WParam == HTHSCROLL || message.WParam == HTVSCROLL;
  switch (message.Msg) {
    case SM_SKINCMD:
      switch (SkinCommandCode(message.WParam)) {
        case SMC_PARENT_UPDATED:
          if (!SkinData()->Updating) return false;
          SkinData()->Updating = false;
          RedrawWindow(Window(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
          return false;
        case SMC_REFRESH:
          // The bars repaint with the frame that the control redraws.
          if (message.LParam == reinterpret_cast<LPARAM>(SkinManager())) SkinData()->UpdateIndexes();
          return false;
        default:
          return HandleSkinCommand(message, passOn);
      }
    case WM_STYLECHANGED:
      if (StyleGuard) return true;
      if (message.WParam == static_cast<WPARAM>(GWL_EXSTYLE)) {
        BarsOnLeft = (reinterpret_cast<const STYLESTRUCT*>(message.LParam)->styleNew & WS_EX_LEFTSCROLLBAR) != 0;
      }
      return false;
    case WM_STYLECHANGING:
      return StyleGuard;
    case WM_NCCALCSIZE:
      CalcSize(message, passOn);
      return true;
    case WM_NCHITTEST:
      if (HitTest(message)) return true;
      return false;
    case WM_NCPAINT:
      // The window's own frame painting would draw the native bars: ours go on top of it.
      passOn(message);
      if (!Detached && IsWindowVisible(Window()) && !Scrolling) PaintBars();
      return true;
    case WM_NCMOUSEMOVE:
      ScrollTracking().TrackWindow = Window();
      if (onBar) HoverEnter(message.WParam == HTVSCROLL ? bkVertical : bkHorizontal);
      return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (!onBar) return false;
      return Press(*Bar(message.WParam == HTVSCROLL ? bkVertical : bkHorizontal),
                   POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
      // No system scroll-bar menu over a skinned bar.
      return onBar;
    case WM_SYSCOMMAND:
      return (message.WParam & 0xFFF0) == SC_VSCROLL;
    case WM_TIMER:
      if (IsBarTimer(message.WParam)) {
        TimerTick(message.WParam);
      } else {
        passOn(message);
        if (Detached) return true;
      }
      if (!Scrolling && !ThumbDragging) RefreshBars(true);
      return true;
    case WM_MOUSEMOVE: {
      const TacScrollTracking& tracking = ScrollTracking();
      if (!ThumbDragging && (tracking.PressPortion == spNone || tracking.TrackWindow != Window())) return false;
      POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      ClientToScreen(Window(), &point);
      MouseMove(point);
      return true;
    }
    case WM_LBUTTONUP:
      if (Release()) {
        passOn(message);
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TacScrollWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  switch (message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
    case WM_UPDATEUISTATE:
    case WM_SETTEXT:
      TacMainWnd::WndProc(message, passOn);
      return;
    default:
      break;
  }
  // A detached handler that still hears a message keeps out of the way.
  if (Detached) return;
  if (!Skinned()) {
    passOn(message);
    return;
  }
  if (HandleScrollMessage(message, passOn)) return;
  if (message.Msg == SM_SKINCMD) {
    passOn(message);
    return;
  }
  const UINT msg = message.Msg;
  passOn(message);
  if (Detached) return;
  if (msg == WM_MOUSEWHEEL || msg == CM_FOCUSCHANGED) {
    if (!Scrolling || msg == CM_FOCUSCHANGED) RefreshBars(true);
  }
}

}  // namespace sundrel
