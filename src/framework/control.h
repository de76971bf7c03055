// Controls: components with a place on a parent, a picture and one message method. Windowless
// controls (TGraphicControl) are painted by their parent and get their mouse messages from it.
#pragma once

#include <functional>
#include <string>

#include "framework/component.h"
#include "framework/graphics.h"
#include "framework/message_hooks.h"
#include "framework/messages.h"

namespace sundrel {

class TWinControl;
class TCustomForm;
class TPopupMenu;

using TNotifyEvent = std::function<void(TObject* sender)>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

enum TControlStyleFlag : unsigned {
  csClickEvents = 1,  // a mouse click inside the control is a Click
  csOpaque = 2,       // the control covers its whole rectangle; the parent need not erase under it
};

enum TShiftStateFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = unsigned;
TShiftState KeyboardShiftState();

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // Every message of the control, whether it came through the window or by Perform, passes these
  // hooks before the virtual WndProc; code that wants to see the messages first adds one.
  TMessageHookChain& MessageHooks() { return messageHooks_; }
  // Direct dispatch through the hooks to WndProc, with or without a window; answers the result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // The same with the caller's record, which the receiver may change in place (LParam too).
  void Perform(TMessage& message) { messageHooks_.Dispatch(message); }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual void SetBounds(int left, int top, int width, int height);
  virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  int ClientWidth() const;
  int ClientHeight() const;
  POINT ClientToScreen(POINT point) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);

  std::string Text() const { return ReadText(); }
  void SetText(const std::string& text);
  std::string Caption() const { return ReadText(); }
  void SetCaption(const std::string& caption) { SetText(caption); }

  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) { hint_ = std::move(hint); }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool showHint) { showHint_ = showHint; }

  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  unsigned ControlStyle() const { return controlStyle_; }
  void SetControlStyle(unsigned style) { controlStyle_ = style; }

  // Redraws the control (its window, or its rectangle on the parent).
  virtual void Invalidate();
  // Multiplies position, size and own font by multiplier / divider (layouts designed at one
  // resolution shown at another).
  void ScaleBy(int multiplier, int divider) { ChangeScale(multiplier, divider); }

  TNotifyEvent OnClick;

 protected:
  virtual void WndProc(TMessage& message);
  // Where messages end that no class handled: a window's own procedure, or nothing.
  virtual void DefaultHandler(TMessage&) {}
  virtual void Click();
  virtual std::string ReadText() const { return text_; }
  virtual void WriteText(const std::string& text) { text_ = text; }
  virtual void ChangeScale(int multiplier, int divider);
  // Called after left_, top_, width_ and height_ changed; `old` is where the control was.
  virtual void BoundsChanged(const RECT& old);
  virtual void VisibleChanged();
  virtual void EnabledChanged() {}
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void BeforeDestruction() override;

  // Positions set by the parent's alignment or anchoring, which must not count as the
  // control's own design position.
  void SetBoundsFromParent(int left, int top, int width, int height);
  void UpdateAnchorRules();
  void RequestAlign();
  std::string text_;

 private:
  friend class TWinControl;
  void FontChanged();
  void TakeParentFont();
  void TakeParentColor();

  TMessageHookChain messageHooks_{[this](TMessage& message) { WndProc(message); }};
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  TAnchors anchors_ = akLeft | akTop;
  struct AnchorRules {
    bool valid = false;
    int parentWidth = 0, parentHeight = 0;
    RECT bounds{};
  } anchorRules_;
  bool positioningFromParent_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  TFont font_;
  bool parentFont_ = true;
  bool takingParentFont_ = false;
  std::string hint_;
  bool showHint_ = false;
  TPopupMenu* popupMenu_ = nullptr;
  unsigned controlStyle_ = csClickEvents;
  bool mousePressed_ = false;
};

// A control without a window of its own: its parent paints it (WM_PAINT with the parent's
// device context in WParam, the origin moved to the control) and hands it its mouse messages.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  TCanvas& Canvas() { return canvas_; }

 protected:
  void WndProc(TMessage& message) override;
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

// The form that the control is on (itself when it is a form), or nullptr.
TCustomForm* GetParentForm(const TControl* control);

}  // namespace sundrel
