#include <gtest/gtest.h>

#include <string>

#include "base/utf.h"
#include "paint/text_fit_win32.h"

namespace sundrel {
namespace {

class FitText : public ::testing::Test {
 protected:
  void SetUp() override {
    dc_ = CreateCompatibleDC(nullptr);
    font_ = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    previous_ = SelectObject(dc_, font_);
  }
  void TearDown() override {
    SelectObject(dc_, previous_);
    DeleteObject(font_);
    DeleteDC(dc_);
  }

  int Width(const std::string& text) const {
    const std::wstring wide = ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
  }

  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

TEST_F(FitText, KeepsTheLongestPrefixThatFitsWithTheEllipsis) {
  const std::string text = "Split the file into parts";
  const int full = Width(text);
  ASSERT_GT(full, 40);
  EXPECT_EQ(FitTextWithEllipsis(dc_, text, full), text);
  EXPECT_EQ(FitTextWithEllipsis(dc_, text, 0), "");
  EXPECT_EQ(FitTextWithEllipsis(dc_, text, -5), "");

  for (int width : {full - 1, full / 2, Width("S...")}) {
    const std::string fitted = FitTextWithEllipsis(dc_, text, width);
    ASSERT_GE(fitted.size(), 4u) << width;
    const std::string prefix = fitted.substr(0, fitted.size() - 3);
    EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
    EXPECT_EQ(text.compare(0, prefix.size(), prefix), 0) << fitted;
    EXPECT_LE(Width(fitted), width);
    EXPECT_GT(Width(text.substr(0, prefix.size() + 1) + "..."), width) << "one more character would fit";
  }
  EXPECT_EQ(FitTextWithEllipsis(dc_, text, Width("S...") - 1), "") << "not even one character fits";
}

TEST_F(FitText, NeverSplitsACharacter) {
  const std::string text =
      "\xE6\x96\x87\xE4\xBB\xB6\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xE5\x88\x86\xE5\x89\xB2";  // 文件😀😀分割
  for (int width = 1; width < Width(text); ++width) {
    const std::string fitted = FitTextWithEllipsis(dc_, text, width);
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(fitted)), fitted) << "well-formed at width " << width;
  }
}

}  // namespace
}  // namespace sundrel
