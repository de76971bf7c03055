// The button's picture: composed in the cache, copied to the window in one block, and the window
// region cut from the border's transparent corners.
#include <algorithm>

#include "controls/control_skin.h"
#include "controls/s_button.h"
#include "controls/skin_utilities.h"
#include "controls/skinned_text.h"
#include "controls/window_region.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"

namespace sundrel {

void TsButton::BuildCache() {
  TacParentImage parent = skinData_.GetParentImage();
  skinData_.PrepareCache();
  TBitmap& cache = *skinData_.CacheBmp();
  if (cache.Width() == 0 || cache.Height() == 0 || !skinData_.IsSkinned()) return;
  const int state = CurrentButtonState();
  const TPoint position{Left(), Top()};
  PaintControlSkin(skinData_, parent, true, true, cache, position, TRect{0, 0, Width(), Height()}, state);
  if (regionNeeded_) pendingRegion_ = RegionOfPicture();
  DrawCaption(state);
  if (!Enabled()) {
    const SlotScope<TColor> backFill(Shared().BackFillColor, clFuchsia);
    parent = skinData_.GetParentImage();
    PaintDisabledLook(PixelsOfDibSection(cache.Handle()), disabledKind_, ColorToRGB(Color()), position, parent);
  }
  skinData_.BGChanged = false;
}

UniqueRegion TsButton::RegionOfPicture() const {
  const TsSkinManager* manager = skinData_.GetSkinManager();
  if (manager != nullptr && manager->IsValidMaskIndex(skinData_.BorderIndex)) {
    const SkinModel& skin = manager->Skin();
    return CornerHolesRegion(Width(), Height(), skin.Masks()[static_cast<size_t>(skinData_.BorderIndex)],
                             &skin.MasterBitmap());
  }
  return UniqueRegion(CreateRectRgn(0, 0, Width(), Height()));
}

RECT TsButton::CaptionRect(TCanvas& canvas, const std::string& caption, UINT flags) const {
  RECT measured{0, 0, caption.empty() ? 0 : std::max(Width() - 2, 0), 0};
  canvas.DrawText(caption, measured, flags | DT_CALCRECT);
  const int left = (Width() - (measured.right - measured.left)) / 2;
  const int top = (Height() - (measured.bottom - measured.top)) / 2;
  RECT r{left, top, Width() - left + 1, Height() - top};
  if (ShowsPressed()) OffsetRect(&r, 1, 1);
  return r;
}

void TsButton::DrawCaption(int state) {
  TCanvas& canvas = skinData_.CacheBmp()->Canvas();
  canvas.Font().Assign(Font());
  const std::string caption = Caption();
  const UINT flags = DT_CENTER | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
  const RECT r = CaptionRect(canvas, caption, flags);
  // The disabled look is laid over the whole picture afterwards, so the text is drawn enabled.
  const bool hot = skinData_.CurrentState() != 0 || state == 2 || down_;
  DrawSkinnedText(canvas, caption, true, hot, skinData_, flags, r);
  const bool focused = skinData_.Focused || (HandleAllocated() && Focused());
  if (Enabled() && focused && showFocus_ && !caption.empty() && skinData_.Section()->ShowFocus) {
    RECT frame = r;
    InflateRect(&frame, focusMargin_, focusMargin_);
    DottedFocusFrame(canvas.Handle(), TRect{frame.left, frame.top, frame.right, frame.bottom});
  }
}

void TsButton::Paint(HDC dc) {
  skinData_.Updating = skinData_.MustRebuild();
  if (skinData_.Updating) return;
  const SavedDC saved(dc);
  if (fade_ == nullptr) {
    TWinControl* parent = Parent();
    skinData_.BGChanged = skinData_.BGChanged || skinData_.HalfVisible || AskControl(parent, SMC_GET_HALF_VISIBLE);
    const RECT bounds = BoundsRect();
    const RECT client = parent->ClientRect();
    RECT inside{};
    IntersectRect(&inside, &bounds, &client);
    skinData_.HalfVisible = !EqualRect(&inside, &bounds);
    if (skinData_.BGChanged && !skinData_.ParentTransparent) BuildCache();
    if (regionNeeded_) ApplyPendingRegion(dc);
  }
  // While a fade runs the window shows its frame, not yet the new picture.
  const TBitmap& picture = fade_ != nullptr ? fade_->Frame() : *skinData_.CacheBmp();
  CopyPixelsToDC(dc, 0, 0, PixelsOfDibSection(picture.Handle()));
}

void TsButton::ApplyPendingRegion(HDC dc) {
  // The corner holes leave the window and are painted no more: what they show now must already
  // be what lies behind.
  RepairCorners(skinData_, CurrentButtonState());
  CopyPixelsToDC(dc, 0, 0, PixelsOfDibSection(skinData_.CacheBmp()->Handle()));
  // The pending region may have been dropped since the cache was built; never apply a stale one.
  if (!pendingRegion_) pendingRegion_ = RegionOfPicture();
  if (SetWindowRgn(Handle(), pendingRegion_.get(), FALSE) != 0) {
    static_cast<void>(pendingRegion_.release());  // the window owns it now
    // The holes are the parent's again and may still show the colour the repair put there: the
    // parent paints them (it clips its children, so nothing else of the button's place).
    if (TWinControl* parent = Parent(); parent != nullptr && parent->HandleAllocated()) {
      const RECT bounds = BoundsRect();
      ::InvalidateRect(parent->Handle(), &bounds, FALSE);
    }
  }
  pendingRegion_.reset();
  regionNeeded_ = false;
}

}  // namespace sundrel
