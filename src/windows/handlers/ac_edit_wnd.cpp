#include <utility>

#include "base/handles_win32.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "framework/application.h"
#include "paint/dc_paint_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/handlers/ac_base_wnd.h"

namespace sundrel {

namespace {

// A rich edit's character format change, which repaints it: not while its parent is updating.
constexpr UINT kRichEditSetCharFormat = WM_USER + 68;

}  // namespace

TacEditWnd::~TacEditWnd() {
  Retire();
}

void TacEditWnd::SaveNativeParams() {
  if (const TControl* control = OwnerControl()) {
    SavedColor = control->Color();
    SavedFontColor = control->Font().Color();
  }
}

void TacEditWnd::RestoreNativeParams() {
  SetWindowPos(Window(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
  TControl* control = OwnerControl();
  if (control == nullptr || control->IsDestroying()) return;
  if (SavedColor != clFuchsia) control->SetColor(SavedColor);
  if (SavedFontColor != clFuchsia) control->Font().SetColor(SavedFontColor);
}

void TacEditWnd::ApplySkinParams() {
  StyleGuard = true;
  ParamsApplied = true;
  TsCommonData& data = *SkinData();
  const TsGeneralData* section = data.Section();
  if (TControl* control = OwnerControl()) {
    if (section != nullptr && !data.CustomColor()) {
      TWinControl* parent = control->Parent();
      const TColor color = section->Transparency > 0 && parent != nullptr ? GetParentColor(parent) : section->Color;
      if (control->Color() != color) control->SetColor(color);
    }
    if (section != nullptr && !data.CustomFont() && control->Font().Color() != section->HotFontColor[0]) {
      // The colour change must not repaint in the middle of painting.
      const bool updating = std::exchange(data.Updating, true);
      control->Font().SetColor(section->HotFontColor[0]);
      data.Updating = updating;
    }
  } else {
    OwnColor = ForDialog || section == nullptr ? clWindow : section->Color;
    OwnFocusColor = 0;
  }
  data.BGChanged = true;
  StyleGuard = false;
}

bool TacEditWnd::WaitsForParent() {
  TsCommonData& data = *SkinData();
  data.Updating = data.MustRebuild();
  return data.Updating;
}

void TacEditWnd::PaintFrame(int ringWidth, bool cornerPixels) {
  UpdateGeometry();
  if (WaitsForParent()) return;
  TsCommonData& data = *SkinData();
  if (data.BGChanged) {
    if (!ParamsApplied) ApplySkinParams();
    PrepareBackground(ForDialog);
    if (cornerPixels) PaintCornerPixels(0);
  }
  TBitmap* cache = data.CacheBmp();
  if (cache == nullptr || cache->Handle() == nullptr) return;
  WholeWindowDC dc(Window());
  const SavedDC saved(dc.get());
  CopyFrameStrips(dc.get(), 0, 0, Size.cx, Size.cy, cache->Canvas().Handle(), 0, 0, ringWidth);
  PaintBars(dc.get());
}

void TacEditWnd::Print(TMessage& message, const TPassOn& passOn) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  TsCommonData& data = *SkinData();
  data.Updating = false;
  data.BGChanged = true;
  if (!ParamsApplied) ApplySkinParams();
  UpdateGeometry();
  PrepareBackground(ForDialog);
  if (!ForDialog) PaintCornerPixels(0);
  if (TBitmap* cache = data.CacheBmp(); cache != nullptr && cache->Handle() != nullptr) {
    CopyFrameStrips(dc, 0, 0, Size.cx, Size.cy, cache->Canvas().Handle(), 0, 0, Edges.Left);
  }
  PaintBars(dc);
  {
    const SavedDC saved(dc);
    OffsetViewportOrgEx(dc, Edges.Left, Edges.Left, nullptr);
    const int width = Size.cx - 2 * Edges.Left - (VertBar()->Visible ? VertBar()->PlainThickness() : 0);
    const int height = Size.cy - 2 * Edges.Left - (HorzBar()->Visible ? HorzBar()->PlainThickness() : 0);
    IntersectClipRect(dc, 0, 0, width, height);
    SendMessageW(Window(), WM_ERASEBKGND, message.WParam, 0);
    SendMessageW(Window(), WM_PAINT, message.WParam, 0);
    SendMessageW(Window(), WM_PRINTCLIENT, message.WParam, PRF_CLIENT | PRF_ERASEBKGND);
  }
  if (!Detached) TacBaseWnd::WndProc(message, passOn);
}

bool TacEditWnd::HandleEditMessage(TMessage& message, const TPassOn& passOn) {
  switch (message.Msg) {
    case SM_SKINCMD:
      switch (SkinCommandCode(message.WParam)) {
        case SMC_REFRESH:
          if (message.LParam == reinterpret_cast<LPARAM>(SkinManager())) ApplySkinParams();
          return false;
        case SMC_IS_SKINNED:
          message.LParam = 1;
          message.Result = 1;
          return true;
        case SMC_PREPARE_CACHE:
          PrepareBackground(ForDialog);
          PaintCornerPixels(0);
          return true;
        case SMC_GET_SKIN_INDEX:
          message.Result = SkinData()->SkinIndex + 1;
          return true;
        case SMC_GET_APPLICATION:
          message.Result = reinterpret_cast<LRESULT>(Application);
          return true;
        default:
          return false;
      }
    case WM_PAINT:
    case WM_ERASEBKGND:
      if (!IsWindowVisible(Window())) return false;
      if (WaitsForParent()) {
        if (message.Msg == WM_PAINT) ValidateRect(Window(), nullptr);
        return true;
      }
      if (!ParamsApplied) ApplySkinParams();
      return false;
    case WM_NCPAINT:
      if (IsWindowVisible(Window())) PaintFrame(Edges.Left, true);
      return true;
    case WM_PRINT:
      Print(message, passOn);
      return true;
    case kRichEditSetCharFormat:
      return SkinData()->Updating;
    default:
      return false;
  }
}

void TacEditWnd::AfterEditMessage(UINT msg) {
  switch (msg) {
    case WM_SIZE:
      if (IsWindowVisible(Window())) SendMessageW(Window(), WM_NCPAINT, 0, 0);
      return;
    case EM_REPLACESEL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_SETTOPINDEX:
      RefreshBars(true);
      return;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case CN_KEYDOWN:
      if (!Scrolling) RefreshBars(true);
      return;
    case WM_MOUSEMOVE:
      TrackHover();
      return;
    default:
      return;
  }
}

void TacEditWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacBaseWnd::WndProc(message, passOn);
    return;
  }
  const UINT msg = message.Msg;
  if (HandleEditMessage(message, passOn)) return;
  TacBaseWnd::WndProc(message, passOn);
  if (Detached) return;
  AfterEditMessage(msg);
  // A list box that changes its bar (selecting, deleting) draws the native one straight into its
  // frame, without a frame paint: ours goes back on top whenever the bar changed.
  if (msg >= LB_ADDSTRING && msg < LB_MSGMAX && !Scrolling && BarsChanged()) RefreshBars(true);
}

}  // namespace sundrel
