// The common handling of a skinned control's messages: the skin commands that every skinned
// control answers alike, and the window events that change its picture or its hot state.
#include "controls/control_kinds.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "controls/visual_themes.h"
#include "framework/application.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

TRemovalToken TsCommonData::PlugInto(TMessageHookChain& chain) {
  return chain.Add([this](TMessage& message, const TPassOn& passOn) {
    if (!HandleMessage(message)) passOn(message);
  });
}

bool TsCommonData::HandleMessage(TMessage& message) {
  auto* windowed = dynamic_cast<TWinControl*>(ownerControl_);
  switch (message.Msg) {
    case SM_SKINCMD:
      return HandleCommand(message);
    case WM_MOVE:
      if (NeedsParentImage()) SendToOwner(SMC_BG_CHANGED, 0, 1);
      return false;
    case WM_SIZE:
      OnResized();
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Focused = message.Msg == WM_SETFOCUS;
      Invalidate();
      return false;
    case WM_FONTCHANGE:
    case CM_ENABLEDCHANGED:
      Hot = false;
      Focused = false;
      return false;
    case WM_UPDATEUISTATE:
      if (IsSkinned()) return true;
      if (windowed != nullptr && windowed->HandleAllocated() && ThemesActive()) {
        SwitchOffWindowTheme(windowed->Handle());
      }
      return false;
    case WM_PARENTNOTIFY:
      if (LOWORD(message.WParam) == WM_CREATE || LOWORD(message.WParam) == WM_DESTROY) RefreshViaForm(ownerControl_);
      return false;
    case CM_MOUSEENTER:
      if (message.LParam == 0) OnMouseEnter();
      return false;
    case CM_MOUSELEAVE:
      if (message.LParam == 0 && !IsContainerKind(ControlKind)) Hot = false;
      return false;
    default:
      return false;
  }
}

void TsCommonData::OnResized() {
  if (!IsSkinned()) return;
  BGChanged = true;
  auto* windowed = dynamic_cast<TWinControl*>(ownerControl_);
  if (windowed == nullptr || Section()->GradientPercent <= 0) return;
  // A gradient stretches with the control: children that keep their place on its left and top
  // now stand on another part of it.
  for (int i = 0; i < windowed->ControlCount(); ++i) {
    TControl* child = windowed->Controls(i);
    if (child->IsDestroying() || (child->Anchors() & (akRight | akBottom)) != 0) continue;
    SendSkinCommandToControl(child, SMC_BG_CHANGED, 0, 1);
  }
}

void TsCommonData::OnMouseEnter() {
  Hot = true;
  if (CanRepaint(ownerControl_)) ownerControl_->Invalidate();
  auto* windowed = dynamic_cast<TWinControl*>(ownerControl_);
  TsSkinManager* manager = GetSkinManager();
  if (windowed != nullptr && windowed->HandleAllocated() && manager != nullptr) {
    manager->SetActiveControl(windowed->Handle());
  }
}

bool TsCommonData::IsOwnManager(LPARAM lParam) const {
  return lParam != 0 && reinterpret_cast<TsSkinManager*>(lParam) == GetSkinManager();
}

bool TsCommonData::HandleCommand(TMessage& message) {
  const int flag = SkinCommandFlag(message.WParam);
  switch (SkinCommandCode(message.WParam)) {
    case SMC_SKIN_SET:
      if (IsOwnManager(message.LParam)) {
        Updating = true;
        UpdateIndexes();
      }
      return false;
    case SMC_SKIN_REMOVED:
      if (IsOwnManager(message.LParam)) OnSkinRemoved(reinterpret_cast<TsSkinManager*>(message.LParam));
      return false;
    case SMC_REFRESH:
      if (IsOwnManager(message.LParam)) OnRefresh();
      return false;
    case SMC_GET_CACHE:
      AnswerParentImage();
      return true;
    case SMC_IS_SKINNED:
      message.LParam = 1;
      return true;
    case SMC_SET_UPDATING:
      Updating = flag == 1;
      return false;
    case SMC_SET_PARENT_TRANSPARENT:
      ParentTransparent = flag == 1;
      // Now see-through, the cached picture no longer shows what lies behind.
      if (ParentTransparent) BGChanged = true;
      return false;
    case SMC_GET_BG_CHANGED:
      message.LParam = (BGChanged || MustRebuild()) ? 1 : 0;
      return true;
    case SMC_GET_HALF_VISIBLE:
      message.LParam = HalfVisible ? 1 : 0;
      return true;
    case SMC_PARENT_BG_CHANGED:
      if (Transparency() > 0 && flag == 1) BGChanged = true;
      return false;
    case SMC_SECTION_CHANGED:
      // Nothing sends it; the changed section's name would come as a text in lParam.
      if (message.LParam != 0 && skinSection_ == reinterpret_cast<const char*>(message.LParam)) Invalidate();
      return false;
    case SMC_SET_REPAINTING_CHILD:
      RepaintingChild = reinterpret_cast<TControl*>(message.LParam);
      return false;
    case SMC_INVALIDATE_BG:
      BGChanged = true;
      return false;
    case SMC_GET_BG_KIND:
      if (!IsSkinned()) return false;
      AnswerBGKind(message);
      return true;
    case SMC_BG_CHANGED:
      OnBGChanged(flag);
      return false;
    case SMC_GET_COLOR:
      message.Result = AnswerBackground();
      return true;
    case SMC_SET_HALF_VISIBLE:
      HalfVisible = true;
      return false;
    case SMC_GET_APPLICATION:
      message.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    default:
      return false;
  }
}

void TsCommonData::OnSkinRemoved(TsSkinManager* manager) {
  if (manager == skinManager_ && manager->IsDestroying()) skinManager_ = nullptr;
  BorderIndex = SkinIndex = TextureIndex = HotTextureIndex = -1;
  Updating = true;
  if (cacheBmp_ != nullptr) cacheBmp_->SetSize(0, 0);
  if (IsEditLike()) ApplyNativeColors();
}

void TsCommonData::OnRefresh() {
  BGChanged = true;
  Updating = false;
  if (!IsSkinned()) return;
  if (IsEditLike()) ApplySectionColors();
  if (dynamic_cast<TWinControl*>(ownerControl_) != nullptr) RefreshViaForm(ownerControl_);
}

void TsCommonData::AnswerParentImage() const {
  // A cache that has no pixels yet lends nothing: a picture of no size is no picture.
  if (cacheBmp_ == nullptr || cacheBmp_->Handle() == nullptr) return;
  Shared().ParentImage = TacParentImage{PixelsOfDibSection(cacheBmp_->Handle()), 0, 0, true};
}

void TsCommonData::AnswerBGKind(TMessage& message) const {
  const TsGeneralData& section = *Section();
  TWinControl* parent = ownerControl_ != nullptr ? ownerControl_->Parent() : nullptr;
  bool notPlain = false;
  if (section.Transparency == 100 && parent != nullptr) {
    notPlain = AskControl(parent, SMC_GET_BG_KIND);
  } else {
    notPlain = section.GradientPercent + section.ImagePercent > 0 || NeedsParentImage();
  }
  message.LParam = notPlain ? 1 : 0;
  message.Result = message.LParam;
}

void TsCommonData::OnBGChanged(int flag) {
  const bool seeThrough = NeedsParentImage();
  BGChanged = BGChanged || seeThrough;
  auto* windowed = dynamic_cast<TWinControl*>(ownerControl_);
  if (windowed == nullptr) return;
  if (flag == 1 && windowed->HandleAllocated()) {
    RedrawWindow(windowed->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_FRAME);
  }
  if (!seeThrough) return;
  for (int i = 0; i < windowed->ControlCount(); ++i) {
    TControl* child = windowed->Controls(i);
    if (!child->IsDestroying()) SendSkinCommandToControl(child, SMC_BG_CHANGED, 0, flag);
  }
}

LRESULT TsCommonData::AnswerBackground() const {
  TControl* owner = ownerControl_;
  if (owner == nullptr) return 0;
  const TsGeneralData* section = Section();
  if (section == nullptr) {
    Shared().BackFillColor = ColorToRGB(owner->Color());
    return reinterpret_cast<LRESULT>(owner);
  }
  const int t = section->Transparency;
  TWinControl* parent = owner->Parent();
  if (t <= 0 || parent == nullptr) {
    Shared().BackFillColor = ColorToRGB(customColor_ ? owner->Color() : section->Color);
    return reinterpret_cast<LRESULT>(owner);
  }
  const TColor parentColor = GetParentColor(parent);
  if (t >= 100) {
    Shared().BackFillColor = parentColor;
    return reinterpret_cast<LRESULT>(parent);
  }
  // T is used as a weight out of 256, not as a percent: the skins were made with this mix.
  const TColor own = ColorToRGB(section->Color);
  const auto mix = [t](int p, int s) { return LimitToByte((t * (p - s) + s * 256) >> 8); };
  Shared().BackFillColor = RGBColor(mix(RedOf(parentColor), RedOf(own)), mix(GreenOf(parentColor), GreenOf(own)),
                                    mix(BlueOf(parentColor), BlueOf(own)));
  return reinterpret_cast<LRESULT>(owner);
}

}  // namespace sundrel
