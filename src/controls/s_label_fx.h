// The label with a soft shadow behind its text (the main window's credits line). The shadow's
// colour, blur and distance come from the skin or from the label's own Shadow; the text's colour
// from its Kind.
#pragma once

#include "controls/s_label.h"
#include "framework/bitmap.h"
#include "paint/text_shadow.h"

namespace sundrel {

class TsLabelFX;

enum TsShadowMode { smNone, smCustom, smSkin1 };

// A shadow of colour clNone or without blur passes is not drawn.
struct TsShadowParams {
  TColor Color = clBlack;
  int BlurCount = 4;
  int Distance = 1;
};

class TsShadow {
 public:
  explicit TsShadow(TsLabelFX* label) : label_(label) {}

  TsShadowMode Mode() const { return mode_; }
  void SetMode(TsShadowMode mode);
  TColor Color() const { return own_.Color; }
  void SetColor(TColor color);
  int BlurCount() const { return own_.BlurCount; }
  void SetBlurCount(int count);
  int Distance() const { return own_.Distance; }
  void SetDistance(int distance);

  // What the label draws now: smSkin1 takes the active skin's shadow when the skin has one.
  TsShadowParams Resolve() const;

 private:
  void Changed();

  TsLabelFX* label_;
  TsShadowMode mode_ = smSkin1;
  TsShadowParams own_;
};

enum TsKindType { ktStandard, ktCustom, ktSkin };

class TsKind {
 public:
  explicit TsKind(TsLabelFX* label) : label_(label) {}

  TsKindType KindType() const { return kindType_; }
  void SetKindType(TsKindType type);
  TColor Color() const { return color_; }
  void SetColor(TColor color);

 private:
  TsLabelFX* label_;
  TsKindType kindType_ = ktSkin;
  TColor color_ = clWhite;
};

class TsLabelFX : public TsCustomLabel {
 public:
  explicit TsLabelFX(TComponent* owner) : TsCustomLabel(owner) {}

  TsShadow& Shadow() { return shadow_; }
  TsKind& Kind() { return kind_; }

 protected:
  void DoDrawText(RECT& rect, UINT flags) override;

 private:
  // ktStandard: the label's colour; ktCustom: the kind's; ktSkin: the skin's first contour
  // colour when it has one, else the kind's.
  TColor TextColor() const;
  // The work bitmap shows what lies behind the label: the parent's picture when it lends one
  // (never the screen, which shows whatever covers the window), else the canvas; an opaque
  // label its own colour.
  void FillWithBackground(const RECT& rect);
  // Draws the shadow and the text over it; answers false when the shadow could not be made.
  bool DrawWithShadow(const std::string& text, RECT rect, UINT flags, const TsShadowParams& shadow);

  TsShadow shadow_{this};
  TsKind kind_{this};
  TBitmap work_;
  TacShadowMask mask_;
  // Where the shadow reaches beyond the text, found when the label is sized to its text.
  int offsetTopLeft_ = 0;
  int offsetRightBottom_ = 0;
};

}  // namespace sundrel
