// Static text without a window of its own, painted by its parent.
#pragma once

#include "framework/control.h"

namespace sundrel {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* owner);

  // When set, the label takes the size of its text.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  // A transparent label leaves its background as the parent painted it.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  // When set, "&" marks the next character as the accelerator and is not shown.
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool show);

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void Loaded() override;
  // Draws the caption with DrawText flags; disabled labels draw it embossed.
  virtual void DoDrawText(RECT& rect, UINT flags);
  UINT DrawTextFlags() const;

 private:
  void AdjustBounds();

  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  TAlignment alignment_ = taLeftJustify;
  bool showAccelChar_ = true;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};

}  // namespace sundrel
