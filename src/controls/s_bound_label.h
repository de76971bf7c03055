// The caption label that an edit or a list box keeps next to itself: the control owns a
// TsBoundLabel, which makes the label when activated and places it by its layout whenever the
// caption, indent, layout, width limit or font changes.
#pragma once

#include <string>

#include "controls/s_label.h"
#include "framework/win_control.h"

namespace sundrel {

class TsBoundLabel;
class TsCommonData;

// The label itself: a skinned label that knows the control it names.
class TsEditLabel : public TsLabel {
 public:
  explicit TsEditLabel(TComponent* owner) : TsLabel(owner) {}
  ~TsEditLabel() override;

  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control) { focusControl_ = control; }

 private:
  friend class TsBoundLabel;
  TWinControl* focusControl_ = nullptr;
  TsBoundLabel* bound_ = nullptr;  // told when the label goes first
};

enum TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

class TsBoundLabel : public TPersistent {
 public:
  TsBoundLabel(TWinControl* owner, TsCommonData* commonData);
  ~TsBoundLabel() override;
  TsBoundLabel(const TsBoundLabel&) = delete;
  TsBoundLabel& operator=(const TsBoundLabel&) = delete;

  // Switching on makes the label on the owner's parent; switching off frees it.
  bool Active() const { return label_ != nullptr; }
  void SetActive(bool active);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int Indent() const { return indent_; }
  void SetIndent(int indent);
  TsCaptionLayout Layout() const { return layout_; }
  void SetLayout(TsCaptionLayout layout);
  // 0: no limit; otherwise the label wraps its text at this width.
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int maxWidth);
  // The label's font while it exists, else one kept for it.
  TFont& Font();
  void SetFont(const TFont& font);
  bool UseSkinColor() const { return label_ == nullptr || label_->UseSkinColor(); }
  void SetUseSkinColor(bool use);

  TsEditLabel* Label() const { return label_; }
  // The skin data of the owner, whose section the label's colours follow.
  TsCommonData* CommonData() const { return commonData_; }
  // Places the label by the layout next to the owner.
  void AdjustPosition();
  // After each of the owner's messages: the label follows its moves, size, visibility and
  // enabled state.
  void FollowOwner(const TMessage& message);

 private:
  friend class TsEditLabel;
  TWinControl* owner_;
  TsCommonData* commonData_;
  TsEditLabel* label_ = nullptr;
  std::string caption_;
  int indent_ = 0;
  TsCaptionLayout layout_ = sclLeft;
  int maxWidth_ = 0;
  TFont font_;
};

}  // namespace sundrel
