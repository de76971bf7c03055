#include <gtest/gtest.h>

#include "base/errors.h"
#include "paint/gradient.h"

namespace sundrel {
namespace {

TEST(ParseGradientData, ReadsFiveFieldsToAStep) {
  struct Case {
    const char* text;
    TsGradArray expected;
  };
  const Case cases[] = {
      {"16777215;11237449;99;0;0;11237449;11237449;0;0;0", {{16777215, 11237449, 99, 0}, {11237449, 11237449, 0, 0}}},
      {";;1;2;3;1;0;;;;4;5;6;2;0;;", {{1, 2, 3, 1}, {4, 5, 6, 2}}},  // runs of separators count as one
      {"1;2;300;0;0", {{1, 2, 100, 0}}},                             // percent capped at 100
      {"1;2;-5;0;0", {{1, 2, 0, 0}}},
      {"1;2;3;0;0;9", {{1, 2, 3, 0}}},  // six fields: one step
      {"1;2;3;0", {}},                  // four fields: nothing
      {"", {}},
      {" ", {}},
      {"1;2;3;0;not used;4;x;y", {{1, 2, 3, 0}}},  // the fifth field and a partial step are never read
      {"$FF;-1;50;7;0", {{255, -1, 50, 7}}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseGradientData(c.text), c.expected) << c.text;
}

TEST(ParseGradientData, AFieldThatIsNoIntegerRaisesTheConversionError) {
  try {
    ParseGradientData("1;2;abc;0;0");
    FAIL() << "no error raised";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
  }
  EXPECT_THROW(ParseGradientData("1;2;3; 0 ;0"), EConvertError);
}

}  // namespace
}  // namespace sundrel
