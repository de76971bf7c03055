// A skinned system dialog's own messages, on a small "#32770" dialog made from a template in
// memory: what the system would paint on a new caption, activation or enabled state never shows
// and the skinned title does; a caption button that changes state is repainted alone; the system
// menu opens owner-drawn by the menu painter; controls made later are skinned when the dialog says
// so; a dialog painted with "FORM" erases only the parts it paints itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "controls/s_common_data.h"
#include "dialog_frame_fixture.h"
#include "skin/manager/menu_painter_link_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/auto/ac_provider.h"
#include "windows/dialog_frame/ac_dialog_wnd.h"
#include "windows/menus/s_skinable_menus.h"
#include "windows/provider/frame_geometry.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

constexpr UINT kControlsChanged = 0x052E;

// A dialog template without controls: the header, no menu, the system's dialog class, the title.
struct alignas(4) TDialogTemplate {
  DLGTEMPLATE Head;
  WORD Menu = 0;
  WORD WindowClass = 0;
  wchar_t Title[16] = L"Parts";
};

INT_PTR CALLBACK WantsAllKeys(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_GETDLGCODE) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, DLGC_WANTALLKEYS);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

POINT Centre(HWND window, const TRect& r) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return POINT{bounds.left + (r.Left + r.Right) / 2, bounds.top + (r.Top + r.Bottom) / 2};
}

class DialogMessages : public DialogFrameTest {
 protected:
  void SetUp() override {
    // The skin paints popup menus, as in the program: the manager made next gets the painter.
    // Set here rather than by the program's registration, which would hold for every test here.
    previousPainterFactory = MenuPainterFactory();
    SetMenuPainterFactory([](TsSkinManager& manager) -> std::unique_ptr<TacMenuPainterLink> {
      return std::make_unique<TsSkinableMenus>(manager);
    });
    DialogFrameTest::SetUp();
    TDialogTemplate dialogTemplate{};
    dialogTemplate.Head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_MINIMIZEBOX | WS_VISIBLE;
    dialogTemplate.Head.x = 10;
    dialogTemplate.Head.y = 10;
    dialogTemplate.Head.cx = 300;
    dialogTemplate.Head.cy = 200;
    dialog =
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialogTemplate.Head, owner->Handle(), WantsAllKeys, 0);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(BecomesSkinned(dialog));
    frame = DialogFrameOf(dialog);
    ASSERT_NE(frame, nullptr);
  }
  void TearDown() override {
    if (IsWindow(dialog)) DestroyWindow(dialog);
    DialogFrameTest::TearDown();
    SetMenuPainterFactory(previousPainterFactory);
  }

  // The top strip of the window on the screen, down to the client area.
  RECT TitleArea() const {
    RECT bounds{};
    GetWindowRect(dialog, &bounds);
    return RECT{bounds.left, bounds.top, bounds.right, bounds.top + ClientOffset(dialog).y};
  }
  // How many pixels of the title strip between the frame strips differ from the frame's picture.
  int TitleDiffersFromPicture(const TScreenShot& shot) const {
    TBitmap& cache = *frame->SkinData()->CacheBmp();
    int differing = 0;
    for (int y = 0; y < shot.Height(); ++y) {
      for (int x = frame->FrameWidth(); x < shot.Width() - frame->FrameWidth(); ++x) {
        if (shot.At(shot.Area.left + x, shot.Area.top + y) != GetPixel(cache.Canvas().Handle(), x, y)) ++differing;
      }
    }
    return differing;
  }
  TacCaptionButton Button(int hitCode) {
    for (const TacCaptionButton& button : frame->CaptionButtons()) {
      if (button.HitCode == hitCode) return button;
    }
    ADD_FAILURE() << "no button " << hitCode;
    return {};
  }
  TMenuPainterFactory previousPainterFactory = nullptr;
  HWND dialog = nullptr;
  TacDialogWnd* frame = nullptr;
};

TEST_F(DialogMessages, ACaptionSetWhileShownIsPaintedInTheSkinnedTitle) {
  const TScreenShot before = SettledCapture(TitleArea());
  SetWindowTextW(dialog, L"Parts of movie.avi, joined again");
  EXPECT_EQ(frame->Caption, "Parts of movie.avi, joined again");
  const TScreenShot after = SettledCapture(TitleArea());
  EXPECT_NE(before, after) << "the new caption shows";
  EXPECT_EQ(TitleDiffersFromPicture(after), 0) << "the title on the screen is the skinned one";
  SaveScreenshot(SettledCapture(dialog), "dialog-new-caption.png");
}

TEST_F(DialogMessages, ACaptionSetWhileHiddenShowsWhenTheDialogDoes) {
  // Inactive first, so that hiding and showing again changes nothing but the caption.
  SetActiveWindow(owner->Handle());
  const TScreenShot before = SettledCapture(TitleArea());
  ShowWindow(dialog, SW_HIDE);
  SetWindowTextW(dialog, L"Set while hidden");
  ShowWindow(dialog, SW_SHOWNA);
  const TScreenShot after = SettledCapture(TitleArea());
  EXPECT_NE(before, after) << "the new caption shows";
  EXPECT_EQ(TitleDiffersFromPicture(after), 0);
}

TEST_F(DialogMessages, TheActiveLookFollowsActivationOnlyWhileShown) {
  const TScreenShot active = SettledCapture(TitleArea());
  SendMessageW(dialog, WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(frame->DialogActive);
  const TScreenShot inactive = SettledCapture(TitleArea());
  EXPECT_NE(active, inactive);
  EXPECT_EQ(TitleDiffersFromPicture(inactive), 0);
  SendMessageW(dialog, WM_NCACTIVATE, TRUE, 0);
  EXPECT_TRUE(frame->DialogActive);

  ShowWindow(dialog, SW_HIDE);
  SendMessageW(dialog, WM_NCACTIVATE, FALSE, 0);
  EXPECT_TRUE(frame->DialogActive) << "a hidden dialog keeps its look";
}

// While the system takes the change with redrawing off, paints that the dialog and its controls
// were waiting for must not be lost.
TEST_F(DialogMessages, WaitingPaintsSurviveTheChangesTheSystemTakesUnseen) {
  const HWND child = CreateWindowExW(0, L"Static", L"waiting", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, dialog, nullptr,
                                     nullptr, nullptr);
  static const wchar_t kNewCaption[] = L"New";
  struct TCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  const TCase cases[] = {
      {"WM_SETTEXT", WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kNewCaption)},
      {"WM_NCACTIVATE", WM_NCACTIVATE, TRUE, 0},
      {"WM_ENABLE", WM_ENABLE, TRUE, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    SettledCapture(dialog);
    InvalidateRect(dialog, nullptr, TRUE);
    InvalidateRect(child, nullptr, TRUE);
    SendMessageW(dialog, c.message, c.wParam, c.lParam);
    RECT waiting{};
    EXPECT_TRUE(GetUpdateRect(dialog, &waiting, FALSE));
    EXPECT_TRUE(GetUpdateRect(child, &waiting, FALSE));
    EXPECT_TRUE(IsWindowVisible(dialog));
  }
}

TEST_F(DialogMessages, OnlyTheButtonThatChangesStateIsRepainted) {
  const TacCaptionButton close = Button(HTCLOSE);
  const TacCaptionButton minimize = Button(HTMINBUTTON);
  ASSERT_GE(close.MaskIndex, 0);
  const TRect caption{frame->FrameWidth() + 40, close.Rect.Top, frame->FrameWidth() + 60, close.Rect.Bottom};
  const POINT onClose = Centre(dialog, close.Rect);
  const POINT onCaption = Centre(dialog, caption);
  SetCursorPos(onCaption.x, onCaption.y);
  SettledCapture(dialog);
  ASSERT_EQ(frame->HotButton(), 0);

  // Hot: the close button turns hot; the caption and the minimize button are left as they were.
  for (const TRect& r : {caption, minimize.Rect, close.Rect}) Mark(dialog, r);
  ASSERT_TRUE(StillMarked(dialog, caption)) << "the marker shows";
  SetCursorPos(onClose.x, onClose.y);
  SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(onClose.x, onClose.y));
  EXPECT_EQ(frame->HotButton(), HTCLOSE);
  EXPECT_FALSE(StillMarked(dialog, close.Rect));
  EXPECT_TRUE(StillMarked(dialog, caption));
  EXPECT_TRUE(StillMarked(dialog, minimize.Rect));

  // Pressed, the same.
  for (const TRect& r : {caption, minimize.Rect, close.Rect}) Mark(dialog, r);
  SendMessageW(dialog, WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(onClose.x, onClose.y));
  EXPECT_FALSE(StillMarked(dialog, close.Rect));
  EXPECT_TRUE(StillMarked(dialog, caption));
  EXPECT_TRUE(StillMarked(dialog, minimize.Rect));
  EXPECT_GT(ExpectGlyphCell(*Manager(), dialog, close, 2), 10);

  // Released over the caption: the button goes back to normal and the dialog stays.
  SetCursorPos(onCaption.x, onCaption.y);
  SendMessageW(dialog, WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(onCaption.x, onCaption.y));
  EXPECT_EQ(frame->HotButton(), 0);
  EXPECT_GT(ExpectGlyphCell(*Manager(), dialog, close, 0), 10);
  EXPECT_TRUE(IsWindowVisible(dialog));
  SetCursorPos(0, 0);  // off every window the next tests show
}

TEST_F(DialogMessages, TheSystemMenuOpensOwnerDrawnByTheMenuPainter) {
  bool ownerDrawn = false;
  WindowWatch watch([] { return FindThreadWindow(L"#32768"); },
                    [&](HWND menuWindow) {
                      const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
                      MENUITEMINFOW item{};
                      item.cbSize = sizeof item;
                      item.fMask = MIIM_FTYPE;
                      ownerDrawn = menu != nullptr && GetMenuItemInfoW(menu, 0, TRUE, &item) &&
                                   (item.fType & MFT_OWNERDRAW) != 0;
                      EndMenu();
                    });
  RECT bounds{};
  GetWindowRect(dialog, &bounds);
  SendMessageW(dialog, WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(bounds.left + 80, bounds.top + 8));
  ASSERT_TRUE(watch.Seen());
  EXPECT_TRUE(ownerDrawn) << "the menu painter draws the items";
}

TEST_F(DialogMessages, ControlsMadeLaterAreSkinnedWhenTheDialogSaysSo) {
  const HWND later = CreateWindowExW(0, L"Button", L"Later", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 60, 90, 24,
                                     dialog, nullptr, nullptr, nullptr);
  ASSERT_NE(SendSkinCommand(later, SMC_IS_SKINNED), 1);
  SendMessageW(dialog, kControlsChanged, 0, 0);
  EXPECT_EQ(SendSkinCommand(later, SMC_IS_SKINNED), 1);
}

TEST_F(DialogMessages, KeyboardQuestionsAreNotAnsweredForTheDialog) {
  EXPECT_EQ(SendMessageW(dialog, WM_GETDLGCODE, 0, 0), 0);
}

TEST_F(DialogMessages, OnlyADialogPaintedWithFormErasesAndOnlyItsOwnParts) {
  auto* provider = dynamic_cast<TacDialogProvider*>(ProviderOf(dialog));
  ASSERT_NE(provider, nullptr);
  const COLORREF brush = static_cast<COLORREF>(ColorToRGB(Manager()->GetGlobalColor()));
  ASSERT_NE(brush, kMarker);
  struct TCase {
    int mode;
    POINT at;
    bool erased;
  };
  const TCase cases[] = {
      {0, {10, 30}, false},   {3, {10, 30}, true},    // the left rectangle
      {3, {450, 100}, true},                          // the narrow strip on the right
      {3, {300, 100}, false}, {3, {10, 175}, false},  // between the two left rectangles
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " at " << c.at.x << "," << c.at.y);
    TBitmap picture;
    picture.SetPixelFormat(TPixelFormat::pf24bit);
    picture.SetSize(500, 300);
    HDC dc = picture.Canvas().Handle();
    HBRUSH marker = CreateSolidBrush(kMarker);
    const RECT all{0, 0, 500, 300};
    FillRect(dc, &all, marker);
    DeleteObject(marker);
    provider->DialogMode = c.mode;
    EXPECT_NE(SendMessageW(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
    EXPECT_EQ(GetPixel(dc, c.at.x, c.at.y), c.erased ? brush : kMarker);
    EXPECT_EQ(GetPixel(dc, 300, 100), kMarker) << "outside the rectangles nothing is erased";
  }
  provider->DialogMode = 0;
}

}  // namespace
}  // namespace sundrel
