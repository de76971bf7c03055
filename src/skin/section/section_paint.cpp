#include "skin/section/section_paint.h"

#include <algorithm>
#include <cstdint>

#include "paint/blend.h"
#include "paint/solid_fill.h"
#include "skin/mask/hole_fill.h"
#include "skin/mask/mask_rect.h"
#include "skin/mask/texture.h"
#include "skin/section/own_background.h"

namespace sundrel {

namespace {

int32_t Saturated(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// The state's fields of the section.
TacOwnBackground LookOf(const TsGeneralData& section, int state, TColor customColor) {
  const bool hot = state != 0;
  TacOwnBackground look;
  look.Color = customColor != clFuchsia ? customColor : (hot ? section.HotColor : section.Color);
  look.ImagePercent = hot ? section.HotImagePercent : section.ImagePercent;
  look.GradientPercent = hot ? section.HotGradientPercent : section.GradientPercent;
  look.Gradient = hot ? &section.HotGradientArray : &section.GradientArray;
  look.Transparency = hot ? section.HotTransparency : section.Transparency;
  return look;
}

const TsMaskData* MaskOrNone(const SkinModel& skin, int maskIndex) {
  return skin.IsValidMaskIndex(maskIndex) ? &skin.Masks()[maskIndex] : nullptr;
}

void FindSectionTexture(const SkinModel& skin, const TacSectionRef& section, int state, TacOwnBackground& look) {
  if (look.ImagePercent <= 0) return;
  const int given = state == 0 ? section.TextureIndex : section.HotTextureIndex;
  if (given != -1) {
    const TsMaskData* texture = MaskOrNone(skin, given);
    if (texture != nullptr && texture->MaskType == 0) look.Texture = texture;
    return;
  }
  const std::string_view key = state == 0 ? "PATTERN" : "HOTPATTERN";
  look.Texture = MaskOrNone(skin, skin.GetMaskIndex(section.SkinIndex, section.SectionName, key));
  if (look.Texture != nullptr) return;
  const int pattern = skin.GetPatternIndex(section.SkinIndex, section.SectionName, key);
  if (pattern >= 0 && pattern < static_cast<int>(skin.Patterns().size())) {
    look.Pattern = ReadOnlyView(*skin.Patterns()[pattern].Image);
  }
}

bool IsParentPicture(const TacPaintTarget& target) {
  return target.Parent.Image.Row0 != nullptr && target.Parent.Image.Row0 == target.Bitmap.Row0;
}

// R receives what lies behind it: the parent's picture, or BackFillColor when that is set and
// may be used.
void PaintParentUnder(const TacPaintTarget& target, bool useBackFill) {
  if (IsParentPicture(target)) return;
  const TColor backFill = Shared().BackFillColor;
  if (useBackFill && backFill != clFuchsia) {
    FillSolidRect(target.Bitmap, target.R, backFill);
  } else {
    TacHoleFill::FromParent(ParentUnderBitmap(target)).FillRect(target.Bitmap, target.R);
  }
}

void LayOverParent(const TacPaintTarget& target, const TacOwnBackground& look, const TacMemBitmap& master,
                   bool useBackFill) {
  const TRect& r = target.R;
  if (!target.Parent.Ready || look.Transparency <= 0) {
    PaintOwnBackground(target.Bitmap, r, look, &master);
    return;
  }
  if (look.Transparency >= 100) {
    PaintParentUnder(target, useBackFill);
    return;
  }
  TacMemBitmap layer = NewBitmap24(r.Width(), r.Height());
  PaintOwnBackground(layer.Pixels(), {0, 0, r.Width(), r.Height()}, look, &master);
  PaintParentUnder(target, useBackFill);
  MergeBitmapRect(target.Bitmap, layer.Pixels(), LimitToByte(look.Transparency * 255 / 100), {r.Left, r.Top},
                  {0, 0, r.Width(), r.Height()});
}

// A masked texture in whole rows lies over the normal look only.
void DrawMaskedLayer(const SkinModel& skin, const TacSectionRef& section, const TacPaintTarget& target) {
  if (target.State != 0) return;
  auto masked = [&](int index) {
    const TsMaskData* texture = MaskOrNone(skin, index);
    return texture != nullptr && texture->MaskType > 0 ? texture : nullptr;
  };
  const TsMaskData* texture = masked(section.TextureIndex);
  if (texture == nullptr) texture = masked(section.HotTextureIndex);
  if (texture == nullptr || texture->StretchMode != tmWholeRows) return;
  DrawMaskedTexture(target.Bitmap, target.R, ParentUnderBitmap(target), tmWholeRows, *texture, &skin.MasterBitmap());
}

void DrawBorder(const SkinModel& skin, int maskIndex, const TacPaintTarget& target, bool fillCentre) {
  const TsMaskData* border = MaskOrNone(skin, maskIndex);
  if (border == nullptr) return;
  DrawMaskRect(target.Bitmap, target.R, fillCentre, ParentUnderBitmap(target), *border, &skin.MasterBitmap(),
               target.State, true);
}

}  // namespace

bool CanPaintSection(const SkinModel& skin, int skinIndex, const TacPaintTarget& target) {
  const TRect& r = target.R;
  return skin.IsValidSkinIndex(skinIndex) && target.Bitmap.Is24Bit() && !r.IsEmpty() && r.Left >= 0 && r.Top >= 0 &&
         r.Right <= target.Bitmap.Width && r.Bottom <= target.Bitmap.Height;
}

TacParentImage ParentUnderBitmap(const TacPaintTarget& target) {
  TacParentImage parent = target.Parent;
  parent.X = Saturated(int64_t{parent.X} + target.Offset.X - target.R.Left);
  parent.Y = Saturated(int64_t{parent.Y} + target.Offset.Y - target.R.Top);
  return parent;
}

void PaintSectionBackground(const SkinModel& skin, const TacSectionRef& section, const TacPaintTarget& target,
                            TColor customColor) {
  if (!CanPaintSection(skin, section.SkinIndex, target)) return;
  TacOwnBackground look = LookOf(skin.Sections()[section.SkinIndex], target.State, customColor);
  FindSectionTexture(skin, section, target.State, look);
  LayOverParent(target, look, skin.MasterBitmap(), true);
  DrawMaskedLayer(skin, section, target);
}

void PaintScrollPartBackground(const SkinModel& skin, const TacSectionRef& section, const TacPaintTarget& target) {
  if (!CanPaintSection(skin, section.SkinIndex, target)) return;
  TacOwnBackground look = LookOf(skin.Sections()[section.SkinIndex], target.State, clFuchsia);
  if (look.ImagePercent > 0) {
    look.Texture = MaskOrNone(skin, target.State == 0 ? section.TextureIndex : section.HotTextureIndex);
  }
  LayOverParent(target, look, skin.MasterBitmap(), false);
}

void PaintSection(const SkinModel& skin, const TacSectionRef& section, const TacPaintTarget& target, bool fillCentre) {
  if (!CanPaintSection(skin, section.SkinIndex, target)) return;
  PaintSectionBackground(skin, section, target);
  DrawBorder(skin, skin.GetMaskIndex(section.SkinIndex, section.SectionName, "BORDERSMASK"), target, fillCentre);
}

void PaintScrollPart(const SkinModel& skin, const TacSectionRef& section, int maskIndex, const TacPaintTarget& target,
                     bool fillCentre) {
  if (!CanPaintSection(skin, section.SkinIndex, target)) return;
  PaintScrollPartBackground(skin, section, target);
  DrawBorder(skin, maskIndex, target, fillCentre);
}

}  // namespace sundrel
