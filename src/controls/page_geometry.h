// Where a skinned page control paints what: which section frames its pages and which paints its
// tabs for a tab position, and the rectangles of the tab strip, the client frame and each tab.
#pragma once

#include <string>

#include "framework/page_control.h"
#include "paint/geometry.h"

namespace sundrel {

inline constexpr const char* kPageControlSection = "PAGECONTROL";

// "PAGECONTROL" becomes the frame of the tab position ("PAGECONTROLBOTTOM", ...); any other
// section frames the pages whatever the position.
std::string EffectiveClientSection(const std::string& skinSection, TTabPosition position);

// A sheet's TabSkin when it names one, else "TABTOP", "TABBOTTOM", "TABLEFT" or "TABRIGHT".
std::string TabSection(const std::string& tabSkin, TTabPosition position);

// The control's area less the pages' area (client) on the tab side, and its complement. With
// no tabs both are the whole control.
TRect TabStripRect(const TRect& whole, const TRect& client, TTabPosition position, bool hasTabs);
TRect ClientFrameRect(const TRect& whole, const TRect& client, TTabPosition position, bool hasTabs);

// A tab's painted rectangle from the system's: the active tab grows over its neighbours and the
// frame, the others reach under the frame's edge. An empty rectangle stays as it is.
TRect PaintedTabRect(TRect tab, TTabPosition position, bool active);

}  // namespace sundrel
