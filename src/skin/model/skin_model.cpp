#include "skin/model/skin_model.h"

#include <map>

#include "skin/image/decoded_images.h"
#include "skin/model/mask_geometry.h"
#include "skin/model/mask_table.h"
#include "skin/model/pattern_table.h"
#include "skin/model/section_table.h"
#include "skin/model/skin_info.h"
#include "skin/model/stored_skin_tables.h"
#include "skin/options/options_text.h"

namespace sundrel {

namespace {

// Holes and greys keep their colour, so the key colour stays exact and greys stay grey.
void RecolourPixels(TacMemBitmap& bitmap, const std::function<TColor(TColor)>& change) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor pixel = bitmap.Pixel(x, y);
      const bool grey = RedOf(pixel) == GreenOf(pixel) && RedOf(pixel) == BlueOf(pixel);
      if (pixel != clFuchsia && !grey) bitmap.SetPixel(x, y, change(pixel));
    }
  }
}

// Pictures are shared by records (and the master bitmap) and never changed in place: each is
// recoloured once, into a new picture that takes its place wherever the skin's images show it.
// Patterns are not recoloured and keep the old one.
class PictureRecolouring {
 public:
  explicit PictureRecolouring(const std::function<TColor(TColor)>& change) : change_(change) {}
  void operator()(SharedPicture& picture) {
    if (!picture) return;
    SharedPicture& recoloured = done_[picture];
    if (!recoloured) {
      auto copy = std::make_shared<TacMemBitmap>(*picture);
      RecolourPixels(*copy, change_);
      recoloured = std::move(copy);
    }
    picture = recoloured;
  }

 private:
  const std::function<TColor(TColor)>& change_;
  std::map<SharedPicture, SharedPicture> done_;  // keeps the old pictures alive, so no address is reused
};

void RecolourTextColors(std::array<TColor, 5>& colors, const std::function<TColor(TColor)>& change) {
  for (TColor& color : colors) {
    if (color != -1) color = change(color);
  }
}

void RecolourGradient(TsGradArray& steps, const std::function<TColor(TColor)>& change) {
  for (TsGradStep& step : steps) {
    step.StartColor = change(step.StartColor);
    step.EndColor = change(step.EndColor);
  }
}

}  // namespace

void SkinModel::Load(std::string_view optionsText, SkinImageSource& images) {
  Clear();
  Reindexed([&] {
    const OptionsText options(optionsText);
    DecodedImages pictures(images);
    master_ = LoadMasterBitmap(options, pictures);
    AppendMaskRecords(options, pictures, masks_, warnings_);
    AppendPatternRecords(options, pictures, patterns_, masks_);
    AppendSectionRecords(options, system_, sections_);
    ReadSkinInformation(options, info_);
  });
}

void SkinModel::LoadStoredSkin(const TsStoredSkin& skin) {
  Clear();
  Reindexed([&] {
    master_ = StoredMasterBitmap(skin);
    AppendStoredMaskRecords(skin.Images, masks_);
    AppendStoredPatternRecords(skin.Patterns, patterns_);
    AppendStoredSectionRecords(skin.GeneralData, system_, sections_);
    ReadStoredSkinInformation(skin, info_);
  });
}

void SkinModel::Clear() {
  sections_.clear();
  masks_.clear();
  patterns_.clear();
  master_.reset();
  warnings_.clear();
  // What the next skin does not say must not be left over from this one.
  TsSkinData blank;
  blank.SkinFolder = std::move(info_.SkinFolder);
  blank.Active = info_.Active;
  info_ = std::move(blank);
  Reindex();
}

void SkinModel::Recolour(const std::function<TColor(TColor)>& change) {
  PictureRecolouring recolour(change);
  recolour(master_);
  for (TsMaskData& mask : masks_) recolour(mask.Image);
  for (TsGeneralData& section : sections_) {
    section.Color = change(section.Color);
    section.HotColor = change(section.HotColor);
    RecolourTextColors(section.FontColor, change);
    RecolourTextColors(section.HotFontColor, change);
    RecolourGradient(section.GradientArray, change);
    RecolourGradient(section.HotGradientArray, change);
  }
  info_.Shadow1Color = change(info_.Shadow1Color);
  info_.BorderColor = change(info_.BorderColor);
}

void SkinModel::ShiftColours(int hueOffset, int saturation) {
  constexpr TColor kNoColour = -1;
  if (hueOffset != 0) {
    Recolour([hueOffset](TColor color) { return color == kNoColour ? color : ShiftHue(hueOffset, color); });
  }
  // The amount towards grey: the negated setting, as a remainder with the dividend's sign.
  const int towardsGrey = -saturation % 101;
  if (towardsGrey != 0) {
    Recolour([towardsGrey](TColor color) { return color == kNoColour ? color : ShiftSaturation(color, towardsGrey); });
  }
}

void SkinModel::Reindex() {
  sectionIndex_.Clear();
  maskIndex_.Clear();
  textureIndex_.Clear();
  patternIndex_.Clear();
  for (size_t i = 0; i < sections_.size(); ++i) sectionIndex_.Add(sections_[i].SectionName, static_cast<int>(i));
  for (size_t i = 0; i < masks_.size(); ++i) {
    const TsMaskData& mask = masks_[i];
    maskIndex_.Add(mask.SectionName, mask.PropertyName, static_cast<int>(i));
    if (mask.ImgType == itisaTexture) textureIndex_.Add(mask.SectionName, mask.PropertyName, static_cast<int>(i));
  }
  for (size_t i = 0; i < patterns_.size(); ++i) {
    patternIndex_.Add(patterns_[i].SectionName, patterns_[i].PropertyName, static_cast<int>(i));
  }
  indexes_ = ResolveCachedIndexes(*this);
}

int SkinModel::FindInherited(const NamePairIndex& index, int skinIndex, std::string_view sectionName,
                             std::string_view propertyName) const {
  if (propertyName.empty()) return -1;
  // A chain without repeats passes each section at most once; one longer than that is a loop.
  for (size_t step = 0; skinIndex >= 0 && step <= sections_.size(); ++step) {
    const int found = index.Find(sectionName, propertyName);
    if (found >= 0 || !IsValidSkinIndex(skinIndex)) return found;
    const std::string& parent = sections_[skinIndex].ParentClass;
    if (parent.empty() || parent == sectionName) return -1;
    sectionName = parent;
    skinIndex = GetSkinIndex(parent);
  }
  return -1;
}

int SkinModel::GetMaskIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  return FindInherited(maskIndex_, skinIndex, sectionName, propertyName);
}

int SkinModel::GetMaskIndexDirect(std::string_view sectionName, std::string_view propertyName) const {
  if (sectionName.empty() || propertyName.empty()) return -1;
  return maskIndex_.Find(sectionName, propertyName);
}

int SkinModel::GetTextureIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  if (sectionName.empty()) return -1;
  return FindInherited(textureIndex_, skinIndex, sectionName, propertyName);
}

int SkinModel::GetPatternIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const {
  return FindInherited(patternIndex_, skinIndex, sectionName, propertyName);
}

const TacMemBitmap& SkinModel::MasterBitmap() const {
  static const TacMemBitmap kNone;
  return master_ ? *master_ : kNone;
}

TSize SkinModel::GetMaskCellSize(int maskIndex) const {
  return IsValidMaskIndex(maskIndex) ? CellSize(masks_[maskIndex]) : TSize{};
}

int SkinModel::MaskWidthLeft(int maskIndex) const {
  return IsValidMaskIndex(maskIndex) ? StripWidthLeft(masks_[maskIndex]) : 0;
}

int SkinModel::MaskWidthRight(int maskIndex) const {
  return IsValidMaskIndex(maskIndex) ? StripWidthRight(masks_[maskIndex]) : 0;
}

int SkinModel::MaskWidthTop(int maskIndex) const {
  return IsValidMaskIndex(maskIndex) ? StripWidthTop(masks_[maskIndex]) : 0;
}

int SkinModel::MaskWidthBottom(int maskIndex) const {
  return IsValidMaskIndex(maskIndex) ? StripWidthBottom(masks_[maskIndex]) : 0;
}

const TsGeneralData* SkinModel::GlobalInfo() const {
  const int index = GetSkinIndex("GLOBALINFO");
  return index < 0 ? nullptr : &sections_[index];
}

TColor SkinModel::GetGlobalColor() const {
  const TsGeneralData* global = GlobalInfo();
  return ResolveColor(global ? global->Color : clBtnFace, system_);
}

TColor SkinModel::GetGlobalFontColor() const {
  const TsGeneralData* global = GlobalInfo();
  return global ? ResolveColor(global->FontColor[0], system_) : clFuchsia;
}

TColor SkinModel::GetGlobalHotColor() const {
  const TsGeneralData* global = GlobalInfo();
  return ResolveColor(global ? global->HotColor : clWindow, system_);
}

}  // namespace sundrel
