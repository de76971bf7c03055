// A popup menu with a painter: its items are owner-drawn, and the painter gets the menu's
// messages with the framework items that the system's items carry.
#include "framework/menu_painter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "framework/menus.h"
#include "framework/timer.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

using sundrel::testing::FindThreadWindow;

class TRecordingPainter : public TMenuPainter {
 public:
  void EnterMenuLoop() override { events.push_back("enter"); }
  void ExitMenuLoop() override { events.push_back("exit"); }
  void InitMenuPopup(HMENU, TMenuItem& items) override { events.push_back("popup " + items.Name()); }
  void MeasureItem(TMenuItem& item, MEASUREITEMSTRUCT& measure) override {
    measured.insert(item.Name());
    measure.itemWidth = 80;
    measure.itemHeight = item.IsLine() ? 4 : 20;
  }
  void DrawItem(TMenuItem& item, const DRAWITEMSTRUCT&) override { drawn.insert(item.Name()); }
  void SelectItem(TMenuItem* item) override { events.push_back("select " + (item ? item->Name() : "nothing")); }

  std::vector<std::string> events;
  std::set<std::string> measured, drawn;
};

class MenuPainter : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    menu = new TPopupMenu(application.get());
  }
  TMenuItem* Add(TMenuItem* parent, const char* name, const char* caption) {
    auto* item = new TMenuItem(menu);
    item->SetName(name);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  TPopupMenu* menu = nullptr;
};

TEST_F(MenuPainter, GetsTheMenuMessagesWithTheFrameworkItems) {
  menu->Items()->SetName("root");
  Add(menu->Items(), "one", "One");
  Add(menu->Items(), "line", "-");
  Add(menu->Items(), "hidden", "Hidden")->SetVisible(false);
  Add(Add(menu->Items(), "more", "More"), "inner", "Inner");
  TRecordingPainter painter;
  menu->SetPainter(&painter);
  int clicks = 0;
  menu->Items()->Items(0)->OnClick = [&](TObject*) { ++clicks; };

  // Once the menu shows, the keyboard picks its first item, and then the menu is closed.
  TOwned<TTimer> driver(new TTimer(nullptr));
  driver->SetInterval(20);
  bool pressed = false;
  driver->OnTimer = [&](TObject*) {
    HWND window = FindThreadWindow(L"#32768");
    if (window == nullptr) return;
    if (!pressed) {
      pressed = true;
      PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    } else if (std::find(painter.events.begin(), painter.events.end(), "select one") != painter.events.end()) {
      EndMenu();
    }
  };
  menu->Popup(100, 100);
  driver->SetEnabled(false);

  ASSERT_FALSE(painter.events.empty());
  EXPECT_EQ(painter.events.front(), "enter");
  EXPECT_EQ(painter.events.back(), "exit");
  EXPECT_EQ(painter.events[1], "popup root");
  EXPECT_NE(std::find(painter.events.begin(), painter.events.end(), "select one"), painter.events.end());
  EXPECT_EQ(painter.measured, (std::set<std::string>{"one", "line", "more"}));
  EXPECT_EQ(painter.drawn, (std::set<std::string>{"one", "line", "more"}));
  EXPECT_EQ(clicks, 0) << "closing the menu chose nothing";
}

}  // namespace
}  // namespace sundrel
