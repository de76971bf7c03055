#include "page_fixture.h"

#include <cstdlib>
#include <vector>

#include "png/png_writer.h"
#include "skin/manager/internal_skin_win32.h"
#include "skin/model/skin_model.h"

namespace sundrel::testing {

namespace {

TsTabSheet* SheetOf(TsPageControl* pages, const char* caption) {
  auto* sheet = new TsTabSheet(pages->Owner());
  sheet->SetCaption(caption);
  sheet->SetPageControl(pages);
  return sheet;
}

}  // namespace

void PageControlTest::SetUp() {
  FrameworkTest::SetUp();
  form = application->CreateForm<TForm>();
  form->SetBounds(40, 40, 400, 300);
  manager = new TsSkinManager(form);
  AddInternalSkin(manager->InternalSkins());
  manager->SetSkinDirectory(folder.Path());
  manager->SetSkinName(kInternalSkinName);
  pages = new TsPageControl(form);
  pages->SetBounds(kPagesLeft, kPagesTop, kPagesWidth, kPagesHeight);
  pages->SetParent(form);
  pages->SkinData().SetSkinSection("PAGECONTROL");
  one = SheetOf(pages, "One");
  two = SheetOf(pages, "Two");
  form->Show();
  ASSERT_TRUE(pages->SkinData().IsSkinned(true));
  ASSERT_TRUE(PumpUntil([&] { return !pages->SkinData().BGChanged; })) << "the control paints itself";
}

std::unique_ptr<TBitmap> PageControlTest::Picture() const {
  auto picture = std::make_unique<TBitmap>(pages->Width(), pages->Height());
  SendMessageW(pages->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture->Canvas().Handle()), PRF_CLIENT);
  GdiFlush();
  return picture;
}

TColor PageControlTest::PixelOf(TBitmap& bitmap, int x, int y) {
  return static_cast<TColor>(GetPixel(bitmap.Canvas().Handle(), x, y));
}

POINT PageControlTest::TabCentre(int index) const {
  const RECT r = pages->TabItemRect(index);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void PageControlTest::ClickTab(int index) const {
  const POINT at = TabCentre(index);
  SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

std::unique_ptr<TBitmap> ScreenPicture(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpUntil([] { return false; }, 200);  // what the paints leave on the screen
  RECT bounds;
  GetWindowRect(window, &bounds);
  auto picture = std::make_unique<TBitmap>(bounds.right - bounds.left, bounds.bottom - bounds.top);
  WindowDC screen(nullptr);
  BitBlt(picture->Canvas().Handle(), 0, 0, picture->Width(), picture->Height(), screen.get(), bounds.left, bounds.top,
         SRCCOPY);
  GdiFlush();
  return picture;
}

void SaveScreenshot(HWND window, const std::string& name) {
  const char* folder = std::getenv("SUNDREL_SCREENSHOTS");
  if (folder == nullptr) return;
  const std::unique_ptr<TBitmap> picture = ScreenPicture(window);
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(picture->Width()) * picture->Height() * 3);
  for (int y = 0; y < picture->Height(); ++y) {
    const uint8_t* row = picture->ScanLine(y);
    for (int x = 0; x < picture->Width(); ++x) rgb.insert(rgb.end(), {row[x * 3 + 2], row[x * 3 + 1], row[x * 3]});
  }
  WritePng(std::string(folder) + "/" + name, picture->Width(), picture->Height(), rgb);
}

bool Differ(TBitmap& a, TBitmap& b, const TRect& r) {
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      if (GetPixel(a.Canvas().Handle(), x, y) != GetPixel(b.Canvas().Handle(), x, y)) return true;
    }
  }
  return false;
}

}  // namespace sundrel::testing
