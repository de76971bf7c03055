// Combo boxes of the three styles on a form, their children skinned the way a dialog's walk skins
// them: the printed drop-down list combo with its chosen text, the simple combo's edit part, the
// dropped list's border and bar against what the painter paints, the mouse on the dropped list,
// the strip a simple combo box shows below its list, and the list handler's life over many drops
// and many combo boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "dialog_controls_fixture.h"
#include "framework_test_support.h"
#include "leak_cycles.h"
#include "resource_count.h"
#include "screen_capture.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"
#include "tidewater_controls.h"
#include "windows/dialog_controls/ac_combo_box_wnd.h"
#include "windows/dialog_controls/dialog_child_handler.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr int kManyItems = 30;

// A combo box with items "Part 1" to "Part <items>".
HWND NativeCombo(HWND parent, LONG style, RECT place, int items) {
  HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | style, place.left,
                               place.top, place.right - place.left, place.bottom - place.top, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  for (int i = 1; i <= items; ++i) {
    const std::wstring item = L"Part " + std::to_wstring(i);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  return combo;
}

// The combo box skinned as a dialog's walk skins it: its children first, then the combo box.
void SkinAsTheDialogDoes(HWND combo, std::vector<std::unique_ptr<TacMainWnd>>& handlers) {
  for (HWND child = GetWindow(combo, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (auto handler = MakeDialogChildHandler(child)) handlers.push_back(std::move(handler));
  }
  handlers.push_back(MakeDialogChildHandler(combo));
}

HWND ListOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(combo, &info);
  return info.hwndList;
}

class ComboBoxTest : public DialogControlsTest {
 protected:
  void SetUp() override {
    DialogControlsTest::SetUp();
    form->SetBounds(40, 40, 480, 360);
    // The cursor stays away, so that nothing is hot unless a test wants it.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  }

  // A combo box on the form, skinned as a dialog's walk skins it.
  HWND MakeCombo(LONG style, int x, int y, int width, int height, int items) {
    HWND combo = NativeCombo(form->Handle(), style, RECT{x, y, x + width, y + height}, items);
    SkinAsTheDialogDoes(combo, handlers);
    return combo;
  }

  // The same outside a dialog: the combo box alone gets a handler, which takes the section's look.
  HWND MakeComboOutsideDialog(LONG style, int x, int y, int width, int height, int items) {
    HWND combo = NativeCombo(form->Handle(), style, RECT{x, y, x + width, y + height}, items);
    auto handler = std::make_unique<TacComboBoxWnd>(combo, "COMBOBOX", manager, nullptr);
    handler->Create(true);
    handlers.push_back(std::move(handler));
    return combo;
  }

  static TacComboBoxWnd& HandlerOf(HWND combo) { return *dynamic_cast<TacComboBoxWnd*>(TacMainWnd::Find(combo)); }

  // Drops the list and waits until it shows with its handler.
  static HWND Drop(HWND combo) {
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    HWND list = ListOf(combo);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(list) && TacMainWnd::Find(list) != nullptr; }));
    return list;
  }

  RECT FormAndList(HWND list) const {
    RECT formRect{}, listRect{}, both{};
    GetWindowRect(form->Handle(), &formRect);
    GetWindowRect(list, &listRect);
    UnionRect(&both, &formRect, &listRect);
    return both;
  }

  TColor BorderColor() const { return ColorToRGB(manager->SkinData().BorderColor); }
  const SkinModel& Skin() const { return manager->Skin(); }
};

// How many pixels of the rectangle have exactly the colour.
int CountColour(TBitmap& bitmap, const RECT& r, COLORREF colour) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) count += GetPixel(bitmap.Canvas().Handle(), x, y) == colour ? 1 : 0;
  }
  return count;
}

std::unique_ptr<TBitmap> Printed(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  auto bitmap = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(bitmap->Canvas().Handle()), PRF_CLIENT | PRF_NONCLIENT);
  GdiFlush();
  return bitmap;
}

TEST_F(ComboBoxTest, APrintedDropDownListShowsItsChosenTextOnTheHighlightOnlyWhileFocused) {
  struct Case {
    const char* name;
    bool focused;
    int chosen;
    bool textShows;
  };
  const Case cases[] = {
      {"focused, an item chosen", true, 1, true},
      {"not focused, an item chosen", false, 1, true},
      {"not focused, nothing chosen", false, -1, false},
  };
  HWND combo = MakeCombo(CBS_DROPDOWNLIST, 10, 10, 140, 200, 3);
  HWND other = MakeCombo(CBS_DROPDOWN, 160, 10, 140, 200, 3);
  TacComboBoxWnd& handler = HandlerOf(combo);
  const TsGeneralData& section = Skin().Sections()[static_cast<size_t>(handler.SkinData()->SkinIndex)];
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT), highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetFocus(c.focused ? combo : other);
    ASSERT_EQ(GetFocus() == combo, c.focused);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(c.chosen), 0);
    const std::unique_ptr<TBitmap> printed = Printed(combo);
    const RECT button = handler.ButtonRect();
    const RECT text{4, 4, button.left - 1, printed->Height() - 4};
    // The end of the text area, where no letter reaches.
    const COLORREF behind = GetPixel(printed->Canvas().Handle(), text.right - 2, printed->Height() / 2);
    EXPECT_EQ(behind, c.focused ? highlight : static_cast<COLORREF>(ColorToRGB(clWindow)));
    const COLORREF letters = c.focused ? highlightText : static_cast<COLORREF>(ColorToRGB(section.FontColor[0]));
    EXPECT_EQ(CountColour(*printed, text, letters) > 0, c.textShows);
    if (!c.focused) {
      EXPECT_EQ(CountColour(*printed, text, highlight), 0);
    }
    // The dialog look around it: a clWindow field framed in the skin's border colour.
    EXPECT_EQ(GetPixel(printed->Canvas().Handle(), 0, printed->Height() / 2), BorderColor());
  }
}

// With its button on the left, the chosen text goes right of the button.
TEST_F(ComboBoxTest, AButtonOnTheLeftLeavesTheChosenTextOnItsRight) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST, 10, 10, 140, 200, 3);
  SetWindowLongW(combo, GWL_EXSTYLE, GetWindowLongW(combo, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  SetFocus(combo);
  const std::unique_ptr<TBitmap> printed = Printed(combo);
  const RECT button = HandlerOf(combo).ButtonRect();
  ASSERT_LT(button.right, printed->Width() / 2) << "the button is on the left";
  const RECT text{button.right + 1, 4, printed->Width() - 4, printed->Height() - 4};
  EXPECT_EQ(GetPixel(printed->Canvas().Handle(), text.right - 2, printed->Height() / 2), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_GT(CountColour(*printed, text, GetSysColor(COLOR_HIGHLIGHTTEXT)), 0);
}

// The simple combo box's own part is its edit field: the frame goes round that, not round the
// whole window, and below the list the form shows through.
TEST_F(ComboBoxTest, TheSimpleComboFramesItsEditPart) {
  HWND combo = MakeCombo(CBS_SIMPLE, 10, 10, 140, 150, kManyItems);
  TacComboBoxWnd& handler = HandlerOf(combo);
  const int editHeight = handler.EditPartHeight();
  const std::unique_ptr<TBitmap> printed = Printed(combo);
  EXPECT_EQ(printed->Height() > editHeight, true);
  HDC dc = printed->Canvas().Handle();
  for (const POINT frame : {POINT{0, editHeight / 2}, POINT{printed->Width() / 2, 0},
                            POINT{printed->Width() / 2, editHeight - 1}, POINT{printed->Width() - 1, editHeight / 2}}) {
    SCOPED_TRACE(::testing::Message() << frame.x << "," << frame.y);
    EXPECT_EQ(GetPixel(dc, frame.x, frame.y), BorderColor());
  }
  EXPECT_EQ(GetPixel(dc, 1, editHeight / 2), ColorToRGB(clWindow));
  // On the screen too, after the combo box painted itself.
  RECT r{};
  GetWindowRect(combo, &r);
  const TScreenShot shot = SettledCapture(r);
  EXPECT_EQ(shot.At(r.left, r.top + editHeight / 2), BorderColor());
  EXPECT_EQ(shot.At(r.left + 1, r.top + editHeight / 2), ColorToRGB(clWindow));
}

// A simple combo box's list printed: the list's own picture with the ring and the skinned bar.
TEST_F(ComboBoxTest, APrintedSimpleListCarriesItsRingAndBar) {
  HWND combo = MakeCombo(CBS_SIMPLE, 10, 10, 140, 150, kManyItems);
  HWND list = ListOf(combo);
  auto* handler = dynamic_cast<TacComboListWnd*>(TacMainWnd::Find(list));
  ASSERT_NE(handler, nullptr);
  EXPECT_TRUE(handler->SimpleCombo);
  ASSERT_TRUE(handler->VertBar()->Visible);
  const std::unique_ptr<TBitmap> printed = Printed(list);
  TBitmap painted(printed->Width(), printed->Height());
  handler->PaintBars(painted.Canvas().Handle());
  GdiFlush();
  RECT r{};
  GetWindowRect(list, &r);
  const TRect bar = handler->BarRect(*handler->VertBar());
  int barDiffers = 0;
  for (int y = bar.Top - r.top; y < bar.Bottom - r.top; ++y) {
    for (int x = bar.Left - r.left; x < bar.Right - r.left; ++x) {
      barDiffers += GetPixel(printed->Canvas().Handle(), x, y) != GetPixel(painted.Canvas().Handle(), x, y) ? 1 : 0;
    }
  }
  EXPECT_EQ(barDiffers, 0);
  EXPECT_EQ(GetPixel(printed->Canvas().Handle(), 0, printed->Height() / 2), BorderColor());
}

// The list of a simple combo box keeps whole items, so the combo box shows a strip of itself
// below it: on a panel that lends its picture, the strip shows that picture.
using SimpleComboOnPanel = TidewaterControls;

TEST_F(SimpleComboOnPanel, TheStripBelowTheListShowsThePanelsPicture) {
  form->Show();
  std::vector<std::unique_ptr<TacMainWnd>> handlers;
  HWND combo = NativeCombo(parent->Handle(), CBS_SIMPLE, RECT{150, 20, 270, 172}, kManyItems);
  SkinAsTheDialogDoes(combo, handlers);
  RECT comboRect{}, listRect{};
  GetWindowRect(combo, &comboRect);
  SettledCapture(comboRect);
  HWND list = ListOf(combo);
  GetWindowRect(list, &listRect);
  ASSERT_GT(comboRect.bottom - listRect.bottom, 1);
  constexpr TColor kPanelPicture = 0x336699;
  FillParent(kPanelPicture);
  SendMessageW(list, WM_NCPAINT, 1, 0);
  const TScreenShot strip = SettledCapture(RECT{comboRect.left, listRect.bottom, comboRect.right, comboRect.bottom});
  EXPECT_EQ(std::count(strip.Pixels.begin(), strip.Pixels.end(), static_cast<COLORREF>(kPanelPicture)),
            static_cast<std::ptrdiff_t>(strip.Pixels.size()));
  handlers.clear();
}

// The dropped list of a combo box with more items than it shows: its frame and its bar on the
// screen are what the painter paints for it.
TEST_F(ComboBoxTest, TheDroppedListHasTheSkinsRingAndBar) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST, 10, 10, 140, 200, kManyItems);
  HWND list = Drop(combo);
  auto* handler = dynamic_cast<TacComboListWnd*>(TacMainWnd::Find(list));
  ASSERT_NE(handler, nullptr);
  EXPECT_EQ(handler, HandlerOf(combo).ListHandler.get());
  ASSERT_TRUE(handler->VertBar()->Visible);
  RECT r{};
  GetWindowRect(list, &r);
  const TScreenShot shot = SettledCapture(r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  TBitmap painted(width, height);
  handler->PaintBars(painted.Canvas().Handle());
  GdiFlush();
  const TRect bar = handler->BarRect(*handler->VertBar());
  int barDiffers = 0;
  for (int y = bar.Top; y < bar.Bottom; ++y) {
    for (int x = bar.Left; x < bar.Right; ++x) {
      barDiffers += shot.At(x, y) != GetPixel(painted.Canvas().Handle(), x - r.left, y - r.top) ? 1 : 0;
    }
  }
  EXPECT_EQ(barDiffers, 0);
  // The ring, two pixels wide, from the list's picture.
  TBitmap* cache = handler->SkinData()->CacheBmp();
  ASSERT_NE(cache, nullptr);
  ASSERT_EQ(cache->Height(), height);
  int ringDiffers = 0;
  for (int y = 0; y < height; ++y) {
    for (const int x : {0, 1})
      ringDiffers += shot.At(r.left + x, r.top + y) != GetPixel(cache->Canvas().Handle(), x, y);
  }
  for (int x = 0; x < bar.Left - r.left; ++x) {
    for (const int y : {0, 1, height - 2, height - 1}) {
      ringDiffers += shot.At(r.left + x, r.top + y) != GetPixel(cache->Canvas().Handle(), x, y);
    }
  }
  EXPECT_EQ(ringDiffers, 0);
  EXPECT_EQ(shot.At(r.left, r.top + height / 2), BorderColor());
}

// A click on the dropped list's down arrow reaches the list as a press outside its items while
// it holds the mouse; the list scrolls by one and stays dropped. A click on an item then chooses
// it and closes the list.
TEST_F(ComboBoxTest, TheDroppedListsBarScrollsItAndAnItemStillClosesIt) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST, 10, 10, 140, 200, kManyItems);
  HWND list = Drop(combo);
  auto& handler = *dynamic_cast<TacComboListWnd*>(TacMainWnd::Find(list));
  ASSERT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
  const auto click = [&](POINT screen) {
    ScreenToClient(list, &screen);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
    PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(screen.x, screen.y));
  };
  const TRect bar = handler.BarRect(*handler.VertBar());
  click(POINT{(bar.Left + bar.Right) / 2, bar.Bottom - 3});
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(list, LB_GETTOPINDEX, 0, 0) == 1; }, 3000));
  PumpUntil([] { return ScrollTracking().PressPortion == spNone; });
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(GetCapture(), list);
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item));
  POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list, &middle);
  click(middle);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(list); }));
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 3);
}

// The list's own tracking: a press on an item and the mouse held below the list scroll it, as
// without the skin.
TEST_F(ComboBoxTest, ADroppedListScrollsWhileTheMouseIsHeldBelowIt) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST, 10, 10, 140, 200, kManyItems);
  HWND list = Drop(combo);
  ASSERT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
  RECT client{};
  GetClientRect(list, &client);
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
  PostMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, client.bottom + 20));
  EXPECT_TRUE(PumpUntil([&] { return SendMessageW(list, LB_GETTOPINDEX, 0, 0) >= 3; }, 3000));
  PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(10, client.bottom - 5));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(list); }));
}

// The list's handler lives as long as its combo box's: dropping and closing many times, and many
// combo boxes made, dropped and freed, leave the GDI objects and windows as they were.
TEST_F(ComboBoxTest, DropsAndCombosComeAndGoWithoutLeaks) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST, 10, 10, 140, 200, kManyItems);
  const auto dropAndClose = [](HWND window) {
    HWND list = Drop(window);
    SendMessageW(window, CB_SHOWDROPDOWN, FALSE, 0);
    PumpUntil([&] { return !IsWindowVisible(list); });
  };
  dropAndClose(combo);
  TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) dropAndClose(combo);
  EXPECT_EQ(CountResources(), before);
  const auto comeAndGo = [&] {
    HWND another = MakeCombo(CBS_DROPDOWNLIST, 160, 10, 140, 200, kManyItems);
    dropAndClose(another);
    HWND list = ListOf(another);
    handlers.pop_back();
    EXPECT_EQ(TacMainWnd::Find(list), nullptr);
    DestroyWindow(another);
  };
  comeAndGo();
  before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) comeAndGo();
  EXPECT_EQ(CountResources(), before);
}

// The three styles as the dialog's walk skins them show the skin's border on the screen, and so
// does the dropped list; pictures of them and of the look outside a dialog are saved for people to
// look at.
TEST_F(ComboBoxTest, TheThreeStylesAndADroppedListShowTheSkinsBorder) {
  HWND dropList = MakeCombo(CBS_DROPDOWNLIST, 10, 10, 140, 200, kManyItems);
  HWND dropDown = MakeCombo(CBS_DROPDOWN, 160, 10, 140, 200, 3);
  HWND simple = MakeCombo(CBS_SIMPLE, 310, 10, 140, 150, kManyItems);
  SendMessageW(dropList, CB_SETCURSEL, 1, 0);
  // Below them the look the handlers give outside a dialog.
  SendMessageW(MakeComboOutsideDialog(CBS_DROPDOWNLIST, 10, 180, 140, 200, kManyItems), CB_SETCURSEL, 2, 0);
  MakeComboOutsideDialog(CBS_DROPDOWN, 160, 180, 140, 200, 3);
  MakeComboOutsideDialog(CBS_SIMPLE, 310, 180, 140, 130, kManyItems);
  SetFocus(dropList);
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  const TScreenShot styles = SettledCapture(r);
  SaveScreenshot(styles, "combo-three-styles.png");
  for (const HWND combo : {dropList, dropDown, simple}) {
    SCOPED_TRACE(::testing::Message() << "style 0x" << std::hex << (GetWindowLongW(combo, GWL_STYLE) & 3));
    RECT c{};
    GetWindowRect(combo, &c);
    // The middle of the edit part's left edge, which a system combo box draws sunken.
    const int middle = combo == simple ? HandlerOf(combo).EditPartHeight() / 2 : (c.bottom - c.top) / 2;
    EXPECT_EQ(styles.At(c.left, c.top + middle), BorderColor());
  }
  HWND list = Drop(dropList);
  const TScreenShot dropped = SettledCapture(FormAndList(list));
  SaveScreenshot(dropped, "combo-dropped-list.png");
  RECT l{};
  GetWindowRect(list, &l);
  EXPECT_EQ(dropped.At(l.left, (l.top + l.bottom) / 2), BorderColor()) << "the dropped list's ring";
}

}  // namespace
}  // namespace sundrel
