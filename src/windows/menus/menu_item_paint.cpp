// Drawing popup menu items over the menu picture: each item is composed off-screen in a picture
// of its own, started from the menu picture under it, and copied to the menu in one block.
//
// The menu picture has the menu window's size. Item rectangles are on the window's client area,
// which lies a few pixels inside the window where the system gives menus a frame (and at its
// corner where, as under Wine, the frame is drawn on the client area): every copy between the
// picture and the menu is moved by that offset.
#include <algorithm>
#include <string>

#include "controls/section_paint_win32.h"
#include "framework/application.h"
#include "paint/blend.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/mask/mask_glyph.h"
#include "skin/mask/mask_rect.h"
#include "skin/model/skin_model.h"
#include "skin/section/section_paint.h"
#include "windows/menus/menu_fonts.h"
#include "windows/menus/menu_items.h"
#include "windows/menus/s_skinable_menus.h"

namespace sundrel {

namespace {

// The frame of a menu window, where the items' area begins inside it; also the offset of the
// client area where the window is not known.
constexpr int kMenuFrame = 3;
constexpr const char* kMenuItem = "MENUITEM";
constexpr const char* kGlobalInfo = "GLOBALINFO";
// The gap between a shortcut's text and the item's right edge.
constexpr int kShortcutInset = 8;
// A disabled item keeps this share of itself over the menu picture.
constexpr double kDisabledTransparency = 0.4;

UINT AlignmentFlag(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify:
      return DT_RIGHT;
    case taCenter:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

void CopyWhole(HDC destination, TPoint at, TBitmap& source) {
  BitBlt(destination, at.X, at.Y, source.Width(), source.Height(), source.Canvas().Handle(), 0, 0, SRCCOPY);
}

}  // namespace

void TsSkinableMenus::DrawItem(TMenuItem& item, const DRAWITEMSTRUCT& draw) {
  TacMenuState& state = MenuState();
  TMenuItem& first = FirstItemOf(item);
  if (first.Command() != state.CurrentMenu) ReleaseMenuState();
  const HWND window = WindowFromDC(draw.hDC);
  SIZE size{};
  int clientOffset = kMenuFrame;
  if (window != nullptr) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    size = {bounds.right - bounds.left, bounds.bottom - bounds.top};
    clientOffset = origin.x - bounds.left;
  } else {
    size = EstimatedMenuSize(item);
  }
  BuildMenuPicture(first, size.cx, size.cy, window);

  TCanvas canvas;
  canvas.SetHandle(draw.hDC);
  const RECT& r = draw.rcItem;
  const TItemPlace place{canvas, {r.left, r.top, r.right, r.bottom}, clientOffset, ExtraWidthBeside(item)};
  if (window != nullptr) {
    CopyWindowFrame(window, item, place);
  } else {
    AskToShapeLater(item);
  }
  switch (ItemTypeOf(item.Caption())) {
    case smDivider:
      DrawSeparator(place);
      break;
    case smCaption:
      DrawCaptionItem(item, place);
      break;
    default:
      DrawNormalItem(item, place, draw.itemState);
      break;
  }
}

// The frame strips beside the item come from the picture too, so the window shows the skin's
// frame without being repainted as a whole.
void TsSkinableMenus::CopyWindowFrame(HWND window, const TMenuItem& item, const TItemPlace& place) {
  TBitmap& picture = *MenuState().MenuPicture;
  const WholeWindowDC dc(window);
  const auto copy = [&](int x, int y, int width, int height) {
    BitBlt(dc.get(), x, y, width, height, picture.Canvas().Handle(), x, y, SRCCOPY);
  };
  const int top = place.ClientOffset + place.R.Top;
  if (IsFirstVisible(item)) copy(0, 0, picture.Width(), BorderWidth);
  if (IsLastVisible(item)) copy(0, picture.Height() - BorderWidth, picture.Width(), BorderWidth);
  copy(0, top, place.ExtraWidth + std::max(SkinBorderWidth(), BorderWidth), place.R.Height());
  copy(picture.Width() - BorderWidth, top, BorderWidth, place.R.Height());
}

// Asks the manager to find the menu window later. The item goes by its identifier: by the time
// the request arrives, the menu and its items may be gone.
void TsSkinableMenus::AskToShapeLater(const TMenuItem& item) {
  if (Application == nullptr) return;
  const HWND target = Application->Handle();
  MSG queued;
  if (PeekMessageW(&queued, target, WM_SHAPE_MENU_OF_ITEM, WM_SHAPE_MENU_WINDOW, PM_NOREMOVE)) return;
  PostMessageW(target, WM_SHAPE_MENU_OF_ITEM, 0, static_cast<LPARAM>(item.Command()));
}

void TsSkinableMenus::CopyPictureTo(HDC dc, const TRect& area, TPoint source) {
  BitBlt(dc, area.Left, area.Top, area.Width(), area.Height(), MenuState().MenuPicture->Canvas().Handle(), source.X,
         source.Y, SRCCOPY);
}

void TsSkinableMenus::DrawNormalItem(TMenuItem& item, const TItemPlace& place, UINT state) {
  TacMenuState& menu = MenuState();
  menu.CurrentItemType = smNormal;
  TBitmap& picture = *menu.MenuPicture;
  const TRect& r = place.R;
  const int o = place.ClientOffset;
  const int e = place.ExtraWidth;
  const HDC canvasDC = place.Canvas.Handle();

  // The system paints no item under a column shorter than the menu, nor in the gap left of a
  // new column: there, down to the frame, the menu shows its picture.
  const int itemsBottom = picture.Height() - kMenuFrame - o;
  if (EndsColumn(item) && r.Bottom < itemsBottom) {
    CopyPictureTo(canvasDC, {r.Left, r.Bottom, r.Right, itemsBottom}, {r.Left + o, r.Bottom + o});
  }
  if (item.Break()) {
    const int gap = r.Left - kMenuColumnGap;
    CopyPictureTo(canvasDC, {gap, r.Top, r.Left, itemsBottom}, {gap + o, r.Top + o});
  }

  TBitmap p(r.Width() - e, r.Height());
  const TPoint onPicture{r.Left + e + o, r.Top + o};
  CopyPictureTo(p.Canvas().Handle(), {0, 0, p.Width(), p.Height()}, onPicture);
  const bool enabled = item.Enabled();
  const bool selected = enabled && (state & ODS_SELECTED) != 0;
  const SkinModel& skin = manager_.Skin();
  const int section = manager_.GetSkinIndex(kMenuItem);
  if (manager_.IsValidSkinIndex(section)) {
    PaintSection(skin, {section, kMenuItem},
                 {PixelsOfDibSection(p.Handle()),
                  {0, 0, p.Width(), p.Height()},
                  {r.Left + e, r.Top},
                  selected ? 1 : 0,
                  {PixelsOfDibSection(picture.Handle()), o, o, true}},
                 true);
  }

  if ((state & ODS_CHECKED) != 0) {
    const int global = manager_.GetSkinIndex(kGlobalInfo);
    int mark = manager_.GetMaskIndex(global, kGlobalInfo, item.RadioItem() ? "RADIOCHECKED" : "CHECK");
    if (!manager_.IsValidMaskIndex(mark)) mark = manager_.GetMaskIndex(global, kGlobalInfo, "BOXCHECKED");
    if (manager_.IsValidMaskIndex(mark)) {
      const TSize cell = manager_.GetMaskCellSize(mark);
      DrawMaskGlyph(PixelsOfDibSection(p.Handle()), {Margin, (p.Height() - cell.cy) / 2}, selected ? 1 : 0,
                    skin.Masks()[static_cast<size_t>(mark)], &skin.MasterBitmap(), kGlyphNormal);
    }
  }

  TCanvas& itemCanvas = p.Canvas();
  UseMenuFont(itemCanvas.Font(), item, (state & ODS_DEFAULT) != 0);
  auto [caption, shortcut] = ItemTextsOf(item.Caption());
  UINT flags = AlignmentFlag(Alignment);
  if (!caption.empty() && caption.front() == '\b') {
    caption = caption.substr(1) + "      ";
    flags = DT_RIGHT;
  }
  const RECT textRect{kMenuGlyphSize + 2 * Margin + Spacing, 0, r.Width(), r.Height()};
  const bool hot = enabled && (state & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
  DrawSectionText(itemCanvas, caption, true, &manager_, hot, section,
                  flags | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP, textRect);
  if (!shortcut.empty()) {
    // The shortcut ends a little inside the item's right edge, as the system puts it.
    const int width = TextWidth(itemCanvas, shortcut, DT_EXPANDTABS | DT_SINGLELINE);
    DrawSectionText(itemCanvas, shortcut, true, &manager_, hot, section, DT_VCENTER | DT_SINGLELINE,
                    {p.Width() - width - kShortcutInset, 0, p.Width(), p.Height()});
  }
  if (OnDrawItem) OnDrawItem(item, itemCanvas, {0, 0, p.Width(), p.Height()}, state, menu.CurrentItemType);

  if (!enabled) {
    BlendImageOver(PixelsOfDibSection(p.Handle()), 0, 0, clFuchsia, kDisabledTransparency,
                   {onPicture.X, onPicture.Y, onPicture.X + p.Width() - 1, onPicture.Y + p.Height() - 1},
                   PixelsOfDibSection(picture.Handle()));
  }
  CopyWhole(canvasDC, {r.Left + e, r.Top}, p);
  // Beside the first item the extra line shows, where the item leaves it.
  if (item.MenuIndex() == 0 && e > 0) CopyPictureTo(canvasDC, {0, 0, r.Left + e, picture.Height()}, {o, o});
}

void TsSkinableMenus::DrawSeparator(const TItemPlace& place) {
  const TRect& r = place.R;
  const SkinModel& skin = manager_.Skin();
  const int dividerSection = manager_.GetSkinIndex("DIVIDERV");
  const int divider = dividerSection >= 0
                          ? manager_.GetMaskIndex(dividerSection, "DIVIDERV", "BORDERSMASK")
                          : manager_.GetMaskIndex(manager_.GetSkinIndex("TRACKBAR"), "TRACKBAR", "SLIDERCHANNEL");
  if (!manager_.IsValidMaskIndex(divider)) {
    Bevel3DFrame(place.Canvas.Handle(), r, clGray, 1, clWhite);
    return;
  }
  TBitmap p(r.Width(), r.Height());
  CopyPictureTo(p.Canvas().Handle(), {0, 0, p.Width(), p.Height()},
                {r.Left + place.ClientOffset, r.Top + place.ClientOffset});
  // The line starts just right of where the item texts start.
  int left = place.ExtraWidth + Margin + Spacing;
  const int textColumn = place.ExtraWidth + MenuState().TextColumnLeft;
  if (left < textColumn) left = textColumn + 2;
  const TacPixels pixels = PixelsOfDibSection(p.Handle());
  DrawMaskRect(pixels, {left, 0, p.Width() - Margin, p.Height()}, true, {pixels, 0, 0, true},
               skin.Masks()[static_cast<size_t>(divider)], &skin.MasterBitmap(), 0, true);
  CopyWhole(place.Canvas.Handle(), {r.Left, r.Top}, p);
}

void TsSkinableMenus::DrawCaptionItem(TMenuItem& item, const TItemPlace& place) {
  const TRect& r = place.R;
  const int o = place.ClientOffset;
  const int e = place.ExtraWidth;
  TBitmap p(r.Width(), r.Height());
  CopyPictureTo(p.Canvas().Handle(), {0, 0, p.Width(), p.Height()}, {r.Left + o, r.Top + o});
  const int toolbar = manager_.GetSkinIndex("TOOLBAR");
  if (manager_.IsValidSkinIndex(toolbar) && p.Width() > e + 2 && p.Height() > 2) {
    PaintSection(manager_.Skin(), {toolbar, "TOOLBAR"},
                 {PixelsOfDibSection(p.Handle()),
                  {e + 1, 1, p.Width() - 1, p.Height() - 1},
                  {r.Left + e + 1, r.Top + 1},
                  0,
                  {PixelsOfDibSection(MenuState().MenuPicture->Handle()), o, o, true}},
                 true);
  }
  TCanvas& itemCanvas = p.Canvas();
  itemCanvas.Font().Assign(CaptionFont);
  DrawSectionText(itemCanvas, CaptionItemText(item.Caption()), true, &manager_, false, toolbar,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE, {e, 0, p.Width(), p.Height()});
  CopyWhole(place.Canvas.Handle(), {r.Left, r.Top}, p);
}

}  // namespace sundrel
