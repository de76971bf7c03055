#include "windows/provider/frame_parts.h"

#include <algorithm>

#include "paint/dib_pixels_win32.h"
#include "paint/key_region_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/mask/corner_holes.h"
#include "skin/mask/mask_glyph.h"
#include "skin/mask/mask_rect.h"
#include "skin/section/control_picture.h"
#include "windows/provider/frame_geometry.h"

namespace sundrel {

namespace {

// The size buttons take when the skin has no image for them.
constexpr int kMissingButtonSide = 21;
constexpr int kFadedGlyph = 2;

}  // namespace

TacButtonMasks CaptionButtonMasks(const TsSkinManager& manager, int skinIndex, const std::string& section,
                                  bool fullCaption) {
  TacButtonMasks masks;
  if (manager.GetSkinIndex("GLOBALINFO") < 0) return masks;
  const auto global = [&manager](const char* name) { return manager.GetMaskIndexDirect("GLOBALINFO", name); };
  const auto big = [&] {
    masks.Close = global("BICONCLOSE");
    masks.Maximize = global("BICONMAX");
    masks.Minimize = global("BICONMIN");
    masks.Help = global("BICONHELP");
  };
  if (global("BICONCLOSE") < 0) {
    const auto own = [&](const char* name) { return manager.GetMaskIndex(skinIndex, "FORM", name); };
    masks.Close = own("BICONCLOSE");
    masks.Maximize = own("BICONMAX");
    masks.Minimize = own("BICONMIN");
    masks.Help = own("BICONHELP");
  } else if (fullCaption) {
    big();
  } else {
    masks.Close = global("SICONCLOSE");
    masks.Maximize = global("SICONMAX");
    masks.Minimize = global("SICONMIN");
    masks.Help = global("SICONHELP");
    if (masks.Help < 0) masks.Help = global("BICONHELP");
    if (masks.Close < 0) big();
  }
  masks.Restore = global("BICONNORM");
  if (masks.Restore < 0) masks.Restore = manager.GetMaskIndex(skinIndex, section, "BICONNORM");
  return masks;
}

std::vector<TacCaptionButton> LayoutCaptionButtons(const TsSkinManager& manager,
                                                   const std::vector<TacButtonSlot>& slots, int windowWidth,
                                                   int frameWidth, int frameHeight, int titleHeight) {
  std::vector<TacCaptionButton> buttons;
  if (slots.empty() || titleHeight == 0) return buttons;
  const int space = manager.SkinData().BISpace;
  const auto cellOf = [&manager](int mask) {
    return manager.IsValidMaskIndex(mask) ? manager.GetMaskCellSize(mask)
                                          : TSize{kMissingButtonSide, kMissingButtonSide};
  };
  const int height = cellOf(slots.front().MaskIndex).cy;
  const int top = (titleHeight + frameHeight - height) / 2 + (height < 16 ? 2 : 0);
  int right = windowWidth - frameWidth - space;
  for (const TacButtonSlot& slot : slots) {
    const int width = cellOf(slot.MaskIndex).cx;
    buttons.push_back(TacCaptionButton{slot.HitCode, manager.IsValidMaskIndex(slot.MaskIndex) ? slot.MaskIndex : -1,
                                       slot.Enabled, TRect{right - width, top, right, top + height}});
    right -= width + space;
  }
  return buttons;
}

int CaptionButtonsWidth(const std::vector<TacCaptionButton>& buttons, int windowWidth) {
  return buttons.empty() ? 0 : windowWidth - buttons.back().Rect.Left;
}

int CaptionButtonAt(const std::vector<TacCaptionButton>& buttons, int x) {
  for (const TacCaptionButton& button : buttons) {
    if (button.MaskIndex < 0 && button.HitCode < kTitleButtonHitBase) continue;
    if (x >= button.Rect.Left && x < button.Rect.Right) return button.Enabled ? button.HitCode : HTCAPTION;
  }
  return HTNOWHERE;
}

void PaintCaptionButtons(TBitmap& cache, const TsSkinManager& manager, const std::vector<TacCaptionButton>& buttons,
                         const std::function<int(int)>& stateOf, bool active) {
  const SkinModel& skin = manager.Skin();
  for (const TacCaptionButton& button : buttons) {
    if (button.MaskIndex < 0) continue;
    const int mode = active && button.Enabled ? kGlyphNormal : kFadedGlyph;
    DrawMaskGlyph(PixelsOfDibSection(cache.Handle()), TPoint{button.Rect.Left, button.Rect.Top},
                  stateOf(button.HitCode), skin.Masks()[static_cast<size_t>(button.MaskIndex)], &skin.MasterBitmap(),
                  mode);
  }
}

namespace {

int GripMask(const TsSkinManager& manager) {
  return manager.GetMaskIndexDirect("GLOBALINFO", "GRIPIMAGE");
}

}  // namespace

bool GripCellOf(const TsSkinManager& manager, HWND window, int frameWidth, int frameHeight, TRect& cell) {
  const int mask = GripMask(manager);
  if (!manager.IsValidMaskIndex(mask)) return false;
  const TSize size = manager.GetMaskCellSize(mask);
  const SIZE windowSize = WindowSize(window);
  const int left = windowSize.cx - size.cx - frameWidth;
  const int top = windowSize.cy - size.cy - frameHeight;
  cell = TRect{left, top, left + size.cx, top + size.cy};
  return true;
}

void PaintGrip(TBitmap& cache, const TsSkinManager& manager, const TRect& cell) {
  const SkinModel& skin = manager.Skin();
  DrawMaskGlyph(PixelsOfDibSection(cache.Handle()), TPoint{cell.Left, cell.Top}, 0,
                skin.Masks()[static_cast<size_t>(GripMask(manager))], &skin.MasterBitmap(), kGlyphNormal);
}

void TacButtonsBackground::Keep(TBitmap& cache, int width, int height) {
  left_ = cache.Width() - width;
  height = std::min(height, cache.Height());
  kept_.SetPixelFormat(TPixelFormat::pf24bit);
  kept_.SetSize(width, height);
  if (kept_.Handle() == nullptr || cache.Handle() == nullptr) return;
  BitBlt(kept_.Canvas().Handle(), 0, 0, width, height, cache.Canvas().Handle(), left_, 0, SRCCOPY);
  GdiFlush();
}

bool TacButtonsBackground::Repaint(HWND window, TBitmap& cache, const TsSkinManager& manager,
                                   const TacCaptionButton& button, int state, bool active, int leftmost) {
  const TRect& r = button.Rect;
  if (kept_.Handle() == nullptr || cache.Handle() == nullptr) return false;
  if (r.Left < std::max(left_, leftmost) || r.Bottom > kept_.Height() || r.Right > cache.Width()) return false;
  const int width = r.Right - r.Left;
  const int height = r.Bottom - r.Top;
  const HDC picture = cache.Canvas().Handle();
  BitBlt(picture, r.Left, r.Top, width, height, kept_.Canvas().Handle(), r.Left - left_, r.Top, SRCCOPY);
  GdiFlush();
  PaintCaptionButtons(
      cache, manager, {button}, [state](int) { return state; }, active);
  WholeWindowDC dc(window);
  BitBlt(dc.get(), r.Left, r.Top, width, height, picture, r.Left, r.Top, SRCCOPY);
  return true;
}

void PaintTitleBand(TBitmap& cache, const TsSkinManager& manager, const TacTitleBand& band) {
  const SkinModel& skin = manager.Skin();
  const int width = cache.Width();
  const TRect strip{0, 0, width, band.Height};
  const int titleIndex = manager.GetSkinIndex(band.TitleSection);
  PaintSection(skin, {titleIndex, band.TitleSection}, {PixelsOfDibSection(cache.Handle()), strip, {}, band.State, {}},
               true);
  const int bar = manager.GetMaskIndex(band.SkinIndex, band.Section, "TITLEBAR");
  if (!manager.IsValidMaskIndex(bar)) return;
  const int barWidth = 2 * manager.MaskWidthLeft(bar) + band.ButtonsWidth;
  DrawMaskRect(PixelsOfDibSection(cache.Handle()), TRect{width - barWidth, 0, width, strip.Bottom}, true, {},
               skin.Masks()[static_cast<size_t>(bar)], &skin.MasterBitmap(), band.State, false);
}

UniqueRegion FrameRegion(const TsSkinManager& manager, SIZE size, int borderMask, const std::string& titleSection) {
  const SkinModel& skin = manager.Skin();
  std::vector<TRect> holes;
  const auto collect = [&](int mask, bool withBottom) {
    if (!manager.IsValidMaskIndex(mask)) return;
    const TsMaskData& data = skin.Masks()[static_cast<size_t>(mask)];
    CollectCornerHoles(holes, size.cx, data, &skin.MasterBitmap(), false, 0);
    if (withBottom) {
      CollectCornerHoles(holes, size.cx, data, &skin.MasterBitmap(), true, size.cy - manager.MaskWidthBottom(mask));
    }
  };
  collect(borderMask, true);
  collect(manager.GetMaskIndex(manager.GetSkinIndex(titleSection), titleSection, "BORDERSMASK"), false);
  return RegionWithout(size.cx, size.cy, holes);
}

void CopyFrameStrips(HWND window, TBitmap& cache, int frameWidth, int frameHeight) {
  if (cache.Handle() == nullptr) return;
  const POINT offset = ClientOffset(window);
  RECT client{};
  GetClientRect(window, &client);
  const int width = cache.Width();
  const int height = cache.Height();
  const int clientBottom = offset.y + client.bottom;
  const RECT strips[] = {
      {0, 0, width, offset.y},
      {0, offset.y, frameWidth, clientBottom},
      {width - frameWidth, offset.y, width, clientBottom},
      {0, height - frameHeight, width, height},
  };
  WholeWindowDC dc(window);
  const HDC source = cache.Canvas().Handle();
  for (const RECT& strip : strips) {
    if (strip.right <= strip.left || strip.bottom <= strip.top) continue;
    BitBlt(dc.get(), strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top, source, strip.left,
           strip.top, SRCCOPY);
  }
}

void HandSystemMenuToPainter(TsSkinManager* manager, TPopupMenu& menu) {
  if (manager != nullptr && manager->SkinnedPopups() && manager->MenuPainter() != nullptr) {
    manager->MenuPainter()->InitPopupMenu(menu, true);
  }
}

}  // namespace sundrel
