#include "controls/s_label_fx.h"

#include <algorithm>

#include "framework/win_control.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "paint/keyed_copy.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"

namespace sundrel {

void TsShadow::Changed() {
  label_->Invalidate();
}

void TsShadow::SetMode(TsShadowMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  Changed();
}

void TsShadow::SetColor(TColor color) {
  if (color == own_.Color) return;
  own_.Color = color;
  Changed();
}

void TsShadow::SetBlurCount(int count) {
  if (count == own_.BlurCount) return;
  own_.BlurCount = count;
  Changed();
}

void TsShadow::SetDistance(int distance) {
  if (distance == own_.Distance) return;
  own_.Distance = distance;
  Changed();
}

TsShadowParams TsShadow::Resolve() const {
  TsShadowParams params = own_;
  if (mode_ == smSkin1) {
    const TsSkinManager* manager = DefaultManager();
    if (manager != nullptr && !manager->IsDestroying() && manager->SkinData().Active &&
        manager->SkinData().Shadow1Blur != -1) {
      const TsSkinData& skin = manager->SkinData();
      params = TsShadowParams{skin.Shadow1Color, skin.Shadow1Blur, skin.Shadow1Offset};
    }
  }
  if (params.Color != clNone) params.Color = ColorToRGB(params.Color);
  return params;
}

void TsKind::SetKindType(TsKindType type) {
  if (type == kindType_) return;
  kindType_ = type;
  label_->Invalidate();
}

void TsKind::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  label_->Invalidate();
}

TColor TsLabelFX::TextColor() const {
  switch (kind_.KindType()) {
    case ktStandard:
      return ColorToRGB(Color());
    case ktCustom:
      return ColorToRGB(kind_.Color());
    case ktSkin:
      break;
  }
  if (SkinActive()) {
    const TsSkinManager* manager = DefaultManager();
    const int global = manager->GetSkinIndex("GLOBALINFO");
    if (manager->IsValidSkinIndex(global)) {
      const TColor contour = manager->Skin().Sections()[static_cast<size_t>(global)].FontColor[1];
      if (contour != -1) return ColorToRGB(contour);
    }
  }
  return ColorToRGB(kind_.Color());
}

void TsLabelFX::FillWithBackground(const RECT& rect) {
  HDC work = work_.Canvas().Handle();
  const TRect whole{0, 0, work_.Width(), work_.Height()};
  if (!Transparent()) {
    FillRectSolid(work, whole, Color());
    return;
  }
  const TacParentImage parent = ParentImage();
  if (parent.Ready) {
    const int x = parent.X + Left() + rect.left;
    const int y = parent.Y + Top() + rect.top;
    GdiFlush();
    CopyRectKeyed(PixelsOfDibSection(work_.Handle()), parent.Image, 0, 0, clNoKey,
                  TRect{x, y, x + work_.Width() - 1, y + work_.Height() - 1});
    return;
  }
  BitBlt(work, 0, 0, work_.Width(), work_.Height(), Canvas().Handle(), rect.left, rect.top, SRCCOPY);
}

bool TsLabelFX::DrawWithShadow(const std::string& text, RECT rect, UINT flags, const TsShadowParams& shadow) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!ShadowBufferSize(width, height)) return false;
  work_.SetPixelFormat(TPixelFormat::pf24bit);
  work_.SetSize(width, height);
  TCanvas& work = work_.Canvas();
  FillRectSolid(work.Handle(), TRect{0, 0, width, height}, clBlack);
  work.Font().Assign(Canvas().Font());
  work.Font().SetColor(clWhite);
  RECT textRect{-offsetTopLeft_ + shadow.Distance, -offsetTopLeft_ + shadow.Distance,
                width - offsetRightBottom_ + shadow.Distance, height - offsetRightBottom_ + shadow.Distance};
  work.DrawText(text, textRect, flags);
  GdiFlush();
  if (!mask_.Build(PixelsOfDibSection(work_.Handle()), shadow.BlurCount)) return false;
  FillWithBackground(rect);
  GdiFlush();
  ShadeWithMask(PixelsOfDibSection(work_.Handle()), mask_, shadow.Color);
  BitBlt(Canvas().Handle(), rect.left, rect.top, width, height, work.Handle(), 0, 0, SRCCOPY);
  RECT onTop{rect.left - offsetTopLeft_, rect.top - offsetTopLeft_, rect.right - offsetRightBottom_,
             rect.bottom - offsetRightBottom_};
  Canvas().Font().SetColor(TextColor());
  Canvas().DrawText(text, onTop, flags);
  return true;
}

void TsLabelFX::DoDrawText(RECT& rect, UINT flags) {
  if (shadow_.Mode() == smNone) {
    TsCustomLabel::DoDrawText(rect, flags);
    return;
  }
  if (!Enabled()) {
    // A disabled label shows no shadow, only the framework's embossed text.
    TCustomLabel::DoDrawText(rect, flags);
    return;
  }
  const TsShadowParams shadow = shadow_.Resolve();
  const bool calculating = (flags & DT_CALCRECT) != 0;
  const std::string caption = Caption();
  const bool blank = caption.empty() || (ShowAccelChar() && caption == "&");
  const std::string text = calculating && blank ? std::string(" ") : caption;
  const bool withShadow = shadow.Color != clNone && shadow.BlurCount != 0;
  if (calculating) {
    Canvas().DrawText(text, rect, flags);
    if (!withShadow) return;
    offsetTopLeft_ = std::min(0, shadow.Distance - shadow.BlurCount);
    offsetRightBottom_ = std::max(0, shadow.Distance + shadow.BlurCount);
    rect.right += offsetRightBottom_ - offsetTopLeft_;
    rect.bottom += offsetRightBottom_ - offsetTopLeft_;
    return;
  }
  if (withShadow && DrawWithShadow(text, rect, flags, shadow)) return;
  Canvas().Font().SetColor(TextColor());
  Canvas().DrawText(text, rect, flags);
}

}  // namespace sundrel
