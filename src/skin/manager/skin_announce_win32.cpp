// Telling the windows about the skin: announcing a loaded skin, refreshing after a change in
// place, and removing it. Forms that this manager's skin paints stop redrawing meanwhile, so the
// change shows at once, not control by control.
#include <utility>
#include <vector>

#include "framework/application.h"
#include "paint/shared_slots.h"
#include "skin/manager/broadcast_win32.h"
#include "skin/manager/form_provider_link_win32.h"
#include "skin/manager/skin_change_animation_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

namespace {

// Systems before Windows Vista show a skin change in frames and redo the forms' regions; later
// ones show it at once.
bool BeforeVista() {
  return LOBYTE(LOWORD(GetVersion())) < 6;
}

// The windows of the visible top-level forms whose provider paints the manager's skin.
std::vector<HWND> FormsPaintedBy(const TsSkinManager* manager) {
  std::vector<HWND> windows;
  for (TCustomForm* form : Forms()) {
    if (form->Parent() != nullptr || !form->Visible() || !form->HandleAllocated() || IsMdiChild(form)) continue;
    const TacFormProviderLink* link = FormProviderLink(form);
    if (link != nullptr && link->SkinManager() == manager) windows.push_back(form->Handle());
  }
  return windows;
}

// Keeps forms from redrawing until Resume, or until it goes (a failing announcement included),
// then redraws each with all its children at once.
class FormRedrawPause {
 public:
  explicit FormRedrawPause(std::vector<HWND> windows) : windows_(std::move(windows)) {
    for (HWND window : windows_) SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  }
  ~FormRedrawPause() { Resume(); }
  FormRedrawPause(const FormRedrawPause&) = delete;
  FormRedrawPause& operator=(const FormRedrawPause&) = delete;

  // Each form shows its new picture through the animation (when one was handed over).
  void Animate(int durationCode) {
    const TSkinChangeAnimation animation = SkinChangeAnimation();
    if (animation == nullptr) return;
    for (HWND window : windows_) {
      if (auto* form = dynamic_cast<TCustomForm*>(TWinControl::FindControl(window))) animation(form, durationCode);
    }
  }

  void Resume() {
    for (HWND window : std::exchange(windows_, {})) {
      auto* form = dynamic_cast<TCustomForm*>(TWinControl::FindControl(window));
      if (form == nullptr) continue;  // gone meanwhile
      SendMessageW(window, WM_SETREDRAW, TRUE, 0);
      if (BeforeVista()) SetWindowRgn(window, nullptr, FALSE);
      if (TacFormProviderLink* link = FormProviderLink(form)) link->UpdateRegion();
      RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
  }
  // Someone else let the forms redraw already.
  void Forget() { windows_.clear(); }

 private:
  std::vector<HWND> windows_;
};

bool HasMainForm() {
  return Application != nullptr && Application->MainForm() != nullptr;
}

}  // namespace

void TsSkinManager::AnnounceSkin() {
  FormRedrawPause pause(HasMainForm() ? FormsPaintedBy(this) : std::vector<HWND>{});
  if (menuPainter_) menuPainter_->ResetSkinBorderWidth();
  SetSkinActive(false);
  {
    SlotScope announcing(Shared().SkinAnnouncing, true);
    BroadcastToForms(SMC_SKIN_SET, reinterpret_cast<LPARAM>(this));
  }
  SetSkinActive(true);
  if (menuPainter_) menuPainter_->FreeMenuPicture();
  InstallHook();
  RefreshSkin();
  if (RedrawsForms()) pause.Forget();
}

void TsSkinManager::RefreshSkin() {
  const auto self = reinterpret_cast<LPARAM>(this);
  BroadcastToForms(SMC_STOP_FADING, self);
  FormRedrawPause pause(RedrawsForms() ? FormsPaintedBy(this) : std::vector<HWND>{});
  BroadcastToForms(SMC_REFRESH, self);
  // Menus made since the skin was announced are wired too.
  RewireMenus();
  const TacSkinChanging& changing = animEffects_.SkinChanging;
  if (changing.Active) pause.Animate(BeforeVista() ? changing.Time : 0);
  pause.Resume();
}

void TsSkinManager::RemoveSkin() {
  SlotScope removing(Shared().SkinRemoving, true);
  UninstallHook();
  SetSkinActive(false);
  try {
    BroadcastToForms(SMC_SKIN_REMOVED, reinterpret_cast<LPARAM>(this));
    if (menuPainter_) menuPainter_->FreeMenuPicture();
    RewireMenus();
  } catch (...) {
    ClearTables();
    throw;
  }
  ClearTables();
}

}  // namespace sundrel
