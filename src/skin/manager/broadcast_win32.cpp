#include "skin/manager/broadcast_win32.h"

#include "framework/application.h"
#include "paint/shared_slots.h"
#include "skin/manager/skin_command_win32.h"

namespace sundrel {

namespace {

// Through the control's window when it has one, else straight to its message method.
void Deliver(TControl* control, const TMessage& message) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed != nullptr && windowed->HandleAllocated()) {
    SendMessageW(windowed->Handle(), message.Msg, message.WParam, message.LParam);
    return;
  }
  TMessage copy = message;
  control->Perform(copy);
}

void DeliverToForm(TCustomForm* form, const TMessage& message) {
  Deliver(form, message);
  BroadcastToChildren(form, message);
  if (HWND client = MdiClientOf(form)) SendMessageW(client, message.Msg, message.WParam, message.LParam);
}

bool AnswersSkinned(TCustomForm* form) {
  return form->HandleAllocated() && AskWindowTwice(form->Handle(), SMC_IS_SKINNED);
}

}  // namespace

bool IsMdiChild(TCustomForm* form) {
  return form->HandleAllocated() && (GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
}

HWND MdiClientOf(TCustomForm* form) {
  if (!form->HandleAllocated()) return nullptr;
  return FindWindowExW(form->Handle(), nullptr, L"MDIClient", nullptr);
}

void BroadcastToChildren(TWinControl* control, const TMessage& message) {
  for (int i = 0; i < control->ControlCount(); ++i) {
    TControl* child = control->Controls(i);
    if (child->IsDestroying()) return;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (windowed == nullptr || AskControl(windowed, SMC_IS_SKINNED)) {
      Deliver(child, message);
    } else {
      BroadcastToChildren(windowed, message);
    }
  }
}

void BroadcastToForms(int code, LPARAM lParam) {
  const TMessage message = SkinCommand(code, lParam);
  if (Application != nullptr) {
    for (int i = Application->ComponentCount() - 1; i >= 0; --i) {
      if (i >= Application->ComponentCount()) continue;
      auto* form = dynamic_cast<TCustomForm*>(Application->Components(i));
      if (form == nullptr || form->IsDestroying() || form->IsLoading() || IsMdiChild(form)) continue;
      if (!AnswersSkinned(form)) DeliverToForm(form, message);
    }
  }
  const std::vector<TComponent*>& provided = Shared().FormsWithProvider;
  for (size_t i = 0; i < provided.size(); ++i) {
    TComponent* entry = provided[i];
    auto* form = dynamic_cast<TCustomForm*>(entry);
    if (form == nullptr || form->IsDestroying()) continue;
    DeliverToForm(form, message);
  }
}

}  // namespace sundrel
