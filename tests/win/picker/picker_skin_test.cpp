// The picker under the skin: its own provider paints the frame (caption centred, the size grip),
// the automatic skinning adds none, and the tree's border and scroll bars belong to the skin's
// handler whatever the tree does to its bars; they go with the skin and come back with it.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "base/utf.h"
#include "picker_fixture.h"
#include "screen_capture.h"
#include "screenshot_folder.h"
#include "skin/manager/skin_command_win32.h"
#include "windows/auto/ac_provider.h"
#include "windows/auto/auto_skinning.h"
#include "windows/handlers/ac_base_wnd.h"
#include "windows/provider/frame_geometry.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel {
namespace {

using namespace sundrel::testing;

class PickerSkin : public PickerTest {
 protected:
  // Folders enough that the scratch folder's children alone fill the tree.
  void MakeManyFolders() {
    for (int i = 10; i < 40; ++i) {
      char name[8];
      std::snprintf(name, sizeof name, "f%d", i);
      CreateDirectoryW(ToWide(Scratch(name)).c_str(), nullptr);
    }
  }
};

// The first and last columns of the title's text: the columns of the band that differ from its
// first column somewhere. None before the title is painted.
std::optional<std::pair<int, int>> TextColumns(const TScreenShot& shot, const RECT& band) {
  std::optional<std::pair<int, int>> found;
  for (int x = band.left + 1; x < band.right; ++x) {
    for (int y = band.top; y < band.bottom; ++y) {
      if (shot.At(x, y) == shot.At(band.left, y)) continue;
      found = std::pair{found ? found->first : x, x};
      break;
    }
  }
  return found;
}

TEST_F(PickerSkin, ItsOwnProviderCentresTheCaptionAndShowsTheGrip) {
  const TRemovalToken skinning = SkinWindowsAutomatically();
  OpenPicker();
  const HWND window = picker->Handle();
  SetForegroundWindow(window);
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == window; }, 5000));
  EXPECT_EQ(SendSkinCommand(window, SMC_IS_SKINNED), 1);
  // The automatic skinning found the form skinned and made nothing of its own.
  EXPECT_EQ(ProviderOf(window), nullptr);
  int providers = 0;
  for (int i = 0; i < picker->ComponentCount(); ++i) {
    providers += dynamic_cast<TsSkinProvider*>(picker->Components(i)) != nullptr ? 1 : 0;
  }
  EXPECT_EQ(providers, 1);

  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int frame = FrameWidth(*picker);
  const int textLeft = bounds.left + frame + 4;
  const int textRight = bounds.right - picker->sSkinProvider1->ButtonsWidth() - 6;
  const RECT title{textLeft, bounds.top + FrameHeight(*picker) + 2, textRight, bounds.top + ClientOffset(window).y - 2};
  std::optional<std::pair<int, int>> text;
  ASSERT_TRUE(PumpUntil([&] { return (text = TextColumns(CaptureScreen(title), title)).has_value(); }, 5000));
  EXPECT_NEAR((text->first + text->second) / 2.0, (textLeft + textRight) / 2.0, 2.0);

  // Inside the client's bottom right corner: the grip sizes the window.
  const POINT grip{bounds.right - frame - 2, bounds.bottom - FrameHeight(*picker) - 2};
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)), HTBOTTOMRIGHT);
}

// The tree's vertical bar on the screen, and as the handler paints it from what it read last.
std::pair<TScreenShot, TScreenShot> BarShownAndPainted(TacTreeViewWnd& handler) {
  const TRect bar = handler.BarRect(*handler.VertBar());
  const TScreenShot shown = CaptureScreen(RECT{bar.Left, bar.Top, bar.Right, bar.Bottom});
  RECT window{};
  GetWindowRect(handler.Window(), &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, picture);
  handler.PaintBars(memory);
  TScreenShot painted{shown.Area, {}};
  for (int y = bar.Top; y < bar.Bottom; ++y) {
    for (int x = bar.Left; x < bar.Right; ++x)
      painted.Pixels.push_back(GetPixel(memory, x - window.left, y - window.top));
  }
  SelectObject(memory, old);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return {shown, painted};
}

// The arrow buttons at both ends of the tree's vertical bar, as the screen shows them: a native
// bar drawn over ours shows other arrows.
std::vector<TScreenShot> ArrowsShown(TacTreeViewWnd& handler) {
  const TRect bar = handler.BarRect(*handler.VertBar());
  const int side = bar.Width();
  return {CaptureScreen(RECT{bar.Left, bar.Top, bar.Right, bar.Top + side}),
          CaptureScreen(RECT{bar.Left, bar.Bottom - side, bar.Right, bar.Bottom})};
}

TEST_F(PickerSkin, TheTreesBarsAreTheSkinsWhateverChangesThem) {
  MakeManyFolders();
  OpenPicker();
  TacTreeViewWnd* handler = tree->ScrollHandler();
  ASSERT_NE(handler, nullptr);
  EXPECT_EQ(TacMainWnd::Find(tree->Handle()), handler);
  ASSERT_TRUE(PumpUntil(
      [&] {
        if (!handler->VertBar()->Visible) return false;
        const auto [shown, painted] = BarShownAndPainted(*handler);
        return shown == painted;
      },
      5000));
  const std::vector<TScreenShot> skinned = ArrowsShown(*handler);
  const HWND window = tree->Handle();
  struct Action {
    const char* name;
    std::function<void()> act;
  } actions[] = {
      {"collapse", [&] { tree->Selected()->Expand(false); }},
      {"expand", [&] { tree->Selected()->Expand(true); }},
      {"select far down", [&] { tree->SetPath(Scratch("f39")); }},
      {"page up key", [&] { SendMessageW(window, WM_KEYDOWN, VK_PRIOR, 0); }},
      {"wheel", [&] { SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0); }},
      {"line", [&] { SendMessageW(window, WM_VSCROLL, SB_LINEDOWN, 0); }},
      {"refresh", [&] { tree->RefreshNode(tree->Selected()->Parent()); }},
      {"create",
       [&] {
         tree->SetPath(folder.Path());
         picker->sBitBtn3->Click();
         tree->EndEdit(true);
       }},
      {"resize", [&] { picker->SetBounds(picker->Left(), picker->Top(), picker->Width(), picker->Height() - 40); }},
  };
  for (const Action& action : actions) {
    SCOPED_TRACE(action.name);
    action.act();
    EXPECT_TRUE(PumpUntil([&] { return ArrowsShown(*handler) == skinned; }, 2000));
  }
}

TEST_F(PickerSkin, TheTreesHandlerGoesWithTheSkinAndComesBackWithIt) {
  OpenPicker();
  ASSERT_NE(tree->ScrollHandler(), nullptr);
  manager->SetActive(false);
  EXPECT_EQ(tree->ScrollHandler(), nullptr);
  EXPECT_EQ(TacMainWnd::Find(tree->Handle()), nullptr);
  manager->SetActive(true);
  ASSERT_NE(tree->ScrollHandler(), nullptr);
  EXPECT_EQ(TacMainWnd::Find(tree->Handle()), tree->ScrollHandler());
}

TEST_F(PickerSkin, Screenshot) {
  if (ScreenshotFolder().empty()) GTEST_SKIP() << "SUNDREL_SCREENSHOTS names no folder";
  MakeManyFolders();
  CreateDirectoryW(ToWide(Scratch("f20\\Holidays")).c_str(), nullptr);
  OpenPicker();
  picker->SetTreeCaption("Folder for the parts");
  tree->SetPath(Scratch("f20"));
  tree->Selected()->Expand(true);
  TacTreeViewWnd* handler = tree->ScrollHandler();
  ASSERT_NE(handler, nullptr);
  ASSERT_TRUE(PumpUntil([&] {
    const auto [shown, painted] = BarShownAndPainted(*handler);
    return shown == painted;
  }));
  RECT bounds{};
  GetWindowRect(picker->Handle(), &bounds);
  SaveScreenshot(CaptureScreen(bounds), "folder-picker.png");
}

}  // namespace
}  // namespace sundrel
