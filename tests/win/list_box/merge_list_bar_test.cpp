// The merge list's scroll bar is the skin's: a handler on the list's window paints it and answers
// the mouse on it, the list's own changes never let the system's bar show through, and taking the
// skin away and back gives the system's bar back and ours again without leaving anything behind.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/skin_utilities.h"
#include "leak_cycles.h"
#include "merge_list_fixture.h"
#include "resource_count.h"
#include "scroll_bar_mouse.h"
#include "skin/model/skin_model.h"
#include "windows/handlers/ac_base_wnd.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

// The screen rectangle as the screen shows it now: nothing is redrawn first, so a bar the system
// drew over ours is still there to be seen.
std::unique_ptr<TBitmap> Grab(const TRect& r) {
  auto grab = std::make_unique<TBitmap>(r.Width(), r.Height());
  HDC screen = GetDC(nullptr);
  BitBlt(grab->Canvas().Handle(), 0, 0, r.Width(), r.Height(), screen, r.Left, r.Top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return grab;
}

// The pixels of the bitmap's rectangle, row by row.
std::vector<TColor> PixelsOf(TBitmap& bitmap, const TRect& r) {
  std::vector<TColor> pixels;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) pixels.push_back(PixelOf(bitmap, x, y));
  }
  return pixels;
}

std::vector<TColor> ScreenPixels(const TRect& r) {
  return PixelsOf(*Grab(r), TRect{0, 0, r.Width(), r.Height()});
}

class MergeListBar : public MergeList {
 protected:
  void SetUp() override {
    MergeList::SetUp();
    // The cursor stays off the list, so that no part of the bar is hot unless a test wants it.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    ASSERT_NE(Handler(), nullptr);
  }

  TacEditWnd* Handler() const { return dynamic_cast<TacEditWnd*>(TacMainWnd::Find(list->Handle())); }
  TRect Bar() const { return Handler()->BarRect(*Handler()->VertBar()); }
  HWND Window() const { return list->Handle(); }

  // The bar as our painter draws it for the list's scroll information of now.
  std::vector<TColor> BarAsPainted() const {
    RECT window{};
    GetWindowRect(Window(), &window);
    TBitmap picture(window.right - window.left, window.bottom - window.top);
    Handler()->PaintBars(picture.Canvas().Handle());
    GdiFlush();
    const TRect r = Bar();
    return PixelsOf(picture,
                    TRect{r.Left - window.left, r.Top - window.top, r.Right - window.left, r.Bottom - window.top});
  }

  // The colour the skin gives the middle of the track below the thumb.
  TColor TrackColour() const {
    const TsSkinManager& manager = *form->sSkinManager1;
    return ColorToRGB(manager.Skin().Sections().at(static_cast<size_t>(manager.GetSkinIndex("SCROLLBAR2V"))).Color);
  }
  // A screen point in the middle of the track, below the thumb of a list scrolled to its top.
  POINT LowerTrack() const {
    const TRect r = Bar();
    return {(r.Left + r.Right) / 2, r.Bottom - r.Width() - 8};
  }

  void SaveMergePage(const char* name) const {
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    TidewaterForm::SaveScreenshot(*Grab(TRect{r.left, r.top, r.right, r.bottom}), name);
  }
};

TEST_F(MergeListBar, TheBarIsTheSkinsOwn) {
  EXPECT_EQ(SendSkinCommand(Window(), SMC_IS_SKINNED), 1);
  ASSERT_TRUE(Handler()->VertBar()->Visible);
  EXPECT_GT(list->Count(), 0);
  EXPECT_EQ(ScreenPixels(Bar()), BarAsPainted());
  const POINT track = LowerTrack();
  EXPECT_EQ(ScreenPixels(TRect{track.x, track.y, track.x + 1, track.y + 1}).front(), TrackColour());
}

TEST_F(MergeListBar, ClickingTheDownArrowMovesTheTopItemByOne) {
  ASSERT_EQ(list->TopIndex(), 0);
  const POINT arrow = DownArrowPoint(*Handler());
  PressAt(Window(), arrow);
  ASSERT_TRUE(PumpUntil([&] { return ScrollTracking().PressPortion == spSecondArrow; }));
  ReleaseAt(Window(), arrow);
  ASSERT_TRUE(PumpUntil([&] { return ScrollTracking().PressPortion == spNone; }));
  EXPECT_EQ(list->TopIndex(), 1);
}

TEST_F(MergeListBar, DraggingTheThumbToTheBottomShowsTheLastItem) {
  const POINT grab = ThumbPoint(*Handler());
  const POINT below{grab.x, grab.y + 1000};
  PressAt(Window(), grab);
  ASSERT_TRUE(PumpUntil([&] { return Handler()->ThumbDragging; }));
  SetCursorPos(below.x, below.y);
  MoveTo(Window(), below);
  ReleaseAt(Window(), below);
  ASSERT_TRUE(PumpUntil([&] { return !Handler()->ThumbDragging; }));
  RECT last{}, client{};
  SendMessageW(Window(), LB_GETITEMRECT, list->Count() - 1, reinterpret_cast<LPARAM>(&last));
  GetClientRect(Window(), &client);
  EXPECT_GE(last.top, 0);
  EXPECT_LE(last.bottom, client.bottom);
}

TEST_F(MergeListBar, ChangesOfTheListLeaveOurBarOnTheScreen) {
  struct Change {
    const char* name;
    std::function<void()> make;
  };
  const Change changes[] = {
      {"caret past the bottom", [&] { list->SetItemIndex(150); }},
      {"selected past the bottom", [&] { SendMessageW(Window(), LB_SETSEL, TRUE, 190); }},
      {"current past the bottom", [&] { SendMessageW(Window(), LB_SETCURSEL, 120, 0); }},
      {"top item", [&] { list->SetTopIndex(10); }},
      {"item deleted", [&] { list->Items().Delete(0); }},
      {"item added", [&] { list->Items().Add("oak 999"); }},
      {"page key", [&] { SendMessageW(Window(), WM_KEYDOWN, VK_NEXT, 0); }},
      {"wheel", [&] { SendMessageW(Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0); }},
      {"cleared", [&] { list->Clear(); }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.name);
    change.make();
    TidewaterForm::Settle();
    EXPECT_EQ(ScreenPixels(Bar()), BarAsPainted());
  }
}

TEST_F(MergeListBar, ARebuiltWindowHasOurBarToo) {
  const HWND before = Window();
  list->SetSorted(true);  // the system takes sorting only when it makes the window
  ASSERT_NE(Window(), before);
  ASSERT_NE(Handler(), nullptr);
  EXPECT_EQ(Handler()->Window(), Window());
  TidewaterForm::Settle();
  EXPECT_EQ(ScreenPixels(Bar()), BarAsPainted());
}

TEST_F(MergeListBar, WithoutTheSkinTheSystemsBarComesBackAndWithItOursAgain) {
  TsSkinManager& manager = *form->sSkinManager1;
  const POINT track = LowerTrack();
  const TColor skinTrack = TrackColour();
  manager.SetActive(false);
  TidewaterForm::Settle();
  EXPECT_EQ(Handler(), nullptr);
  EXPECT_EQ(SendSkinCommand(Window(), SMC_IS_SKINNED), 0);
  EXPECT_EQ(list->Color(), clWindow);
  EXPECT_NE(ScreenPixels(TRect{track.x, track.y, track.x + 1, track.y + 1}).front(), skinTrack);
  manager.SetActive(true);
  TidewaterForm::Settle();
  ASSERT_NE(Handler(), nullptr);
  EXPECT_EQ(ScreenPixels(Bar()), BarAsPainted());
  EXPECT_EQ(ScreenPixels(TRect{track.x, track.y, track.x + 1, track.y + 1}).front(), TrackColour());
}

TEST_F(MergeListBar, SkinChangesLeakNothing) {
  TsSkinManager& manager = *form->sSkinManager1;
  // As the user sees it: each change is painted before the next one comes.
  auto cycle = [&] {
    manager.SetActive(false);
    manager.SetActive(true);
    TidewaterForm::Settle();
  };
  cycle();
  const TResourceCount before = CountResources();
  for (int i = 0; i < LeakCycles(); ++i) cycle();
  EXPECT_EQ(CountResources(), before);
  EXPECT_NE(Handler(), nullptr);
}

// The screen shows the skin's bar in each state the user puts it in, with pictures for people to
// look at: the thumb lights up under the mouse and moves down while dragged.
TEST_F(MergeListBar, TheBarOnTheScreenIsTheSkinsNormalHotAndDragged) {
  list->SetTopIndex(60);
  TidewaterForm::Settle();
  const std::vector<TColor> normal = ScreenPixels(Bar());
  EXPECT_EQ(normal, BarAsPainted()) << "normal";
  SaveMergePage("merge-bar-normal.png");
  const POINT thumb = ThumbPoint(*Handler());
  SetCursorPos(thumb.x, thumb.y);
  SendMessageW(Window(), WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(thumb.x, thumb.y));
  ASSERT_TRUE(PumpUntil([] { return ScrollTracking().HoverPortion == spThumb; }));
  TidewaterForm::Settle();
  const std::vector<TColor> hot = ScreenPixels(Bar());
  EXPECT_EQ(hot, BarAsPainted()) << "hot";
  EXPECT_NE(hot, normal) << "the thumb under the mouse is drawn hot";
  SaveMergePage("merge-bar-hot.png");
  PressAt(Window(), thumb);
  ASSERT_TRUE(PumpUntil([&] { return Handler()->ThumbDragging; }));
  const POINT lower{thumb.x, thumb.y + 30};
  SetCursorPos(lower.x, lower.y);
  MoveTo(Window(), lower);
  ASSERT_TRUE(PumpUntil([&] { return list->TopIndex() > 60; }));
  TidewaterForm::Settle();
  EXPECT_NE(ScreenPixels(Bar()), hot) << "the thumb moved with the mouse";
  SaveMergePage("merge-bar-dragged.png");
  ReleaseAt(Window(), lower);
  ASSERT_TRUE(PumpUntil([&] { return !Handler()->ThumbDragging; }));
  TidewaterForm::Settle();
  EXPECT_EQ(ScreenPixels(Bar()), BarAsPainted()) << "released where it was dragged to";
}

}  // namespace
}  // namespace sundrel
