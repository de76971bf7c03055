// A plain system list box of 200 items on a form whose manager shows the program's own skin, with
// the scroll handler that a skinned control would put on it, and the points of its skinned bar.
#pragma once

#include <windows.h>

#include <memory>

#include "tidewater_controls.h"
#include "windows/handlers/ac_base_wnd.h"

namespace sundrel::testing {

inline constexpr int kItems = 200;

class ScrollListTest : public FrameworkTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A list box on the form with `items` lines.
  HWND MakeList(int items, int x = 10) const;
  std::unique_ptr<TacEditWnd> Attach(HWND window) const;
  int TopIndex() const;
  // Screen points on the vertical bar: the arrows' centres, the thumb's centre.
  POINT UpArrow() const;
  POINT DownArrow() const;
  POINT Thumb() const;
  // Posts the press at the screen point as the system would after hit-testing it.
  void Press(POINT point) const;
  void MoveTo(POINT point) const;
  void Release(POINT point) const;

  FreshSlots fresh;
  test::TempDir folder;
  TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
  HWND list = nullptr;
  std::unique_ptr<TacEditWnd> handler;
};

}  // namespace sundrel::testing
