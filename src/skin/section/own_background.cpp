#include "skin/section/own_background.h"

#include "paint/blend.h"
#include "paint/shared_slots.h"
#include "paint/solid_fill.h"
#include "skin/mask/texture.h"

namespace sundrel {

namespace {

bool HasGradient(const TacOwnBackground& look) {
  return look.Gradient != nullptr && !look.Gradient->empty();
}

// Step 1; answers whether a texture was drawn.
bool PaintTexture(const TacPixels& bitmap, const TRect& r, const TacOwnBackground& look, const TacMemBitmap* master) {
  TRect uncovered = r;
  bool drawn = false;
  if (look.Pattern.Is24Bit()) {
    DrawTexture(bitmap, uncovered, look.Pattern, tmTile, {}, master);
    drawn = true;
  } else if (look.Texture != nullptr && look.Texture->MaskType > 0) {
    // A masked texture blends over what is there: the colour, never an unpainted rectangle.
    FillSolidRect(bitmap, r, look.Color);
    DrawMaskedTexture(bitmap, r, {}, look.Texture->StretchMode, *look.Texture, master);
    return true;
  } else if (look.Texture != nullptr) {
    DrawTexture(bitmap, uncovered, {}, look.Texture->StretchMode, *look.Texture, master);
    drawn = true;
  }
  FillSolidRect(bitmap, uncovered, look.Color);
  return drawn;
}

void PaintGradientOrColour(const TacPixels& bitmap, const TRect& r, const TacOwnBackground& look) {
  if (HasGradient(look)) {
    PaintGradient(bitmap, r, *look.Gradient);
  } else {
    FillSolidRect(bitmap, r, look.Color);
  }
}

}  // namespace

void PaintOwnBackground(const TacPixels& bitmap, const TRect& r, const TacOwnBackground& look,
                        const TacMemBitmap* master) {
  if (!bitmap.Is24Bit() || r.IsEmpty()) return;
  const bool textured = look.ImagePercent > 0 && PaintTexture(bitmap, r, look, master);
  if (look.GradientPercent > 0) {
    if (textured) {
      TacMemBitmap layer = NewBitmap24(r.Width(), r.Height());
      PaintGradientOrColour(layer.Pixels(), {0, 0, r.Width(), r.Height()}, look);
      MergeBitmapRect(bitmap, layer.Pixels(), LimitToByte(look.ImagePercent * 255 / 100), {r.Left, r.Top},
                      {0, 0, r.Width() - 1, r.Height()});
    } else {
      PaintGradientOrColour(bitmap, r, look);
    }
  }
  const int shares = look.GradientPercent + look.ImagePercent;
  if (shares >= 1 && shares <= 99) {
    ShadeRect(bitmap, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, shares, look.Color);
  } else if (shares < 1) {
    const TColor backFill = Shared().BackFillColor;
    FillSolidRect(bitmap, r, backFill != clFuchsia && look.Transparency != 0 ? backFill : look.Color);
  }
}

}  // namespace sundrel
