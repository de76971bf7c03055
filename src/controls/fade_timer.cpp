#include "controls/fade_timer.h"

#include <algorithm>
#include <cstring>

#include "paint/blend.h"
#include "paint/color.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_command_win32.h"

namespace sundrel {

namespace {

// The picture's pixels into a bitmap of its size (both 24-bit).
void CopyPicture(TBitmap& destination, const TBitmap& source) {
  destination.SetPixelFormat(TPixelFormat::pf24bit);
  destination.SetSize(source.Width(), source.Height());
  const TacPixels from = PixelsOfDibSection(source.Handle());
  const TacPixels to = PixelsOfDibSection(destination.Handle());
  if (!from.Is24Bit() || !to.Is24Bit()) return;
  for (int y = 0; y < from.Height; ++y) std::memcpy(to.Row(y), from.Row(y), static_cast<size_t>(from.Width) * 3);
}

}  // namespace

TsFadeTimer::TsFadeTimer(TWinControl& owner, TsCommonData& data) : owner_(owner), data_(data) {}

void TsFadeTimer::Start(const TBitmap& shownPicture, int iterations) {
  // Turning back halfway takes as long as the way there did.
  if (running_) iterations = std::min(iterations, std::max(level_ - 1, 1));
  // The shown picture may be this fade's own frame: take it before the frame is overwritten.
  CopyPicture(start_, shownPicture);
  CopyPicture(frame_, start_);
  iterations_ = iterations;
  level_ = 1;
  running_ = timer_.Start(owner_.Handle(), kFadeTimerId, kFadeInterval);
}

bool TsFadeTimer::Step() {
  if (!running_ || owner_.IsDestroying() || !owner_.HandleAllocated()) return false;
  if (level_ > iterations_ || level_ < 0 || iterations_ == 0) return false;
  if (!owner_.Enabled()) {
    data_.Invalidate();
    return false;
  }
  DrawFrame();
  ++level_;
  return true;
}

void TsFadeTimer::DrawFrame() {
  const TBitmap* cache = data_.CacheBmp();
  if (cache == nullptr) return;
  CopyPicture(frame_, start_);
  // The old picture's share; the last frame (level = iterations) is the new picture exactly.
  MergeBitmaps(PixelsOfDibSection(frame_.Handle()), PixelsOfDibSection(cache->Handle()),
               LimitToByte(255 - level_ * 256 / iterations_));
  if (SendSkinCommandToControl(&owner_, SMC_DRAW_FADE_FRAME, reinterpret_cast<LPARAM>(&frame_)) != 0) return;
  const WindowDC dc(owner_.Handle());
  CopyPixelsToDC(dc.get(), 0, 0, PixelsOfDibSection(frame_.Handle()));
}

}  // namespace sundrel
