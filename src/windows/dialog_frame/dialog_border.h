// The frame of a system dialog as its window style makes it: the kind of border, the widths of
// the frame strips and the height of the caption, which a skinned frame paints into unchanged.
#pragma once

#include <windows.h>

namespace sundrel {

// 1 before the dialog is set up; 2 a popup without a caption; 3 a sizeable frame; 0 a modal
// dialog's fixed frame.
enum TacBorderKind : int {
  bkModalFrame = 0,
  bkNotSetUp = 1,
  bkCaptionless = 2,
  bkSizeable = 3,
};

TacBorderKind BorderKindOf(LONG style);
int DialogFrameWidth(int borderKind);
int DialogFrameHeight(int borderKind);
int DialogTitleHeight(int borderKind, LONG style);
// Whether the frame shows the grip image in its bottom-right corner (sizeable frames).
bool HasGrip(int borderKind);
// Whether the caption carries the big set of caption buttons.
bool HasFullCaption(int borderKind);

}  // namespace sundrel
