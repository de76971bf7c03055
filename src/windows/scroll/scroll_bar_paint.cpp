// Painting the skinned bars: each bar is composed off-screen in one bitmap (track halves split at
// the thumb's centre, arrow buttons with their glyphs, the thumb with its grip) over the window's
// own picture and copied to the frame in one block, so the layers never flicker.
#include <algorithm>
#include <string_view>

#include "base/handles_win32.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "framework/bitmap.h"
#include "paint/blend.h"
#include "paint/dib_pixels_win32.h"
#include "paint/solid_fill.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/mask/mask_glyph.h"
#include "skin/model/skin_model.h"
#include "skin/section/section_paint.h"
#include "windows/scroll/ac_scroll_wnd.h"

namespace sundrel {

namespace {

// Keeps 60 percent of a disabled bar, the rest from what lies behind it.
constexpr int kDisabledKeep = 60;

struct PartSection {
  const ElementIndexes& Indexes;
  std::string_view Name;
};

struct BarSections {
  PartSection Track1, Track2, First, Second, Slider;
};

BarSections SectionsOf(const CachedIndexes& cached, bool vertical) {
  if (vertical) {
    return {{cached.ScrollBar1V, "SCROLLBAR1V"},
            {cached.ScrollBar2V, "SCROLLBAR2V"},
            {cached.ScrollBtnTop, "SCROLLBTNTOP"},
            {cached.ScrollBtnBottom, "SCROLLBTNBOTTOM"},
            {cached.ScrollSliderV, "SCROLLSLIDERV"}};
  }
  return {{cached.ScrollBar1H, "SCROLLBAR1H"},
          {cached.ScrollBar2H, "SCROLLBAR2H"},
          {cached.ScrollBtnLeft, "SCROLLBTNLEFT"},
          {cached.ScrollBtnRight, "SCROLLBTNRIGHT"},
          {cached.ScrollSliderH, "SCROLLSLIDERH"}};
}

// The arrow length that painting uses: a skin may ask for buttons as long as its button image.
int SkinArrowLength(const TacScrollBar& bar, const SkinModel& skin) {
  if (bar.ArrowLength >= 0) return bar.ArrowLength;
  int base = SystemArrowWidth();
  const ElementIndexes& arrow = bar.Vertical() ? skin.Indexes().ScrollBtnTop : skin.Indexes().ScrollBtnLeft;
  if (skin.IsValidSkinIndex(arrow.SkinIndex) && skin.Sections()[arrow.SkinIndex].ReservedBoolean &&
      skin.IsValidMaskIndex(arrow.BordersMask)) {
    const TsMaskData& mask = skin.Masks()[arrow.BordersMask];
    const int cell =
        bar.Vertical() ? mask.R.Height() / (mask.MaskType + 1) : mask.R.Width() / std::max(mask.ImageCount, 1);
    base = std::max(base, cell);
  }
  return base * -bar.ArrowLength;
}

// Composes one bar in a bitmap of its own.
class BarPicture {
 public:
  BarPicture(const SkinModel& skin, const TacScrollBar& bar, const TRect& r, const TacParentImage& windowPicture)
      : skin_(skin),
        vertical_(bar.Vertical()),
        r_(r),
        bitmap_(r.Width(), r.Height()),
        pixels_(PixelsOfDibSection(bitmap_.Handle())),
        windowPicture_(windowPicture) {}

  int Length() const { return vertical_ ? r_.Height() : r_.Width(); }

  // From..to along the bar.
  TRect Along(int from, int to) const {
    return vertical_ ? TRect{0, from, r_.Width(), to} : TRect{from, 0, to, r_.Height()};
  }

  // A track part over the window's own picture.
  void Track(const PartSection& part, const TRect& sub, int state) {
    const TacSectionRef section{part.Indexes.SkinIndex, part.Name, part.Indexes.Pattern, part.Indexes.HotPattern};
    PaintScrollPart(skin_, section, part.Indexes.BordersMask,
                    {pixels_, sub, {r_.Left + sub.Left, r_.Top + sub.Top}, state, windowPicture_}, true);
  }

  // A button (or the thumb) over the track already painted, its glyph centred in glyphArea.
  void Button(const PartSection& part, const TRect& sub, int state, const TRect& glyphArea, bool enabled) {
    const TacSectionRef section{part.Indexes.SkinIndex, part.Name, part.Indexes.Pattern, part.Indexes.HotPattern};
    PaintScrollPart(skin_, section, part.Indexes.BordersMask,
                    {pixels_, sub, {sub.Left, sub.Top}, state, TacParentImage{pixels_, 0, 0, true}}, true);
    if (!skin_.IsValidMaskIndex(part.Indexes.GlyphMask)) return;
    const TSize cell = skin_.GetMaskCellSize(part.Indexes.GlyphMask);
    const TPoint at{glyphArea.Left + (glyphArea.Width() - cell.cx) / 2,
                    glyphArea.Top + (glyphArea.Height() - cell.cy) / 2};
    DrawMaskGlyph(pixels_, at, state, skin_.Masks()[part.Indexes.GlyphMask], &skin_.MasterBitmap(),
                  enabled ? kGlyphNormal : 0);
  }

  void Disabled(TColor trackColour) {
    const TRect whole{0, 0, r_.Width(), r_.Height()};
    if (windowPicture_.Ready) {
      MergeBitmapRect(pixels_, windowPicture_.Image, kDisabledKeep * 255 / 100, {0, 0},
                      {windowPicture_.X + r_.Left, windowPicture_.Y + r_.Top, windowPicture_.X + r_.Right,
                       windowPicture_.Y + r_.Bottom});
    } else {
      ShadeRect(pixels_, {0, 0, whole.Right - 1, whole.Bottom - 1}, kDisabledKeep, trackColour);
    }
  }

  void CopyTo(HDC dc) {
    GdiFlush();
    BitBlt(dc, r_.Left, r_.Top, r_.Width(), r_.Height(), bitmap_.Canvas().Handle(), 0, 0, SRCCOPY);
  }

 private:
  const SkinModel& skin_;
  bool vertical_;
  TRect r_;
  TBitmap bitmap_;
  TacPixels pixels_;
  TacParentImage windowPicture_;
};

}  // namespace

void TacScrollWnd::PaintBars(HDC dc, int thumbOverride) {
  if (horzBar_ == nullptr || !Skinned()) return;
  TsCommonData& data = *SkinData();
  data.Updating = data.MustRebuild();
  if (data.Updating) return;
  const auto* component = dynamic_cast<const TComponent*>(OwnerControl());
  if ((component != nullptr && component->IsLoading()) || !IsWindowVisible(Window())) return;
  if (data.BGChanged) SendSkinCommand(Window(), SMC_PREPARE_CACHE);
  std::optional<WholeWindowDC> own;
  if (dc == nullptr) dc = own.emplace(Window()).get();
  const TacScrollTracking& tracking = ScrollTracking();
  for (TacScrollBar* bar : {horzBar_.get(), vertBar_.get()}) {
    if (bar->Visible) PaintBar(*bar, dc, thumbOverride, tracking.PressBar == bar->Kind ? tracking.ShownPortion : -1);
  }
  const TRect corner = CornerRect();
  if (!corner.IsEmpty()) PaintCorner(dc, corner);
}

void TacScrollWnd::RepaintBar(TacScrollBar& bar, int pressedPortion) {
  if (!bar.Visible || !Skinned() || !IsWindowVisible(Window())) return;
  WholeWindowDC dc(Window());
  PaintBar(bar, dc.get(), -1, pressedPortion);
}

void TacScrollWnd::PaintBar(TacScrollBar& bar, HDC dc, int thumbOverride, int pressedPortion) {
  const TsSkinManager* manager = SkinManager();
  if (ThumbDragging || !bar.Visible || manager == nullptr || (bar.Vertical() && Scrolling)) return;
  const ElementIndexes& track =
      bar.Vertical() ? manager->Skin().Indexes().ScrollBar1V : manager->Skin().Indexes().ScrollBar1H;
  if (!manager->IsValidSkinIndex(track.SkinIndex)) return;
  RECT window{};
  GetWindowRect(Window(), &window);
  TRect r = BarRect(bar);
  r = {r.Left - window.left, r.Top - window.top, r.Right - window.left, r.Bottom - window.top};
  const int length = bar.Vertical() ? r.Height() : r.Width();
  if (length < 2) return;
  bar.ReadInfo(Window());
  const TacThumb thumb = ThumbGeometry(bar.Range(), length, bar.PlainArrow(), bar.MinThumb);
  DrawBar(bar, dc, r, thumbOverride != -1 ? thumbOverride : thumb.Start, pressedPortion, false);
}

void TacScrollWnd::DrawBar(const TacScrollBar& bar, HDC dc, const TRect& r, int thumbStart, int pressedPortion,
                           bool dragged) {
  const TsSkinManager* manager = SkinManager();
  if (manager == nullptr || r.IsEmpty()) return;
  const SkinModel& skin = manager->Skin();
  const BarSections sections = SectionsOf(skin.Indexes(), bar.Vertical());
  const TacScrollTracking& tracking = ScrollTracking();
  const bool tracked = tracking.TrackWindow == Window();
  const bool enabled = BarIsActive(bar) && ControlEnabled();
  if (!tracked) pressedPortion = spNone;
  const auto hovered = [&](int portion) {
    return tracked && enabled && tracking.HoverBar == bar.Kind && tracking.HoverPortion == portion;
  };
  const auto arrowState = [&](int portion) {
    if (dragged) return 0;
    return pressedPortion == portion ? 2 : hovered(portion) ? 1 : 0;
  };

  BarPicture picture(skin, bar, r, AskParentImage(Window()));
  const int w = picture.Length(), b = SkinArrowLength(bar, skin), glyph = SystemArrowWidth();
  if (2 * b < w) {
    const TacThumb thumb = ThumbGeometry(bar.Range(), w, bar.PlainArrow(), bar.MinThumb);
    const int split = std::clamp(thumbStart + thumb.Size / 2, 0, w);
    picture.Track(sections.Track1, picture.Along(0, split), pressedPortion == spTrackBefore ? 2 : 0);
    picture.Track(sections.Track2, picture.Along(split, w), pressedPortion == spTrackAfter ? 2 : 0);
    picture.Button(sections.First, picture.Along(0, b), arrowState(spFirstArrow), picture.Along(0, glyph), enabled);
    picture.Button(sections.Second, picture.Along(w - b, w), arrowState(spSecondArrow), picture.Along(w - glyph, w),
                   enabled);
    if (enabled && thumb.Size > 0 && ThumbMovable(thumb, w, bar.PlainArrow())) {
      const TRect place = picture.Along(thumbStart, thumbStart + thumb.Size);
      const int state = dragged || pressedPortion == spThumb ? 2 : hovered(spThumb) ? 1 : 0;
      picture.Button(sections.Slider, place, state, place, enabled);
    }
  } else {
    const int half = w / 2;
    picture.Track(sections.Track1, picture.Along(0, half), 0);
    picture.Track(sections.Track2, picture.Along(half, w), 0);
    picture.Button(sections.First, picture.Along(0, half), arrowState(spFirstArrow), picture.Along(0, half), enabled);
    picture.Button(sections.Second, picture.Along(half, w), arrowState(spSecondArrow), picture.Along(half, w), enabled);
  }
  if (!enabled) picture.Disabled(ColorToRGB(skin.Sections()[sections.Track1.Indexes.SkinIndex].Color));
  picture.CopyTo(dc);
}

void TacScrollWnd::PaintCorner(HDC dc, const TRect& corner) {
  const TsSkinManager* manager = SkinManager();
  RECT window{};
  GetWindowRect(Window(), &window);
  const TRect r{corner.Left - window.left, corner.Top - window.top, corner.Right - window.left,
                corner.Bottom - window.top};
  TBitmap square(r.Width(), r.Height());
  const TacPixels pixels = PixelsOfDibSection(square.Handle());
  const TacParentImage own = AskParentImage(Window());
  if (own.Ready) {
    MergeBitmapRect(pixels, own.Image, 0, {0, 0}, {own.X + r.Left, own.Y + r.Top, own.X + r.Right, own.Y + r.Bottom});
  } else {
    FillSolidRect(pixels, {0, 0, r.Width(), r.Height()}, manager->GetGlobalHotColor());
  }
  const SkinModel& skin = manager->Skin();
  const int grip = skin.GetMaskIndex(skin.Indexes().GlobalInfo, "GLOBALINFO", "GRIPIMAGE");
  if (skin.IsValidMaskIndex(grip) && IsSizeGripCorner(corner)) {
    const TSize cell = skin.GetMaskCellSize(grip);
    DrawMaskGlyph(pixels, {r.Width() - cell.cx, r.Height() - cell.cy}, 0, skin.Masks()[grip], &skin.MasterBitmap(),
                  kGlyphNormal);
  }
  GdiFlush();
  BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), square.Canvas().Handle(), 0, 0, SRCCOPY);
}

}  // namespace sundrel
