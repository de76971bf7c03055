#include "controls/section_paint_win32.h"

#include <string>

#include "base/handles_win32.h"
#include "base/utf.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"
#include "skin/section/section_paint.h"

namespace sundrel {

namespace {

const TsSkinManager* ManagerOrDefault(const TsSkinManager* manager) {
  return manager != nullptr ? manager : DefaultManager();
}

}  // namespace

void PaintSectionToDC(const TsSkinManager* manager, int skinIndex, std::string_view sectionName,
                      const TacParentImage& parent, HDC dc, TPoint offset, const TRect& r, int state, bool fillCentre) {
  manager = ManagerOrDefault(manager);
  if (manager == nullptr || !manager->IsValidSkinIndex(skinIndex) || r.Left < 0 || r.Top < 0 || r.IsEmpty()) return;
  SavedDC saved(dc);
  TacMemBitmap picture = NewBitmap24(r.Width(), r.Height());
  PaintSection(manager->Skin(), {skinIndex, sectionName},
               {picture.Pixels(), {0, 0, r.Width(), r.Height()}, offset, state, parent}, fillCentre);
  CopyPixelsToDC(dc, r.Left, r.Top, picture.Pixels());
}

void DrawSectionText(TCanvas& canvas, std::string_view text, bool enabled, const TsSkinManager* manager, bool hot,
                     int skinIndex, UINT flags, const RECT& r) {
  manager = ManagerOrDefault(manager);
  TacTextRequest request;
  if (manager != nullptr && manager->IsValidSkinIndex(skinIndex)) {
    request.Section = &manager->Skin().Sections()[skinIndex];
  }
  request.Enabled = enabled;
  request.Hot = hot;
  request.FontColor = canvas.Font().Color();
  DrawTextPasses(canvas, text, PlanSkinnedText(request), flags, r);
}

void DrawTextPasses(TCanvas& canvas, std::string_view text, const TacTextPlan& plan, UINT flags, const RECT& r) {
  if (plan.Passes.empty()) return;
  const HDC dc = canvas.Handle();
  const std::wstring wide = ToWide(text);
  {
    SavedDC saved(dc);
    SelectObject(dc, canvas.Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    for (const TacTextPass& pass : plan.Passes) {
      RECT moved = r;
      OffsetRect(&moved, pass.Offset.X, pass.Offset.Y);
      SetTextColor(dc, ColorRefOf(pass.Color));
      DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &moved, flags);
    }
  }
  canvas.Font().SetColor(plan.Passes.back().Color);
}

}  // namespace sundrel
