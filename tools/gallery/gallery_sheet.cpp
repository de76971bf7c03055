#include "gallery_sheet.h"

#include <array>
#include <cstring>
#include <string>

#include "paint/solid_fill.h"
#include "skin/section/control_picture.h"
#include "skin/section/text_plan.h"

namespace sundrel {

namespace {

constexpr TSize kSmall{113, 25}, kLarge{508, 231};
constexpr int kGap = 12, kColumnWidth = kLarge.cx + kGap;
constexpr TColor kSheet = RGBColor(240, 240, 240), kInk = RGBColor(32, 32, 32);
constexpr TColor kCheckerLight = clWhite, kCheckerDark = RGBColor(200, 200, 200);
constexpr int kCheckerSquare = 8;
// Sections are listed in this many groups side by side, so that the sheet stays viewable.
constexpr int kGroups = 2;
constexpr const char* kSample = "Tidewater Aa";

struct Column {
  const char* Title;
  int State;
  bool Enabled;
};
constexpr std::array<Column, 4> kColumns = {
    {{"normal (0)", 0, true}, {"hot (1)", 1, true}, {"pressed (2)", 2, true}, {"disabled text", 0, false}}};

// The indexes a control's skin data would resolve for the section.
TacControlSkin ControlOf(const SkinModel& skin, int skinIndex) {
  const std::string& name = skin.Sections()[skinIndex].SectionName;
  return {{skinIndex, name, skin.GetTextureIndex(skinIndex, name, "PATTERN"),
           skin.GetTextureIndex(skinIndex, name, "HOTPATTERN")},
          skin.GetMaskIndex(skinIndex, name, "BORDERSMASK")};
}

bool HasPressedCell(const SkinModel& skin, const TacControlSkin& control) {
  return skin.IsValidMaskIndex(control.BorderIndex) && skin.Masks()[control.BorderIndex].ImageCount >= 3;
}

void PaintChecker(const TacPixels& sheet, const TRect& r) {
  for (int y = r.Top; y < r.Bottom; y += kCheckerSquare) {
    for (int x = r.Left; x < r.Right; x += kCheckerSquare) {
      const bool dark = ((x - r.Left) / kCheckerSquare + (y - r.Top) / kCheckerSquare) % 2 != 0;
      FillSolidRect(sheet, {x, y, std::min(x + kCheckerSquare, r.Right), std::min(y + kCheckerSquare, r.Bottom)},
                    dark ? kCheckerDark : kCheckerLight);
    }
  }
}

void CopyInto(const TacPixels& sheet, TPoint at, TacMemBitmap& picture) {
  for (int y = 0; y < picture.Height(); ++y) {
    std::memcpy(sheet.Row(at.Y + y) + 3 * at.X, picture.Row(y), 3 * static_cast<size_t>(picture.Width()));
  }
}

// The control's picture composed over the checker as over a parent, then its sample text.
void DrawSwatch(const SkinModel& skin, const GalleryFont& font, const TacControlSkin& control, const Column& column,
                const TacPixels& sheet, TPoint at, TSize size) {
  PaintChecker(sheet, {at.X, at.Y, at.X + size.cx, at.Y + size.cy});
  TacMemBitmap picture = NewBitmap24(size.cx, size.cy);
  const TacPaintTarget target{picture.Pixels(), {0, 0, size.cx, size.cy}, {}, column.State, {sheet, at.X, at.Y, true}};
  PaintControlPicture(skin, control, {}, target, true, true);
  TacTextRequest request;
  request.Section = &skin.Sections()[control.Section.SkinIndex];
  request.SectionName = control.Section.SectionName;
  request.Enabled = column.Enabled;
  request.Hot = column.State != 0;
  request.FontColor = kInk;
  const TacTextPlan plan = PlanSkinnedText(request);
  const int x = (size.cx - font.Width(kSample)) / 2, y = (size.cy - font.LineHeight()) / 2;
  for (const TacTextPass& pass : plan.Passes) {
    font.Draw(picture.Pixels(), x + pass.Offset.X, y + pass.Offset.Y, kSample, pass.Color, plan.Underline);
  }
  CopyInto(sheet, at, picture);
}

std::string Label(const TsGeneralData& section) {
  auto pair = [](const char* name, int normal, int hot) {
    return std::string("   ") + name + " " + std::to_string(normal) + "/" + std::to_string(hot);
  };
  std::string label = section.SectionName;
  if (!section.ParentClass.empty()) label += " (" + section.ParentClass + ")";
  return label + pair("transparency", section.Transparency, section.HotTransparency) +
         pair("gradient", section.GradientPercent, section.HotGradientPercent) +
         pair("image", section.ImagePercent, section.HotImagePercent);
}

}  // namespace

TacMemBitmap DrawGallery(const SkinModel& skin, const GalleryFont& font) {
  const int labelHeight = font.LineHeight() + 6;
  const int rowHeight = labelHeight + kSmall.cy + kGap / 2 + kLarge.cy + kGap;
  const int groupWidth = kGap + static_cast<int>(kColumns.size()) * kColumnWidth + kGap;
  const int sections = static_cast<int>(skin.Sections().size());
  const int rowsPerGroup = (sections + kGroups - 1) / kGroups;
  TacMemBitmap sheet = NewBitmap24(kGroups * groupWidth, labelHeight + kGap + rowsPerGroup * rowHeight);
  const TacPixels pixels = sheet.Pixels();
  FillSolidRect(pixels, {0, 0, sheet.Width(), sheet.Height()}, kSheet);
  for (int group = 0; group < kGroups; ++group) {
    for (size_t c = 0; c < kColumns.size(); ++c) {
      font.Draw(pixels, group * groupWidth + kGap + static_cast<int>(c) * kColumnWidth, 3, kColumns[c].Title, kInk);
    }
  }
  for (int index = 0; index < sections; ++index) {
    const int groupLeft = index / rowsPerGroup * groupWidth + kGap;
    const int top = labelHeight + kGap + index % rowsPerGroup * rowHeight;
    font.Draw(pixels, groupLeft, top, Label(skin.Sections()[index]), kInk);
    const TacControlSkin control = ControlOf(skin, index);
    for (size_t c = 0; c < kColumns.size(); ++c) {
      if (kColumns[c].State == 2 && !HasPressedCell(skin, control)) continue;
      const int left = groupLeft + static_cast<int>(c) * kColumnWidth;
      DrawSwatch(skin, font, control, kColumns[c], pixels, {left, top + labelHeight}, kSmall);
      DrawSwatch(skin, font, control, kColumns[c], pixels, {left, top + labelHeight + kSmall.cy + kGap / 2}, kLarge);
    }
  }
  return sheet;
}

}  // namespace sundrel
