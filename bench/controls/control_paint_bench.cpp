// A skinned control's whole picture rebuilt, as a repaint after a change rebuilds it: the
// "BUTTON" of the program's own skin composed half over its parent's picture with its centre
// filled (PaintControlSkin), then its caption drawn (DrawSkinnedText), at a button's size
// (113 x 25) and a panel's (508 x 231). A timing program for the Windows trees, which have no
// Google Benchmark; run it by hand under Wine, it is not a test:
//
//   scripts/lib/wine-run win32 build/win32/bench/controls/control_paint_bench.exe [rounds]
//
// Each round paints a batch of pictures and takes the mean; the median and the fastest round are
// printed per size, in microseconds per picture.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "controls/control_skin.h"
#include "controls/s_common_data.h"
#include "controls/skinned_text.h"
#include "framework/application.h"
#include "framework/forms.h"
#include "framework/panel.h"
#include "skin/manager/internal_skin_win32.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {
namespace {

constexpr int kBatch = 20;

// A panel that owns skin data and hears the skin commands first, as skinned controls do. Its
// parent owns it.
class TSkinnedPanel : public TPanel {
 public:
  TSkinnedPanel(TWinControl* parent, const char* section, int kind) : TPanel(parent), data(this, true) {
    data.ControlKind = kind;
    hook_ = data.PlugInto(MessageHooks());
    SetParent(parent);
    data.SetSkinSection(section);
  }
  TsCommonData data;

 private:
  TRemovalToken hook_;
};

void PaintPicture(TSkinnedPanel& control, int state) {
  TsCommonData& data = control.data;
  data.PrepareCache();
  const TRect whole{0, 0, control.Width(), control.Height()};
  PaintControlSkin(data, data.GetParentImage(), true, true, *data.CacheBmp(), {control.Left(), control.Top()}, whole,
                   state);
  DrawSkinnedText(data.CacheBmp()->Canvas(), "开始分割", true, state != 0, data, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                  RECT{0, 0, whole.Right, whole.Bottom});
}

double MicrosecondsPerPicture(TSkinnedPanel& control, int rounds, double& fastest) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  for (int i = 0; i < kBatch; ++i) PaintPicture(control, i % 2);
  std::vector<double> times;
  for (int round = 0; round < rounds; ++round) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kBatch; ++i) PaintPicture(control, i % 2);
    QueryPerformanceCounter(&end);
    times.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart) /
                    kBatch);
  }
  std::sort(times.begin(), times.end());
  fastest = times.front();
  return times[times.size() / 2];
}

int Run(int rounds) {
  TApplication application;
  application.Initialize();
  auto* form = application.CreateForm<TForm>();
  form->SetBounds(0, 0, 640, 400);
  auto* manager = new TsSkinManager(form);
  AddInternalSkin(manager->InternalSkins());
  manager->SetSkinName(kInternalSkinName);
  form->HandleNeeded();

  // The button's parent: a "PANEL" whose picture is finished and lent to its children.
  auto* panel = new TSkinnedPanel(form, "PANEL", 51);
  panel->SetBounds(0, 0, 600, 300);
  PaintPicture(*panel, 0);
  panel->data.BGChanged = false;

  std::printf("%-10s %14s %14s\n", "BUTTON", "median us", "fastest us");
  for (auto [width, height] : {std::pair{113, 25}, {508, 231}}) {
    auto* button = new TSkinnedPanel(panel, "BUTTON", 93);
    button->SetBounds(40, 30, width, height);
    if (!button->data.IsSkinned(true)) {
      std::fprintf(stderr, "the program's skin has no BUTTON\n");
      return 1;
    }
    double fastest = 0;
    const double median = MicrosecondsPerPicture(*button, rounds, fastest);
    std::printf("%4d x %-3d %14.1f %14.1f\n", width, height, median, fastest);
  }
  return 0;
}

}  // namespace
}  // namespace sundrel

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 101;
  return sundrel::Run(rounds);
}
