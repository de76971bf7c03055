#include "provider_fixture.h"

#include <algorithm>
#include <cstdlib>

#include "skin/manager/internal_skin_win32.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/model/mask_geometry.h"
#include "skin/model/skin_model.h"
#include "windows/auto/auto_skinning.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel::testing {

TScreenShot SettledCapture(HWND window) {
  RECT area{};
  GetWindowRect(window, &area);
  return SettledCapture(area);
}

namespace {

int Strongest(COLORREF c) {
  return std::max({GetRValue(c), GetGValue(c), GetBValue(c)});
}

COLORREF Difference(COLORREF a, COLORREF b) {
  return RGB(std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
             std::abs(GetBValue(a) - GetBValue(b)));
}

}  // namespace

int ExpectGlyphCell(const TsSkinManager& manager, HWND window, const TacCaptionButton& button, int state) {
  const SkinModel& skin = manager.Skin();
  const TsMaskData& mask = skin.Masks()[static_cast<size_t>(button.MaskIndex)];
  const TRect cell = StateCellRect(mask, state);
  const TRect maskCell = StateMaskRect(mask, state);
  const TacMemBitmap& master = skin.MasterBitmap();
  const TScreenShot shot = SettledCapture(window);
  constexpr int kNearlyOpaque = 24;
  int compared = 0;
  int wrong = 0;
  for (int y = 0; y < cell.Height(); ++y) {
    for (int x = 0; x < cell.Width(); ++x) {
      const TColor pixel = master.Pixel(cell.Left + x, cell.Top + y);
      if (pixel == clFuchsia || Strongest(master.Pixel(maskCell.Left + x, maskCell.Top + y)) > kNearlyOpaque) continue;
      ++compared;
      const COLORREF seen = shot.At(shot.Area.left + button.Rect.Left + x, shot.Area.top + button.Rect.Top + y);
      if (Strongest(Difference(seen, static_cast<COLORREF>(pixel))) > kNearlyOpaque) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0) << "of " << compared << " opaque pixels";
  return compared;
}

void Mark(HWND window, const TRect& r) {
  HDC dc = GetWindowDC(window);
  HBRUSH brush = CreateSolidBrush(kMarker);
  const RECT area{r.Left, r.Top, r.Right, r.Bottom};
  FillRect(dc, &area, brush);
  DeleteObject(brush);
  ReleaseDC(window, dc);
}

bool StillMarked(HWND window, const TRect& r) {
  HDC dc = GetWindowDC(window);
  const COLORREF seen = GetPixel(dc, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  ReleaseDC(window, dc);
  return seen == kMarker;
}

bool AnswersSkinned(HWND window) {
  return SendSkinCommand(window, SMC_IS_SKINNED) == 1;
}

TsSkinProvider* ProviderOfForm(TCustomForm* form) {
  return dynamic_cast<TsSkinProvider*>(
      reinterpret_cast<TComponent*>(SendSkinCommand(form->Handle(), SMC_GET_PROVIDER)));
}

bool ShowSkinned(TCustomForm& form) {
  form.Show();
  return PumpUntil([&] { return GetActiveWindow() == form.Handle() && AnswersSkinned(form.Handle()); }, 5000);
}

void ProviderTest::SetUp() {
  FrameworkTest::SetUp();
  skinning = SkinWindowsAutomatically();
}

void ProviderTest::TearDown() {
  FrameworkTest::TearDown();
  skinning.Remove();
}

TsSkinManager* ProviderTest::Manager() {
  if (manager_ == nullptr) {
    manager_ = new TsSkinManager(application.get());
    AddInternalSkin(manager_->InternalSkins());
    manager_->SetSkinName(kInternalSkinName);
  }
  return manager_;
}

TForm* ProviderTest::ShownForm(TFormBorderStyle border, TBorderIcons icons, const std::string& caption) {
  Manager();
  auto* form = new TForm(application.get());
  form->SetBorderStyle(border);
  form->SetBorderIcons(icons);
  form->SetCaption(caption);
  form->SetBounds(100, 100, 360, 220);
  form->Show();
  PumpUntil([&] { return GetActiveWindow() == form->Handle(); }, 5000);
  return form;
}

}  // namespace sundrel::testing
