// Controls with a window of their own: the window is made when first needed, its messages
// come to the control's message method, and it holds child controls, tab order and alignment.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "framework/control.h"

namespace sundrel {

struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  // The window class is named after the C++ class. A control that wraps a native control
  // names that control's class here; its window class then superclasses it.
  std::wstring WinClassName;
  std::wstring BaseClassName;
  UINT ClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  // Frees the child controls (whoever owns them) after the window is gone.
  ~TWinControl() override;

  // The window, made (with the parents' windows) when first asked for.
  HWND Handle();
  bool HandleAllocated() const { return static_cast<bool>(handle_); }
  void HandleNeeded() { Handle(); }
  // The framework control whose window this is, or nullptr.
  static TWinControl* FindControl(HWND window);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  // Every windowed control inside this one, in tab order, depth first.
  std::vector<TWinControl*> TabOrderList() const;
  // Moves the focus to the next (or previous) control after `current` in the tab order that
  // can take it, wrapping around; answers whether one was found.
  bool SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();
  void Realign();

  // Sends the message to each child until one sets a non-zero result.
  void Broadcast(TMessage& message);
  // The windowless child under the point (client coordinates), or nullptr.
  TControl* GraphicControlAt(POINT point, bool allowDisabled) const;

  RECT ClientRect() const override;
  void Invalidate() override;
  // Repaints the part of the window (erasing it first when asked).
  void InvalidateRect(const RECT& rect, bool erase);

 protected:
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  std::string ReadText() const override;
  void WriteText(const std::string& text) override;
  void BoundsChanged(const RECT& old) override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void ChangeScale(int multiplier, int divider) override;
  void ScaleChildren(int multiplier, int divider);
  void Loaded() override;
  void BeforeDestruction() override;

  virtual void CreateParams(TCreateParams& params) const;
  // Makes the window. Subclasses that keep state in their window (items, tabs) override it to
  // hand that state over, and WindowDestroying to take it back.
  virtual void CreateWnd();
  virtual void WindowDestroying();
  void CreateHandle();
  void DestroyHandle();
  // The part of the client area that aligned children share.
  virtual void AdjustClientRect(RECT& rect) const;
  virtual void AlignControls(RECT& rect);
  // Paints the control's own picture in windows of its own class (the children come after).
  virtual void PaintWindow(HDC) {}
  // The whole picture of a window of the framework's own class, for WM_PAINT (inside BeginPaint
  // and EndPaint, which run whatever happens) and WM_PRINTCLIENT: its own picture, then its
  // windowless children. A container that composes its picture elsewhere (in a bitmap of its
  // own, children included through PaintControls) overrides it and copies the result to dc.
  virtual void PaintHandler(HDC dc);
  // Paints the visible windowless children onto dc, each with the origin moved to its top-left
  // corner and clipped to its bounds.
  void PaintControls(HDC dc);
  // Answers whether the key was used.
  virtual bool KeyDown(WORD key, TShiftState shift);
  // Brush of the control's colour, for backgrounds and the native parts' colour messages.
  HBRUSH BackgroundBrush();
  // True for windows of the framework's own classes (not wrapping a native control): the
  // framework erases and paints them.
  bool OwnWindowClass() const { return ownWindowClass_; }

 private:
  friend class TControl;
  friend LRESULT CALLBACK FrameworkWindowProcedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT MainWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  void AttachWindow(HWND window);
  void DetachWindow();
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void UpdateBounds();
  bool HandlePaintMessage(TMessage& message);
  // Messages about a child window (its notifications, colours, owner-drawn items, scroll bar)
  // go to the child as CN_BASE + the message; what the child leaves alone ends in the parent's
  // default handling, as if it had never been passed on.
  bool ReflectToChild(TMessage& message);
  static bool IsReflectedMessage(UINT msg) { return msg >= CN_BASE && msg < CN_BASE + WM_USER; }
  void LeaveReflectedToParent(TMessage& message);
  bool RouteMouseToGraphicChild(TMessage& message);
  void TrackMouse(TMessage& message);
  bool HandleDialogKey(TMessage& message);
  bool HandleKeyDown(TMessage& message);
  void MoveFocusAwayIfInside();
  void NotifyControls(UINT msg);
  void PlaceAnchored(TControl* control, int parentWidth, int parentHeight);

  UniqueWindow handle_;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int alignDisabled_ = 0;
  bool aligning_ = false;
  bool alignNeeded_ = false;
  bool trackingLeave_ = false;
  bool ownWindowClass_ = true;
  TBrush brush_;
};

// Windows of framework controls are created through this procedure.
LRESULT CALLBACK FrameworkWindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace sundrel
