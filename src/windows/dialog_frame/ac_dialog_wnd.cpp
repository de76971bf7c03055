#include "windows/dialog_frame/ac_dialog_wnd.h"

#include <commctrl.h>

#include "controls/s_common_data.h"
#include "paint/dib_pixels_win32.h"
#include "paint/shared_slots.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/auto/ac_provider.h"
#include "windows/dialog_frame/dialog_border.h"
#include "windows/dialog_frame/dialog_children.h"
#include "windows/dialog_frame/redraw_off.h"
#include "windows/provider/frame_geometry.h"
#include "windows/provider/frame_parts.h"

namespace sundrel {

namespace {

// Children may have come since: the dialog's provider gives them their handlers.
constexpr int kRescanChildren = 28;
// A message that reaches some dialogs after controls of theirs were made or rearranged.
constexpr UINT kControlsChanged = 0x052E;

}  // namespace

TacDialogWnd::TacDialogWnd(HWND dialog, TacDialogProvider& provider)
    : TacScrollWnd(dialog, "DIALOG", DefaultManager(), nullptr), provider_(provider) {
  menuState_.SavedStyle = GetWindowLongW(dialog, GWL_STYLE);
  systemMenu_ = std::make_unique<TacSystemMenu>(dialog, menuState_);
}

TacDialogWnd::~TacDialogWnd() {
  Retire();
}

void TacDialogWnd::SetUp() {
  SavedStyle = GetWindowLongW(Window(), GWL_STYLE);
  SavedExStyle = GetWindowLongW(Window(), GWL_EXSTYLE);
  BorderKind = BorderKindOf(SavedStyle);
  menuState_ = TacSystemMenuState{BorderKind, SavedStyle};
  for (WPARAM kind : {ICON_SMALL, ICON_BIG}) {
    if (icon_ == nullptr) icon_ = reinterpret_cast<HICON>(SendMessageW(Window(), WM_GETICON, kind, 0));
  }
  ReadButtonMasks();
  systemMenu_->UpdateItems();
  if ((SavedStyle & WS_SYSMENU) != 0) {
    StyleGuard = true;
    SetWindowLongW(Window(), GWL_STYLE, SavedStyle & ~WS_SYSMENU);
    StyleGuard = false;
  }
}

void TacDialogWnd::RestoreNativeParams() {
  TacScrollWnd::RestoreNativeParams();
  if (!IsWindow(Window())) return;
  if ((SavedStyle & WS_SYSMENU) != 0) {
    StyleGuard = true;
    SetWindowLongW(Window(), GWL_STYLE, GetWindowLongW(Window(), GWL_STYLE) | WS_SYSMENU);
    StyleGuard = false;
  }
  SetWindowRgn(Window(), nullptr, IsWindowVisible(Window()));
  RegionDirty = true;
}

void TacDialogWnd::ReadButtonMasks() {
  const TsSkinManager* manager = SkinManager();
  if (manager == nullptr) return;
  masks_ = CaptionButtonMasks(*manager, SkinData()->SkinIndex, SkinData()->SkinSection(), HasFullCaption(BorderKind));
}

int TacDialogWnd::FrameWidth() const {
  return DialogFrameWidth(BorderKind);
}

int TacDialogWnd::FrameHeight() const {
  return DialogFrameHeight(BorderKind);
}

int TacDialogWnd::TitleHeight() const {
  return DialogTitleHeight(BorderKind, SavedStyle);
}

std::vector<TacCaptionButton> TacDialogWnd::CaptionButtons() {
  const TsSkinManager* manager = SkinManager();
  if (manager == nullptr || (SavedStyle & WS_SYSMENU) == 0) return {};
  const HWND window = Window();
  std::vector<TacButtonSlot> slots{{HTCLOSE, masks_.Close, true}};
  if ((SavedStyle & WS_MAXIMIZEBOX) != 0) {
    const bool maximized = IsZoomed(window) != FALSE;
    slots.push_back({HTMAXBUTTON, maximized ? masks_.Restore : masks_.Maximize,
                     maximized ? systemMenu_->CanRestore() : systemMenu_->CanMaximize()});
  }
  if ((SavedStyle & WS_MINIMIZEBOX) != 0) {
    slots.push_back({HTMINBUTTON, IsIconic(window) ? masks_.Restore : masks_.Minimize, systemMenu_->CanMinimize()});
  }
  if ((SavedExStyle & WS_EX_CONTEXTHELP) != 0) slots.push_back({HTHELP, masks_.Help, true});
  return LayoutCaptionButtons(*manager, slots, WindowSize(window).cx, FrameWidth(), FrameHeight(), TitleHeight());
}

void TacDialogWnd::ScanChildren() {
  ScanDialogChildren(provider_);
}

bool TacDialogWnd::HandleSkinCommand(TMessage& message, const TPassOn& passOn) {
  TsCommonData& data = *SkinData();
  const bool own = message.LParam != 0 && reinterpret_cast<TsSkinManager*>(message.LParam) == SkinManager();
  switch (SkinCommandCode(message.WParam)) {
    case SMC_SKIN_SET:
      if (!own) return false;
      data.UpdateIndexes();
      ReadButtonMasks();
      data.BGChanged = true;
      RegionDirty = true;
      return false;
    case SMC_GET_CACHE:
      if (!Skinned()) return true;
      EnsurePicture();
      if (data.CacheBmp() != nullptr && data.CacheBmp()->Handle() != nullptr) {
        const POINT offset = ClientOffset(Window());
        Shared().ParentImage = TacParentImage{PixelsOfDibSection(data.CacheBmp()->Handle()), offset.x, offset.y, true};
      }
      return true;
    case SMC_SET_UPDATING:
      parentUpdating_ = SkinCommandFlag(message.WParam) == 1;
      if (parentUpdating_) data.BGChanged = true;
      return false;
    case SMC_GET_BG_CHANGED:
      passOn(message);
      message.LParam = data.BGChanged || parentUpdating_ ? 1 : 0;
      message.Result = message.LParam;
      return true;
    case SMC_GET_BG_KIND: {
      const TsGeneralData* section = data.Section();
      message.LParam = section != nullptr && section->GradientPercent + section->ImagePercent > 0 ? 1 : 0;
      message.Result = message.LParam;
      return true;
    }
    case SMC_GET_COLOR:
      if (const TsGeneralData* section = data.Section()) Shared().BackFillColor = ColorToRGB(section->HotColor);
      message.Result = 1;
      return true;
    case SMC_GET_CLIENT_OFFSET: {
      const POINT offset = ClientOffset(Window());
      message.Result = MAKELONG(offset.x, offset.y);
      return true;
    }
    case kRescanChildren:
      ScanChildren();
      return false;
    default:
      return false;
  }
}

void TacDialogWnd::CtlColorDialog(TMessage& message) {
  // One brush for the dialog's life: a new one per message would leak one per message.
  if (!dialogBrush_) {
    const TsSkinManager* manager = SkinManager();
    const bool global = manager != nullptr && manager->GetSkinIndex("GLOBALINFO") >= 0;
    dialogBrush_.reset(CreateSolidBrush(ColorToRGB(global ? manager->GetGlobalColor() : clBtnFace)));
  }
  message.Result = reinterpret_cast<LRESULT>(dialogBrush_.get());
}

void TacDialogWnd::WithoutSystemDrawing(TMessage& message, const TPassOn& passOn) {
  {
    TRedrawOff redrawOff(Window());
    passOn(message);
    if (message.Msg == WM_NCACTIVATE) DialogActive = message.WParam != 0;
  }
  if (Detached) return;
  if (message.Msg == WM_SETTEXT) ReadCaption();
  RepaintFrame();
}

void TacDialogWnd::ControlsChanged(TMessage& message, const TPassOn& passOn) {
  {
    TRedrawOff redrawOff(Window());
    TacScrollWnd::WndProc(message, passOn);
    if (Detached) return;
    ScanChildren();
  }
  RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

void TacDialogWnd::Activated(TMessage& message, const TPassOn& passOn) {
  passOn(message);
  const bool active = LOWORD(message.WParam) != WA_INACTIVE;
  if (active != DialogActive) {
    DialogActive = active;
    SkinData()->BGChanged = true;
    RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_INVALIDATE);
  }
  systemMenu_->UpdateItems();
}

void TacDialogWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (message.Msg == SM_SKINCMD) {
    if (!ManagerActive() || !HandleSkinCommand(message, passOn)) TacScrollWnd::WndProc(message, passOn);
    return;
  }
  if (!Skinned()) {
    TacScrollWnd::WndProc(message, passOn);
    return;
  }
  if (HandleMouse(message, passOn)) return;
  const bool visible = IsWindowVisible(Window()) != FALSE;
  switch (message.Msg) {
    case WM_NCPAINT:
      if (!visible) break;
      PaintFrame();
      message.Result = 0;
      return;
    case WM_PAINT:
      if (!visible) break;
      PaintClient(message, passOn);
      return;
    case WM_ERASEBKGND:
      if (provider_.DialogMode == 3 && message.WParam != 0) {
        EraseOwnPaintedParts(message, passOn);
        return;
      }
      message.Result = 1;
      return;
    case WM_ACTIVATE:
      if (!visible) break;
      Activated(message, passOn);
      return;
    case WM_NCACTIVATE:
    case WM_SETTEXT:
    case WM_ENABLE:
      if (visible) {
        WithoutSystemDrawing(message, passOn);
        return;
      }
      // Shown later, the dialog must not show the picture made before.
      if (message.Msg != WM_NCACTIVATE) SkinData()->BGChanged = true;
      break;
    case WM_GETDLGCODE:
      message.Result = 0;
      return;
    case kControlsChanged:
      ControlsChanged(message, passOn);
      return;
    case WM_SIZE:
      SkinData()->BGChanged = true;
      RegionDirty = true;
      break;
    case WM_WINDOWPOSCHANGED:
      // Setting the region tells of a changed position too; only a new size changes the picture.
      if ((reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags & SWP_NOSIZE) == 0) {
        SkinData()->BGChanged = true;
        RegionDirty = true;
      }
      break;
    case WM_CTLCOLORDLG:
      CtlColorDialog(message);
      return;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      if (item != nullptr && item->CtlType == ODT_STATIC) SetBkMode(item->hDC, TRANSPARENT);
      break;
    }
    case WM_SYSCOMMAND: {
      passOn(message);
      const WPARAM command = message.WParam & 0xFFF0;
      if (!IsWindow(Window())) return;
      if (command == SC_MAXIMIZE || command == SC_RESTORE || command == SC_MINIMIZE) {
        systemMenu_->UpdateItems();
        SetHotButton(0);
      }
      return;
    }
    default:
      break;
  }
  TacScrollWnd::WndProc(message, passOn);
}

}  // namespace sundrel
