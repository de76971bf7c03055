#include "windows/dialog_controls/ac_btn_wnd.h"

#include <algorithm>

#include "base/handles_win32.h"
#include "base/utf.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/dialog_controls/dialog_paint.h"

namespace sundrel {

int TacBtnWnd::CurrentState() const {
  const HWND window = Window();
  if (HasButtonState(window, BST_PUSHED)) return 2;
  if (!IsWindowEnabled(window)) return 0;
  if (GetFocus() == window || IsHoveredControl(window)) return 1;
  return (GetWindowLongW(window, GWL_STYLE) & BS_DEFPUSHBUTTON) != 0 ? 1 : 0;
}

UINT TacBtnWnd::TextFlags() const {
  const bool multiline = (GetWindowLongW(Window(), GWL_STYLE) & BS_MULTILINE) != 0;
  return DT_EXPANDTABS | DT_CENTER | (multiline ? DT_WORDBREAK : 0);
}

int TacBtnWnd::MaxCaptionWidth() const {
  if (Caption.empty()) return 0;
  const SIZE glyph = GlyphSize();
  return Size.cx - 2 - (glyph.cx > 0 ? glyph.cx + 2 : 0);
}

SIZE TacBtnWnd::CaptionSize() {
  RECT r{0, 0, MaxCaptionWidth(), 0};
  const UniqueDC measure(CreateCompatibleDC(nullptr));
  const SelectObjectGuard font(measure.get(), WindowFont(Window()));
  const std::wstring text = ToWide(Caption);
  DrawTextW(measure.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | TextFlags());
  return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT TacBtnWnd::CaptionRect() {
  const SIZE text = CaptionSize();
  // A caption wider than the button starts left of it by half the difference, rounded to zero.
  RECT r{(Size.cx - text.cx) / 2, (Size.cy - text.cy) / 2, 0, 0};
  r.right = r.left + text.cx + 1;
  r.bottom = r.top + text.cy;
  if (HasButtonState(Window(), BST_PUSHED)) OffsetRect(&r, 1, 1);
  return r;
}

void TacBtnWnd::DrawCaptionText(const RECT& r, UINT flags) {
  DrawCaptionInCache(*this, WindowFont(Window()), Caption, flags, r, CurrentState() != 0);
}

void TacBtnWnd::DrawCaption() {
  const RECT r = CaptionRect();
  DrawCaptionText(r, TextFlags());
  const TsGeneralData* section = SkinData()->Section();
  if (Caption.empty() || section == nullptr || !section->ShowFocus || !IsWindowEnabled(Window()) ||
      !HasButtonState(Window(), BST_FOCUS)) {
    return;
  }
  RECT focus = r;
  InflateRect(&focus, 1, 1);
  DrawFocusRect(SkinData()->CacheBmp()->Canvas().Handle(), &focus);
}

void TacBtnWnd::PrepareCache() {
  const int state = CurrentState();
  if (!PaintStateBackground(*this, state)) return;
  PaintCornerPixels(state);
  DrawCaption();
  DrawGlyph();
  PaintDisabledWhenNeeded(*this);
  SkinData()->BGChanged = false;
}

void TacBtnWnd::Paint(HDC given) {
  UpdateGeometry();
  TsCommonData& data = *SkinData();
  data.Updating = given == nullptr && data.MustRebuild();
  if (data.Updating) {
    // The paint is ended on this path too: a paint never ended keeps the system's context.
    const PaintScope paint(Window());
    return;
  }
  data.BGChanged = true;
  PrepareCache();
  ShowCache(*this, given);
}

void TacBtnWnd::SetHover(bool hot) {
  if (SkinData()->Hot == hot) return;
  SkinData()->Hot = hot;
  SkinData()->BGChanged = true;
  SendMessageW(Window(), WM_PAINT, 0, 0);
}

void TacBtnWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacMainWnd::WndProc(message, passOn);
    return;
  }
  const HWND window = Window();
  switch (message.Msg) {
    case SM_SKINCMD:
      if (SkinCommandCode(message.WParam) == SMC_MOUSE_ENTER) {
        SetHover(true);
        return;
      }
      if (SkinCommandCode(message.WParam) == SMC_MOUSE_LEAVE) {
        SetHover(false);
        return;
      }
      break;
    case WM_MOVE:
      if (const TsGeneralData* section = SkinData()->Section();
          section != nullptr && (section->Transparency > 0 || (section->HotTransparency > 0 && SkinData()->Hot))) {
        passOn(message);
        SkinData()->BGChanged = true;
        SendMessageW(window, WM_PAINT, 0, 0);
        return;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (!IsWindowEnabled(window)) break;
      SkinData()->Focused = message.Msg == WM_SETFOCUS;
      PassOnRedrawGuarded(*this, message, passOn);
      return;
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE:
    case BM_SETSTYLE:
      if (!IsWindowVisible(window)) break;
      PassOnRedrawGuarded(*this, message, passOn);
      if (message.Msg == WM_SETTEXT) ReadCaption();
      return;
    case WM_PAINT:
      if (!ParamsApplied) ApplySkinParams();
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
      message.Result = 1;
      return;
    default:
      break;
  }
  const UINT msg = message.Msg;
  TacMainWnd::WndProc(message, passOn);
  if (msg == WM_MOUSEMOVE && !Detached && IsWindowEnabled(window)) {
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT r{};
    GetWindowRect(window, &r);
    if (!PtInRect(&r, cursor)) {
      if (TsSkinManager* manager = DefaultManager(); manager != nullptr && manager->ActiveControl() == window) {
        manager->SetActiveControl(nullptr);
      }
    }
  }
}

}  // namespace sundrel
