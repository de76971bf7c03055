#include "skin/section/control_picture.h"

#include <array>
#include <string_view>

#include "skin/mask/mask_glyph.h"
#include "skin/mask/mask_rect.h"

namespace sundrel {

namespace {

void PaintSurface(const SkinModel& skin, const TacControlSkin& control, const TacPaintColours& colours,
                  const TacPaintTarget& target, bool fillCentre, bool useParent) {
  const SlotScope<TColor> backFill(Shared().BackFillColor, colours.BackFill);
  const SlotScope<TColor> keyFill(Shared().KeyFillColor, colours.KeyFill);
  PaintSectionBackground(skin, control.Section, target, control.CustomColor);
  if (!skin.IsValidMaskIndex(control.BorderIndex)) return;
  DrawMaskRect(target.Bitmap, target.R, fillCentre, ParentUnderBitmap(target), skin.Masks()[control.BorderIndex],
               &skin.MasterBitmap(), target.State, useParent);
}

void DrawOrnaments(const SkinModel& skin, const TacSectionRef& section, const TacPaintTarget& target) {
  struct Corner {
    std::string_view Key;
    bool Right;
    bool Bottom;
  };
  static constexpr std::array<Corner, 4> kCorners = {{{"IMGTOPLEFT", false, false},
                                                      {"IMGTOPRIGHT", true, false},
                                                      {"IMGBTMLEFT", false, true},
                                                      {"IMGBTMRIGHT", true, true}}};
  const TRect& r = target.R;
  for (const Corner& corner : kCorners) {
    const int index = skin.GetMaskIndex(section.SkinIndex, section.SectionName, corner.Key);
    if (!skin.IsValidMaskIndex(index)) continue;
    const TSize cell = skin.GetMaskCellSize(index);
    const TPoint at{corner.Right ? r.Right - cell.cx : r.Left, corner.Bottom ? r.Bottom - cell.cy : r.Top};
    DrawMaskGlyph(target.Bitmap, at, target.State, skin.Masks()[index], &skin.MasterBitmap(), kGlyphNormal);
  }
}

}  // namespace

void PaintControlPicture(const SkinModel& skin, const TacControlSkin& control, const TacPaintColours& colours,
                         const TacPaintTarget& target, bool fillCentre, bool useParent) {
  if (!CanPaintSection(skin, control.Section.SkinIndex, target)) return;
  PaintSurface(skin, control, colours, target, fillCentre, useParent);
  DrawOrnaments(skin, control.Section, target);
}

}  // namespace sundrel
