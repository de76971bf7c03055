#include "windows/handlers/ac_main_wnd.h"

#include <vector>

#include "base/utf.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "controls/visual_themes.h"
#include "framework/win_control.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

namespace {

// Handlers freed while one of their messages was running: detached, and freed at the next
// chance once the message is over.
std::vector<std::unique_ptr<TacMainWnd>>& Parked() {
  static std::vector<std::unique_ptr<TacMainWnd>> parked;
  return parked;
}

void FreeParked() {
  auto& parked = Parked();
  std::erase_if(parked, [](const std::unique_ptr<TacMainWnd>& handler) { return !handler->Busy(); });
}

}  // namespace

bool& CreatingDialogChildren() {
  static bool creating = false;
  return creating;
}

TacMainWnd::TacMainWnd(HWND window, const std::string& sectionName, TsSkinManager* manager, TsCommonData* skinData)
    : window_(window), skinData_(skinData), skinManager_(manager) {
  FreeParked();
  if (skinData_ == nullptr) {
    ownSkinData_ = std::make_unique<TsCommonData>(nullptr, true);
    skinData_ = ownSkinData_.get();
    OwnsSkinData = true;
    if (manager != nullptr) skinData_->SetSkinManager(manager);
  }
  if (skinManager_ == nullptr) skinManager_ = skinData_->GetSkinManager();
  if (skinData_->SkinSection().empty() || OwnsSkinData) skinData_->SetSkinSection(sectionName);
  if (OwnsSkinData) skinData_->UpdateIndexes();
}

TacMainWnd::~TacMainWnd() {
  Retire();
}

bool TacMainWnd::ManagerActive() const {
  const TsSkinManager* manager = SkinManager();
  return skinData_ != nullptr && manager != nullptr && !manager->IsDestroying() && manager->SkinData().Active;
}

bool TacMainWnd::Skinned() const {
  return ManagerActive() && skinData_->IsSkinned(true);
}

TsSkinManager* TacMainWnd::SkinManager() const {
  return skinManager_ != nullptr ? skinManager_ : (skinData_ != nullptr ? skinData_->GetSkinManager() : nullptr);
}

TControl* TacMainWnd::OwnerControl() const {
  return skinData_ != nullptr ? skinData_->OwnerControl() : nullptr;
}

void TacMainWnd::Create(bool refreshFrame) {
  if (skinData_->SkinSection() != "DIALOG") {
    SwitchOffWindowTheme(window_);
    themeSwitchedOff_ = true;
  }
  ForDialog = CreatingDialogChildren();
  SaveNativeParams();
  ParamsApplied = false;
  ReadCaption();
  BeforeAttach();
  AttachWindow();
  if (refreshFrame) {
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

void TacMainWnd::AttachWindow() {
  Scrolling = false;
  Detached = false;
  SetPropW(window_, kHandlerProperty, this);
  // A control's own data: its message method is hooked, so the handler also sees what is handed
  // to the control directly. Otherwise the window is subclassed (or its framework control hooked).
  auto* control = dynamic_cast<TWinControl*>(OwnerControl());
  if (control != nullptr && control->HandleAllocated() && control->Handle() == window_) {
    TWindowHandler::Attach(*control);
  } else {
    TWindowHandler::Attach(window_);
  }
}

TacMainWnd* TacMainWnd::Find(HWND window) {
  return window != nullptr ? static_cast<TacMainWnd*>(GetPropW(window, kHandlerProperty)) : nullptr;
}

void TacMainWnd::RemoveInterception() {
  TWindowHandler::Detach();
  if (IsWindow(window_) && GetPropW(window_, kHandlerProperty) == this) RemovePropW(window_, kHandlerProperty);
}

void TacMainWnd::Detach(bool refreshFrame) {
  if (Detached) return;
  RemoveInterception();
  const bool windowLives = IsWindow(window_);
  if (windowLives) RestoreNativeParams();
  AfterDetach();
  if (windowLives && IsWindowVisible(window_)) {
    if (refreshFrame) {
      SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    } else {
      SendMessageW(window_, WM_NCPAINT, 1, 0);
    }
  }
  Detached = true;
}

void TacMainWnd::Retire() {
  if (!Detached) {
    RemoveInterception();
    if (IsWindow(window_)) {
      if (themeSwitchedOff_) RestoreWindowTheme(window_);
      RestoreNativeParams();
    }
    AfterDetach();
    Detached = true;
  }
  skinManager_ = nullptr;
}

void TacMainWnd::WindowGoing() {
  if (Detached) return;
  RemoveInterception();
  AfterDetach();
  Detached = true;
}

void TacMainWnd::ReadCaption() {
  const int length = GetWindowTextLengthW(window_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window_, text.data(), length + 1)));
  Caption = FromWide(text);
}

void TacMainWnd::TrackHover() {
  TsSkinManager* manager = DefaultManager();
  if (manager == nullptr || !IsWindowEnabled(window_)) return;
  if (manager->ActiveControl() != window_) manager->SetActiveControl(window_);
}

bool TacMainWnd::HandleSkinCommand(TMessage& message, const TPassOn& passOn) {
  const bool own = message.LParam != 0 && reinterpret_cast<TsSkinManager*>(message.LParam) == SkinManager();
  switch (SkinCommandCode(message.WParam)) {
    case SMC_SKIN_SET:
      if (!own) return false;
      skinData_->UpdateIndexes();
      return false;
    case SMC_SKIN_REMOVED:
      if (own) RestoreNativeParams();
      return false;
    case SMC_REFRESH:
      if (!own) return false;
      skinData_->UpdateIndexes();
      SendMessageW(window_, WM_PAINT, 0, 0);
      return true;
    case SMC_GET_CACHE:
    case SMC_GET_APPLICATION:
      skinData_->HandleMessage(message);
      return true;
    case SMC_IS_SKINNED:
      message.LParam = 1;
      message.Result = 1;
      return true;
    case SMC_PARENT_UPDATED:
      if (!skinData_->Updating) return false;
      skinData_->Updating = false;
      RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return true;
    case SMC_GET_BG_CHANGED:
      passOn(message);
      message.LParam = (skinData_->BGChanged || skinData_->Updating) ? 1 : message.LParam;
      return true;
    case SMC_GET_BG_KIND:
    case SMC_GET_COLOR:
      return OwnerControl() != nullptr && skinData_->HandleMessage(message);
    case SMC_PREPARE_CACHE:
      PrepareBackground(false);
      return false;
    default:
      return false;
  }
}

void TacMainWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  switch (message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      WindowGoing();
      passOn(message);
      return;
    case WM_UPDATEUISTATE:
      return;
    case WM_PRINT:
      message.Result = SendMessageW(window_, WM_PAINT, message.WParam, message.LParam);
      return;
    case WM_SETTEXT:
      passOn(message);
      ReadCaption();
      return;
    case WM_SIZE:
      if (skinData_ != nullptr) skinData_->BGChanged = true;
      break;
    case WM_MOUSEMOVE:
      TrackHover();
      break;
    case SM_SKINCMD:
      if (ManagerActive() && HandleSkinCommand(message, passOn)) return;
      break;
    default:
      break;
  }
  passOn(message);
}

void FreeHandler(std::unique_ptr<TacMainWnd> handler) {
  FreeParked();
  if (handler == nullptr) return;
  if (!handler->Busy()) return;  // freed here, on leaving
  handler->Detach(false);
  Parked().push_back(std::move(handler));
}

}  // namespace sundrel
