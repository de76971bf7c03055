#include "framework/control.h"

#include <windowsx.h>

#include "framework/forms.h"
#include "framework/menus.h"
#include "framework/mouse_state.h"
#include "framework/win_control.h"

namespace sundrel {

TShiftState KeyboardShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

TCustomForm* GetParentForm(const TControl* control) {
  while (control != nullptr && control->Parent() != nullptr) control = control->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  ForgetMouseControl(this);
  SetPopupMenu(nullptr);
  SetParent(nullptr);
}

void TControl::BeforeDestruction() {
  ForgetMouseControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  Perform(message);
  return message.Result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) return;
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (parent != nullptr) {
    parent->InsertControl(this);
    if (parentFont_) TakeParentFont();
    if (parentColor_) TakeParentColor();
    UpdateAnchorRules();
    RequestAlign();
  }
}

int TControl::ClientWidth() const {
  const RECT client = ClientRect();
  return client.right - client.left;
}

int TControl::ClientHeight() const {
  const RECT client = ClientRect();
  return client.bottom - client.top;
}

POINT TControl::ClientToScreen(POINT point) const {
  if (auto* windowed = dynamic_cast<TWinControl*>(const_cast<TControl*>(this))) {
    ::ClientToScreen(windowed->Handle(), &point);
    return point;
  }
  if (parent_ == nullptr) return point;
  return parent_->ClientToScreen(POINT{point.x + left_, point.y + top_});
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const RECT old = BoundsRect();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged(old);
  if (!positioningFromParent_) {
    UpdateAnchorRules();
    RequestAlign();
  }
}

void TControl::SetBoundsFromParent(int left, int top, int width, int height) {
  positioningFromParent_ = true;
  try {
    SetBounds(left, top, width, height);
  } catch (...) {
    positioningFromParent_ = false;
    throw;
  }
  positioningFromParent_ = false;
}

void TControl::BoundsChanged(const RECT& old) {
  if (parent_ == nullptr || !visible_) return;
  parent_->InvalidateRect(old, true);
  Invalidate();
}

void TControl::UpdateAnchorRules() {
  anchorRules_.valid = false;
  if (parent_ == nullptr) return;
  const RECT client = parent_->ClientRect();
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return;
  anchorRules_ = AnchorRules{true, width, height, BoundsRect()};
}

void TControl::RequestAlign() {
  if (parent_ != nullptr && (align_ != alNone || anchors_ != (akLeft | akTop))) parent_->Realign();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestAlign();
}

void TControl::SetAnchors(TAnchors anchors) {
  if (anchors == anchors_) return;
  anchors_ = anchors;
  UpdateAnchorRules();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
  Perform(CM_VISIBLECHANGED, visible);
  if (parent_ != nullptr && align_ != alNone) parent_->Realign();
}

void TControl::VisibleChanged() {
  if (parent_ != nullptr) parent_->InvalidateRect(BoundsRect(), true);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parentColor) {
  if (parentColor == parentColor_) return;
  parentColor_ = parentColor;
  if (parentColor_) TakeParentColor();
}

void TControl::TakeParentColor() {
  if (parent_ == nullptr || parent_->Color() == color_) return;
  color_ = parent_->Color();
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool parentFont) {
  if (parentFont == parentFont_) return;
  parentFont_ = parentFont;
  if (parentFont_) TakeParentFont();
}

void TControl::TakeParentFont() {
  if (parent_ == nullptr) return;
  takingParentFont_ = true;
  try {
    font_.Assign(parent_->Font());
  } catch (...) {
    takingParentFont_ = false;
    throw;
  }
  takingParentFont_ = false;
}

void TControl::FontChanged() {
  if (!takingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetText(const std::string& text) {
  if (ReadText() == text) return;
  WriteText(text);
  Perform(CM_TEXTCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_ != nullptr) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (popupMenu_ != nullptr) popupMenu_->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::Invalidate() {
  if (parent_ != nullptr && visible_) parent_->InvalidateRect(BoundsRect(), (controlStyle_ & csOpaque) == 0);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::ChangeScale(int multiplier, int divider) {
  const int left = MulDiv(left_, multiplier, divider);
  const int top = MulDiv(top_, multiplier, divider);
  const int width = MulDiv(left_ + width_, multiplier, divider) - left;
  const int height = MulDiv(top_ + height_, multiplier, divider) - top;
  if (!parentFont_) font_.SetHeight(MulDiv(font_.Height(), multiplier, divider));
  SetBounds(left, top, width, height);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parent_ != nullptr && align_ != alNone) parent_->Realign();
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      mousePressed_ = true;
      break;
    case WM_LBUTTONUP: {
      const bool wasPressed = std::exchange(mousePressed_, false);
      const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      const RECT client = ClientRect();
      if (wasPressed && (controlStyle_ & csClickEvents) != 0 && PtInRect(&client, point)) Click();
      break;
    }
    case WM_CONTEXTMENU:
      if (popupMenu_ != nullptr && popupMenu_->AutoPopup()) {
        POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
        if (message.LParam == -1) point = ClientToScreen(POINT{width_ / 2, height_ / 2});
        popupMenu_->SetPopupComponent(this);
        popupMenu_->Popup(point.x, point.y);
        message.Result = 1;
        return;
      }
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (parent_ != nullptr) {
        parent_->Perform(message.Msg, 0, message.LParam != 0 ? message.LParam : reinterpret_cast<LPARAM>(this));
      }
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
      Invalidate();
      break;
    case CM_PARENTFONTCHANGED:
      if (parentFont_) TakeParentFont();
      return;
    case CM_PARENTCOLORCHANGED:
      if (parentColor_) TakeParentColor();
      return;
  }
  DefaultHandler(message);
}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT && message.WParam != 0) {
    canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
    canvas_.Font().Assign(Font());
    try {
      Paint();
    } catch (...) {
      canvas_.SetHandle(nullptr);
      throw;
    }
    canvas_.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(message);
}

}  // namespace sundrel
