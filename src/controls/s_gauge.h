// The skinned progress bar: the trough is the "GAUGE" section (its border image included), the
// part done is the "PROGRESSH" section's surface laid inside the trough's border. The picture is
// composed in the cache and copied to the window in one block, so the bar never flickers as it
// moves. Without an active skin it is the system's progress bar.
#pragma once

#include <string>

#include "controls/s_common_data.h"
#include "framework/progress_bar.h"
#include "framework/removal_token.h"
#include "paint/geometry.h"

namespace sundrel {

class TsGauge : public TProgressBar {
 public:
  explicit TsGauge(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }
  // The section that paints the part done ("PROGRESSH").
  const std::string& ProgressSection() const { return progressSection_; }
  void SetProgressSection(const std::string& section);

  // Where the part done lies in the control: inside the trough's border, as wide as the position
  // says. Empty at the minimum.
  TRect DoneRect() const;
  // Composes the picture of the current position in the cache.
  void BuildCache();

 protected:
  void Loaded() override;
  void WndProc(TMessage& message) override;
  void PositionChanged() override;

 private:
  void Paint(HDC dc);

  TsCommonData skinData_;
  TRemovalToken skinHook_;
  std::string progressSection_ = "PROGRESSH";
};

}  // namespace sundrel
