// The main window's merge list and its context menu, with the program's own skin, driven as a
// user would: the menu opens on a context-menu request and is worked from inside its loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/umain.h"
#include "framework/removal_token.h"
#include "framework_test_support.h"
#include "windows/menus/s_skinable_menus.h"
#include "windows/provider/s_system_menu.h"

namespace sundrel {
class TCustomForm;
class TsSkinProvider;
}  // namespace sundrel

namespace sundrel::testing {

// The screen under a window, 0x00BBGGRR per pixel, the top row first.
struct TMenuPicture {
  int Width = 0;
  int Height = 0;
  std::vector<COLORREF> Pixels;
  COLORREF At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};
TMenuPicture CaptureWindow(HWND window);
// The screen in the rectangle.
TMenuPicture CaptureArea(const RECT& bounds);

void SavePicture(const TMenuPicture& picture, const std::string& name);

class MainWindowMenu : public FrameworkTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // One step of work inside the open menu, given its window: true when it is done, and the next
  // step may follow at the next tick.
  using TMenuStep = std::function<bool(HWND menuWindow)>;
  // Opens a menu with `open` and runs the steps inside it, one per timer tick, with the first
  // menu window found; the menu is closed a tick after the last one unless a step closed it
  // (chose an item, pressed Esc). `open` may run the menu's loop itself or leave it to the
  // messages that follow; either way this returns after the menu has closed. With stepsClose,
  // a menu that a tick after the last step is still open is a failure.
  void WithMenu(const std::function<void()>& open, std::vector<TMenuStep> steps, bool stepsClose = false);
  // Opens the list's context menu as a right click does.
  void WithContextMenu(std::vector<TMenuStep> steps);
  // Alt+Space on the keyboard, for the active window.
  static void PressAltSpace();
  // Opens the main window's system menu as a click on the title icon or Alt+Space does.
  void WithSystemMenu(bool byKeyboard, std::vector<TMenuStep> steps, bool stepsClose = false);
  // A step that waits until every visible item (but the lines) of the open menu that shows the
  // children of `items` has been drawn once; the list's context menu by default.
  TMenuStep ItemsDrawn();
  TMenuStep ItemsDrawn(const TMenuItem& items);
  // A step that presses the key in the open menu.
  static TMenuStep Press(WPARAM key);
  // A step that waits until the item (found when the step runs) has been drawn hot.
  TMenuStep DrawnHot(std::function<const TMenuItem*()> item);
  // Steps that pick out the item by keyboard and wait until it has been drawn hot.
  std::vector<TMenuStep> Hot(TMenuItem* item, int downPresses);

  TsSkinableMenus& Painter();
  // The form's provider, none before the form was first activated.
  static TsSkinProvider* ProviderOf(TCustomForm& form);
  // The main window's skinned system menu, none before the window was first activated.
  TsSystemMenu* SystemMenu();
  // The visible menu window of this thread that shows the children of `items`, or none.
  static HWND MenuWindowOf(const TMenuItem& items);
  // The system menu's items' types (MFT_*) and texts, as the open menu holds them.
  struct TSystemItem {
    UINT Type = 0;
    std::wstring Text;
  };
  static std::vector<TSystemItem> SystemItems(HWND menuWindow);
  // The rectangle of the item of the open menu, in the menu window's coordinates.
  static RECT ItemRect(HWND menuWindow, int position);

  Tfrmmain* form = nullptr;
  TRemovalToken automaticSkinning;
  // How often the title icon was clicked.
  int clicks = 0;
  // Items drawn since the menu opened, with the state they were drawn in.
  std::vector<std::pair<TMenuItem*, UINT>> drawn;
};

}  // namespace sundrel::testing
