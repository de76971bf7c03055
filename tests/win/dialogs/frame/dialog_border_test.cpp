// The frame a system dialog's style makes, which the skinned frame paints into: the border kind,
// the widths of the frame strips and the caption's height.
#include "windows/dialog_frame/dialog_border.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace sundrel {
namespace {

TEST(DialogBorder, TheStyleDecidesKindFrameAndCaption) {
  const int dialogFrame = GetSystemMetrics(SM_CXDLGFRAME);
  const int sizingFrame = GetSystemMetrics(SM_CXFRAME);
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  struct TCase {
    const char* name;
    DWORD style;
    TacBorderKind kind;
    int frame;
    int title;
  };
  const TCase cases[] = {
      {"message box", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, bkModalFrame, dialogFrame, caption},
      {"sizeable file dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME, bkSizeable,
       sizingFrame, caption},
      {"caption without a modal frame", WS_POPUP | WS_CAPTION | WS_SYSMENU, bkSizeable, sizingFrame, caption},
      {"popup with a border only", WS_POPUP | WS_BORDER | DS_MODALFRAME, bkCaptionless, 0, 0},
      {"child dialog", WS_CHILD | DS_CONTROL, bkSizeable, sizingFrame, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto style = static_cast<LONG>(c.style);
    const TacBorderKind kind = BorderKindOf(style);
    EXPECT_EQ(kind, c.kind);
    EXPECT_EQ(DialogFrameWidth(kind), c.frame);
    EXPECT_EQ(DialogTitleHeight(kind, style), c.title);
    EXPECT_EQ(HasGrip(kind), kind == bkSizeable);
  }
  // Before set-up the frame is the fixed one.
  EXPECT_EQ(DialogFrameWidth(bkNotSetUp), dialogFrame);
  EXPECT_EQ(DialogFrameHeight(bkNotSetUp), GetSystemMetrics(SM_CYDLGFRAME));
}

}  // namespace
}  // namespace sundrel
