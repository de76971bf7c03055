// The skin manager's lookups: answered by the loaded skin's tables.
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"

namespace sundrel {

const TsSkinData& TsSkinManager::SkinData() const {
  return model_->SkinInfo();
}

int TsSkinManager::GetSkinIndex(std::string_view sectionName) const {
  return model_->GetSkinIndex(sectionName);
}

int TsSkinManager::GetMaskIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  return model_->GetMaskIndex(skinIndex, sectionName, propertyName);
}

int TsSkinManager::GetMaskIndexDirect(std::string_view sectionName, std::string_view propertyName) const {
  return model_->GetMaskIndexDirect(sectionName, propertyName);
}

int TsSkinManager::GetTextureIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  return model_->GetTextureIndex(skinIndex, sectionName, propertyName);
}

int TsSkinManager::GetPatternIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  return model_->GetPatternIndex(skinIndex, sectionName, propertyName);
}

bool TsSkinManager::IsValidSkinIndex(int index) const {
  return model_->IsValidSkinIndex(index);
}

bool TsSkinManager::IsValidMaskIndex(int index) const {
  return model_->IsValidMaskIndex(index);
}

TSize TsSkinManager::GetMaskCellSize(int maskIndex) const {
  return model_->GetMaskCellSize(maskIndex);
}

int TsSkinManager::MaskWidthLeft(int maskIndex) const {
  return model_->MaskWidthLeft(maskIndex);
}

int TsSkinManager::MaskWidthRight(int maskIndex) const {
  return model_->MaskWidthRight(maskIndex);
}

int TsSkinManager::MaskWidthTop(int maskIndex) const {
  return model_->MaskWidthTop(maskIndex);
}

int TsSkinManager::MaskWidthBottom(int maskIndex) const {
  return model_->MaskWidthBottom(maskIndex);
}

TColor TsSkinManager::GetGlobalColor() const {
  return model_->GetGlobalColor();
}

TColor TsSkinManager::GetGlobalFontColor() const {
  return model_->GetGlobalFontColor();
}

TColor TsSkinManager::GetGlobalHotColor() const {
  return model_->GetGlobalHotColor();
}

}  // namespace sundrel
