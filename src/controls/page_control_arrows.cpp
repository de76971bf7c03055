// The skinned arrows of the page control's tab strip: they stand where the system's arrows for
// overflowing tabs were, and scroll the tabs as those do.
#include "controls/s_page_control.h"

// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

namespace {

// The tab control's own arrows are its direct child; an up-down on one of the pages is not.
BOOL CALLBACK DestroySystemArrows(HWND child, LPARAM tabControl) {
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  if (GetParent(child) == reinterpret_cast<HWND>(tabControl) && lstrcmpiW(name, UPDOWN_CLASSW) == 0) {
    DestroyWindow(child);
  }
  return TRUE;
}

}  // namespace

void TsPageControl::UpdateArrows() {
  if (!HandleAllocated()) return;
  const bool horizontal = TabPosition() == tpTop || TabPosition() == tpBottom;
  const int limit = Width() - 3 - (arrows_ ? arrows_->Width() : 0);
  int overflowing = 0;
  int first = -1;
  for (int i = 0; i < PageCount(); ++i) {
    const RECT r = TabItemRect(i);
    if (IsRectEmpty(&r)) continue;
    if (r.right > limit || r.left < 0) ++overflowing;
    if (first < 0 && r.left >= 0) first = i;
  }
  if (!PaintsItself() || !horizontal || overflowing == 0) {
    arrows_.reset();
    return;
  }
  EnumChildWindows(Handle(), DestroySystemArrows, reinterpret_cast<LPARAM>(Handle()));
  if (!arrows_) {
    arrows_ = MakeOwned<TsUpDown>(nullptr);
    const TsSkinManager* manager = skinData_.GetSkinManager();
    arrows_->SkinData().SetSkinSection(manager != nullptr && manager->GetSkinIndex("UPDOWNBTN") >= 0 ? "UPDOWNBTN"
                                                                                                     : "BUTTON");
    arrows_->OnChange = [this](TObject*) { ScrollTabsTo(arrows_->Position()); };
  }
  const int width = 2 * GetSystemMetrics(SM_CXHSCROLL) + 2;
  const int height = GetSystemMetrics(SM_CYHSCROLL) + 1;
  arrows_->SetBounds(Width() - width, TabPosition() == tpTop ? 0 : Height() - height, width, height);
  arrows_->SetParent(this);
  arrows_->SetRange(0, overflowing);
  arrows_->SetPosition(first);
}

void TsPageControl::ScrollTabsTo(int first) {
  SendMessageW(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, first), 0);
  PageChanged();
}

}  // namespace sundrel
