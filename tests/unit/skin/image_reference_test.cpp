#include "skin/model/image_reference.h"

#include <gtest/gtest.h>

#include <string>

#include "base/errors.h"

namespace sundrel {
namespace {

struct Fields {
  TRect R;
  int32_t ImageCount, MaskType, BorderWidth, StretchMode;
  TacImgType ImgType;
  int32_t WL, WT, WR, WB;
};

Fields FieldsOf(const TsMaskData& m) {
  return {m.R, m.ImageCount, m.MaskType, m.BorderWidth, m.StretchMode, m.ImgType, m.WL, m.WT, m.WR, m.WB};
}

void ExpectFields(const TsMaskData& m, const Fields& e, const std::string& name) {
  const Fields a = FieldsOf(m);
  EXPECT_EQ(a.R, e.R) << name;
  EXPECT_EQ(a.ImageCount, e.ImageCount) << name;
  EXPECT_EQ(a.MaskType, e.MaskType) << name;
  EXPECT_EQ(a.BorderWidth, e.BorderWidth) << name;
  EXPECT_EQ(a.StretchMode, e.StretchMode) << name;
  EXPECT_EQ(a.ImgType, e.ImgType) << name;
  EXPECT_EQ((std::array{a.WL, a.WT, a.WR, a.WB}), (std::array{e.WL, e.WT, e.WR, e.WB})) << name;
}

TEST(ImageReference, TellsTheFormFromTheValue) {
  const std::pair<const char*, ImageForm> cases[] = {
      {"", ImageForm::None},
      {"#", ImageForm::None},
      {"@0049@0210@0097@0246@3@1", ImageForm::Glyph},
      {"^0000", ImageForm::Border},
      {"~0172", ImageForm::Texture},
      {"!BUTTONHUGE.BMP!3!1!0", ImageForm::External},
      {"!A#B", ImageForm::External},
      {"frame.bmp", ImageForm::WholeFile},
      {"N/A", ImageForm::WholeFile},  // names no ".BMP" file, so it is skipped when loaded
      {"#(0,0,30,20)(3,1,4)", ImageForm::Bracketed},
      {"x # y", ImageForm::Bracketed},
  };
  for (const auto& [value, form] : cases) EXPECT_EQ(ImageFormOf(value), form) << value;
}

TEST(ImageReference, ReadsTheFixedPositionForms) {
  ExpectFields(ReadGlyph("@0049@0210@0097@0246@3@1"), {{49, 210, 97, 246}, 3, 1, 0, 0, itisaGlyph, 0, 0, 0, 0},
               "glyph");
  // Strip widths from the cells: 81 / (3 x 3) and 54 / (2 x 3).
  ExpectFields(ReadBorder("^0000^0000^0081^0054^0000^0000^0000^0000^3^1^5^0"),
               {{0, 0, 81, 54}, 3, 1, 0, 5, itisaBorder, 9, 9, 9, 9}, "BUTTON");
  // From the border width.
  ExpectFields(ReadBorder("^0135^0090^0180^0135^0000^0000^0000^0000^1^0^1^5"),
               {{135, 90, 180, 135}, 1, 0, 5, 1, itisaBorder, 5, 5, 5, 5}, "FORM");
  ExpectFields(ReadBorder("^0000^0000^0030^0020^0003^0004^0005^0006^1^0^0^9"),
               {{0, 0, 30, 20}, 1, 0, 9, 0, itisaBorder, 3, 4, 5, 6}, "given widths");
  // Separators are not checked, only positions.
  ExpectFields(ReadBorder("^0000 0000 0030 0020 0000 0000 0000 0000 0 0 0 0"),
               {{0, 0, 30, 20}, 0, 0, 0, 0, itisaBorder, 10, 6, 10, 6}, "blank separators, no cells");
  ExpectFields(ReadTexture("~0172~0165~0178~0177~10~1"), {{172, 165, 178, 177}, 1, 1, 0, 10, itisaTexture, 0, 0, 0, 0},
               "texture");
  ExpectFields(ReadTexture("~0172~0165~0178~0177~10"), {{172, 165, 178, 177}, 1, 0, 0, 10, itisaTexture, 0, 0, 0, 0},
               "texture without mask type");
}

TEST(ImageReference, ReadsTheBracketedForm) {
  ExpectFields(ReadBracketed("#(0,0,30,20)(3,1,4)", "BORDERSMASK"),
               {{0, 0, 30, 20}, 3, 1, 4, 1, itisaBorder, 4, 4, 4, 4}, "border width");
  ExpectFields(ReadBracketed("#(0,0,30,20)(3,1,0,7)", "BORDERSMASK"),
               {{0, 0, 30, 20}, 3, 1, 0, 7, itisaBorder, 3, 3, 3, 3}, "stretch mode");
  ExpectFields(ReadBracketed("#(0,0,30,20)(3,-1,-2)", "X"), {{0, 0, 30, 20}, 3, 0, 0, 1, itisaBorder, 3, 6, 3, 6},
               "negative mask type and border width");
  ExpectFields(ReadBracketed("#(10,0,30,20)(1,0,0,5)", "HOTPATTERN"),
               {{10, 0, 30, 20}, 1, 0, 0, 0, itisaTexture, 6, 6, 6, 6}, "texture");
}

TEST(ImageReference, ReadsTheExternalFormForItsBitmap) {
  EXPECT_EQ(ExternalFileName("!BUTTONHUGE.BMP!3!1!0"), "BUTTONHUGE.BMP");
  EXPECT_EQ(ExternalFileName("!!A.BMP!!3"), "A.BMP");

  TsMaskData huge;
  huge.R = {0, 0, 288, 192};
  ReadExternalFields("!BUTTONHUGE.BMP!3!1!0", huge);
  ExpectFields(huge, {{0, 0, 288, 192}, 3, 1, 0, 4, itisaBorder, 32, 32, 32, 32}, "BUTTON_HUGE");

  TsMaskData given;
  given.R = {0, 0, 60, 20};
  ReadExternalFields("!A.BMP!2!0!2!1!2!3!4", given);
  ExpectFields(given, {{0, 0, 60, 20}, 2, 0, 0, 4, itisaGlyph, 1, 2, 3, 4}, "given widths");

  TsMaskData unknownType;
  ReadExternalFields("!A.BMP!0!-1!7", unknownType);
  EXPECT_EQ(unknownType.ImgType, itisaBorder);
}

TEST(ImageReference, ANumberThatIsNotANumberEndsTheLoading) {
  const struct {
    const char* name;
    void (*read)();
    const char* text;
  } cases[] = {
      {"glyph letter", [] { ReadGlyph("@0049@02x0@0097@0246@3@1"); }, "02x0"},
      {"glyph cut short", [] { ReadGlyph("@0049@0210"); }, ""},
      {"border count", [] { ReadBorder("^0000^0000^0081^0054^0000^0000^0000^0000^a^1^5^0"); }, "a"},
      {"texture", [] { ReadTexture("~0172~0165~0178~01 7~10~1"); }, "01 7"},
      {"bracketed rectangle", [] { ReadBracketed("#(0,0,30)(3,1)", "X"); }, ""},
      // Blanks separate words, so the rectangle's first word is "0" alone.
      {"bracketed with blanks", [] { ReadBracketed("#(0, 0, 30, 20)(3,1)", "X"); }, ""},
      {"bracketed stretch mode", [] { ReadBracketed("#(0,0,30,20)(3,1,0,s)", "X"); }, "s"},
      {"external count",
       [] {
         TsMaskData m;
         ReadExternalFields("!A.BMP!three!1!0", m);
       },
       "three"},
      {"external widths cut short",
       [] {
         TsMaskData m;
         ReadExternalFields("!A.BMP!3!1!0!5", m);
       },
       ""},
  };
  for (const auto& c : cases) {
    try {
      c.read();
      ADD_FAILURE() << c.name << ": no error";
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.what(), "'" + std::string(c.text) + "' is not a valid integer value") << c.name;
    }
  }
}

}  // namespace
}  // namespace sundrel
