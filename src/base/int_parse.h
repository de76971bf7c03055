// Reading 32-bit integers typed by people or written in skin options: decimal, or hexadecimal
// after "$", "x" or "0x".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sundrel {

// Leading blanks and one sign are accepted; anything after the digits (blanks too) is not.
// Hexadecimal values take the full 32 bits, so "$FFFFFFFF" is -1; decimal ones must fit.
std::optional<int32_t> TryStrToInt(std::string_view text);

int32_t StrToIntDef(std::string_view text, int32_t fallback);

// Raises EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);

}  // namespace sundrel
