// Skin sections painted into a rectangle of a working bitmap: the background (the section's own
// surface laid over the parent's picture by its transparency), and the background with a border
// image. Everything works on a loaded skin; the skin manager forwards to it.
//
// State 0 reads a section's normal fields, every other state its hot fields. Nothing is painted
// for an invalid skin index, a bitmap that is not 24-bit, or a rectangle that is empty or does
// not lie wholly inside the bitmap. Invalid mask or texture indexes leave their layer out.
#pragma once

#include <string_view>

#include "paint/color.h"
#include "paint/geometry.h"
#include "paint/pixels.h"
#include "paint/shared_slots.h"
#include "skin/model/skin_model.h"

namespace sundrel {

// Where a section is painted.
struct TacPaintTarget {
  TacPixels Bitmap{};  // 24-bit
  TRect R{};
  // Where R's top-left corner lies in the parent's picture, counted from the parent reference's
  // (X, Y).
  TPoint Offset{};
  int State = 0;
  TacParentImage Parent{};
};

// Which section, with the texture indexes that its owner resolved (-1: none given).
struct TacSectionRef {
  int SkinIndex = -1;
  std::string_view SectionName{};
  int TextureIndex = -1;
  int HotTextureIndex = -1;
};

// Whether the skin index is valid, the bitmap 24-bit and R not empty and wholly inside it.
bool CanPaintSection(const SkinModel& skin, int skinIndex, const TacPaintTarget& target);

// The parent reference as the pixel code takes it: bitmap pixel (x, y) lies over the parent's
// pixel (X + x, Y + y), so that R's corner meets the target's offset point.
TacParentImage ParentUnderBitmap(const TacPaintTarget& target);

// The section's background in R:
// - the texture of the state (with an image share): the given index when its record has no mask;
//   without one, the section's "PATTERN" / "HOTPATTERN" image (inherited too), else a picture of
//   the skin's pattern table under that key;
// - without a ready parent picture, or at transparency 0, the own surface (own_background.h);
// - at transparency 100, the parent's picture (BackFillColor when that is set), unless the bitmap
//   is the parent's picture itself;
// - in between, the own surface merged over the parent's picture so that it keeps the
//   transparency's share;
// - in state 0, a texture with a mask in StretchMode 10 (the normal index, else the hot one)
//   laid over all of it, its holes showing the parent.
// customColor replaces the section's colour unless it is clFuchsia.
void PaintSectionBackground(const SkinModel& skin, const TacSectionRef& section, const TacPaintTarget& target,
                            TColor customColor = clFuchsia);

// A scroll bar part's background: as PaintSectionBackground, but the texture is only the given
// index of the state, the section's own colour is used, at transparency 100 BackFillColor is not
// used, and there is no masked texture.
void PaintScrollPartBackground(const SkinModel& skin, const TacSectionRef& section, const TacPaintTarget& target);

// The background, then the section's "BORDERSMASK" (inherited too) over R, its corner holes
// showing the parent; the border's centre only with fillCentre.
void PaintSection(const SkinModel& skin, const TacSectionRef& section, const TacPaintTarget& target, bool fillCentre);

// The scroll part's background, then the given border image.
void PaintScrollPart(const SkinModel& skin, const TacSectionRef& section, int maskIndex, const TacPaintTarget& target,
                     bool fillCentre);

}  // namespace sundrel
