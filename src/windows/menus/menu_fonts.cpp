#include "windows/menus/menu_fonts.h"

#include <string>

#include "base/utf.h"
#include "framework/screen.h"
#include "windows/menus/menu_items.h"

namespace sundrel {

void UseMenuFont(TFont& font, const TMenuItem& item, bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const LOGFONTW& menuFont = metrics.lfMenuFont;
  font.SetName(FromWide(menuFont.lfFaceName));
  font.SetHeight(menuFont.lfHeight);
  TFontStyles style = menuFont.lfItalic ? fsItalic : 0u;
  if (bold || menuFont.lfWeight >= FW_BOLD) style |= fsBold;
  font.SetStyle(style);
  const TCustomForm* form = FormOf(item);
  font.SetCharset(form != nullptr ? form->Font().Charset() : menuFont.lfCharSet);
}

int LetterHeight(TCanvas& canvas) {
  SelectObjectGuard font(canvas.Handle(), canvas.Font().Handle());
  SIZE size{};
  GetTextExtentPoint32W(canvas.Handle(), L"W", 1, &size);
  return size.cy;
}

int TextWidth(TCanvas& canvas, std::string_view text, UINT flags) {
  RECT r{0, 0, 1, 0};
  canvas.DrawText(text, r, flags | DT_CALCRECT);
  return r.right - r.left;
}

TMeasuringCanvas::TMeasuringCanvas() : dc_(CreateCompatibleDC(nullptr)) {
  canvas_.SetHandle(dc_.get());
}

UniqueFont CreateUpwardFont(const TFont& font) {
  LOGFONTW logFont{};
  // A font's Height is minus its character height at the screen's resolution; the point size
  // that it stands for becomes the cell height.
  logFont.lfHeight = MulDiv(font.Height() < 0 ? -font.Height() : font.Height(), 72, ScreenPixelsPerInch());
  logFont.lfEscapement = -2700;
  logFont.lfOrientation = -2700;
  logFont.lfWeight = FW_NORMAL;
  logFont.lfItalic = (font.Style() & fsItalic) != 0;
  logFont.lfUnderline = (font.Style() & fsUnderline) != 0;
  logFont.lfStrikeOut = (font.Style() & fsStrikeOut) != 0;
  logFont.lfCharSet = font.Charset();
  lstrcpynW(logFont.lfFaceName, ToWide(font.Name()).c_str(), LF_FACESIZE);
  return UniqueFont(CreateFontIndirectW(&logFont));
}

}  // namespace sundrel
