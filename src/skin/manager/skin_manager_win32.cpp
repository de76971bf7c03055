// The skin manager as a component: its properties, the default-manager rule, its hooks, and the
// change of skin from start to end.
#include "skin/manager/skin_manager_win32.h"

#include <algorithm>

#include "framework/application.h"
#include "paint/shared_slots.h"
#include "skin/manager/program_folder_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/manager/skin_hooks_win32.h"

namespace sundrel {

namespace {

TsSkinManager* defaultManager = nullptr;

// Common sections are matched without their spaces; comment lines stay as they are.
std::string WithoutSpaces(std::string line) {
  if (line.empty() || line.front() != ';') line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
  return line;
}

}  // namespace

TsSkinManager* DefaultManager() {
  return defaultManager;
}

void TacBtnEffects::SetEvents(TacBtnEvents events) {
  events_ = events;
  if (manager_.IsDefault()) ButtonEvents = events;
}

TsSkinManager::TsSkinManager(TComponent* owner)
    : TComponent(owner), skinDirectory_(kDefaultSkinDirectory), animEffects_(*this), model_(CreateSkinModel()) {
  if (TMenuPainterFactory makePainter = MenuPainterFactory()) menuPainter_ = makePainter(*this);
  if (defaultManager == nullptr) BecomeDefault();
}

TsSkinManager::~TsSkinManager() {
  if (defaultManager == this) defaultManager = nullptr;
}

void TsSkinManager::BeforeDestruction() {
  TComponent::BeforeDestruction();
  SetActive(false);
  if (IsDefault()) {
    StopBeingDefault();
    defaultManager = nullptr;
  }
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (menuSupport_.IcoLineSkin.empty()) menuSupport_.IcoLineSkin = "ICOLINE";
  if (active_ && !skinName_.empty()) AnnounceSkin();
}

bool TsSkinManager::IsDefault() const {
  return defaultManager == this;
}

void TsSkinManager::SetIsDefault(bool isDefault) {
  if (!isDefault && defaultManager != nullptr) return;
  BecomeDefault();
  if (!active_) {
    RemoveSkin();
  } else {
    AnnounceSkin();
    RefreshSkin();
  }
}

void TsSkinManager::BecomeDefault() {
  if (defaultManager == this) return;
  // The hooks belong to the default manager: the one that was it gives them up.
  if (defaultManager != nullptr) defaultManager->StopBeingDefault();
  defaultManager = this;
  ButtonEvents = animEffects_.Buttons.Events();
  HookMainWindow();
}

void TsSkinManager::StopBeingDefault() {
  UninstallHook();
  mainWindowHook_.reset();
}

void TsSkinManager::HookMainWindow() {
  if (mainWindowHook_ || Application == nullptr) return;
  mainWindowHook_ = std::make_unique<TacMainWindowHook>(
      *Application, [this](TMessage& message) { return HandleMainWindowMessage(message); });
}

bool TsSkinManager::HandleMainWindowMessage(TMessage& message) {
  switch (message.Msg) {
    // A change of the system's visual style must not bring the native look back over the skin.
    case WM_THEMECHANGED:
      message.Result = 0;
      return true;
    // The menu painter could not find the window of a menu it drew: it is found and shaped now.
    case WM_SHAPE_MENU_OF_ITEM:
      if (menuPainter_) menuPainter_->ShapeWindowOfItem(static_cast<UINT>(message.LParam));
      message.Result = 0;
      return true;
    case WM_SHAPE_MENU_WINDOW:
      if (menuPainter_) menuPainter_->ShapeMenuWindow(reinterpret_cast<HWND>(message.LParam));
      message.Result = 0;
      return true;
    default:
      return false;
  }
}

void TsSkinManager::InstallHook() {
  if (IsDefault() && !skinningHook_) skinningHook_ = std::make_unique<TacSkinningHook>();
}

void TsSkinManager::UninstallHook() {
  skinningHook_.reset();
}

void TsSkinManager::RewireMenus() {
  if (menuPainter_ && IsDefault() && skinnedPopups_) menuPainter_->InitMenus(SkinActive());
}

void TsSkinManager::SetSkinnedPopups(bool skinned) {
  if (skinned == skinnedPopups_) return;
  skinnedPopups_ = skinned;
  if (menuPainter_ && IsDefault()) menuPainter_->InitMenus(skinned && SkinActive());
}

bool TsSkinManager::RedrawsForms() const {
  return !IsLoading() && Application != nullptr && Application->MainForm() != nullptr;
}

void TsSkinManager::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active) {
    ChangeSkin(skinName_);
  } else if (!IsLoading()) {
    RemoveSkin();
  } else {
    ClearTables();
  }
}

void TsSkinManager::ChangeSkin(const std::string& name) {
  skinName_ = name;
  if (!active_) return;
  if (OnBeforeChange) OnBeforeChange(this);
  {
    SlotScope changing(Shared().SkinChanging, true);
    SetSkinActive(false);
    try {
      LoadNamedSkin();
    } catch (...) {
      RemoveSkin();
      throw;
    }
    if (active_) {
      AnnounceSkin();
    } else {
      RemoveSkin();
    }
  }
  if (OnAfterChange) OnAfterChange(this);
}

void TsSkinManager::ReloadSkin() {
  if (!SkinActive()) return;
  SlotScope changing(Shared().SkinChanging, true);
  try {
    LoadNamedSkin();
  } catch (...) {
    RemoveSkin();
    throw;
  }
  if (!active_) {
    RemoveSkin();
  } else if (!IsLoading()) {
    RefreshSkin();
  }
}

void TsSkinManager::SetHueOffset(int degrees) {
  if (degrees == hueOffset_) return;
  hueOffset_ = degrees;
  ReloadSkin();
}

void TsSkinManager::SetSaturation(int percent) {
  if (percent == saturation_) return;
  saturation_ = percent;
  ReloadSkin();
}

void TsSkinManager::SetCommonSections(const std::vector<std::string>& lines) {
  commonSections_.clear();
  std::transform(lines.begin(), lines.end(), std::back_inserter(commonSections_), WithoutSpaces);
  ChangeSkin(skinName_);
}

void TsSkinManager::SetActiveControl(HWND window) {
  if (window == activeControl_) return;
  const HWND previous = std::exchange(activeControl_, window);
  const auto self = reinterpret_cast<LPARAM>(this);
  if (previous != nullptr) SendSkinCommand(previous, SMC_MOUSE_LEAVE, self);
  if (window != nullptr) SendSkinCommand(window, SMC_MOUSE_ENTER, self);
}

std::string TsSkinManager::GetSkinNames(std::vector<std::string>& names, SkinListFilter filter) const {
  return sundrel::GetSkinNames(names, filter, internalSkins_, skinDirectory_, ProgramFolder());
}

}  // namespace sundrel
