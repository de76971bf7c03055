#include "tidewater_form.h"

#include <cstdlib>
#include <vector>

#include "png/png_writer.h"
#include "skin/manager/internal_skin_win32.h"
#include "skin/model/skin_model.h"

namespace sundrel::testing {

void TidewaterForm::SetUp() {
  FrameworkTest::SetUp();
  form = application->CreateForm<TForm>();
  form->SetBounds(0, 0, 420, 300);
  manager = new TsSkinManager(form);
  AddInternalSkin(manager->InternalSkins());
  manager->SetSkinDirectory(folder.Path());
  manager->SetSkinName(kInternalSkinName);
  form->HandleNeeded();
  SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  form->Show();
  ASSERT_TRUE(manager->SkinData().Active);
}

void TidewaterForm::Settle() {
  MSG message;
  for (int round = 0; round < 5; ++round) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
}

std::unique_ptr<TBitmap> TidewaterForm::Screen(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle();
  RECT r;
  GetWindowRect(window, &r);
  auto bitmap = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  BitBlt(bitmap->Canvas().Handle(), 0, 0, bitmap->Width(), bitmap->Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

std::unique_ptr<TBitmap> TidewaterForm::Printed(HWND window, TColor background) {
  RECT r;
  GetWindowRect(window, &r);
  auto bitmap = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
  FillBitmap(*bitmap, background);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(bitmap->Canvas().Handle()), PRF_NONCLIENT | PRF_CLIENT);
  GdiFlush();
  return bitmap;
}

TsPanel* TidewaterForm::AddPanel(int left, int top, int width, int height) {
  auto* panel = new TsPanel(form);
  panel->SetBounds(left, top, width, height);
  panel->SetParent(form);
  return panel;
}

const TsGeneralData& TidewaterForm::Section(const std::string& name) const {
  const int index = manager->GetSkinIndex(name);
  EXPECT_GE(index, 0) << name;
  return manager->Skin().Sections().at(static_cast<size_t>(index));
}

void TidewaterForm::SaveScreenshot(TBitmap& bitmap, const std::string& name) {
  const char* folder = std::getenv("SUNDREL_SCREENSHOTS");
  if (folder == nullptr) return;
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(bitmap.Width()) * bitmap.Height() * 3);
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor c = PixelOf(bitmap, x, y);
      rgb.insert(rgb.end(),
                 {static_cast<uint8_t>(RedOf(c)), static_cast<uint8_t>(GreenOf(c)), static_cast<uint8_t>(BlueOf(c))});
    }
  }
  WritePng(std::string(folder) + "\\" + name, bitmap.Width(), bitmap.Height(), rgb);
}

void FillBitmap(TBitmap& bitmap, TColor color) {
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color)));
  const RECT whole{0, 0, bitmap.Width(), bitmap.Height()};
  FillRect(bitmap.Canvas().Handle(), &whole, brush);
  DeleteObject(brush);
}

TColor PixelOf(TBitmap& bitmap, int x, int y) {
  return static_cast<TColor>(GetPixel(bitmap.Canvas().Handle(), x, y));
}

}  // namespace sundrel::testing
