#include "controls/skin_utilities.h"

#include "framework/forms.h"
#include "paint/shared_slots.h"

namespace sundrel {

bool CanRepaint(const TControl* control) {
  if (control == nullptr || control->IsLoading() || control->IsDestroying() || control->Parent() == nullptr) {
    return false;
  }
  const auto* windowed = dynamic_cast<const TWinControl*>(control);
  return windowed == nullptr || windowed->HandleAllocated();
}

void RefreshViaForm(TControl* control) {
  if (TCustomForm* form = GetParentForm(control)) {
    SendSkinCommandToControl(form, SMC_CONTROL_REFRESHED, reinterpret_cast<LPARAM>(control));
  }
}

TColor GetParentColor(TControl* control) {
  SlotScope question(Shared().BackFillColor, clFuchsia);
  SendSkinCommandToControl(control, SMC_GET_COLOR);
  const TColor answer = Shared().BackFillColor;
  return ColorToRGB(answer == clFuchsia ? control->Color() : answer);
}

void ChildrenUpdateEnded(TWinControl* control) {
  for (int i = 0; i < control->ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(control->Controls(i));
    if (child != nullptr && child->HandleAllocated()) SendSkinCommand(child->Handle(), SMC_PARENT_UPDATED);
  }
}

void ChildWindowsUpdateEnded(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongW(child, GWL_STYLE) & WS_CHILD) != 0) SendSkinCommand(child, SMC_PARENT_UPDATED);
  }
}

int SumAlignedSizes(const TWinControl* control, TAlign alignment, bool includeGraphicControls) {
  const bool vertical = alignment == alTop || alignment == alBottom;
  int sum = 0;
  for (int i = 0; i < control->ControlCount(); ++i) {
    const TControl* child = control->Controls(i);
    if (!child->Visible() || child->Align() != alignment) continue;
    if (!includeGraphicControls && dynamic_cast<const TWinControl*>(child) == nullptr) continue;
    sum += vertical ? child->Height() : child->Width();
  }
  return sum;
}

}  // namespace sundrel
