// The parts of a skinned frame that a framework form's provider and a system dialog's frame share:
// the caption buttons laid out from the right edge, what lies under the mouse, the title band with
// its "TITLEBAR" image, the window region cut from the skin's corners, and the frame strips copied
// from a picture of the whole window to the screen.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "framework/bitmap.h"
#include "windows/provider/title_buttons.h"

namespace sundrel {

class TPopupMenu;
class TsSkinManager;

// The skin's images of the caption buttons; -1 for one the skin lacks.
struct TacButtonMasks {
  int Close = -1;
  int Maximize = -1;
  int Minimize = -1;
  int Help = -1;
  int Restore = -1;  // in place of maximize while maximized, of minimize while minimized
};
// From "GLOBALINFO" when it has a close image (the big set for a full caption, else the small one
// and the big one where the small is missing), else the "FORM" images found from the frame's
// section; none without "GLOBALINFO".
TacButtonMasks CaptionButtonMasks(const TsSkinManager& manager, int skinIndex, const std::string& section,
                                  bool fullCaption);

// A caption button before it is placed: its hit code, the skin's image for it (-1 for none) and
// whether its command can be given now.
struct TacButtonSlot {
  int HitCode = HTNOWHERE;
  int MaskIndex = -1;
  bool Enabled = true;
};

// The slots from the right edge (less the frame) leftwards, each as large as its image's cell, or
// 21 by 21 without one, all as high as the first, centred in the title bar.
std::vector<TacCaptionButton> LayoutCaptionButtons(const TsSkinManager& manager,
                                                   const std::vector<TacButtonSlot>& slots, int windowWidth,
                                                   int frameWidth, int frameHeight, int titleHeight);
// From the left edge of the leftmost button to the window's right edge; 0 without buttons.
int CaptionButtonsWidth(const std::vector<TacCaptionButton>& buttons, int windowWidth);
// The hit code of the button at x (window coordinates), HTCAPTION for a disabled one, HTNOWHERE
// for none. A button without an image and no extra title button is never hit.
int CaptionButtonAt(const std::vector<TacCaptionButton>& buttons, int x);
// What lies behind the caption buttons in a frame's picture, kept as the picture is painted, so
// that a button whose state changed can be repainted alone, in the picture and on the window.
class TacButtonsBackground {
 public:
  // The right end of the picture, `width` wide and (at most) `height` high.
  void Keep(TBitmap& cache, int width, int height);
  // False where the button lies outside what was kept or left of `leftmost` (the icon's area):
  // the whole frame is to be painted then.
  bool Repaint(HWND window, TBitmap& cache, const TsSkinManager& manager, const TacCaptionButton& button, int state,
               bool active, int leftmost);

 private:
  TBitmap kept_;
  int left_ = 0;
};

// The buttons' images, each in the state stateOf gives its hit code; faded while inactive or
// disabled.
void PaintCaptionButtons(TBitmap& cache, const TsSkinManager& manager, const std::vector<TacCaptionButton>& buttons,
                         const std::function<int(int)>& stateOf, bool active);

// The cell of the "GLOBALINFO" grip image in the window's bottom-right corner, inside the frame;
// false when the skin has no grip image.
bool GripCellOf(const TsSkinManager& manager, HWND window, int frameWidth, int frameHeight, TRect& cell);
// The grip image drawn into that cell of the window's picture.
void PaintGrip(TBitmap& cache, const TsSkinManager& manager, const TRect& cell);

// The title section over the band at the top of the picture, and the section's "TITLEBAR" image
// over its right end behind the buttons.
struct TacTitleBand {
  std::string TitleSection;  // "FORMTITLE" unless the form names another
  int SkinIndex = -1;        // the frame's own section, where "TITLEBAR" is looked up
  std::string Section;
  int Height = 0;  // the frame's top strip and the caption
  int ButtonsWidth = 0;
  int State = 0;
};
void PaintTitleBand(TBitmap& cache, const TsSkinManager& manager, const TacTitleBand& band);

// The window's rectangle less the transparent corner runs of the frame's border image (top and
// bottom) and of the title section's border image (top).
UniqueRegion FrameRegion(const TsSkinManager& manager, SIZE size, int borderMask, const std::string& titleSection);

// Copies the frame of the window's picture (the top strip down to the client area, the sides and
// the bottom strip) to the window; the client area is left alone.
void CopyFrameStrips(HWND window, TBitmap& cache, int frameWidth, int frameHeight);

// A system menu may be made after the application's menus were last wired: the painter takes it
// just before it shows, so that it opens skinned like every other popup menu.
void HandSystemMenuToPainter(TsSkinManager* manager, TPopupMenu& menu);

}  // namespace sundrel
