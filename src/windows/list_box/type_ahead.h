// The prefix that type-ahead searches a list for: keys typed one after another build it up, and a
// pause of the delay or longer starts a new one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sundrel {

class TTypeAhead {
 public:
  uint16_t Delay() const { return delay_; }
  void SetDelay(uint16_t milliseconds) { delay_ = milliseconds; }
  const std::string& Prefix() const { return prefix_; }

  // One character typed at the tick count `now` (a surrogate pair comes as one character of two
  // units): a backspace takes the prefix's last character away, anything else is appended.
  // Answers the prefix to look for.
  const std::string& Type(std::wstring_view typed, uint32_t now);

 private:
  uint16_t delay_ = 500;
  uint32_t lastKey_ = 0;
  std::string prefix_;
};

}  // namespace sundrel
