#include "controls/control_skin.h"

#include "controls/skin_utilities.h"
#include "framework/win_control.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/section/control_picture.h"

namespace sundrel {

namespace {

TWinControl* ParentOf(const TsCommonData& data) {
  return data.OwnerControl() != nullptr ? data.OwnerControl()->Parent() : nullptr;
}

// The owner's colour, resolved; for a form's skin provider, the form's.
TColor OwnerColour(const TsCommonData& data) {
  if (const TControl* owner = data.OwnerControl()) return ColorToRGB(owner->Color());
  if (const auto* windowOwner = dynamic_cast<const TacSkinDataWindowOwner*>(data.OwnerObject())) {
    if (const TWinControl* form = TWinControl::FindControl(windowOwner->SkinDataWindow())) {
      return ColorToRGB(form->Color());
    }
  }
  return clFuchsia;
}

TacPaintColours PaintColours(const TsCommonData& data, const TacParentImage& parent) {
  TacPaintColours colours;
  TWinControl* parentControl = ParentOf(data);
  if (parentControl == nullptr) return colours;
  if (!parent.Ready) {
    colours.BackFill = colours.KeyFill = ColorToRGB(parentControl->Color());
  } else if (!data.NeedsParentImage()) {
    // An opaque control over a picture: only its own pixels count, and where it has none, the
    // colour that the parent shows.
    colours.BackFill = GetParentColor(parentControl);
  }
  return colours;
}

// clFuchsia: the holes take the parent picture's pixels.
TColor CornerFill(const TsCommonData& data, const TacParentImage& parent) {
  TWinControl* parentControl = ParentOf(data);
  if (parentControl == nullptr) return clFuchsia;
  if (!parent.Ready) return ColorToRGB(parentControl->Color());
  if (data.MustRebuild() || Shared().BackFillColor != clFuchsia) return clFuchsia;
  return GetParentColor(parentControl);
}

}  // namespace

void PaintControlSkin(TsCommonData& data, const TacParentImage& parent, bool fillCentre, bool useParent,
                      TBitmap& bitmap, TPoint offset, const TRect& r, int state) {
  const TsSkinManager* manager = data.GetSkinManager();
  if (manager == nullptr || bitmap.Handle() == nullptr || !manager->IsValidSkinIndex(data.SkinIndex)) return;
  // The parent's answers may write the slots; the picture is composed with clean ones and
  // leaves them as it found them.
  const SlotScope<TColor> backFill(Shared().BackFillColor, clFuchsia);
  const SlotScope<TColor> keyFill(Shared().KeyFillColor, clFuchsia);
  const TacPaintColours colours = PaintColours(data, parent);
  const TacControlSkin control{{data.SkinIndex, data.SkinSection(), data.TextureIndex, data.HotTextureIndex},
                               data.BorderIndex,
                               data.CustomColor() ? OwnerColour(data) : clFuchsia};
  PaintControlPicture(manager->Skin(), control, colours,
                      {PixelsOfDibSection(bitmap.Handle()), r, offset, state, parent}, fillCentre, useParent);
}

void RepairCorners(TsCommonData& data, int state, int corners) {
  const TsSkinManager* manager = data.GetSkinManager();
  const TControl* owner = data.OwnerControl();
  const TBitmap* cache = data.CacheBmp();
  if (manager == nullptr || !manager->IsValidMaskIndex(data.BorderIndex) || cache == nullptr ||
      cache->Handle() == nullptr || owner == nullptr || owner->Width() < 2 || owner->Height() < 2) {
    return;
  }
  TacParentImage parent = data.GetParentImage();
  const TColor fill = CornerFill(data, parent);
  if (fill == clFuchsia) {
    parent.X += owner->Left();
    parent.Y += owner->Top();
  }
  const SkinModel& skin = manager->Skin();
  RepairCorners(PixelsOfDibSection(cache->Handle()), skin.Masks()[static_cast<size_t>(data.BorderIndex)],
                &skin.MasterBitmap(), state, corners, fill, parent);
}

}  // namespace sundrel
