#include "base/int_parse.h"

#include <string>

#include "base/errors.h"

namespace sundrel {

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int32_t> TryStrToInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true, i += 1;
  } else if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
    hex = true, i += 1;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true, i += 2;
  }
  if (i == text.size()) return std::nullopt;

  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = hex ? HexDigitValue(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }

  if (hex) {
    // Eight hex digits fill the 32 bits; the top bit is the sign.
    const auto bits = static_cast<uint32_t>(value);
    const auto magnitude = static_cast<int64_t>(static_cast<int32_t>(bits));
    return static_cast<int32_t>(static_cast<uint32_t>(negative ? -magnitude : magnitude));
  }
  const int64_t signedValue = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
  if (signedValue < INT32_MIN || signedValue > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(signedValue);
}

int32_t StrToIntDef(std::string_view text, int32_t fallback) {
  return TryStrToInt(text).value_or(fallback);
}

int32_t StrToInt(std::string_view text) {
  if (auto value = TryStrToInt(text)) return *value;
  throw EConvertError(FormatText(SInvalidInteger, {std::string(text)}));
}

}  // namespace sundrel
