#include "base/errors.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

namespace sundrel {
namespace {

TEST(Errors, FormatTextFillsEachPlaceholderInTurn) {
  EXPECT_EQ(FormatText("Cannot open file \"%s\". %s", {"C:\\a.bin", "Access is denied"}),
            "Cannot open file \"C:\\a.bin\". Access is denied");
  EXPECT_EQ(FormatText("no placeholder", {"unused"}), "no placeholder");
}

// What a report shows for whatever was thrown.
TEST(Errors, TheCurrentExceptionsMessage) {
  struct Case {
    const char* thrown;
    std::function<void()> raise;
    const char* message;
  };
  for (const Case& c : std::vector<Case>{
           {"our own error", [] { throw EReadError(SReadError); }, "Stream read error"},
           {"a failed allocation", [] { throw std::bad_alloc(); }, "Out of memory"},
           {"a standard error", [] { throw std::length_error("vector too long"); }, "vector too long"},
           {"not an exception object", [] { throw 42; }, "Unknown error"},
       }) {
    try {
      c.raise();
      ADD_FAILURE() << c.thrown << " was not thrown";
    } catch (...) {
      EXPECT_EQ(CurrentExceptionMessage(), c.message) << c.thrown;
    }
  }
}

}  // namespace
}  // namespace sundrel
