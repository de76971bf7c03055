// Forms: top-level windows that hold controls, keep track of the focused one, move the focus
// with Tab, and can run modally.
#pragma once

#include <functional>
#include <vector>

#include "framework/win_control.h"

namespace sundrel {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
using TBorderIcons = unsigned;
enum TPosition { poDesigned, poScreenCenter };
enum TCloseAction { caNone, caHide, caMinimize };

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;
inline constexpr TModalResult mrCancel = IDCANCEL;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons) { borderIcons_ = icons; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  // Moving the window within SnapBuffer pixels of a work-area edge puts it on that edge.
  bool ScreenSnap() const { return screenSnap_; }
  void SetScreenSnap(bool snap) { screenSnap_ = snap; }
  int SnapBuffer() const { return snapBuffer_; }
  // When set, the layout (designed at 96 pixels per inch) is scaled to the screen at Loaded.
  bool Scaled() const { return scaled_; }
  void SetScaled(bool scaled) { scaled_ = scaled; }
  // When set, the form sees the key presses of its controls first (KeyDown).
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool preview) { keyPreview_ = preview; }
  void SetClientSize(int width, int height);

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // Told by every control of the form that gets the focus: sends CM_EXIT, CM_ENTER and
  // CM_FOCUSCHANGED (to every control).
  void SetFocusedControl(TWinControl* control);
  void ForgetControl(TWinControl* control);
  bool PreviewKeyDown(WORD key, TShiftState shift) { return keyPreview_ && KeyDown(key, shift); }

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  // Shows the form, keeps the application's other windows disabled and handles messages until
  // ModalResult is set; answers it.
  TModalResult ShowModal();
  // Ends a modal run with mrCancel; otherwise asks OnClose, then hides the form, or ends the
  // application when this is its main form.
  void Close();

  TNotifyEvent OnCreate;
  std::function<void(TObject* sender, TCloseAction& action)> OnClose;

 protected:
  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void VisibleChanged() override;
  void ChangeScale(int multiplier, int divider) override;
  void Loaded() override;
  // Subclasses call it at the end of their constructor, after EndLoading.
  void DoCreate();

 private:
  void SnapToWorkArea(WINDOWPOS& position) const;
  bool FocusActiveControl();
  void CentreOnScreen();
  void NotifyFocusChanged(TWinControl* container, TWinControl* focused);

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  bool screenSnap_ = false;
  int snapBuffer_ = 10;
  bool scaled_ = true;
  bool keyPreview_ = false;
  bool shownBefore_ = false;
  bool modal_ = false;
  TModalResult modalResult_ = mrNone;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

// Every form that exists, in creation order.
const std::vector<TCustomForm*>& Forms();

}  // namespace sundrel
