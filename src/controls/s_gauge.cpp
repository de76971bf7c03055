#include "controls/s_gauge.h"

#include <algorithm>

#include "controls/control_kinds.h"
#include "controls/control_skin.h"
#include "controls/skin_utilities.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"
#include "skin/section/section_paint.h"

namespace sundrel {

TsGauge::TsGauge(TComponent* owner) : TProgressBar(owner), skinData_(this, true) {
  skinData_.ControlKind = kKindGauge;
  skinHook_ = skinData_.PlugInto(MessageHooks());
  skinData_.Loaded();
}

void TsGauge::Loaded() {
  TProgressBar::Loaded();
  skinData_.Loaded();
}

void TsGauge::SetProgressSection(const std::string& section) {
  if (section == progressSection_) return;
  progressSection_ = section;
  skinData_.Invalidate();
}

void TsGauge::PositionChanged() {
  // The system bar repaints itself on a new position; our picture must follow it.
  skinData_.BGChanged = true;
  TProgressBar::PositionChanged();
}

TRect TsGauge::DoneRect() const {
  const TsSkinManager* manager = skinData_.GetSkinManager();
  TRect inside{0, 0, Width(), Height()};
  if (manager != nullptr && manager->IsValidMaskIndex(skinData_.BorderIndex)) {
    const SkinModel& skin = manager->Skin();
    inside = TRect{skin.MaskWidthLeft(skinData_.BorderIndex), skin.MaskWidthTop(skinData_.BorderIndex),
                   Width() - skin.MaskWidthRight(skinData_.BorderIndex),
                   Height() - skin.MaskWidthBottom(skinData_.BorderIndex)};
  }
  if (inside.IsEmpty() || Max() <= Min()) return {};
  const int64_t done = int64_t{inside.Width()} * (Position() - Min()) / (Max() - Min());
  return TRect{inside.Left, inside.Top, inside.Left + static_cast<int>(done), inside.Bottom};
}

void TsGauge::BuildCache() {
  const TacParentImage parent = skinData_.GetParentImage();
  skinData_.PrepareCache();
  TBitmap& cache = *skinData_.CacheBmp();
  if (cache.Width() == 0 || cache.Height() == 0 || !skinData_.IsSkinned()) return;
  PaintControlSkin(skinData_, parent, true, true, cache, TPoint{Left(), Top()}, TRect{0, 0, Width(), Height()}, 0);
  const TRect done = DoneRect();
  const TsSkinManager* manager = skinData_.GetSkinManager();
  if (!done.IsEmpty()) {
    const SkinModel& skin = manager->Skin();
    TacPaintTarget target;
    target.Bitmap = PixelsOfDibSection(cache.Handle());
    target.R = done;
    // The part done is laid over the trough already in the cache.
    target.Parent = TacParentImage{target.Bitmap, 0, 0, true};
    target.Offset = TPoint{done.Left, done.Top};
    PaintSectionBackground(skin, TacSectionRef{skin.GetSkinIndex(progressSection_), progressSection_}, target);
  }
  skinData_.BGChanged = false;
}

void TsGauge::Paint(HDC dc) {
  skinData_.Updating = skinData_.MustRebuild();
  if (skinData_.Updating) return;
  if (skinData_.BGChanged) BuildCache();
  CopyPixelsToDC(dc, 0, 0, PixelsOfDibSection(skinData_.CacheBmp()->Handle()));
}

void TsGauge::WndProc(TMessage& message) {
  if (CanRepaint(this) && skinData_.IsSkinned(true)) {
    switch (message.Msg) {
      case WM_PAINT:
        if (message.WParam != 0) {
          Paint(reinterpret_cast<HDC>(message.WParam));
        } else {
          PaintScope paint(Handle());
          Paint(paint.get());
        }
        message.Result = 0;
        return;
      case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(message.WParam));
        message.Result = 0;
        return;
      case WM_ERASEBKGND:
        // The whole picture comes from the cache.
        message.Result = 1;
        return;
      case WM_SIZE:
        skinData_.BGChanged = true;
        break;
      default:
        break;
    }
  }
  TProgressBar::WndProc(message);
}

}  // namespace sundrel
