// What a click on "开始分割" does with the source's size and the typed part count.
#include "app/split_request.h"

#include <gtest/gtest.h>

namespace sundrel {
namespace {

struct Case {
  int64_t size;
  const char* countText;
  int32_t parts;        // 0: nothing is split
  const char* refusal;  // empty when the split goes ahead
};

TEST(SplitRequest, SplitsOnlyWhenTheCountFitsTheFile) {
  const Case cases[] = {
      {100, "4", 4, ""},
      {100, "  4 ", 4, ""},  // blanks around the number do not matter
      {100, "\t7\t", 7, ""},
      {100, "$A", 10, ""},
      {100, "0x0A", 10, ""},
      {100, "x0a", 10, ""},
      {100, "1", 1, ""},
      {100, "99", 99, ""},
      {100, "100", 0, "分割数目必须在 1 到 99 之间"},
      {100, "0", 0, "分割数目必须在 1 到 99 之间"},
      {100, "-3", 0, "分割数目必须在 1 到 99 之间"},
      {100, "$FFFFFFFF", 0, "分割数目必须在 1 到 99 之间"},  // -1 in 32 bits
      {100, "abc", 0, "请输入有效的分割数目"},
      {100, "", 0, "请输入有效的分割数目"},
      {100, "4 4", 0, "请输入有效的分割数目"},
      {100, "99999999999", 0, "请输入有效的分割数目"},
      {0, "3", 0, "文件为空，无法分割"},
      {0, "abc", 0, "文件为空，无法分割"},
      {1, "1", 0, "文件太小，无法分割"},
      {5000000000, "4", 4, ""},
      // A large file is cut into at most 99,999 parts, and the message names no count the
      // parser refuses.
      {5000000000, "99999", 99999, ""},
      {5000000000, "100000", 0, "分割数目必须在 1 到 99999 之间"},
      {5000000000, "0", 0, "分割数目必须在 1 到 99999 之间"},
      {5000000000, "2147483647", 0, "分割数目必须在 1 到 99999 之间"},
  };
  for (const Case& test : cases) {
    const SplitRequest request = CheckSplitRequest(test.size, test.countText);
    EXPECT_EQ(request.partCount, test.parts) << test.size << " bytes, \"" << test.countText << "\"";
    EXPECT_EQ(request.refusal, test.refusal) << test.size << " bytes, \"" << test.countText << "\"";
  }
}

}  // namespace
}  // namespace sundrel
