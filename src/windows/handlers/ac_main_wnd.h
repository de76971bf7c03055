// The base of every window handler: an object attached to one existing window that sees the
// window's messages first, answers the skin commands on its behalf and paints it, or parts of it,
// from the skin. Handlers skin what was not made skinned (the controls of system dialogs, menu
// windows, dialog frames) and do for skinned controls what they cannot do themselves (a list
// box's scroll bars and border).
//
// A handler is found from its window through the window property "ACSBSC", which exists exactly
// while the handler is attached. It reaches a framework control through the control's message
// hooks and any other window through a subclass (TWindowHandler); when the window is destroyed it
// lets go at WM_DESTROY and stays inert until its owner frees it. It never owns its window.
//
// Making a handler: construct it, then call Create(refreshFrame) once; that runs the steps that
// depend on the handler's own class (remembering native colours, setting up scroll bars) and
// attaches. Freeing: plain delete works at any time the handler is not handling one of its own
// messages; an owner that may free it from inside one (a control hearing SMC_SKIN_REMOVED through
// the handler) uses FreeHandler, which detaches at once and frees when the message is over.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/window_handler.h"
#include "paint/color.h"

namespace sundrel {

class TsCommonData;
class TsSkinManager;

// The property that names a window's handler.
inline constexpr wchar_t kHandlerProperty[] = L"ACSBSC";

// The flag that automatic skinning raises while it makes the handlers of a system dialog's
// children; a handler made meanwhile has ForDialog set.
bool& CreatingDialogChildren();

class TacMainWnd : public TWindowHandler {
 public:
  // Takes the skin data of the control that asks for the handler, or makes one of its own
  // (OwnsSkinData) when none is given; data without a section gets sectionName. A null manager
  // means the data's.
  TacMainWnd(HWND window, const std::string& sectionName, TsSkinManager* manager, TsCommonData* skinData);
  ~TacMainWnd() override;

  // Attaches; with refreshFrame a scroll-bearing handler has the frame calculated again at once.
  void Create(bool refreshFrame);
  // Removes the interception and the property and gives the window its native look back; with
  // refreshFrame the frame is calculated anew, otherwise only repainted. Does nothing when done.
  void Detach(bool refreshFrame);

  // The handler attached to the window, or none.
  static TacMainWnd* Find(HWND window);

  virtual void SaveNativeParams() {}
  virtual void RestoreNativeParams() {}
  virtual void ApplySkinParams() { ParamsApplied = true; }

  // The geometry as of now: window and parent rectangles, size and place in the parent's picture.
  void UpdateGeometry();
  // The cache bitmap sized to the window and painted with the section over the parent's picture,
  // when the background changed. With dialogFill and a skin border colour for dialog controls,
  // a clWindow field framed in that colour instead. A height above 0 paints only that much of
  // the window, from the top (a simple combo box's edit part).
  void PrepareBackground(bool dialogFill, int height = 0);
  // The transparent corner pixels of the section's border image in the cache take what lies
  // behind the window.
  void PaintCornerPixels(int state);

  HWND Window() const { return window_; }
  TsCommonData* SkinData() const { return skinData_; }
  TsSkinManager* SkinManager() const;
  // The framework control whose skin data this is, or none.
  TControl* OwnerControl() const;
  // Skin data present, with a manager whose skin is active, and a section that exists.
  bool Skinned() const;

  bool ForDialog = false;
  std::string Caption;
  RECT WindowRect{};
  SIZE Size{};
  POINT PosInParent{};
  RECT ParentRect{};
  HWND ParentWindow = nullptr;
  // The handler itself is delivering a scroll request: nested frame paints leave the bars alone.
  bool Scrolling = false;
  bool ParamsApplied = false;
  TColor SavedColor = clFuchsia;
  TColor SavedFontColor = clFuchsia;
  bool Detached = false;
  bool OwnsSkinData = false;

 protected:
  // Runs inside Create before the handler attaches; scroll-bearing handlers set up their bars.
  virtual void BeforeAttach() {}
  // Runs inside Detach and Retire once the interception is gone; they free their bars.
  virtual void AfterDetach() {}
  // The destruction steps: gives the window its visual style, interception and native colours back.
  // Every class that overrides RestoreNativeParams or AfterDetach calls it first in its own
  // destructor, so that its own override is the one that runs.
  void Retire();

  void WndProc(TMessage& message, const TPassOn& passOn) override;
  // The base's skin commands; answers whether the message is handled fully.
  bool HandleSkinCommand(TMessage& message, const TPassOn& passOn);
  // Makes the window the manager's hovered control.
  void TrackHover();
  void ReadCaption();
  // The data and manager are there and the skin is active; sections aside.
  bool ManagerActive() const;

 private:
  void AttachWindow();
  void RemoveInterception();
  // WM_DESTROY and WM_NCDESTROY: the window goes, so the handler lets go of it.
  void WindowGoing();

  HWND window_;
  std::unique_ptr<TsCommonData> ownSkinData_;
  TsCommonData* skinData_;
  TsSkinManager* skinManager_;
  bool themeSwitchedOff_ = false;
};

// Frees the handler now, or, while one of its messages is being handled, detaches it now and
// frees it once that is over. The reference is empty afterwards.
void FreeHandler(std::unique_ptr<TacMainWnd> handler);
template <class Handler>
void FreeHandler(std::unique_ptr<Handler>& handler) {
  FreeHandler(std::unique_ptr<TacMainWnd>(handler.release()));
}

}  // namespace sundrel
