#include "menu_fixture.h"

#include <algorithm>
#include <utility>

#include "base/handles_win32.h"
#include "framework/menu_handles.h"
#include "screen_capture.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/auto/auto_skinning.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel::testing {

TMenuPicture CaptureWindow(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return CaptureArea(bounds);
}

TMenuPicture CaptureArea(const RECT& bounds) {
  TScreenShot shot = CaptureScreen(bounds);
  return TMenuPicture{shot.Width(), shot.Height(), std::move(shot.Pixels)};
}

// Scaled up three times, so that single pixels of the frame and the separator can be seen.
void SavePicture(const TMenuPicture& picture, const std::string& name) {
  SaveScreenshot(TScreenShot{RECT{0, 0, picture.Width, picture.Height}, picture.Pixels}, name, 3);
}

void MainWindowMenu::SetUp() {
  FrameworkTest::SetUp();
  // As the program starts: the main window gets its provider, and so its skinned system menu.
  automaticSkinning = SkinWindowsAutomatically();
  form = application->CreateForm<Tfrmmain>();
  form->Show();
  ASSERT_TRUE(PumpUntil([this] { return GetActiveWindow() == form->Handle() && SystemMenu() != nullptr; }, 5000))
      << "the main window is active and skinned";
  form->sPageControl1->SetActivePage(form->sTabSheet2);
  for (const char* part : {"movie.avi.vexl1", "movie.avi.vexl2", "movie.avi.vexl3"}) {
    form->slst1->Items().Add(part);
  }
  ASSERT_NE(form->sSkinManager1->MenuPainter(), nullptr) << "the program's manager paints its menus";
  Painter().OnDrawItem = [this](TMenuItem& item, TCanvas&, const TRect&, UINT state, TsMenuItemType) {
    drawn.emplace_back(&item, state);
  };
  PumpUntil([] { return false; }, 100);
}

void MainWindowMenu::TearDown() {
  form = nullptr;
  FrameworkTest::TearDown();
  automaticSkinning.Remove();
}

TsSkinableMenus& MainWindowMenu::Painter() {
  return dynamic_cast<TsSkinableMenus&>(*form->sSkinManager1->MenuPainter());
}

void MainWindowMenu::WithMenu(const std::function<void()>& open, std::vector<TMenuStep> steps, bool stepsClose) {
  drawn.clear();
  size_t next = 0;
  int ticks = 0;
  bool leftOpen = false;
  TOwned<TTimer> driver(new TTimer(nullptr));
  driver->SetInterval(20);
  driver->OnTimer = [&](TObject*) {
    const HWND menu = FindThreadWindow(L"#32768");
    if (menu == nullptr) return;
    // A menu still open a tick after its last step was not closed by it.
    if (next == steps.size()) {
      leftOpen = true;
      EndMenu();
    } else if (++ticks > 500) {
      ADD_FAILURE() << "step " << next << " of the menu never completed";
      next = steps.size();
      EndMenu();
    } else if (steps[next](menu)) {
      ++next;
    }
  };
  open();
  PumpUntil([&] { return next == steps.size() && FindThreadWindow(L"#32768") == nullptr; });
  driver->SetEnabled(false);
  EXPECT_EQ(next, steps.size()) << "the menu closed (or never opened) before its steps were done";
  if (stepsClose) {
    EXPECT_FALSE(leftOpen) << "the menu stayed open after its last step";
  }
  // What a closed menu leaves on the screen goes before anyone looks there again.
  PumpUntil([] { return false; }, 50);
}

void MainWindowMenu::WithContextMenu(std::vector<TMenuStep> steps) {
  WithMenu(
      [this] {
        RECT list{};
        GetWindowRect(form->slst1->Handle(), &list);
        SendMessageW(form->slst1->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->slst1->Handle()),
                     MAKELPARAM((list.left + list.right) / 2, (list.top + list.bottom) / 2));
      },
      std::move(steps));
}

namespace {

INPUT KeyInput(WORD key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = flags;
  return input;
}

INPUT MouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

void MainWindowMenu::PressAltSpace() {
  INPUT keys[] = {KeyInput(VK_MENU, 0), KeyInput(VK_SPACE, 0), KeyInput(VK_SPACE, KEYEVENTF_KEYUP),
                  KeyInput(VK_MENU, KEYEVENTF_KEYUP)};
  SendInput(4, keys, sizeof(INPUT));
}

void MainWindowMenu::WithSystemMenu(bool byKeyboard, std::vector<TMenuStep> steps, bool stepsClose) {
  WithMenu(
      [this, byKeyboard] {
        if (byKeyboard) {
          PressAltSpace();
          return;
        }
        // Two quick clicks on the same spot of the icon are a double click, which closes the
        // window: every other click lands a few pixels to the side.
        const int aside = clicks++ % 2 == 0 ? -4 : 4;
        RECT bounds{};
        GetWindowRect(form->Handle(), &bounds);
        TsSkinProvider& provider = *ProviderOf(*form);
        const RECT icon = provider.IconRect();
        SetCursorPos(bounds.left + (icon.left + icon.right) / 2 + aside, bounds.top + (icon.top + icon.bottom) / 2);
        INPUT click[] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
        SendInput(2, click, sizeof(INPUT));
      },
      std::move(steps), stepsClose);
}

MainWindowMenu::TMenuStep MainWindowMenu::ItemsDrawn() {
  return ItemsDrawn(*form->pm1->Items());
}

MainWindowMenu::TMenuStep MainWindowMenu::ItemsDrawn(const TMenuItem& items) {
  return [this, &items](HWND) {
    int visibleNormal = 0;
    for (int i = 0; i < items.Count(); ++i) {
      TMenuItem* item = items.Items(i);
      if (!item->Visible() || item->IsLine()) continue;
      ++visibleNormal;
      if (std::none_of(drawn.begin(), drawn.end(), [item](const auto& d) { return d.first == item; })) return false;
    }
    return visibleNormal > 0;
  };
}

MainWindowMenu::TMenuStep MainWindowMenu::Press(WPARAM key) {
  return [key](HWND menu) {
    PostMessageW(menu, WM_KEYDOWN, key, 0);
    return true;
  };
}

TsSkinProvider* MainWindowMenu::ProviderOf(TCustomForm& form) {
  return dynamic_cast<TsSkinProvider*>(reinterpret_cast<TComponent*>(SendSkinCommand(form.Handle(), SMC_GET_PROVIDER)));
}

TsSystemMenu* MainWindowMenu::SystemMenu() {
  TsSkinProvider* provider = form != nullptr ? ProviderOf(*form) : nullptr;
  return provider != nullptr ? provider->SystemMenu() : nullptr;
}

namespace {

struct TMenuWindowSearch {
  const TMenuItem* Items;
  HWND Found;
};

BOOL CALLBACK MatchMenuWindow(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<TMenuWindowSearch*>(lParam);
  if (!IsWindowVisible(window) || ClassNameOf(window) != L"#32768") return TRUE;
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
  if (ItemsOfMenu(menu) != search.Items) return TRUE;
  search.Found = window;
  return FALSE;
}

}  // namespace

HWND MainWindowMenu::MenuWindowOf(const TMenuItem& items) {
  TMenuWindowSearch search{&items, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), MatchMenuWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

MainWindowMenu::TMenuStep MainWindowMenu::DrawnHot(std::function<const TMenuItem*()> item) {
  return [this, item](HWND) {
    const TMenuItem* hot = item();
    return std::any_of(drawn.begin(), drawn.end(),
                       [hot](const auto& d) { return d.first == hot && (d.second & ODS_SELECTED) != 0; });
  };
}

std::vector<MainWindowMenu::TMenuStep> MainWindowMenu::Hot(TMenuItem* item, int downPresses) {
  return {ItemsDrawn(),
          [downPresses](HWND menu) {
            for (int i = 0; i < downPresses; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
            return true;
          },
          DrawnHot([item] { return item; }),
          // The hot picture reaches the screen before anyone looks.
          [](HWND) { return true; }};
}

std::vector<MainWindowMenu::TSystemItem> MainWindowMenu::SystemItems(HWND menuWindow) {
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
  std::vector<TSystemItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 63;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    items.push_back({info.fType, text});
  }
  return items;
}

RECT MainWindowMenu::ItemRect(HWND menuWindow, int position) {
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
  RECT item{}, window{};
  GetMenuItemRect(menuWindow, menu, static_cast<UINT>(position), &item);
  GetWindowRect(menuWindow, &window);
  OffsetRect(&item, -window.left, -window.top);
  return item;
}

}  // namespace sundrel::testing
