#include <gtest/gtest.h>

#include <optional>

#include "base/errors.h"
#include "base/int_parse.h"

namespace sundrel {
namespace {

struct IntCase {
  const char* text;
  std::optional<int32_t> expected;
};

TEST(IntParse, ReadsDecimalAndHexAsTyped) {
  const IntCase cases[] = {
      {"3", 3},
      {"   4", 4},
      {"+7", 7},
      {"-12", -12},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"$A", 10},
      {"$a", 10},
      {"0x0A", 10},
      {"0X1f", 31},
      {"x10", 16},
      {"X10", 16},
      {"-$A", -10},
      {"$FFFFFFFF", -1},
      {"$80000000", INT32_MIN},
      {"$000000001", 1},
      {"007", 7},
  };
  for (const auto& c : cases) EXPECT_EQ(TryStrToInt(c.text), c.expected) << c.text;
}

TEST(IntParse, RejectsWhatIsNotExactlyANumber) {
  const char* const cases[] = {
      "",     " ",           "abc",          "4 ",  "4x",   "--4",       "+-4", "$",
      "0x",   "x",           "2147483648",   "-2147483649", "99999999999", "$100000000",
      "1.5",  "$G",          "\t4",
  };
  for (const char* text : cases) EXPECT_EQ(TryStrToInt(text), std::nullopt) << '"' << text << '"';
}

TEST(IntParse, StrictReadingRaisesTheConversionMessage) {
  EXPECT_EQ(StrToIntDef("abc", 3), 3);
  EXPECT_EQ(StrToIntDef("$A", 3), 10);
  try {
    StrToInt("12a");
    FAIL() << "no error raised";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'12a' is not a valid integer value");
  }
}

}  // namespace
}  // namespace sundrel
