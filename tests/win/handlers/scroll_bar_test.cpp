// The skinned bar of a plain system list box of 200 items: arrows scroll by a line and repeat on
// their timers, the thumb drags to the last item, hovering follows the mouse and is forgotten with
// its window, and the native bar never shows through the skinned one.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/handles_win32.h"
#include "message_recorder.h"
#include "screen_capture.h"
#include "scroll_list_fixture.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

using ScrollBar = ScrollListTest;

TEST_F(ScrollBar, ClickOnTheDownArrowScrollsOneLine) {
  Press(DownArrow());
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() == 1; }));
  Release(DownArrow());
  ASSERT_TRUE(PumpUntil([&] { return ScrollTracking().PressPortion == spNone; }));
  EXPECT_EQ(TopIndex(), 1);
  Press(UpArrow());
  Release(UpArrow());
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() == 0; }));
}

TEST_F(ScrollBar, HoldingAnArrowRepeatsOnItsTimers) {
  TMessageRecorder recorder(Messages({WM_VSCROLL, WM_TIMER}));
  recorder.Watch(list, "list");
  Press(DownArrow());
  ASSERT_TRUE(PumpUntil([&] { return recorder.Only(WM_VSCROLL).size() >= 3; }));
  // One request at once; the next only after the first delay's timer hands over to the repeat.
  EXPECT_TRUE(SequenceMatches(recorder.Entries(), {{"list", WM_VSCROLL, sent | wparam, SB_LINEDOWN},
                                                   {"list", WM_TIMER, posted | wparam, kFirstRepeatTimer},
                                                   {"list", WM_TIMER, posted | wparam, kRepeatTimer},
                                                   {"list", WM_VSCROLL, sent | wparam, SB_LINEDOWN},
                                                   {"list", WM_TIMER, posted | wparam, kRepeatTimer},
                                                   {"list", WM_VSCROLL, sent | wparam, SB_LINEDOWN}}));
  EXPECT_EQ(TopIndex(), 3);

  // Off the arrow the repeat goes on without requests; back on it they resume.
  POINT middle{};
  {
    const TRect r = handler->BarRect(*handler->VertBar());
    middle = {r.Left - 40, (r.Top + r.Bottom) / 2};
  }
  MoveTo(middle);
  ASSERT_TRUE(PumpUntil([&] { return ScrollTracking().ShownPortion == spNone; }));
  recorder.Clear();
  ASSERT_TRUE(PumpUntil([&] { return recorder.Only(WM_TIMER).size() >= 3; }));
  EXPECT_TRUE(recorder.Only(WM_VSCROLL).empty());
  MoveTo(DownArrow());
  ASSERT_TRUE(PumpUntil([&] { return !recorder.Only(WM_VSCROLL).empty(); }));

  recorder.Clear();
  Release(DownArrow());
  ASSERT_TRUE(PumpUntil([&] { return ScrollTracking().PressPortion == spNone; }));
  EXPECT_TRUE(SequenceMatches(recorder.Only(WM_VSCROLL), {{"list", WM_VSCROLL, sent | wparam, SB_ENDSCROLL}}));
}

TEST_F(ScrollBar, DraggingTheThumbToTheBottomShowsTheLastItem) {
  TMessageRecorder recorder(Messages({WM_VSCROLL}));
  recorder.Watch(list, "list");
  const POINT grab = Thumb();
  Press(grab);
  ASSERT_TRUE(PumpUntil([&] { return handler->ThumbDragging; }));
  SetCursorPos(grab.x, grab.y + 1000);
  MoveTo({grab.x, grab.y + 1000});
  // The list follows the thumb while it is dragged, before the release.
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() > 0; }));
  Release({grab.x, grab.y + 1000});
  ASSERT_TRUE(PumpUntil([&] { return !handler->ThumbDragging; }));
  RECT last{}, client{};
  SendMessageW(list, LB_GETITEMRECT, kItems - 1, reinterpret_cast<LPARAM>(&last));
  GetClientRect(list, &client);
  EXPECT_LE(last.bottom, client.bottom);
  EXPECT_GE(last.top, 0);
  // The last track position goes out again as the final position, then the end of the scroll.
  const TMessageSequence& seen = recorder.Entries();
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(LOWORD(seen[seen.size() - 3].wParam), SB_THUMBTRACK);
  EXPECT_EQ(seen[seen.size() - 2].wParam, seen[seen.size() - 3].wParam - SB_THUMBTRACK + SB_THUMBPOSITION);
  EXPECT_EQ(seen.back().wParam, static_cast<WPARAM>(SB_ENDSCROLL));
}

TEST_F(ScrollBar, RightClickOnTheBarIsSwallowed) {
  const POINT point = Thumb();
  EXPECT_EQ(SendMessageW(list, WM_NCRBUTTONDOWN, HTVSCROLL, MAKELPARAM(point.x, point.y)), 0);
  EXPECT_EQ(SendMessageW(list, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)), HTVSCROLL);
}

TEST_F(ScrollBar, HoverIsForgottenWhenItsWindowGoes) {
  HWND other = MakeList(kItems, 180);
  auto otherHandler = Attach(other);
  const TRect r = otherHandler->BarRect(*otherHandler->VertBar());
  SendMessageW(other, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(r.Left + 2, r.Top + 40));
  EXPECT_EQ(ScrollTracking().HoverBar, bkVertical);
  EXPECT_EQ(ScrollTracking().TrackWindow, other);
  DestroyWindow(other);
  EXPECT_EQ(ScrollTracking().TrackWindow, nullptr);
  EXPECT_EQ(ScrollTracking().HoverBar, -1);
  // Another window's bar of the same kind lights up again.
  const POINT thumb = Thumb();
  SendMessageW(list, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(thumb.x, thumb.y));
  EXPECT_EQ(ScrollTracking().HoverBar, bkVertical);
  EXPECT_EQ(ScrollTracking().TrackWindow, list);
}

// The screen under the down arrow's button, which the native bar draws differently.
std::vector<COLORREF> DownArrowPixels(HWND window, POINT centre) {
  const WindowDC screen(nullptr);
  std::vector<COLORREF> pixels;
  for (int y = -4; y <= 2; ++y) {
    for (int x = -6; x <= 6; ++x) pixels.push_back(GetPixel(screen.get(), centre.x + x, centre.y + y));
  }
  (void)window;
  return pixels;
}

TEST_F(ScrollBar, NativeBarNeverShowsThrough) {
  PumpUntil([] { return false; }, 300);
  const std::vector<COLORREF> skinned = DownArrowPixels(list, DownArrow());
  struct Action {
    const char* name;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
  };
  const Action actions[] = {{"add", LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"One more")},
                            {"top", LB_SETTOPINDEX, 50, 0},
                            {"line", WM_VSCROLL, SB_LINEDOWN, 0},
                            {"key", WM_KEYDOWN, VK_NEXT, 0},
                            {"wheel", WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0},
                            {"select", LB_SETCURSEL, 120, 0},
                            {"delete", LB_DELETESTRING, 0, 0}};
  for (const Action& action : actions) {
    SCOPED_TRACE(action.name);
    SendMessageW(list, action.msg, action.wParam, action.lParam);
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(DownArrowPixels(list, DownArrow()), skinned);
  }
}

// The list as the screen shows it, twice the size so that the bar's pixels can be seen.
void SaveWindow(HWND window, const std::string& name) {
  RECT r{};
  GetWindowRect(window, &r);
  SaveScreenshot(CaptureScreen(r), name, 2);
}

// The vertical bar on the screen, and as the handler paints it in its present state.
std::pair<TScreenShot, TScreenShot> BarShownAndPainted(TacScrollWnd& handler) {
  const TRect bar = handler.BarRect(*handler.VertBar());
  const TScreenShot shown = CaptureScreen(RECT{bar.Left, bar.Top, bar.Right, bar.Bottom});
  RECT window{};
  GetWindowRect(handler.Window(), &window);
  const WindowDC screen(nullptr);
  const UniqueDC memory(CreateCompatibleDC(screen.get()));
  const UniqueBitmap picture(
      CreateCompatibleBitmap(screen.get(), window.right - window.left, window.bottom - window.top));
  const HGDIOBJ old = SelectObject(memory.get(), picture.get());
  handler.PaintBars(memory.get());
  TScreenShot painted{shown.Area, {}};
  for (int y = bar.Top; y < bar.Bottom; ++y) {
    for (int x = bar.Left; x < bar.Right; ++x)
      painted.Pixels.push_back(GetPixel(memory.get(), x - window.left, y - window.top));
  }
  SelectObject(memory.get(), old);
  return {shown, painted};
}

// The screen shows the skin's bar in each state the user puts it in (pictures of them are saved
// for people to look at): the thumb lights up under the mouse and moves while dragged.
TEST_F(ScrollBar, TheScreenShowsTheSkinsBarNormalHotAndDragged) {
  // Waits until the screen shows the bar as the handler paints it now, and answers that picture.
  const auto settled = [&](const char* state) {
    TScreenShot shown;
    EXPECT_TRUE(PumpUntil([&] {
      const auto [onScreen, painted] = BarShownAndPainted(*handler);
      shown = onScreen;
      return onScreen == painted;
    })) << state
        << ": the screen does not show the skin's bar";
    return shown;
  };
  SendMessageW(list, LB_SETTOPINDEX, 60, 0);
  const TScreenShot normal = settled("normal");
  SaveWindow(list, "scroll-list-normal.png");
  const POINT thumb = Thumb();
  SetCursorPos(thumb.x, thumb.y);
  SendMessageW(list, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(thumb.x, thumb.y));
  ASSERT_TRUE(PumpUntil([] { return ScrollTracking().HoverPortion == spThumb; }));
  const TScreenShot hot = settled("hot");
  EXPECT_NE(hot, normal) << "the thumb under the mouse is drawn hot";
  SaveWindow(list, "scroll-list-hot.png");
  Press(thumb);
  ASSERT_TRUE(PumpUntil([&] { return handler->ThumbDragging; }));
  // The real cursor goes along: the system reports where it is to the window holding the mouse.
  SetCursorPos(thumb.x, thumb.y + 40);
  MoveTo({thumb.x, thumb.y + 40});
  ASSERT_TRUE(PumpUntil([&] { return TopIndex() > 60; }));
  // While the thumb is held, the picture on the screen follows the tracking position, which the
  // handler's painting into another context need not match at the same moment: the thumb is
  // expected to have left its hot place, and the bar to be the skin's again once released.
  EXPECT_TRUE(PumpUntil([&] { return BarShownAndPainted(*handler).first != hot; }))
      << "the thumb moved with the mouse";
  SaveWindow(list, "scroll-list-dragged.png");
  Release({thumb.x, thumb.y + 40});
  ASSERT_TRUE(PumpUntil([&] { return !handler->ThumbDragging; }));
  settled("released");
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

}  // namespace
}  // namespace sundrel
