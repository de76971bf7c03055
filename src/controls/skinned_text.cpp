#include "controls/skinned_text.h"

#include "base/handles_win32.h"
#include "controls/section_paint_win32.h"
#include "skin/section/text_plan.h"

namespace sundrel {

void DrawSkinnedText(TCanvas& canvas, std::string_view text, bool enabled, bool hot, const TsCommonData& data,
                     UINT flags, const RECT& r) {
  if (const TControl* owner = data.OwnerControl()) canvas.Font().Assign(owner->Font());
  TacTextRequest request;
  request.Section = data.Section();
  request.SectionName = data.SkinSection();
  request.Enabled = enabled;
  request.Hot = hot;
  request.CustomFont = data.CustomFont();
  request.FontColor = canvas.Font().Color();
  const TacTextPlan plan = PlanSkinnedText(request);
  if (plan.Underline) canvas.Font().SetStyle(canvas.Font().Style() | fsUnderline);
  if (!text.empty()) canvas.Brush().SetStyle(TBrushStyle::bsClear);

  // The contours reach a pixel beyond the text's rectangle: they are drawn unclipped and cut
  // at R by the context instead.
  SavedDC saved(canvas.Handle());
  IntersectClipRect(canvas.Handle(), r.left, r.top, r.right, r.bottom);
  DrawTextPasses(canvas, text, plan, flags | DT_NOCLIP, r);
}

}  // namespace sundrel
