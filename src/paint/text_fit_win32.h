// Shortening a text with "..." to fit a width, measured with the context's current font.
#pragma once

#include <windows.h>

#include <string>

namespace sundrel {

// Empty for a width of 0 or less; the text itself when it fits; otherwise the longest prefix that
// still fits when followed by "...", with "..." appended (empty when not one character fits).
// Characters are removed whole: a surrogate pair is never split.
std::string FitTextWithEllipsis(HDC dc, const std::string& text, int width);

}  // namespace sundrel
