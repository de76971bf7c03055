// A page of the skinned page control: it shows the part of the control's picture that lies under
// it and answers its children's skin questions on the control's behalf.
#include "controls/cache_copy.h"
#include "controls/s_page_control.h"
#include "controls/skin_utilities.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

void TsTabSkinData::SetCustomColor(bool custom) {
  customColor_ = custom;
  Changed();
}

void TsTabSkinData::SetCustomFont(bool custom) {
  customFont_ = custom;
  Changed();
}

void TsTabSkinData::SetSkinSection(const std::string& section) {
  skinSection_ = section;
  Changed();
}

void TsTabSkinData::Changed() {
  if (TsPageControl* control = sheet_.SkinnedPageControl()) control->SkinData().Invalidate();
}

TsTabSheet::TsTabSheet(TComponent* owner) : TTabSheet(owner) {}

void TsTabSheet::SetTabSkin(const std::string& section) {
  tabSkin_ = section;
  if (TsPageControl* control = SkinnedPageControl()) control->SkinData().Invalidate();
}

TsPageControl* TsTabSheet::SkinnedPageControl() const {
  return dynamic_cast<TsPageControl*>(PageControl());
}

bool TsTabSheet::ShowsSkin() const {
  const TsPageControl* control = SkinnedPageControl();
  return control != nullptr && control->SkinData().IsSkinned(true) && !control->IsLoading() && Visible();
}

void TsTabSheet::PaintHandler(HDC dc) {
  TsPageControl* control = SkinnedPageControl();
  if (!ShowsSkin()) {
    TTabSheet::PaintHandler(dc);
    return;
  }
  control->EnsureCache();
  const TRect whole{0, 0, Width(), Height()};
  const TRect under{Left(), Top(), Left() + Width(), Top() + Height()};
  CopyCacheToDC(this, control->SkinData(), TCacheCopy{under}, dc, whole);
  PaintGraphicChildren(dc, this, POINT{0, 0});
  ChildrenUpdateEnded(this);
}

void TsTabSheet::AnswerParentImage() {
  TsPageControl* control = SkinnedPageControl();
  if (control == nullptr) return;
  SendSkinCommandToControl(control, SMC_GET_CACHE);
  // The control lends its whole picture; this page's children count from the page's corner.
  if (Shared().ParentImage.Ready) {
    Shared().ParentImage.X = Left();
    Shared().ParentImage.Y = Top();
  }
}

void TsTabSheet::ForwardToPageControl(TMessage& message) {
  TsPageControl* control = SkinnedPageControl();
  if (control == nullptr) return;
  TMessage question = message;
  control->Perform(question);
  message.LParam = question.LParam;
  message.Result = question.Result;
}

bool TsTabSheet::HandleSkinCommand(TMessage& message) {
  switch (SkinCommandCode(message.WParam)) {
    case SMC_GET_CACHE:
      AnswerParentImage();
      return true;
    case SMC_GET_BG_CHANGED:
    case SMC_GET_COLOR:
    case SMC_GET_BG_KIND:
      ForwardToPageControl(message);
      return true;
    case SMC_IS_SKINNED:
      message.LParam = 1;
      message.Result = 1;
      return true;
    case SMC_SKIN_SET:
    case SMC_SKIN_REMOVED:
    case SMC_REFRESH: {
      const TsPageControl* control = SkinnedPageControl();
      const bool ownManager = control != nullptr &&
                              reinterpret_cast<TsSkinManager*>(message.LParam) == control->SkinData().GetSkinManager();
      if (ownManager && Visible() && HandleAllocated()) {
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      }
      BroadcastToChildren(this, message);
      return true;
    }
    default:
      return false;
  }
}

void TsTabSheet::WndProc(TMessage& message) {
  switch (message.Msg) {
    case SM_SKINCMD:
      if (HandleSkinCommand(message)) return;
      break;
    case WM_ERASEBKGND:
      if (!ShowsSkin()) break;
      message.Result = 1;  // the page's picture covers it all
      return;
    case WM_MOUSEMOVE:
      if (const TsPageControl* control = SkinnedPageControl()) {
        if (TsSkinManager* manager = control->SkinData().GetSkinManager()) manager->SetActiveControl(nullptr);
      }
      break;
    case WM_PARENTNOTIFY:
      if (LOWORD(message.WParam) == WM_CREATE || LOWORD(message.WParam) == WM_DESTROY) {
        if (TWinControl* child = TWinControl::FindControl(reinterpret_cast<HWND>(message.LParam))) {
          RefreshViaForm(child);
        }
      }
      break;
  }
  TTabSheet::WndProc(message);
}

}  // namespace sundrel
