// What the handlers of a system dialog's controls share: keeping the native control's own drawing
// off the screen, painting the control's section in a state over what lies behind it, the disabled
// look, captions in the section's colours, and the picture copied to the window.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "framework/message_hooks.h"
#include "paint/shared_slots.h"
#include "windows/handlers/ac_main_wnd.h"

namespace sundrel {

class TFont;
class TsCommonData;
class TsSkinManager;

// Hands the message on with the window's redrawing off, then paints the window anew: the
// native control's own look never reaches the screen.
void PassOnRedrawGuarded(TacMainWnd& handler, TMessage& message, const TPassOn& passOn);

// The cache sized to the window and painted with the section in the state over the parent's
// picture (or its colour), all of it or only the part. Answers whether the cache can be painted on.
bool PaintStateBackground(TacMainWnd& handler, int state, const RECT* part = nullptr);

// Pixels of the key colour (the holes a section's border leaves) take the resolved colour.
void ReplaceKeyColor(const TacPixels& pixels, TColor color);

// The part of the parent's picture under the area of a picture placed at placeInParent is
// copied into it; what the parent's picture does not cover is left alone.
void CopyParentPixels(const TacPixels& pixels, const TacParentImage& parent, POINT placeInParent, const RECT& area);
// The part of the parent's picture that lies under the area of the handler's cache is copied
// into it; what the parent's picture does not cover is left alone.
void CopyParentPicture(TacMainWnd& handler, const TacParentImage& parent, const RECT& area);

// A disabled window's picture is blended towards what lies behind it.
void PaintDisabledWhenNeeded(TacMainWnd& handler);

// The cache copied to the context at (x, y), from the cache's column x on.
void CopyCacheToDC(const TacMainWnd& handler, HDC dc, int x = 0);

// The cache shown: on the context that came with the paint message, else on the window, with
// the paint ended either way. `beforeCopy`, when given, works on the context first (its clipping
// is put back afterwards).
void ShowCache(const TacMainWnd& handler, HDC given, int x = 0, const std::function<void(HDC)>& beforeCopy = {});

// Skin data without an owner for painting a part of a control (a column, a toolbar button) from
// the named section of the manager's skin.
std::unique_ptr<TsCommonData> PartSkinData(const TsSkinManager* manager, std::string_view section);

// The font the control draws its text with: its own, else the system's default for dialogs.
HFONT WindowFont(HWND window);
// The font takes the face, height, style and character set of the handle.
void AssignFont(TFont& font, HFONT handle);

// Draws the text into the handler's cache with the font, in the colours of the handler's section
// (hot or normal; the disabled mix for a disabled window), on a transparent background.
void DrawCaptionInCache(TacMainWnd& handler, HFONT font, std::string_view text, UINT flags, const RECT& r, bool hot);

// Whether the window is the one the default manager takes as hovered.
bool IsHoveredControl(HWND window);

// The button's state as it reports it (BM_GETSTATE).
inline bool HasButtonState(HWND window, LRESULT flag) {
  return (SendMessageW(window, BM_GETSTATE, 0, 0) & flag) != 0;
}

}  // namespace sundrel
