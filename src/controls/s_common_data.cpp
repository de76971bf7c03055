#include "controls/s_common_data.h"

#include "controls/control_kinds.h"
#include "controls/skin_utilities.h"
#include "framework/edit.h"
#include "framework/page_control.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"
#include "skin/options/options_text.h"

namespace sundrel {

TsCommonData::TsCommonData(TPersistent* owner, bool withCache)
    : ownerControl_(dynamic_cast<TControl*>(owner)), ownerObject_(owner) {
  if (withCache) cacheBmp_ = std::make_unique<TBitmap>();
}

TsCommonData::~TsCommonData() = default;

bool TsCommonData::OwnerLoading() const {
  const auto* component = dynamic_cast<const TComponent*>(ownerObject_);
  return component != nullptr && component->IsLoading();
}

bool TsCommonData::OwnerDestroying() const {
  const auto* component = dynamic_cast<const TComponent*>(ownerObject_);
  return component != nullptr && component->IsDestroying();
}

bool TsCommonData::IsEditLike() const {
  return dynamic_cast<TEdit*>(ownerControl_) != nullptr || ControlKind == kKindListBox || ControlKind == kKindTreeView;
}

TsSkinManager* TsCommonData::GetSkinManager() const {
  return skinManager_ != nullptr ? skinManager_ : DefaultManager();
}

bool TsCommonData::IsSkinned(bool requireActive) const {
  if (OwnerDestroying()) return false;
  try {
    const TsSkinManager* manager = GetSkinManager();
    if (manager == nullptr || manager->IsDestroying()) return false;
    if (requireActive && !manager->SkinData().Active) return false;
    return manager->IsValidSkinIndex(SkinIndex);
  } catch (...) {
    return false;
  }
}

const TsGeneralData* TsCommonData::Section() const {
  if (!IsSkinned()) return nullptr;
  return &GetSkinManager()->Skin().Sections()[static_cast<size_t>(SkinIndex)];
}

int TsCommonData::Transparency() const {
  const TsGeneralData* section = Section();
  return section != nullptr ? section->Transparency : 0;
}

void TsCommonData::UpdateIndexes() {
  BGChanged = true;
  const TsSkinManager* manager = GetSkinManager();
  SkinIndex = manager != nullptr ? manager->GetSkinIndex(skinSection_) : -1;
  if (SkinIndex < 0) {
    TextureIndex = -1;
    HotTextureIndex = -1;
    return;
  }
  BorderIndex = manager->GetMaskIndex(SkinIndex, skinSection_, "BORDERSMASK");
  TextureIndex = manager->GetTextureIndex(SkinIndex, skinSection_, "PATTERN");
  HotTextureIndex = manager->GetTextureIndex(SkinIndex, skinSection_, "HOTPATTERN");
}

void TsCommonData::SetSkinSection(const std::string& section) {
  const std::string stored = section.empty() ? "UNKNOWN" : UpperCase(section);
  if (stored == skinSection_) return;
  skinSection_ = stored;
  const TsSkinManager* manager = GetSkinManager();
  if (manager == nullptr || manager->Skin().Sections().empty()) {
    SkinIndex = -1;
  } else {
    UpdateIndexes();
  }
  if (ownerControl_ != nullptr && ownerControl_->Parent() != nullptr && !OwnerDestroying()) TellOwnerSkinChanged();
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
  skinManager_ = manager == DefaultManager() ? nullptr : manager;
  if (OwnerLoading()) return;
  const TsSkinManager* current = GetSkinManager();
  if (current != nullptr && !current->Skin().Sections().empty()) {
    UpdateIndexes();
  } else {
    SkinIndex = -1;
  }
  if (ownerControl_ == nullptr || (ownerControl_->Parent() != nullptr && !OwnerDestroying())) TellOwnerSkinChanged();
}

void TsCommonData::TellOwnerSkinChanged() {
  const auto manager = reinterpret_cast<LPARAM>(GetSkinManager());
  SendToOwner(IsSkinned() ? SMC_REFRESH : SMC_SKIN_REMOVED, manager);
}

LRESULT TsCommonData::SendToOwner(int code, LPARAM lParam, int flag) {
  if (ownerControl_ != nullptr) return SendSkinCommandToControl(ownerControl_, code, lParam, flag);
  const auto* windowOwner = dynamic_cast<const TacSkinDataWindowOwner*>(ownerObject_);
  HWND window = windowOwner != nullptr ? windowOwner->SkinDataWindow() : nullptr;
  return window != nullptr ? SendSkinCommand(window, code, lParam, flag) : 0;
}

void TsCommonData::SetCustomColor(bool custom) {
  customColor_ = custom;
  if (IsEditLike() && IsSkinned() && !OwnerLoading()) ApplySectionColors();
  Invalidate();
}

void TsCommonData::SetCustomFont(bool custom) {
  customFont_ = custom;
  if (IsEditLike() && IsSkinned() && !OwnerLoading()) ApplySectionColors();
  Invalidate();
}

void TsCommonData::ApplySectionColors() {
  const TsGeneralData* section = Section();
  if (section == nullptr || ownerControl_ == nullptr) return;
  if (!customColor_) ownerControl_->SetColor(section->Color);
  if (!customFont_) ownerControl_->Font().SetColor(section->FontColor[0]);
}

void TsCommonData::ApplyNativeColors() {
  if (ownerControl_ == nullptr) return;
  if (!customColor_) ownerControl_->SetColor(clWindow);
  if (!customFont_) ownerControl_->Font().SetColor(clWindowText);
}

void TsCommonData::Loaded() {
  if (skinSection_.empty()) {
    std::string section = DefaultSectionOfKind(ControlKind);
    if (section.empty() && ownerObject_ != nullptr) section = ownerObject_->ClassName();
    skinSection_ = UpperCase(section);
  }
  UpdateIndexes();
  if (!IsSkinned()) return;
  if (dynamic_cast<TWinControl*>(ownerControl_) != nullptr && !OwnerLoading()) RefreshViaForm(ownerControl_);
  if (IsEditLike()) ApplySectionColors();
}

void TsCommonData::Invalidate() {
  if (OwnerLoading() || OwnerDestroying()) return;
  BGChanged = true;
  if (CanRepaint(ownerControl_) && ownerControl_->Visible()) ownerControl_->Invalidate();
}

void TsCommonData::PrepareCache() {
  if (cacheBmp_ == nullptr) cacheBmp_ = std::make_unique<TBitmap>();
  cacheBmp_->SetPixelFormat(TPixelFormat::pf24bit);
  const int width = ownerControl_ != nullptr ? ownerControl_->Width() : 0;
  const int height = ownerControl_ != nullptr ? ownerControl_->Height() : 0;
  if (cacheBmp_->Width() != width || cacheBmp_->Height() != height) cacheBmp_->SetSize(width, height);
}

TacParentImage TsCommonData::GetParentImage() const {
  if (ownerControl_ == nullptr || ownerControl_->Parent() == nullptr) return {};
  try {
    SlotScope question(Shared().ParentImage, TacParentImage());
    SendSkinCommandToControl(ownerControl_->Parent(), SMC_GET_CACHE);
    return Shared().ParentImage;
  } catch (...) {
    return {};
  }
}

int TsCommonData::CurrentState() const {
  if (ownerControl_ == nullptr || OwnerDestroying() || !ownerControl_->Enabled()) return 0;
  const auto* windowed = dynamic_cast<const TWinControl*>(ownerControl_);
  if (Focused || (windowed != nullptr && windowed->HandleAllocated() && windowed->Focused())) return 1;
  if (!Hot || IsContainerKind(ControlKind)) return 0;
  return 1;
}

bool TsCommonData::MustRebuild() const {
  if (!IsSkinned(true)) return true;
  if (Updating) return true;
  TControl* parent = ownerControl_ != nullptr ? ownerControl_->Parent() : nullptr;
  return parent != nullptr && AskControl(parent, SMC_GET_BG_CHANGED);
}

void TsCommonData::BeginUpdate() {
  Updating = true;
  SendToOwner(SMC_BEGIN_UPDATE);
}

void TsCommonData::EndUpdate() {
  Updating = false;
  SendToOwner(SMC_END_UPDATE);
}

bool TsCommonData::NeedsParentImage() const {
  if (ownerControl_ == nullptr || ParentTransparent) return true;
  // Without a skin at all the control shows through to its parent; with one that lacks the
  // control's section it paints natively.
  const TsSkinManager* manager = GetSkinManager();
  if (manager == nullptr || manager->IsDestroying() || !manager->SkinData().Active) return true;
  if (dynamic_cast<TTabSheet*>(ownerControl_) != nullptr || IsContainerKind(ControlKind) || !ownerControl_->Visible()) {
    return true;
  }
  if (!manager->IsValidSkinIndex(SkinIndex)) return false;
  if (!ownerControl_->Enabled() || Transparency() > 0) {
    auto* parent = ownerControl_->Parent();
    return parent == nullptr || !parent->HandleAllocated() || AskControl(parent, SMC_GET_BG_KIND);
  }
  return false;
}

}  // namespace sundrel
