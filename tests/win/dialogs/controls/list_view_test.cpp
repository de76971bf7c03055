// A report-view list view with its handler: the rows follow a thumb drag item by item, and a press
// on a column of a clickable header presses that column until the mouse is released.
#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>

#include "dialog_controls_fixture.h"
#include "framework_test_support.h"
#include "screen_capture.h"
#include "windows/dialog_controls/ac_list_view_wnd.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

class ReportListView : public DialogControlsTest {
 protected:
  void SetUp() override {
    DialogControlsTest::SetUp();
    form->SetBounds(40, 40, 360, 300);
    list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 10, 10, 300, 200,
                           form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 2; ++i) {
      std::wstring title = i == 0 ? L"Name" : L"Size";
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.cx = 120;
      column.pszText = title.data();
      SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    for (int i = 0; i < 200; ++i) {
      std::wstring text = L"movie.vexl" + std::to_wstring(i + 1);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = i;
      item.pszText = text.data();
      SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    handler = std::make_unique<TacListViewWnd>(list, "EDIT", manager, nullptr);
    handler->Create(true);
    ASSERT_TRUE(handler->ReportView());
    ASSERT_NE(handler->HeaderWindow, nullptr);
  }
  void TearDown() override {
    handler.reset();
    DestroyWindow(list);
    DialogControlsTest::TearDown();
  }

  int TopIndex() const { return static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)); }

  HWND list = nullptr;
  std::unique_ptr<TacListViewWnd> handler;
};

TEST_F(ReportListView, RowsFollowTheThumbItemByItem) {
  for (const int position : {1, 50, 20}) {
    SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
    EXPECT_EQ(TopIndex(), position);
  }
}

TEST_F(ReportListView, APressOnAColumnPressesItUntilRelease) {
  HWND header = handler->HeaderWindow;
  ASSERT_NE(GetWindowLongW(header, GWL_STYLE) & HDS_BUTTONS, 0);
  RECT second{};
  SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  const LPARAM inside = MAKELPARAM((second.left + second.right) / 2, (second.top + second.bottom) / 2);
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  EXPECT_EQ(handler->PressedColumn, 1);
  SendMessageW(header, WM_LBUTTONUP, 0, inside);
  EXPECT_EQ(handler->PressedColumn, -1);
  RECT shown{};
  GetWindowRect(form->Handle(), &shown);
  SaveScreenshot(SettledCapture(shown), "report-list-view.png");
}

}  // namespace
}  // namespace sundrel
