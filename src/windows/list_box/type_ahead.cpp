#include "windows/list_box/type_ahead.h"

#include "base/utf.h"

namespace sundrel {

namespace {

// A UTF-8 continuation byte: 10xxxxxx.
bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void DropLastCharacter(std::string& text) {
  while (!text.empty() && IsContinuationByte(text.back())) text.pop_back();
  if (!text.empty()) text.pop_back();
}

}  // namespace

const std::string& TTypeAhead::Type(std::wstring_view typed, uint32_t now) {
  // Unsigned subtraction keeps counting right when the tick count wraps around.
  if (now - lastKey_ >= delay_) prefix_.clear();
  lastKey_ = now;
  if (typed == L"\b") {
    DropLastCharacter(prefix_);
  } else {
    prefix_ += FromWide(typed);
  }
  return prefix_;
}

}  // namespace sundrel
