// The exceptions the program raises, with the system's own message texts.
#pragma once

#include <stdexcept>
#include <string>

namespace sundrel {

inline constexpr const char* SFCreateErrorEx = "Cannot create file \"%s\". %s";
inline constexpr const char* SFOpenErrorEx = "Cannot open file \"%s\". %s";
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";
inline constexpr const char* SMemoryStreamError = "Out of memory while expanding memory stream";
inline constexpr const char* SInvalidInteger = "'%s' is not a valid integer value";

// Messages are UTF-8.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  std::string Message() const { return what(); }
};

class EStreamError : public Exception {
  using Exception::Exception;
};
class EFCreateError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
  using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
  using EStreamError::EStreamError;
};
class EConvertError : public Exception {
  using Exception::Exception;
};

// Replaces each "%s" of the pattern, in order, with the next argument.
std::string FormatText(const char* pattern, std::initializer_list<std::string> args);

// The message of the exception being handled (call it inside a catch block): its own text, "Out
// of memory" for a failed allocation, "Unknown error" for what is not an exception object.
std::string CurrentExceptionMessage();

}  // namespace sundrel
