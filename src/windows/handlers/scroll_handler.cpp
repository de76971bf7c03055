#include "windows/handlers/scroll_handler.h"

#include "controls/s_common_data.h"
#include "framework/win_control.h"

namespace sundrel {

namespace {

HWND ControlWindow(const TsCommonData& skinData) {
  auto* control = dynamic_cast<TWinControl*>(skinData.OwnerControl());
  return control != nullptr && control->HandleAllocated() ? control->Handle() : nullptr;
}

// Frees the handler; answers whether there was one.
template <class Handler>
bool Free(std::unique_ptr<Handler>& handler) {
  if (handler == nullptr) return false;
  FreeHandler(handler);
  return true;
}

template <class Handler>
void Ensure(TsCommonData& skinData, std::unique_ptr<Handler>& handler, const char* section) {
  HWND window = ControlWindow(skinData);
  if (!skinData.IsSkinned() || window == nullptr) {
    Free(handler);
    return;
  }
  if (handler != nullptr && (handler->Detached || handler->Window() != window)) Free(handler);
  if (handler != nullptr) return;
  handler = std::make_unique<Handler>(window, section, nullptr, &skinData);
  handler->Create(true);
}

}  // namespace

void EnsureScrollHandler(TsCommonData& skinData, std::unique_ptr<TacEditWnd>& handler) {
  Ensure(skinData, handler, "EDIT");
}

void EnsureScrollHandler(TsCommonData& skinData, std::unique_ptr<TacTreeViewWnd>& handler) {
  Ensure(skinData, handler, "EDIT");
}

void EnsureScrollHandler(TsCommonData& skinData, std::unique_ptr<TacScrollWnd>& handler) {
  const auto* control = dynamic_cast<const TComponent*>(skinData.OwnerControl());
  if (control != nullptr && (control->IsLoading() || control->IsDestroying())) return;
  Ensure(skinData, handler, "");
}

}  // namespace sundrel
