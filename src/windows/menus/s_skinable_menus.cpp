// The menu painter's wiring, measuring and shaping requests; the menu picture and the items are
// painted in menu_picture.cpp and menu_item_paint.cpp.
#include "windows/menus/s_skinable_menus.h"

#include <algorithm>

#include "framework/application.h"
#include "paint/shared_slots.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"
#include "windows/menus/menu_fonts.h"
#include "windows/menus/menu_items.h"
#include "windows/menus/menu_window_handlers.h"
#include "windows/menus/menu_window_shaper.h"

namespace sundrel {

namespace {

// The first item of the skin selection submenu of a form's system menu: that menu never shows
// the extra line.
constexpr const char* kSkinSelectItem = "SkinSelectItem";
constexpr const char* kExtraLinePlaceholder = "Don`t forget OnGetExtraLineData event...";
constexpr UINT kMeasureFlags = DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE;
// The system shows owner-drawn items this much wider than measured; a menu whose window is not
// known is estimated so.
constexpr int kShownWiderThanMeasured = 12;

}  // namespace

TsSkinableMenus::TsSkinableMenus(TsSkinManager& manager) : manager_(manager) {}

TsSkinableMenus::~TsSkinableMenus() {
  if (skinning_) InitMenus(false);
}

int TsSkinableMenus::SkinBorderWidth() {
  if (skinBorderWidth_ >= 0) return skinBorderWidth_;
  const int mask = manager_.GetMaskIndex(manager_.GetSkinIndex("MAINMENU"), "MAINMENU", "BORDERSMASK");
  if (!manager_.IsValidMaskIndex(mask)) {
    skinBorderWidth_ = 0;
  } else {
    const int width = manager_.Skin().Masks()[static_cast<size_t>(mask)].BorderWidth;
    skinBorderWidth_ = width > 0 ? width : 3;
  }
  return skinBorderWidth_;
}

void TsSkinableMenus::InitMenus(bool skinned) {
  skinning_ = skinned;
  // The windows of the menus come and go with the menus' items.
  menuWindows_ = skinned ? HandleMenuWindows() : TRemovalToken();
  if (Application != nullptr) WireComponent(Application, skinned);
}

void TsSkinableMenus::InitPopupMenu(TPopupMenu& menu, bool skinned) {
  WirePopupMenu(menu, skinned && skinning_);
}

void TsSkinableMenus::WireComponent(TComponent* component, bool skinned) {
  if (auto* popup = dynamic_cast<TPopupMenu*>(component)) WirePopupMenu(*popup, skinned);
  for (int i = 0; i < component->ComponentCount(); ++i) WireComponent(component->Components(i), skinned);
}

// A menu that the application gave a painter of its own keeps it, and only this painter is
// taken off again.
void TsSkinableMenus::WirePopupMenu(TPopupMenu& menu, bool skinned) {
  if (skinned && manager_.SkinnedPopups() && menu.Painter() == nullptr) {
    menu.SetPainter(this);
  } else if (!skinned && menu.Painter() == this) {
    menu.SetPainter(nullptr);
  }
}

void TsSkinableMenus::FreeMenuPicture() {
  MenuState().MenuPicture.reset();
}

void TsSkinableMenus::EnterMenuLoop() {
  openMenus_.clear();
}

// The menu windows are gone: so is the state of the menu they showed.
void TsSkinableMenus::ExitMenuLoop() {
  openMenus_.clear();
  ReleaseMenuState();
}

// A menu or submenu is about to open: its window is painted from the skin from its first erase
// on, also after a submenu's window went (which clears the flag) while its parent stays open.
void TsSkinableMenus::InitMenuPopup(HMENU menu, TMenuItem&) {
  MenuState().MenuShowing = true;
  openMenus_.push_back(menu);
}

void TsSkinableMenus::ShapeWindowOfItem(UINT command) {
  if (!MenuState().MenuPicture) return;
  for (HMENU menu : openMenus_) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_ID;
      if (!GetMenuItemInfoW(menu, position, TRUE, &info) || info.wID != command) continue;
      RECT r{};
      if (GetMenuItemRect(nullptr, menu, position, &r)) {
        ShapeMenuWindow(WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
      }
      return;
    }
  }
}

void TsSkinableMenus::ShapeMenuWindow(HWND window) {
  const TMenuWindowShaper& shaper = MenuWindowShaper();
  if (window != nullptr && shaper) shaper(window, MenuState().MenuPicture.get(), holeRects_);
}

void TsSkinableMenus::MeasureItem(TMenuItem& item, MEASUREITEMSTRUCT& measure) {
  if (item.IsDestroying()) return;
  TacMenuState& state = MenuState();
  state.MenuShowing = true;
  TMenuItem& first = FirstItemOf(item);
  if (first.Command() != state.CurrentMenu) {
    ReleaseMenuState();
    state.CurrentMenu = first.Command();
  }
  state.CurrentItemType = ItemTypeOf(item.Caption());
  if (!state.ExtraLineBusy && !state.ExtraLineReady) {
    // The application's handler may measure menu items itself: it is asked once.
    SlotScope busy(state.ExtraLineBusy, true);
    GetExtraLineData(first);
  }
  TMeasuringCanvas measuring;
  measure.itemWidth = static_cast<UINT>(ItemWidth(measuring.Canvas(), item));
  measure.itemHeight = static_cast<UINT>(ItemHeight(measuring.Canvas(), item));
}

int TsSkinableMenus::ItemWidth(TCanvas& canvas, TMenuItem& item) {
  UseMenuFont(canvas.Font(), item);
  std::string text;
  switch (ItemTypeOf(item.Caption())) {
    case smDivider:
      break;
    case smCaption:
      text = "-" + item.Caption() + "-";
      break;
    default: {
      const TItemTexts texts = ItemTextsOf(item.Caption());
      text = texts.Caption + texts.Shortcut;
      break;
    }
  }
  return 2 * kMenuGlyphSize + TextWidth(canvas, text, kMeasureFlags) + 3 * Margin + Spacing + ExtraWidthBeside(item);
}

int TsSkinableMenus::ItemHeight(TCanvas& canvas, const TMenuItem& item) {
  UseMenuFont(canvas.Font(), item);
  return ItemHeightFor(ItemTypeOf(item.Caption()), LetterHeight(canvas), Margin);
}

SIZE TsSkinableMenus::EstimatedMenuSize(TMenuItem& item) {
  TMeasuringCanvas measuring;
  // The columns before the current one: their widths with the gaps between them, and the
  // tallest of them.
  int finishedWidth = 0, tallest = 0;
  int columnWidth = 0, columnHeight = 0;
  TMenuItem* parent = item.Parent();
  for (int i = 0; parent != nullptr && i < parent->Count(); ++i) {
    TMenuItem& sibling = *parent->Items(i);
    if (!sibling.Visible()) continue;
    if (sibling.Break()) {
      finishedWidth += columnWidth + kMenuColumnGap;
      tallest = std::max(tallest, columnHeight);
      columnWidth = columnHeight = 0;
    }
    columnWidth = std::max(columnWidth, ItemWidth(measuring.Canvas(), sibling) + kShownWiderThanMeasured);
    columnHeight += ItemHeight(measuring.Canvas(), sibling);
  }
  return {finishedWidth + columnWidth + 2 * BorderWidth, std::max(tallest, columnHeight) + 2 * BorderWidth};
}

int TsSkinableMenus::ShownExtraWidth() const {
  const TacMenuSupport& support = manager_.MenuSupport();
  return support.UseExtraLine && MenuState().ExtraLineVisible ? support.ExtraLineWidth : 0;
}

int TsSkinableMenus::ExtraWidthBeside(const TMenuItem& item) const {
  return IsInFirstColumn(item) ? ShownExtraWidth() : 0;
}

void TsSkinableMenus::GetExtraLineData(TMenuItem& firstItem) {
  TacMenuState& state = MenuState();
  if (firstItem.Name() == kSkinSelectItem) {
    state.ExtraLineVisible = false;
    return;
  }
  state.ExtraLineSection = "EXTRALINE";
  // The glyph of an earlier menu must not reach this one's handler, nor this one's picture.
  state.ExtraLineGlyph.SetSize(0, 0);
  state.ExtraLineVisible = true;
  state.ExtraLineText = kExtraLinePlaceholder;
  if (manager_.OnGetMenuExtraLineData) {
    manager_.OnGetMenuExtraLineData(&firstItem, state.ExtraLineSection, state.ExtraLineText, state.ExtraLineGlyph,
                                    state.ExtraLineVisible);
  }
  std::erase(state.ExtraLineText, '&');
  if (!state.ExtraLineVisible) state.ExtraLineGlyph.SetSize(0, 0);
  state.ExtraLineReady = true;
}

}  // namespace sundrel
