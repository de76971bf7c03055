#include "framework/graphics.h"

#include "base/utf.h"
#include "framework/screen.h"

namespace sundrel {

// The framework's default font: "MS Sans Serif", 8 points at the screen's resolution.
TFont::TFont() : name_("MS Sans Serif"), height_(-MulDiv(8, ScreenPixelsPerInch(), 72)) {}

void TFont::Assign(const TFont& other) {
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  color_ = other.color_;
  charset_ = other.charset_;
  Changed();
}

void TFont::SetName(std::string name) {
  if (name == name_) return;
  name_ = std::move(name);
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetCharset(BYTE charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW font{};
    font.lfHeight = height_;
    font.lfWeight = (style_ & fsBold) != 0 ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (style_ & fsItalic) != 0;
    font.lfUnderline = (style_ & fsUnderline) != 0;
    font.lfStrikeOut = (style_ & fsStrikeOut) != 0;
    font.lfCharSet = charset_;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, ToWide(name_).c_str(), LF_FACESIZE);
    handle_.reset(CreateFontIndirectW(&font));
  }
  return handle_.get();
}

void TFont::Changed() {
  handle_.reset();
  if (OnChange) OnChange();
}

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  handle_.reset();
}

HBRUSH TBrush::Handle() const {
  if (style_ == TBrushStyle::bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!handle_) handle_.reset(CreateSolidBrush(ColorRefOf(color_)));
  return handle_.get();
}

void TCanvas::FillRect(const RECT& rect) {
  ::FillRect(dc_, &rect, brush_.Handle());
}

int TCanvas::DrawText(std::string_view text, RECT& rect, UINT flags) {
  std::wstring wide = ToWide(text);
  SelectObjectGuard font(dc_, font_.Handle());
  SetTextColor(dc_, ColorRefOf(font_.Color()));
  SetBkMode(dc_, TRANSPARENT);
  return ::DrawTextW(dc_, wide.data(), static_cast<int>(wide.size()), &rect, flags);
}

}  // namespace sundrel
