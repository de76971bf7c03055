// Copying a control's composed picture to the screen in one block, leaving out what its children
// cover, and painting windowless children over a picture already on a device context.
#pragma once

#include <windows.h>

#include "controls/s_common_data.h"
#include "framework/win_control.h"
#include "paint/geometry.h"

namespace sundrel {

class TsSkinManager;

struct TCacheCopy {
  TRect Source;     // in the cache
  int OffsetX = 0;  // where the owner's origin lies on the context
  int OffsetY = 0;
  bool Repair = false;  // first put what lies behind into the corner holes (RepairCorners, state 0)
  // The engine paints windowless children into the cache itself, so they need no hole.
  bool GraphicChildrenInCache = false;
};

// Copies the owner's cache (TCacheCopy.Source) to the destination rectangle of the context,
// clipped to it, leaving out the visible windowless or opaque children that meet it. The context
// is as before afterwards. Nothing happens without a cache.
void CopyCacheToDC(TControl* owner, TsCommonData& data, const TCacheCopy& copy, HDC dc, const TRect& destination);

// The same for a window that the framework did not make: its visible child windows are left out,
// but of a group box without a client edge only its frame (the caption strip's height from
// SMC_GET_CAPTION_HEIGHT, the side and bottom widths from the manager's "GROUPBOX" border image).
void CopyCacheToWindowDC(HWND window, TBitmap& cache, const TRect& source, HDC dc, const TRect& destination,
                         const TsSkinManager* manager);

// Paints the container's visible windowless children over what the context shows, each on the
// container's own picture (or its colour when opaque), at the child's place plus the offset.
// A child whose top-left pixel stays clFuchsia is left out. With an empty clip box the container
// is only told that it is partly covered.
void PaintGraphicChildren(HDC dc, TWinControl* container, POINT offset);

}  // namespace sundrel
