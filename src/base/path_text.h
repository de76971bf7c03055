// Plain text rules for file names, as the program applies them to what the user typed.
#pragma once

#include <string>
#include <string_view>

namespace sundrel {

#ifdef _WIN32
inline constexpr char kPathDelim = '\\';
#else
inline constexpr char kPathDelim = '/';
#endif

// Removes leading and trailing characters with codes of 32 or less (blanks, controls).
std::string TrimControlChars(std::string_view text);

// The text after the last path delimiter (or, on Windows, drive colon); the whole text when it
// has neither.
std::string ExtractFileName(std::string_view path);

// Everything up to and including the last path delimiter (or, on Windows, drive colon):
// "D:\video\" for D:\video\clip.avi; empty when the text has neither.
std::string ExtractFilePath(std::string_view path);

// Appends a delimiter unless the text already ends in one. In UTF-8 a delimiter byte is never
// part of a longer character, so looking at the last byte is the same as looking at the last
// character.
std::string IncludeTrailingPathDelimiter(std::string_view folder);

}  // namespace sundrel
