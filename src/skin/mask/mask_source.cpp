#include "skin/mask/mask_source.h"

namespace sundrel {

namespace {

TsMaskData LayoutOf(const TsMaskData& mask) {
  TsMaskData layout;
  layout.R = mask.R;
  layout.ImageCount = mask.ImageCount;
  layout.MaskType = mask.MaskType;
  layout.BorderWidth = mask.BorderWidth;
  layout.StretchMode = mask.StretchMode;
  layout.ImgType = mask.ImgType;
  layout.WL = mask.WL;
  layout.WT = mask.WT;
  layout.WR = mask.WR;
  layout.WB = mask.WB;
  return layout;
}

}  // namespace

int TacMaskSource::MaskRows() const {
  return static_cast<int>((int64_t{Layout.R.Bottom} - Layout.R.Top) / 2);
}

bool HasOwnPicture(const TsMaskData& mask) {
  return mask.Image != nullptr;
}

TacMaskSource MaskSourceOf(const TsMaskData& mask, const TacMemBitmap* master) {
  TacMaskSource source{LayoutOf(mask), {}};
  if (master == nullptr) return source;
  source.Cells = HasOwnPicture(mask) ? ReadOnlyView(*mask.Image) : ReadOnlyView(*master);
  return source;
}

}  // namespace sundrel
