// The painting helpers that every handler shares: where the window lies in its parent's picture,
// the window's picture in the cache of its skin data, and its border's transparent corners.
#include "base/handles_win32.h"
#include "controls/control_skin.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "paint/dib_pixels_win32.h"
#include "paint/disabled_look.h"
#include "paint/solid_fill.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/mask/corner_repair.h"
#include "skin/model/skin_model.h"
#include "windows/handlers/ac_main_wnd.h"

namespace sundrel {

void TacMainWnd::UpdateGeometry() {
  GetWindowRect(window_, &WindowRect);
  ParentWindow = GetParent(window_);
  ParentRect = RECT{};
  if (ParentWindow != nullptr) GetWindowRect(ParentWindow, &ParentRect);
  Size = SIZE{WindowRect.right - WindowRect.left, WindowRect.bottom - WindowRect.top};
  PosInParent = POINT{WindowRect.left - ParentRect.left, WindowRect.top - ParentRect.top};
  if (ParentWindow == nullptr) return;
  // A skinned form paints its own border and title: its picture starts at its window's corner.
  const LRESULT offset = SendSkinCommand(ParentWindow, SMC_GET_CLIENT_OFFSET);
  if (offset != 0) {
    PosInParent.x -= LOWORD(offset);
    PosInParent.y -= HIWORD(offset);
  } else {
    POINT client{0, 0};
    ClientToScreen(ParentWindow, &client);
    PosInParent = POINT{WindowRect.left - client.x, WindowRect.top - client.y};
  }
}

void TacMainWnd::PrepareBackground(bool dialogFill, int height) {
  if (skinData_ == nullptr || window_ == nullptr || !skinData_->BGChanged) return;
  UpdateGeometry();
  const SIZE size{Size.cx, height > 0 ? height : Size.cy};
  const TacParentImage parent = ParentWindow != nullptr ? AskParentImage(ParentWindow) : TacParentImage{};
  if (skinData_->CacheBmp() == nullptr) skinData_->PrepareCache();
  TBitmap& cache = *skinData_->CacheBmp();
  cache.SetPixelFormat(TPixelFormat::pf24bit);
  if (cache.Width() != size.cx || cache.Height() != size.cy) cache.SetSize(size.cx, size.cy);
  if (cache.Handle() == nullptr) return;
  const TsSkinManager* manager = SkinManager();
  const TColor dialogBorder = manager != nullptr ? manager->SkinData().BorderColor : clFuchsia;
  const TacPixels pixels = PixelsOfDibSection(cache.Handle());
  if (dialogFill && dialogBorder != clFuchsia) {
    FillSolidRect(pixels, {0, 0, size.cx, size.cy}, ColorToRGB(clWindow));
    const TColor frame = ColorToRGB(dialogBorder);
    FillSolidRect(pixels, {0, 0, size.cx, 1}, frame);
    FillSolidRect(pixels, {0, size.cy - 1, size.cx, size.cy}, frame);
    FillSolidRect(pixels, {0, 0, 1, size.cy}, frame);
    FillSolidRect(pixels, {size.cx - 1, 0, size.cx, size.cy}, frame);
  } else if (ParentWindow != nullptr) {
    // A control's own data: its client picture comes from the same cache, in the control's state,
    // so the frame must show that state too.
    const int state = OwnerControl() != nullptr ? skinData_->CurrentState() : 0;
    PaintControlSkin(*skinData_, parent, true, true, cache, TPoint{PosInParent.x, PosInParent.y},
                     TRect{0, 0, size.cx, size.cy}, state);
  }
  const TControl* owner = OwnerControl();
  if (owner != nullptr && !owner->Enabled()) {
    GdiFlush();
    PaintDisabledLook(pixels, dkBlended, owner->Color(), TPoint{PosInParent.x, PosInParent.y}, parent);
  }
  skinData_->BGChanged = false;
}

void TacMainWnd::PaintCornerPixels(int state) {
  const TsSkinManager* manager = SkinManager();
  TBitmap* cache = skinData_ != nullptr ? skinData_->CacheBmp() : nullptr;
  if (manager == nullptr || cache == nullptr || cache->Handle() == nullptr || Size.cx <= 1 || Size.cy <= 1 ||
      !manager->IsValidMaskIndex(skinData_->BorderIndex)) {
    return;
  }
  // What lies behind: the parent's picture where its background is not one colour, else that
  // colour. A parent that gives neither leaves the corners as painted.
  TacParentImage parent;
  TColor fill = clFuchsia;
  if (ParentWindow != nullptr && SendSkinCommand(ParentWindow, SMC_GET_BG_KIND) == 1) {
    parent = AskParentImage(ParentWindow);
    parent.X += PosInParent.x;
    parent.Y += PosInParent.y;
  } else if (ParentWindow != nullptr) {
    fill = AskBackFillColor(ParentWindow);
  }
  if (!parent.Ready && fill == clFuchsia) return;
  GdiFlush();
  const SkinModel& skin = manager->Skin();
  RepairCorners(PixelsOfDibSection(cache->Handle()), skin.Masks()[static_cast<size_t>(skinData_->BorderIndex)],
                &skin.MasterBitmap(), state, kAllCorners, fill, parent);
}

}  // namespace sundrel
