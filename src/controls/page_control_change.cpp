// The skinned page control's page change, animated when the skin manager asks for it, and the
// skin commands that it passes on to its pages.
// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <utility>

#include "controls/animate_control.h"
#include "controls/s_page_control.h"
#include "controls/skin_utilities.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

bool TsPageControl::AnimatesPageChanges() const {
  const TsSkinManager* manager = skinData_.GetSkinManager();
  return manager != nullptr && PaintsItself() && HandleAllocated() &&
         const_cast<TsSkinManager*>(manager)->AnimEffects().PageChange.Active;
}

void TsPageControl::OnSelChanging(TMessage& message) {
  // The old page is captured before anyone may veto, as the user saw it.
  if (AnimatesPageChanges()) {
    PrepareControlAnimation(this);
    changePrepared_ = true;
  }
  TPageControl::WndProc(message);
  if (message.Result == 0 || !std::exchange(changePrepared_, false)) return;
  CancelControlAnimation();
  // The mouse may stand over something else now: let hot states follow it.
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Handle(), &cursor);
  PostMessageW(Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x, cursor.y));
}

void TsPageControl::AnimateChange() {
  TsSkinManager* manager = skinData_.GetSkinManager();
  AnimateControl(this, manager != nullptr ? manager->AnimEffects().PageChange.Time : 0);
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TsPageControl::DropUnfinishedChange() {
  if (std::exchange(changePrepared_, false)) CancelControlAnimation();
}

void TsPageControl::PageChanged() {
  hotTab_ = -1;
  // The tab that was active now belongs in the picture, the new one leaves it.
  skinData_.BGChanged = true;
  if (PaintsItself() && HandleAllocated()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TsPageControl::OnSkinCommand(const TMessage& message) {
  const int code = SkinCommandCode(message.WParam);
  if (code != SMC_SKIN_SET && code != SMC_SKIN_REMOVED && code != SMC_REFRESH) return;
  BroadcastToChildren(this, message);
  if (code != SMC_SKIN_SET && HandleAllocated()) {
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

}  // namespace sundrel
