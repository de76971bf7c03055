#include "base/errors.h"

#include <cstring>

namespace sundrel {

std::string FormatText(const char* pattern, std::initializer_list<std::string> args) {
  std::string out;
  auto next = args.begin();
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] == 's' && next != args.end()) {
      out += *next++;
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

}  // namespace sundrel
