#include <gtest/gtest.h>

#include "base/utf.h"

namespace sundrel {
namespace {

TEST(Utf, RoundTripsEveryPlane) {
  const std::string texts[] = {"", "plain", "文件分割完毕", "caf\xC3\xA9", "\xF0\x9F\x98\x80 emoji", std::string("a\0b", 3)};
  for (const auto& text : texts) EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), (std::u16string{0xD83D, 0xDE00}));
  EXPECT_EQ(Utf8ToUtf16("文"), std::u16string{0x6587});
}

TEST(Utf, IllFormedInputBecomesReplacementCharacters) {
  struct Case {
    std::string utf8;
    std::u16string utf16;
  };
  const Case cases[] = {
      {"\xFF", u"\uFFFD"},
      {"a\x80" "b", u"a\uFFFDb"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},          // overlong "/"
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // an encoded surrogate
      {"\xE6\x96", u"\uFFFD\uFFFD"},           // cut short
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'a'}), "\xEF\xBF\xBD" "a");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00}), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace sundrel
