#include "base/errors.h"

#include <cstring>
#include <exception>
#include <new>

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

std::string CurrentExceptionMessage() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return "Out of memory";
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "Unknown error";
  }
}

}  // namespace sundrel
