// The message and repaint helpers that every skinned control shares. Sending and probing skin
// commands (SendSkinCommand, SendSkinCommandToControl, AskControl, AskWindowTwice) and passing one
// to a control's children (BroadcastToChildren) belong to the skin command message itself; they
// are offered here too, so that a control includes one header.
#pragma once

#include <windows.h>

#include "framework/control.h"
#include "framework/win_control.h"
#include "paint/color.h"
#include "skin/manager/broadcast_win32.h"
#include "skin/manager/skin_command_win32.h"

namespace sundrel {

// Whether a repaint of the control can be asked for now: its window exists (windowed controls),
// it is neither loading nor being destroyed, and it has a parent.
bool CanRepaint(const TControl* control);

// Asks the control's form to adapt the control to the skin (SMC_CONTROL_REFRESHED).
void RefreshViaForm(TControl* control);

// The colour that the control shows as its background: its answer to SMC_GET_COLOR, else its
// own colour, resolved to RGB. BackFillColor has its previous value again afterwards.
TColor GetParentColor(TControl* control);

// SMC_PARENT_UPDATED to every windowed child whose window exists.
void ChildrenUpdateEnded(TWinControl* control);
// SMC_PARENT_UPDATED to every child window of a window that the framework did not make.
void ChildWindowsUpdateEnded(HWND window);

// The heights (alTop, alBottom) or widths (alLeft, alRight) of the visible children with that
// alignment, added up; windowless children count only when asked.
int SumAlignedSizes(const TWinControl* control, TAlign alignment, bool includeGraphicControls);

}  // namespace sundrel
