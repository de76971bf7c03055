// The provider's side of the title bar under the mouse: where it hits, the program's extra title
// buttons, and where the skinned system menu opens.
#include "skin/manager/skin_manager_win32.h"
#include "windows/provider/frame_geometry.h"
#include "windows/provider/frame_parts.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel {

TsTitleButton* TsSkinProvider::TitleButtonOf(int hitCode) {
  const int index = hitCode - kTitleButtonHitBase;
  return index >= 0 && index < titleButtons_.Count() ? &titleButtons_.Items(index) : nullptr;
}

int TsSkinProvider::TitleHitTest(POINT screen) {
  const int title = TitleHeight(*form_);
  if (title == 0) return HTNOWHERE;
  RECT bounds{};
  GetWindowRect(form_->Handle(), &bounds);
  const POINT at{screen.x - bounds.left, screen.y - bounds.top};
  const TsSkinManager* manager = SkinManager();
  const int height = manager->IsValidMaskIndex(masks_.Close) ? manager->GetMaskCellSize(masks_.Close).cy : 21;
  const int top = (title + FrameHeight(*form_) - height) / 2;
  if (at.y >= top && at.y <= top + height) {
    const RECT icon = IconRect();
    if (!IsRectEmpty(&icon) && at.x >= icon.left && at.x <= icon.right) return HTSYSMENU;
    if (const int hit = CaptionButtonAt(CaptionButtons(), at.x); hit != HTNOWHERE) return hit;
  }
  TRect grip{};
  if (GripCell(grip) && at.x >= grip.Left && at.y >= grip.Top) return HTBOTTOMRIGHT;
  return HTNOWHERE;
}

HWND TsSkinProvider::TitleBarWindow() const {
  return form_->Handle();
}

void TsSkinProvider::SystemHitTest(TMessage& message, const TPassOn& passOn) {
  passOn(message);
}

bool TsSkinProvider::RepaintButtonAlone(int hitCode) {
  const HWND window = form_->Handle();
  if (!Skinned() || !IsWindowVisible(window) || IsIconic(window) || skinData_.BGChanged) return false;
  // An extra title button's glyph is drawn over its image: the frame's painting does that.
  if (TitleButtonOf(hitCode) != nullptr) return false;
  for (const TacCaptionButton& button : CaptionButtons()) {
    if (button.HitCode != hitCode) continue;
    return buttonsBackground_.Repaint(window, *skinData_.CacheBmp(), *SkinManager(), button, ButtonState(hitCode),
                                      active_, IconRect().right);
  }
  return true;
}

bool TsSkinProvider::CanToggleMaximized() {
  const bool canMaximize = systemMenu_->ItemMaximize->Visible() && systemMenu_->ItemMaximize->Enabled();
  return (form_->BorderIcons() & biSystemMenu) != 0 && (canMaximize || systemMenu_->ItemRestore->Enabled());
}

void TsSkinProvider::UpdateSystemMenu() {
  systemMenu_->UpdateItems();
}

void TsSkinProvider::ExtraButtonDown(int hitCode, POINT screen) {
  if (TsTitleButton* button = TitleButtonOf(hitCode); button != nullptr && button->OnMouseDown) {
    button->OnMouseDown(*button, KeyboardShiftState(), screen);
  }
}

void TsSkinProvider::ExtraButtonClicked(int hitCode, POINT screen) {
  if (TsTitleButton* button = TitleButtonOf(hitCode); button != nullptr && button->OnMouseUp) {
    button->OnMouseUp(*button, KeyboardShiftState(), screen);
  }
}

void TsSkinProvider::OtherDoubleClick(TMessage& message, const TPassOn& passOn) {
  // The second click of a quick pair presses the button again.
  const int hit = static_cast<int>(message.WParam);
  if (IsButton(hit)) {
    PressButton(hit);
    return;
  }
  passOn(message);
}

void TsSkinProvider::ShowSystemMenu(int x, int y) {
  SetHotButton(0);
  TsSkinManager* manager = SkinManager();
  if (makeSkinMenu_) systemMenu_->UpdateSkinItems(manager);
  systemMenu_->UpdateItems();
  HandSystemMenuToPainter(manager, *systemMenu_);
  systemMenu_->SetPopupComponent(form_);
  systemMenu_->Popup(x, y);
}

void TsSkinProvider::ShowSystemMenuUnderIcon() {
  RECT bounds{};
  GetWindowRect(form_->Handle(), &bounds);
  const RECT icon = IconRect();
  ShowSystemMenu(bounds.left + FrameWidth(*form_), bounds.top + FrameHeight(*form_) + (icon.bottom - icon.top));
}

}  // namespace sundrel
