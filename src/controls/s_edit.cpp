#include "controls/s_edit.h"

#include "base/handles_win32.h"
#include "controls/control_kinds.h"
#include "controls/control_skin.h"
#include "controls/skin_utilities.h"
#include "controls/skinned_text.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"

namespace sundrel {

TsEdit::TsEdit(TComponent* owner) : TEdit(owner), skinData_(this, true), boundLabel_(this, &skinData_) {
  skinData_.ControlKind = kKindEdit;
  skinHook_ = skinData_.PlugInto(MessageHooks());
  // Ahead of the skin data: the edit's fill counts as plain, whatever its section holds, because
  // the system paints the client area in one colour.
  plainFillHook_ = MessageHooks().Add([this](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == SM_SKINCMD && SkinCommandCode(message.WParam) == SMC_GET_BG_KIND) {
      message.LParam = 0;
      message.Result = 0;
      return;
    }
    passOn(message);
  });
  skinData_.Loaded();
}

TsEdit::~TsEdit() = default;

void TsEdit::Loaded() {
  TEdit::Loaded();
  skinData_.Loaded();
}

void TsEdit::SetDisabledKind(TsDisabledKind kind) {
  if (kind == disabledKind_) return;
  disabledKind_ = kind;
  skinData_.Invalidate();
}

bool TsEdit::Ready() {
  return HandleAllocated() && Parent() != nullptr && !IsLoading() && !IsDestroying();
}

int TsEdit::FrameWidth() {
  const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
  const LONG exStyle = GetWindowLongW(Handle(), GWL_EXSTYLE);
  if ((exStyle & WS_EX_CLIENTEDGE) != 0) return 2;
  return (style & WS_BORDER) != 0 ? 1 : 0;
}

void TsEdit::BuildCache() {
  skinData_.PrepareCache();
  TBitmap& cache = *skinData_.CacheBmp();
  const TacParentImage parent = skinData_.GetParentImage();
  const int state = skinData_.CurrentState();
  PaintControlSkin(skinData_, parent, true, true, cache, TPoint{Left(), Top()}, TRect{0, 0, Width(), Height()}, state);
  const int frame = HandleAllocated() ? FrameWidth() : 2;
  const RECT textRect{frame + 1, frame + 1, Width() - frame, Height() - frame};
  DrawSkinnedText(cache.Canvas(), Text(), true, state != 0, skinData_, DT_SINGLELINE | DT_NOPREFIX, textRect);
  if (!Enabled()) {
    GdiFlush();
    PaintDisabledLook(PixelsOfDibSection(cache.Handle()), disabledKind_, Color(), TPoint{Left(), Top()}, parent);
  }
  skinData_.BGChanged = false;
}

void TsEdit::ChooseColors() {
  const TsGeneralData* section = skinData_.Section();
  if (section == nullptr) return;
  const bool hot = skinData_.CurrentState() == 1;
  const TColor color = hot ? section->HotColor : section->Color;
  const TColor fontColor = hot ? section->HotFontColor[0] : section->FontColor[0];
  if (!skinData_.CustomColor() && Color() != color) SetColor(color);
  if (!skinData_.CustomFont() && Font().Color() != fontColor) Font().SetColor(fontColor);
}

void TsEdit::CopyFrame(HDC dc) {
  TBitmap& cache = *skinData_.CacheBmp();
  CopyFrameStrips(dc, 0, 0, Width(), Height(), cache.Canvas().Handle(), 0, 0, FrameWidth());
}

void TsEdit::PaintFrame() {
  skinData_.Updating = skinData_.MustRebuild();
  if (skinData_.Updating) return;
  if (skinData_.BGChanged) BuildCache();
  RepairCorners(skinData_, 0);
  WholeWindowDC dc(Handle());
  CopyFrame(dc.get());
}

void TsEdit::RepaintFrame() {
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TsEdit::Print(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  skinData_.Updating = false;
  BuildCache();
  RepairCorners(skinData_, 0);
  CopyFrame(dc);
  if (!skinData_.MustRebuild()) {
    if (skinData_.BGChanged && !skinData_.ParentTransparent) BuildCache();
    BitBlt(dc, 0, 0, Width(), Height(), skinData_.CacheBmp()->Canvas().Handle(), 0, 0, SRCCOPY);
  }
  const int frame = FrameWidth();
  SavedDC saved(dc);
  OffsetViewportOrgEx(dc, frame, frame, nullptr);
  IntersectClipRect(dc, 0, 0, ClientWidth(), ClientHeight());
  TMessage client{WM_PRINTCLIENT, message.WParam, PRF_CLIENT};
  if (!skinData_.HandleMessage(client)) DefaultHandler(client);
}

bool TsEdit::HandleSkinCommand(TMessage& message) {
  const bool own = skinData_.IsOwnManager(message.LParam);
  switch (SkinCommandCode(message.WParam)) {
    case SMC_SKIN_SET:
    case SMC_SKIN_REMOVED:
      return own;
    case SMC_REFRESH:
      if (!own) return false;
      if (CanRepaint(this)) {
        Invalidate();
        RepaintFrame();
      }
      return true;
    default:
      return false;
  }
}

void TsEdit::AfterMessage(const TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      RepaintFrame();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_EXIT:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (message.Msg == WM_KILLFOCUS || message.Msg == CM_EXIT) {
        skinData_.Focused = false;
        skinData_.Hot = false;
      }
      // The frame shows the state too: the hot picture while focused or under the mouse.
      skinData_.BGChanged = true;
      if (Visible()) {
        Invalidate();
        RepaintFrame();
      }
      return;
    case WM_SETTEXT:
    case WM_SETFONT:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      if (IsLoading()) return;
      skinData_.Invalidate();
      RepaintFrame();
      return;
    case SM_SKINCMD:
      if (SkinCommandCode(message.WParam) == SMC_PARENT_UPDATED && skinData_.MustRebuild()) {
        skinData_.Updating = false;
        Invalidate();
        RepaintFrame();
      } else if (SkinCommandCode(message.WParam) == SMC_SET_PARENT_TRANSPARENT && skinData_.ParentTransparent) {
        BuildCache();
      }
      return;
    default:
      return;
  }
}

void TsEdit::WndProc(TMessage& message) {
  if (message.Msg == SM_SKINCMD && HandleSkinCommand(message)) return;
  if (!Ready() || !skinData_.IsSkinned()) {
    TEdit::WndProc(message);
    boundLabel_.FollowOwner(message);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT:
      skinData_.Updating = skinData_.MustRebuild();
      if (skinData_.Updating) {
        ValidateRect(Handle(), nullptr);
        return;
      }
      ChooseColors();
      TEdit::WndProc(message);
      return;
    case WM_NCPAINT:
      PaintFrame();
      return;
    case WM_PRINT:
      Print(message);
      return;
    case WM_ERASEBKGND:
      // The system edit fills its client area in the edit's colour as it paints.
      message.Result = 1;
      return;
    case CN_BASE + WM_DRAWITEM:
      return;
    case CM_COLORCHANGED:
      if (skinData_.CustomColor()) skinData_.BGChanged = true;
      break;
    default:
      break;
  }
  TEdit::WndProc(message);
  AfterMessage(message);
  boundLabel_.FollowOwner(message);
}

}  // namespace sundrel
