// Outside Windows there is no system to ask: the system colours are those of a fresh Wine
// prefix, where the Windows build's tests run, so both builds resolve them alike.
#include <iterator>

#include "paint/color.h"

namespace sundrel {

TColor SystemColorRGB(int index) {
  static constexpr TColor kColors[] = {
      RGBColor(255, 255, 255),  // scroll bar
      RGBColor(37, 111, 149),   // desktop
      RGBColor(50, 150, 250),   // active caption
      RGBColor(128, 128, 128),  // inactive caption
      RGBColor(255, 255, 255),  // menu
      RGBColor(255, 255, 255),  // window
      RGBColor(158, 158, 158),  // window frame
      RGBColor(0, 0, 0),        // menu text
      RGBColor(0, 0, 0),        // window text
      RGBColor(0, 0, 0),        // caption text
      RGBColor(255, 255, 255),  // active border
      RGBColor(255, 255, 255),  // inactive border
      RGBColor(128, 128, 128),  // application workspace
      RGBColor(48, 150, 250),   // highlight
      RGBColor(255, 255, 255),  // highlight text
      RGBColor(245, 245, 245),  // button face
      RGBColor(166, 166, 166),  // button shadow
      RGBColor(166, 166, 166),  // grey text
      RGBColor(0, 0, 0),        // button text
      RGBColor(200, 200, 200),  // inactive caption text
      RGBColor(255, 255, 255),  // button highlight
      RGBColor(106, 106, 106),  // 3-D dark shadow
      RGBColor(227, 227, 227),  // 3-D light
      RGBColor(0, 0, 0),        // tooltip text
      RGBColor(255, 255, 255),  // tooltip background
      RGBColor(255, 255, 255),  // alternate button face
      RGBColor(224, 224, 224),  // hot-tracking
      RGBColor(50, 150, 250),   // active caption gradient
      RGBColor(128, 128, 128),  // inactive caption gradient
      RGBColor(48, 150, 250),   // menu highlight
      RGBColor(255, 255, 255),  // menu bar
  };
  return index >= 0 && index < static_cast<int>(std::size(kColors)) ? kColors[index] : clBlack;
}

}  // namespace sundrel
