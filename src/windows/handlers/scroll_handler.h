// How a skinned control keeps a scroll-bearing handler on its own window, so that its border and
// scroll bars are skinned although the system draws them for the control's class.
//
// A control calls EnsureScrollHandler with its skin data and its reference to the handler when its
// skin is refreshed (SMC_REFRESH) and when its showing state changes, and frees the handler with
// FreeHandler (ac_main_wnd.h) when its skin is removed (SMC_SKIN_REMOVED) and when it is destroyed.
// For example, the list box:
//
//     std::unique_ptr<TacEditWnd> scrollHandler_;
//     ...
//     case SMC_REFRESH: EnsureScrollHandler(SkinData(), scrollHandler_); break;
//     case SMC_SKIN_REMOVED: FreeHandler(scrollHandler_); break;
//     ...
//     scrollHandler_->RefreshBars(true);  // after the selection or the items changed
//
// The handler hooks the control's message method (not its window procedure), so it sees every
// message before the control does; it answers the mouse on the bars with the same WM_VSCROLL and
// WM_HSCROLL requests native bars send.
#pragma once

#include <memory>

#include "windows/handlers/ac_base_wnd.h"

namespace sundrel {

class TsCommonData;

// While the data is skinned, the control has a handler on its window: a handler that went inert
// (its window was recreated) is replaced, a missing one made, with the frame calculated anew. While
// it is not skinned, the handler is freed. Nothing happens for a control without a window.
//
// TacEditWnd, section "EDIT": list boxes and edit fields.
void EnsureScrollHandler(TsCommonData& skinData, std::unique_ptr<TacEditWnd>& handler);
// TacTreeViewWnd, section "EDIT": tree views.
void EnsureScrollHandler(TsCommonData& skinData, std::unique_ptr<TacTreeViewWnd>& handler);
// TacScrollWnd without a section of its own; also nothing while the control is loading or being
// destroyed. (No window of ours uses the system's flat scroll bars, so none are taken off.)
void EnsureScrollHandler(TsCommonData& skinData, std::unique_ptr<TacScrollWnd>& handler);

}  // namespace sundrel
