#include "dialogs/shell_tree/s_tree_view.h"

#include "controls/control_kinds.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/handlers/ac_base_wnd.h"
#include "windows/handlers/scroll_handler.h"

namespace sundrel {

TsTreeView::TsTreeView(TComponent* owner) : TTreeView(owner), skinData_(this, true), boundLabel_(this, &skinData_) {
  skinData_.ControlKind = kKindTreeView;
  skinHook_ = skinData_.PlugInto(MessageHooks());
  skinData_.Loaded();
}

TsTreeView::~TsTreeView() {
  FreeHandler(scrollHandler_);
}

void TsTreeView::CreateParams(TCreateParams& params) const {
  TTreeView::CreateParams(params);
  params.WinClassName = WC_TREEVIEWW;
}

void TsTreeView::CreateWnd() {
  TTreeView::CreateWnd();
  // A window made anew (a style that only creation takes) needs a handler of its own.
  if (!IsLoading()) EnsureScrollHandler();
}

void TsTreeView::Loaded() {
  TTreeView::Loaded();
  skinData_.Loaded();
  EnsureScrollHandler();
}

bool TsTreeView::Ready() {
  return HandleAllocated() && Parent() != nullptr && !IsLoading() && !IsDestroying();
}

void TsTreeView::EnsureScrollHandler() {
  sundrel::EnsureScrollHandler(skinData_, scrollHandler_);
}

void TsTreeView::MatchImagesToColor() {
  if (Images() != nullptr) ImageList_SetBkColor(Images(), ColorToRGB(Color()));
}

void TsTreeView::WindowDestroying() {
  // The image list may be shared (the system's): it goes back to drawing its icons transparently.
  if (Images() != nullptr) ImageList_SetBkColor(Images(), CLR_NONE);
  TTreeView::WindowDestroying();
}

bool TsTreeView::HandleSkinCommand(TMessage& message) {
  const bool own =
      message.LParam != 0 && reinterpret_cast<TsSkinManager*>(message.LParam) == skinData_.GetSkinManager();
  switch (SkinCommandCode(message.WParam)) {
    case SMC_SKIN_SET:
      return own;
    case SMC_SKIN_REMOVED:
      if (!own) return false;
      // The handler may be passing this very message on: it goes once the message is over.
      FreeHandler(scrollHandler_);
      MatchImagesToColor();
      if (HandleAllocated()) Invalidate();
      return true;
    case SMC_REFRESH:
      if (!own) return false;
      EnsureScrollHandler();
      MatchImagesToColor();
      if (HandleAllocated()) Invalidate();
      return true;
    case SMC_PARENT_UPDATED:
      if (skinData_.MustRebuild()) {
        skinData_.Updating = false;
        if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
      }
      return true;
    default:
      return false;
  }
}

void TsTreeView::AfterMessage(const TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
    case CM_COLORCHANGED:
      MatchImagesToColor();
      return;
    case CM_VISIBLECHANGED:
      skinData_.BGChanged = true;
      EnsureScrollHandler();
      MatchImagesToColor();
      return;
    default:
      return;
  }
}

void TsTreeView::WndProc(TMessage& message) {
  if (message.Msg == SM_SKINCMD && HandleSkinCommand(message)) return;
  TTreeView::WndProc(message);
  if (Ready()) AfterMessage(message);
  boundLabel_.FollowOwner(message);
}

}  // namespace sundrel
