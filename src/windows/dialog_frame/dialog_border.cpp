#include "windows/dialog_frame/dialog_border.h"

namespace sundrel {

namespace {

// Kinds 4 and 5 (tool-window frames) are never set up for a system dialog, but their sizes are
// kept for dialogs that name them.
constexpr int kToolFrame = 4;
constexpr int kSizeableToolFrame = 5;

bool FixedFrame(int borderKind) {
  return borderKind == bkModalFrame || borderKind == bkNotSetUp || borderKind == kToolFrame;
}

}  // namespace

TacBorderKind BorderKindOf(LONG style) {
  if ((style & WS_POPUP) != 0 && (style & WS_CAPTION) != WS_CAPTION) return bkCaptionless;
  if ((style & WS_THICKFRAME) != 0) return bkSizeable;
  if ((style & DS_MODALFRAME) != 0) return bkModalFrame;
  return bkSizeable;
}

int DialogFrameWidth(int borderKind) {
  if (borderKind == bkCaptionless) return 0;
  return GetSystemMetrics(FixedFrame(borderKind) ? SM_CXDLGFRAME : SM_CXFRAME);
}

int DialogFrameHeight(int borderKind) {
  if (borderKind == bkCaptionless) return 0;
  return GetSystemMetrics(FixedFrame(borderKind) ? SM_CYDLGFRAME : SM_CYFRAME);
}

int DialogTitleHeight(int borderKind, LONG style) {
  if (borderKind == bkCaptionless || (style & WS_CAPTION) != WS_CAPTION) return 0;
  const bool toolCaption = borderKind == kToolFrame || borderKind == kSizeableToolFrame;
  return GetSystemMetrics(toolCaption ? SM_CYSMCAPTION : SM_CYCAPTION);
}

bool HasGrip(int borderKind) {
  return borderKind == bkSizeable || borderKind == kSizeableToolFrame;
}

bool HasFullCaption(int borderKind) {
  return borderKind == bkNotSetUp || borderKind == bkSizeable;
}

}  // namespace sundrel
