// A mask record as the painting code reads it: its layout, and the bitmap its cells are cut from.
//
// Records are taken by value for the length of one call, so a skin change during painting cannot
// free a record in use; the picture is not copied, only viewed. This is the one place that knows
// how a record holds its picture.
#pragma once

#include "paint/color.h"
#include "paint/pixels.h"
#include "skin/model/skin_records.h"

namespace sundrel {

struct TacMaskSource {
  TsMaskData Layout;  // every field of the record but its picture
  TacPixels Cells;    // 24-bit; empty when there is nothing to draw from

  bool Drawable() const { return Cells.Is24Bit(); }
  bool HasMask() const { return Layout.MaskType > 0; }
  // How far below a cell pixel its mask pixel lies.
  int MaskRows() const;
};

// The cells are the record's own picture when it has one, else the master bitmap of its skin.
// Without a skin (a record that has no manager) nothing is drawn: master is then null.
TacMaskSource MaskSourceOf(const TsMaskData& mask, const TacMemBitmap* master);

// Whether the record has a picture of its own.
bool HasOwnPicture(const TsMaskData& mask);

// Every skin image marks its transparent pixels with exactly this colour.
inline bool IsHole(const uint8_t* pixel) {
  return pixel[0] == BlueOf(clFuchsia) && pixel[1] == GreenOf(clFuchsia) && pixel[2] == RedOf(clFuchsia);
}

}  // namespace sundrel
