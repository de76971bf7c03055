#include "controls/s_label.h"

#include "controls/section_paint_win32.h"
#include "controls/skin_utilities.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"
#include "skin/options/options_text.h"

namespace sundrel {

namespace {

const TsSkinManager* ActiveManager() {
  const TsSkinManager* manager = DefaultManager();
  if (manager == nullptr || manager->IsDestroying() || !manager->SkinData().Active) return nullptr;
  return manager;
}

}  // namespace

TsCustomLabel::TsCustomLabel(TComponent* owner) : TCustomLabel(owner) {
  SetTransparent(true);
}

bool TsCustomLabel::SkinActive() {
  return ActiveManager() != nullptr;
}

TacParentImage TsCustomLabel::ParentImage() const {
  if (Parent() == nullptr) return {};
  SlotScope question(Shared().ParentImage, TacParentImage());
  SendSkinCommandToControl(Parent(), SMC_GET_CACHE);
  return Shared().ParentImage;
}

void TsCustomLabel::SetSkinSection(const std::string& section) {
  const std::string stored = UpperCase(section);
  if (stored == skinSection_) return;
  skinSection_ = stored;
  Invalidate();
}

int TsCustomLabel::SectionIndex() const {
  const TsSkinManager* manager = ActiveManager();
  if (skinSection_.empty() || manager == nullptr) return -1;
  const int index = manager->GetSkinIndex(skinSection_);
  return index > 0 && manager->IsValidSkinIndex(index) ? index : -1;
}

TColor TsCustomLabel::SkinFontColor() const {
  const TsSkinManager* manager = ActiveManager();
  if (manager == nullptr) return Font().Color();
  const TColor skinColor = manager->GetGlobalFontColor();
  return skinColor != clFuchsia ? skinColor : Font().Color();
}

void TsCustomLabel::Paint() {
  if (painting_) return;
  painting_ = true;
  try {
    // Only the canvas is recoloured: changing the label's own font would announce a font
    // change and repaint it again.
    Canvas().Font().SetColor(SkinFontColor());
    const int index = SectionIndex();
    if (index >= 0) {
      const TsSkinManager* manager = DefaultManager();
      Canvas().Font().SetColor(manager->Skin().Sections()[static_cast<size_t>(index)].FontColor[0]);
      PaintSectionToDC(manager, index, skinSection_, ParentImage(), Canvas().Handle(), TPoint{Left(), Top()},
                       TRect{0, 0, Width(), Height()}, 0, true);
    }
    TCustomLabel::Paint();
  } catch (...) {
    painting_ = false;
    throw;
  }
  painting_ = false;
}

void TsCustomLabel::DoDrawText(RECT& rect, UINT flags) {
  if (Enabled() || !SkinActive() || (flags & DT_CALCRECT) != 0) {
    TCustomLabel::DoDrawText(rect, flags);
    return;
  }
  // Disabled under a skin: the text fades into the parent's colour instead of the embossed look.
  const std::string caption = Caption();
  const std::string text = caption.empty() || (ShowAccelChar() && caption == "&") ? std::string(" ") : caption;
  TCanvas& canvas = Canvas();
  const TColor parentColor = Parent() != nullptr ? GetParentColor(Parent()) : clBtnFace;
  canvas.Font().SetColor(MixColors(canvas.Font().Color(), parentColor, 0.4));
  canvas.DrawText(text, rect, flags);
}

void TsCustomLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_FONTCHANGED:
      if (painting_) return;
      break;
    case CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      if (OnMouseLeave) OnMouseLeave(this);
      break;
    default:
      break;
  }
  TCustomLabel::WndProc(message);
  if (message.Msg == CM_FONTCHANGED) Invalidate();
}

void TsLabel::SetUseSkinColor(bool use) {
  if (use == useSkinColor_) return;
  useSkinColor_ = use;
  Invalidate();
}

TColor TsLabel::SkinFontColor() const {
  return useSkinColor_ ? TsCustomLabel::SkinFontColor() : Font().Color();
}

void TsLabel::WndProc(TMessage& message) {
  if (message.Msg == SM_SKINCMD && SkinCommandCode(message.WParam) == SMC_SKIN_REMOVED && useSkinColor_ &&
      message.LParam != 0 && reinterpret_cast<TsSkinManager*>(message.LParam) == DefaultManager()) {
    Font().SetColor(clWindowText);
  }
  TsCustomLabel::WndProc(message);
}

}  // namespace sundrel
