#include "scroll_list_fixture.h"

#include <string>

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
  const TRect r = handler->BarRect(*handler->VertBar());
  return {(r.Left + r.Right) / 2, r.Top + 3};
}

POINT ScrollListTest::DownArrow() const {
  const TRect r = handler->BarRect(*handler->VertBar());
  return {(r.Left + r.Right) / 2, r.Bottom - 3};
}

POINT ScrollListTest::Thumb() const {
  const TacScrollBar& bar = *handler->VertBar();
  const TRect r = handler->BarRect(bar);
  const TacThumb thumb = ThumbGeometry(bar.Range(), r.Height(), bar.PlainArrow(), bar.MinThumb);
  return {(r.Left + r.Right) / 2, r.Top + thumb.Start + thumb.Size / 2};
}

void ScrollListTest::Press(POINT point) const {
  const LRESULT hit = SendMessageW(list, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
  PostMessageW(list, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(point.x, point.y));
}

void ScrollListTest::MoveTo(POINT point) const {
  ScreenToClient(list, &point);
  PostMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x, point.y));
}

void ScrollListTest::Release(POINT point) const {
  ScreenToClient(list, &point);
  PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

}  // namespace sundrel::testing
