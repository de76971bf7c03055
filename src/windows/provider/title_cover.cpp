#include "windows/provider/title_cover.h"

#include "base/handles_win32.h"
#include "framework/application.h"

namespace sundrel {

namespace {

TacTitleCover* cover = nullptr;

}  // namespace

TacTitleCover* TacTitleCover::Instance() {
  if (cover == nullptr && Application != nullptr) cover = new TacTitleCover(Application);
  return cover;
}

TacTitleCover::TacTitleCover(TComponent* owner) : TCustomForm(owner) {
  SetName("acTitleCover");
  SetTag(kNotSkinnedTag);
  SetBorderStyle(bsNone);
  SetScaled(false);
  // Made now, hidden: showing it later must not be the first thing its window does.
  HandleNeeded();
}

TacTitleCover::~TacTitleCover() {
  if (cover == this) cover = nullptr;
}

void TacTitleCover::CreateParams(TCreateParams& params) const {
  TCustomForm::CreateParams(params);
  params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
}

void TacTitleCover::ShowOver(HWND form, TBitmap& picture, const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0 || picture.Handle() == nullptr) return;
  picture_.SetSize(width, height);
  BitBlt(picture_.Canvas().Handle(), 0, 0, width, height, picture.Canvas().Handle(), area.left, area.top, SRCCOPY);
  RECT bounds{};
  GetWindowRect(form, &bounds);
  // Owned by the form, it stays in front of it.
  SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(form));
  SetWindowPos(Handle(), HWND_TOP, bounds.left + area.left, bounds.top + area.top, width, height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  UpdateWindow(Handle());
}

void TacTitleCover::Conceal() {
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
  // A form takes the windows it owns with it when it goes: the cover must belong to none then.
  SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, 0);
}

void TacTitleCover::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEACTIVATE:
      message.Result = MA_NOACTIVATE;
      return;
    case WM_NCHITTEST:
      message.Result = HTTRANSPARENT;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_PAINT: {
      PaintScope paint(Handle());
      BitBlt(paint.get(), 0, 0, picture_.Width(), picture_.Height(), picture_.Canvas().Handle(), 0, 0, SRCCOPY);
      return;
    }
    default:
      TCustomForm::WndProc(message);
  }
}

}  // namespace sundrel
