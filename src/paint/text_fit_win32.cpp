#include "paint/text_fit_win32.h"

#include "base/utf.h"

namespace sundrel {

namespace {

int TextWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// Drops the last character, both halves of a surrogate pair at once.
void RemoveLastCharacter(std::wstring& text) {
  const size_t n = text.size();
  const bool pair =
      n >= 2 && text[n - 1] >= 0xDC00 && text[n - 1] <= 0xDFFF && text[n - 2] >= 0xD800 && text[n - 2] <= 0xDBFF;
  text.resize(n - (pair ? 2 : 1));
}

}  // namespace

std::string FitTextWithEllipsis(HDC dc, const std::string& text, int width) {
  if (width <= 0) return {};
  std::wstring wide = ToWide(text);
  if (TextWidth(dc, wide) <= width) return text;
  while (!wide.empty()) {
    RemoveLastCharacter(wide);
    if (!wide.empty() && TextWidth(dc, wide + L"...") <= width) return FromWide(wide) + "...";
  }
  return {};
}

}  // namespace sundrel
