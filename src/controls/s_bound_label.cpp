#include "controls/s_bound_label.h"

#include <algorithm>

namespace sundrel {

TsEditLabel::~TsEditLabel() {
  if (bound_ != nullptr) bound_->label_ = nullptr;
}

TsBoundLabel::TsBoundLabel(TWinControl* owner, TsCommonData* commonData) : owner_(owner), commonData_(commonData) {}

TsBoundLabel::~TsBoundLabel() {
  if (label_ == nullptr) return;
  label_->bound_ = nullptr;
  // A label of an owner that is going is freed with it.
  if (!label_->IsDestroying()) label_->Free();
}

void TsBoundLabel::SetActive(bool active) {
  if (active == Active()) return;
  if (!active) {
    TsEditLabel* label = label_;
    label_ = nullptr;
    label->bound_ = nullptr;
    label->Free();
    return;
  }
  auto* label = new TsEditLabel(owner_);
  label->bound_ = this;
  label_ = label;
  label->SetVisible(false);
  label->Font().Assign(font_);
  label->SetParent(owner_->Parent());
  label->SetFocusControl(owner_);
  label->SetName(owner_->Name() + "Label");
  label->SetCaption(caption_.empty() ? owner_->Name() : caption_);
  label->SetEnabled(owner_->Enabled());
  label->SetVisible(owner_->Visible());
  AdjustPosition();
}

void TsBoundLabel::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (label_ != nullptr) label_->SetCaption(caption.empty() ? owner_->Name() : caption);
  AdjustPosition();
}

void TsBoundLabel::SetIndent(int indent) {
  indent_ = indent;
  AdjustPosition();
}

void TsBoundLabel::SetLayout(TsCaptionLayout layout) {
  layout_ = layout;
  AdjustPosition();
}

void TsBoundLabel::SetMaxWidth(int maxWidth) {
  maxWidth_ = maxWidth;
  AdjustPosition();
}

TFont& TsBoundLabel::Font() {
  return label_ != nullptr ? label_->Font() : font_;
}

void TsBoundLabel::SetFont(const TFont& font) {
  Font().Assign(font);
  if (label_ != nullptr) label_->SetParentFont(false);
  AdjustPosition();
}

void TsBoundLabel::SetUseSkinColor(bool use) {
  if (label_ != nullptr) label_->SetUseSkinColor(use);
}

void TsBoundLabel::FollowOwner(const TMessage& message) {
  if (label_ == nullptr) return;
  switch (message.Msg) {
    case WM_SIZE:
    case WM_MOVE:
      break;
    case CM_VISIBLECHANGED:
      label_->SetVisible(owner_->Visible());
      break;
    case CM_ENABLEDCHANGED:
      label_->SetEnabled(owner_->Enabled());
      break;
    default:
      return;
  }
  AdjustPosition();
}

void TsBoundLabel::AdjustPosition() {
  if (label_ == nullptr || !label_->Visible()) return;
  TsEditLabel& l = *label_;
  const TWinControl& f = *owner_;
  // A limit that was lifted leaves no wrapping behind: the label takes one line again.
  if (maxWidth_ <= 0) l.SetWordWrap(false);
  l.SetAutoSize(true);
  int left = 0;
  int top = f.Top() - l.Height() - indent_;
  TAlignment alignment = taRightJustify;
  switch (layout_) {
    case sclLeft:
      left = f.Left() - l.Width() - indent_ - 4;
      top = f.Top() + (f.Height() - l.Height()) / 2 - 1;
      break;
    case sclTopLeft:
      left = f.Left();
      alignment = taLeftJustify;
      break;
    case sclTopCenter:
      left = f.Left() + (f.Width() - l.Width()) / 2;
      alignment = taCenter;
      break;
    case sclTopRight:
      left = f.Left() + f.Width() - l.Width();
      break;
  }
  l.SetAlignment(alignment);
  l.SetBounds(left, top, l.Width(), l.Height());
  if (maxWidth_ <= 0) return;
  l.SetAutoSize(false);
  l.SetWordWrap(true);
  l.SetBounds(l.Left(), l.Top(), maxWidth_, std::max(l.Height(), f.Height()));
}

}  // namespace sundrel
