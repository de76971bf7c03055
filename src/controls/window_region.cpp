#include "controls/window_region.h"

#include <vector>

#include "paint/key_region_win32.h"
#include "skin/mask/corner_holes.h"
#include "skin/mask/mask_direct.h"

namespace sundrel {

UniqueRegion PaintMaskDirectWithRegion(const TacPixels& bitmap, bool fillCentre, int state, const TsMaskData& mask,
                                       const TacMemBitmap* master) {
  std::vector<TRect> holes;
  PaintMaskDirect(bitmap, &holes, fillCentre, state, mask, master);
  return RegionWithout(bitmap.Width, bitmap.Height, holes);
}

UniqueRegion CornerHolesRegion(int width, int height, const TsMaskData& mask, const TacMemBitmap* master) {
  std::vector<TRect> holes;
  CollectCornerHoles(holes, width, mask, master, false, 0);
  CollectCornerHoles(holes, width, mask, master, true, height - mask.WB);
  return RegionWithout(width, height, holes);
}

}  // namespace sundrel
