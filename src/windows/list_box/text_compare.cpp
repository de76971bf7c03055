#include "windows/list_box/text_compare.h"

#include <windows.h>

#include <string>

#include "base/utf.h"

namespace sundrel {

namespace {

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  return EqualIgnoringCase(ToWide(a), ToWide(b));
}

bool StartsWithText(std::string_view text, std::string_view prefix) {
  const std::wstring wideText = ToWide(text);
  const std::wstring widePrefix = ToWide(prefix);
  if (wideText.size() < widePrefix.size()) return false;
  return EqualIgnoringCase(wideText.substr(0, widePrefix.size()), widePrefix);
}

}  // namespace sundrel
