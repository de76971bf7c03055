#include "windows/dialog_controls/ac_static_wnd.h"

#include "base/handles_win32.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "windows/dialog_controls/dialog_paint.h"

namespace sundrel {

void TacStaticWnd::PaintContent() {
  if (!messageFontRead_) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
      const UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));
      AssignFont(messageFont_, font.get());
    }
    messageFontRead_ = true;
  }
  const RECT r{0, 0, Size.cx + 4, Size.cy};
  DrawCaptionInCache(*this, messageFont_.Handle(), Caption, DT_WORDBREAK | DT_EXPANDTABS, r, false);
}

void TacIconWnd::PaintContent() {
  const auto icon = reinterpret_cast<HICON>(SendMessageW(Window(), STM_GETICON, 0, 0));
  TBitmap* cache = SkinData()->CacheBmp();
  if (icon != nullptr && cache != nullptr) DrawIcon(cache->Canvas().Handle(), 0, 0, icon);
}

namespace {

// Where the picture of the dialog-marking static lies; the skin goes around it.
constexpr RECT kNativePicture{30, 6, 120, 41};

}  // namespace

void TacStaticWnd::Paint(HDC given, const TPassOn& passOn) {
  UpdateGeometry();
  SkinData()->BGChanged = true;
  SendSkinCommand(Window(), SMC_PREPARE_CACHE);
  PaintContent();
  if (!KeepsNativePicture) {
    ShowCache(*this, given);
    return;
  }
  ShowCache(*this, given, 0, [&](HDC dc) {
    TMessage print{WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT, 0};
    passOn(print);
    ExcludeClipRect(dc, kNativePicture.left, kNativePicture.top, kNativePicture.right, kNativePicture.bottom);
  });
}

void TacStaticWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacMainWnd::WndProc(message, passOn);
    return;
  }
  const HWND window = Window();
  switch (message.Msg) {
    case WM_ENABLE:
    case WM_CANCELMODE:
    case WM_SETTEXT:
      PassOnRedrawGuarded(*this, message, passOn);
      if (message.Msg == WM_SETTEXT) ReadCaption();
      return;
    case WM_UPDATEUISTATE:
      if (!IsWindowVisible(window)) break;
      SendMessageW(window, WM_SETREDRAW, FALSE, 0);
      TacMainWnd::WndProc(message, passOn);
      SendMessageW(window, WM_SETREDRAW, TRUE, 0);
      return;
    case WM_ERASEBKGND:
      if (PaintsItself()) {
        SkinData()->BGChanged = true;
        SendSkinCommand(window, SMC_PREPARE_CACHE);
        CopyCacheToDC(*this, reinterpret_cast<HDC>(message.WParam));
      }
      message.Result = 1;
      return;
    case WM_NCPAINT:
      return;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (!IsWindowVisible(window) || PaintsItself()) break;
      Paint(reinterpret_cast<HDC>(message.WParam), passOn);
      return;
    default:
      break;
  }
  TacMainWnd::WndProc(message, passOn);
}

}  // namespace sundrel
