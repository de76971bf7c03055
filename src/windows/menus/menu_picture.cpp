// One picture of the whole popup menu, painted once per shown menu: the "MAINMENU" background
// with its border, the extra line and the icon column. Items are composed over it.
#include <string>

#include "base/utf.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/mask/corner_holes.h"
#include "skin/model/skin_model.h"
#include "skin/section/section_paint.h"
#include "windows/menus/menu_fonts.h"
#include "windows/menus/menu_items.h"
#include "windows/menus/s_skinable_menus.h"

namespace sundrel {

namespace {

constexpr const char* kMainMenu = "MAINMENU";

// The whole bitmap as the target of a section painted over the parent picture at (0, 0).
TacPaintTarget WholeBitmapOver(TBitmap& bitmap, TPoint offset, TBitmap& parent) {
  return {PixelsOfDibSection(bitmap.Handle()),
          {0, 0, bitmap.Width(), bitmap.Height()},
          offset,
          0,
          {PixelsOfDibSection(parent.Handle()), 0, 0, true}};
}

}  // namespace

void TsSkinableMenus::BuildMenuPicture(TMenuItem& firstItem, int width, int height, HWND window) {
  TacMenuState& state = MenuState();
  if (state.MenuPicture && state.CurrentMenu == firstItem.Command()) return;
  if (!state.ExtraLineReady) GetExtraLineData(firstItem);
  state.CurrentMenu = firstItem.Command();
  state.MenuPicture = std::make_unique<TBitmap>(width, height);
  state.TextColumnLeft = Margin + kMenuGlyphSize + Spacing;
  holeRects_.clear();
  TBitmap& picture = *state.MenuPicture;
  const int mainMenu = manager_.GetSkinIndex(kMainMenu);
  if (!manager_.IsValidSkinIndex(mainMenu)) {
    // A skin without a menu section shows the system's menu colour under the items.
    FillRectSolid(picture.Canvas().Handle(), {0, 0, width, height}, SystemColor(COLOR_MENU));
    return;
  }
  PaintSection(manager_.Skin(), {mainMenu, kMainMenu},
               {PixelsOfDibSection(picture.Handle()), {0, 0, width, height}, {0, 0}, 0, {}}, false);
  PaintExtraLine(picture, firstItem);
  PaintIconColumn(picture);
  CollectHoles(width, height);
  if (window != nullptr) ShapeMenuWindow(window);
}

void TsSkinableMenus::PaintExtraLine(TBitmap& picture, const TMenuItem& firstItem) {
  TacMenuState& state = MenuState();
  TacMenuSupport& support = manager_.MenuSupport();
  const int section = manager_.GetSkinIndex(state.ExtraLineSection);
  if (support.UseExtraLine && state.ExtraLineVisible && manager_.IsValidSkinIndex(section)) {
    const int border = SkinBorderWidth();
    TBitmap band(support.ExtraLineWidth, picture.Height() - 2 * border);
    PaintSection(manager_.Skin(), {section, state.ExtraLineSection}, WholeBitmapOver(band, {border, border}, picture),
                 true);
    const HDC dc = band.Canvas().Handle();
    TBitmap& glyph = state.ExtraLineGlyph;
    int textReserve = 12;
    if (glyph.Width() > 0) {
      BitBlt(dc, (band.Width() - glyph.Width()) / 2, band.Height() - 12 - glyph.Height(), glyph.Width(), glyph.Height(),
             glyph.Canvas().Handle(), 0, 0, SRCCOPY);
      textReserve = glyph.Height() + 20;
    }
    if (!state.ExtraLineText.empty()) {
      TFont font;
      font.Assign(support.ExtraLineFont());
      if (const TCustomForm* form = FormOf(firstItem)) font.SetCharset(form->Font().Charset());
      const UniqueFont upward = CreateUpwardFont(font);
      const std::wstring text = ToWide(state.ExtraLineText);
      SavedDC saved(dc);
      SelectObject(dc, upward.get());
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, ColorRefOf(manager_.Skin().Sections()[static_cast<size_t>(section)].FontColor[0]));
      IntersectClipRect(dc, 0, 0, band.Width(), band.Height());
      SIZE extent{};
      GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
      TextOutW(dc, (band.Width() - extent.cy) / 2, band.Height() - textReserve, text.data(),
               static_cast<int>(text.size()));
    }
    BitBlt(picture.Canvas().Handle(), border, border, band.Width(), band.Height(), dc, 0, 0, SRCCOPY);
  }
  // The glyph served this picture alone.
  state.ExtraLineGlyph.SetSize(0, 0);
}

void TsSkinableMenus::PaintIconColumn(TBitmap& picture) {
  const std::string& name = manager_.MenuSupport().IcoLineSkin;
  const int section = manager_.GetSkinIndex(name);
  if (!manager_.IsValidSkinIndex(section)) return;
  const int border = SkinBorderWidth();
  const TPoint at{ShownExtraWidth() + border, border};
  TBitmap column(MenuState().TextColumnLeft, picture.Height() - 2 * border);
  PaintSection(manager_.Skin(), {section, name}, WholeBitmapOver(column, at, picture), true);
  BitBlt(picture.Canvas().Handle(), at.X, at.Y, column.Width(), column.Height(), column.Canvas().Handle(), 0, 0,
         SRCCOPY);
}

void TsSkinableMenus::CollectHoles(int width, int height) {
  const int mask = manager_.GetMaskIndex(manager_.GetSkinIndex(kMainMenu), kMainMenu, "BORDERSMASK");
  if (!manager_.IsValidMaskIndex(mask)) return;
  const SkinModel& skin = manager_.Skin();
  const TsMaskData& border = skin.Masks()[static_cast<size_t>(mask)];
  CollectCornerHoles(holeRects_, width, border, &skin.MasterBitmap(), false, 0);
  CollectCornerHoles(holeRects_, width, border, &skin.MasterBitmap(), true, height - manager_.MaskWidthBottom(mask));
}

}  // namespace sundrel
