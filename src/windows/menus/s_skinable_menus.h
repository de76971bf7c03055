// The menu painter: one for each skin manager, made with it. While the default manager's skin is
// active it paints every popup menu of the application from the skin: it measures the items,
// paints one picture of the whole menu (the "MAINMENU" background and frame, the extra line, the
// icon column) and composes each item over that picture off-screen before copying it to the menu
// in one block. When the skin goes, the menus are the system's again.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "framework/graphics.h"
#include "framework/label.h"
#include "framework/menu_painter.h"
#include "framework/menus.h"
#include "framework/removal_token.h"
#include "paint/geometry.h"
#include "skin/manager/menu_painter_link_win32.h"
#include "windows/menus/menu_state.h"

namespace sundrel {

class TsSkinManager;

// Called after an item has been drawn into its picture, to let the application add to it.
using TsMenuManagerDrawItemEvent =
    std::function<void(TMenuItem& item, TCanvas& canvas, const TRect& rect, UINT state, TsMenuItemType type)>;

class TsSkinableMenus : public TMenuPainter, public TacMenuPainterLink {
 public:
  explicit TsSkinableMenus(TsSkinManager& manager);
  // Takes itself off every menu it is still on.
  ~TsSkinableMenus() override;
  TsSkinableMenus(const TsSkinableMenus&) = delete;
  TsSkinableMenus& operator=(const TsSkinableMenus&) = delete;

  // The inner margin of an item.
  int Margin = 3;
  TAlignment Alignment = taLeftJustify;
  // The thickness of the menu window's frame, as the painter copies it from the picture.
  int BorderWidth = 3;
  // The gap between the glyph column and the text.
  int Spacing = 6;
  // The font of heading items.
  TFont CaptionFont;
  TsMenuManagerDrawItemEvent OnDrawItem;

  // The border width of the menu skin: that of "MAINMENU"'s border image (3 when the image gives
  // none), 0 without one. Worked out from the skin when it was reset.
  int SkinBorderWidth();
  // Whether the menus are wired now.
  bool Skinning() const { return skinning_; }

  // TacMenuPainterLink: what the skin manager asks of its painter.
  void InitMenus(bool skinned) override;
  void InitPopupMenu(TPopupMenu& menu, bool skinned) override;
  void ResetSkinBorderWidth() override { skinBorderWidth_ = -1; }
  void FreeMenuPicture() override;
  void ShapeWindowOfItem(UINT command) override;
  void ShapeMenuWindow(HWND window) override;

  // TMenuPainter: the messages of an open menu.
  void EnterMenuLoop() override;
  void ExitMenuLoop() override;
  void InitMenuPopup(HMENU menu, TMenuItem& items) override;
  void MeasureItem(TMenuItem& item, MEASUREITEMSTRUCT& measure) override;
  void DrawItem(TMenuItem& item, const DRAWITEMSTRUCT& draw) override;

 private:
  // Where an item is being drawn: its rectangle on the menu window's client area, and how far the
  // client area lies inside the window (and so inside the menu picture).
  struct TItemPlace {
    TCanvas& Canvas;
    TRect R;
    int ClientOffset;
    int ExtraWidth;
  };

  void WireComponent(TComponent* component, bool skinned);
  void WirePopupMenu(TPopupMenu& menu, bool skinned);

  // The item's measured width: glyph room on both sides, text, margins, spacing and the extra line.
  int ItemWidth(TCanvas& canvas, TMenuItem& item);
  int ItemHeight(TCanvas& canvas, const TMenuItem& item);
  // The size of the item's menu window worked out from its items, column by column, when the
  // window is not known.
  SIZE EstimatedMenuSize(TMenuItem& item);
  // The width of the extra line, when the menu shows one.
  int ShownExtraWidth() const;
  // The width of the extra line beside the item: it runs beside the first column only.
  int ExtraWidthBeside(const TMenuItem& item) const;
  // Asks the manager for the extra line of the menu whose first item is given.
  void GetExtraLineData(TMenuItem& firstItem);

  // Makes the picture of the menu of the given first item, window-sized, unless it is current.
  void BuildMenuPicture(TMenuItem& firstItem, int width, int height, HWND window);
  void PaintExtraLine(TBitmap& picture, const TMenuItem& firstItem);
  void PaintIconColumn(TBitmap& picture);
  void CollectHoles(int width, int height);

  void CopyWindowFrame(HWND window, const TMenuItem& item, const TItemPlace& place);
  void AskToShapeLater(const TMenuItem& item);
  void DrawNormalItem(TMenuItem& item, const TItemPlace& place, UINT state);
  void DrawSeparator(const TItemPlace& place);
  void DrawCaptionItem(TMenuItem& item, const TItemPlace& place);
  // The part of the menu picture under an area of the canvas.
  void CopyPictureTo(HDC dc, const TRect& area, TPoint source);

  TsSkinManager& manager_;
  bool skinning_ = false;
  int skinBorderWidth_ = -1;
  // The transparent pixels of the menu frame's corners, for the window's shape.
  std::vector<TRect> holeRects_;
  // The system menus open now, for finding an item's window by its identifier.
  std::vector<HMENU> openMenus_;
  // While the menus are wired, every new popup menu window gets its handler.
  TRemovalToken menuWindows_;
};

}  // namespace sundrel
