// Text in the program is UTF-8; the system's wide functions take UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace sundrel {

// Ill-formed input never fails: each bad byte (or lone surrogate) becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

#ifdef _WIN32
std::wstring ToWide(std::string_view text);
std::string FromWide(std::wstring_view text);
#endif

}  // namespace sundrel
