// The skinned labels: created transparent, they show their parent's picture behind their text,
// take the skin's label colour, and may paint their background from a section of their own.
#pragma once

#include <string>

#include "framework/label.h"
#include "paint/shared_slots.h"

namespace sundrel {

class TsCustomLabel : public TCustomLabel {
 public:
  explicit TsCustomLabel(TComponent* owner);

  // When set and in the active skin, the label's background and text colour come from it.
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& section);

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void DoDrawText(RECT& rect, UINT flags) override;
  // The colour of the text: the font's, or the skin's label colour while a skin is active.
  virtual TColor SkinFontColor() const;
  // Whether the default manager's skin is active.
  static bool SkinActive();
  // The parent's composed picture, when it lends one (SMC_GET_CACHE).
  TacParentImage ParentImage() const;

 private:
  // The skin index of SkinSection in the active default manager, or -1.
  int SectionIndex() const;

  std::string skinSection_;
  bool painting_ = false;
};

class TsLabel : public TsCustomLabel {
 public:
  using TsCustomLabel::TsCustomLabel;

  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool use);

 protected:
  void WndProc(TMessage& message) override;
  TColor SkinFontColor() const override;

 private:
  bool useSkinColor_ = true;
};

}  // namespace sundrel
