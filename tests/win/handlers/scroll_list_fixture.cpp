#include "scroll_list_fixture.h"

#include <string>

#include "scroll_bar_mouse.h"

namespace sundrel::testing {

void ScrollListTest::SetUp() {
  FrameworkTest::SetUp();
  form = application->CreateForm<TForm>();
  form->SetBounds(40, 40, 360, 300);
  manager = TidewaterManager(form, folder.Path());
  form->Show();
  list = MakeList(kItems);
  handler = Attach(list);
  ASSERT_TRUE(handler->Skinned());
  ASSERT_TRUE(handler->VertBar()->Visible);
}

void ScrollListTest::TearDown() {
  handler.reset();
  if (IsWindow(list)) DestroyWindow(list);
  FrameworkTest::TearDown();
}

HWND ScrollListTest::MakeList(int items, int x) const {
  HWND window = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, x,
                                10, 160, 200, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int i = 0; i < items; ++i) {
    const std::wstring text = L"Part " + std::to_wstring(i + 1);
    SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  return window;
}

std::unique_ptr<TacEditWnd> ScrollListTest::Attach(HWND window) const {
  auto made = std::make_unique<TacEditWnd>(window, "EDIT", nullptr, nullptr);
  made->Create(true);
  return made;
}

int ScrollListTest::TopIndex() const {
  return static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
}

POINT ScrollListTest::UpArrow() const {
  return UpArrowPoint(*handler);
}

POINT ScrollListTest::DownArrow() const {
  return DownArrowPoint(*handler);
}

POINT ScrollListTest::Thumb() const {
  return ThumbPoint(*handler);
}

void ScrollListTest::Press(POINT point) const {
  PressAt(list, point);
}

void ScrollListTest::MoveTo(POINT point) const {
  testing::MoveTo(list, point);
}

void ScrollListTest::Release(POINT point) const {
  ReleaseAt(list, point);
}

}  // namespace sundrel::testing
