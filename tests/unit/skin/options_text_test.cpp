#include "skin/options/options_text.h"

#include <gtest/gtest.h>

#include <string>

#include "base/errors.h"
#include "skin/options/inherited_values.h"

namespace sundrel {
namespace {

TEST(OptionsText, ReadsSectionsKeysAndValuesAsWritten) {
  const OptionsText options(
      "KEY=before any section\r\n"
      "  [ GLOBALINFO ]  \r\n"
      "VERSION = 5.4\r"
      "; COMMENT=ignored\n"
      "\n"
      "\tAUTHOR=Someone = else\t\n"
      "a line without equals\n"
      "[EDIT]\n"
      "Color=123\n"
      "COLOR=456\n"
      "EMPTY=\n"
      "[GLOBALINFO]\n"
      "VERSION=9\n"
      "ONLYLATER=1\n"
      "[]\n"
      "X=1");
  EXPECT_EQ(options.SectionNames(), (std::vector<std::string_view>{"GLOBALINFO", "EDIT", "GLOBALINFO", ""}));
  EXPECT_EQ(options.SectionCount(), 3);

  // Names match without regard to case; the first of a repeated key or section wins.
  EXPECT_EQ(options.Value("globalinfo", "version"), "5.4");
  EXPECT_EQ(options.Value("GLOBALINFO", "AUTHOR"), "Someone = else");
  EXPECT_EQ(options.Value("GLOBALINFO", "ONLYLATER"), std::nullopt);
  EXPECT_EQ(options.Value("GLOBALINFO", "COMMENT"), std::nullopt);
  EXPECT_EQ(options.Value("EDIT", "COLOR"), "123");
  EXPECT_EQ(options.Value("EDIT", "EMPTY"), "");
  EXPECT_EQ(options.Value("", "X"), "1");
  EXPECT_EQ(options.Value("NOSUCH", "KEY"), std::nullopt);
  EXPECT_EQ(options.Value("EDIT", "KEY"), std::nullopt);

  // A key has one number whatever its case; one that no section gives has none.
  EXPECT_EQ(options.FindKey("color"), options.FindKey("COLOR"));
  EXPECT_EQ(options.Value(options.FindSection("EDIT"), options.FindKey("color")), "123");
  EXPECT_NE(options.FindKey("EMPTY"), options.FindKey("COLOR"));
  EXPECT_EQ(options.FindKey("NOSUCH"), OptionsKey::None);
  EXPECT_EQ(options.Value(options.FindSection("EDIT"), OptionsKey::None), std::nullopt);

  const auto keys = options.Entries(options.FindSection("EDIT"));
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].key, "Color");
  EXPECT_EQ(keys[1].key, "COLOR");
  EXPECT_EQ(keys[1].value, "123");  // what a lookup of the key gives
  EXPECT_EQ(keys[2].key, "EMPTY");
}

TEST(OptionsText, AByteOrderMarkBeforeTheFirstSectionIsSkipped) {
  const OptionsText options("\xEF\xBB\xBF[GLOBALINFO]\r\nVERSION=5.4\r\n[EDIT]\r\nCOLOR=1\r\n");
  EXPECT_EQ(options.SectionNames(), (std::vector<std::string_view>{"GLOBALINFO", "EDIT"}));
  EXPECT_EQ(options.Value("GLOBALINFO", "VERSION"), "5.4");
  // Only at the very start: elsewhere the bytes are text like any other.
  const OptionsText later("[A]\nNAME=\xEF\xBB\xBFx\n");
  EXPECT_EQ(later.Value("A", "NAME"), "\xEF\xBB\xBFx");
}

TEST(OptionsText, ConvertsValues) {
  const OptionsText options(
      "[S]\n"
      "DEC=-42\nHEX=$FF\nHEX2=0x10\nWORD=abc\nEMPTY=\n"
      "REAL=5.4\nREALEXP=1e2\nREALCOMMA=5,4\nREALPLUS=+.5\nINF=inf\n");
  EXPECT_EQ(options.ReadInteger("S", "DEC", 7), -42);
  EXPECT_EQ(options.ReadInteger("S", "HEX", 7), 255);
  EXPECT_EQ(options.ReadInteger("S", "HEX2", 7), 16);
  EXPECT_EQ(options.ReadInteger("S", "WORD", 7), 7);
  EXPECT_EQ(options.ReadInteger("S", "MISSING", 7), 7);

  EXPECT_EQ(options.ReadStrictInteger("S", "DEC", "0"), -42);
  EXPECT_EQ(options.ReadStrictInteger("S", "MISSING", "-1"), -1);
  try {
    options.ReadStrictInteger("S", "WORD", "0");
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
  }
  EXPECT_THROW(options.ReadStrictInteger("S", "EMPTY", "0"), EConvertError);

  EXPECT_DOUBLE_EQ(options.ReadReal("S", "REAL", 0), 5.4);
  EXPECT_DOUBLE_EQ(options.ReadReal("S", "REALEXP", 0), 100);
  EXPECT_DOUBLE_EQ(options.ReadReal("S", "REALCOMMA", -1), -1);
  EXPECT_DOUBLE_EQ(options.ReadReal("S", "REALPLUS", 0), 0.5);
  EXPECT_DOUBLE_EQ(options.ReadReal("S", "INF", -1), -1);
  EXPECT_EQ(options.ReadString("S", "MISSING", "?"), "?");
}

TEST(InheritedValues, FollowParentsWhereASectionGivesNothing) {
  const OptionsText options(
      "[BASE]\nTRANSPARENCY=50\nSHOWFOCUS=true\nFADINGENABLED=1\nGRADIENTDATA=1;2;3;4;5\nBEVEL=2\n"
      "[CHILD]\nPARENTCLASS=BASE\nTRANSPARENCY=-1\nBEVEL=x\nGRADIENTDATA=?\n"
      "[GRANDCHILD]\nPARENTCLASS=child\n"
      "[SELF]\nPARENTCLASS=SELF\nTRANSPARENCY=-1\n"
      "[LOOPA]\nPARENTCLASS=LOOPB\n"
      "[LOOPB]\nPARENTCLASS=LOOPC\nSHOWFOCUS=TRUE\n"
      "[LOOPC]\nPARENTCLASS=LOOPA\n"
      "[INTOLOOP]\nPARENTCLASS=LOOPA\n"
      "[ORPHAN]\nPARENTCLASS=NOSUCH\n");
  const InheritedValues values(options);
  const auto at = [&](const char* name) { return options.FindSection(name); };
  const auto key = [&](const char* name) { return options.FindKey(name); };

  // -1, a value that is not a number and "?" all count as not given.
  EXPECT_EQ(values.Integer(at("CHILD"), key("TRANSPARENCY")), 50);
  EXPECT_EQ(values.Integer(at("CHILD"), key("BEVEL")), 2);
  EXPECT_EQ(values.Text(at("CHILD"), key("GRADIENTDATA")), "1;2;3;4;5");
  EXPECT_EQ(values.Integer(at("GRANDCHILD"), key("TRANSPARENCY")), 50);

  // "true" in any case is true; "1" is not.
  EXPECT_EQ(values.Boolean(at("GRANDCHILD"), key("SHOWFOCUS")), true);
  EXPECT_EQ(values.Boolean(at("GRANDCHILD"), key("FADINGENABLED")), false);

  EXPECT_EQ(values.Integer(at("SELF"), key("TRANSPARENCY")), std::nullopt);
  EXPECT_EQ(values.Integer(at("ORPHAN"), key("TRANSPARENCY")), std::nullopt);

  // A loop through several sections ends at the first repeated one.
  EXPECT_EQ(values.Integer(at("LOOPA"), key("TRANSPARENCY")), std::nullopt);
  EXPECT_EQ(values.Boolean(at("LOOPA"), key("SHOWFOCUS")), true);
  EXPECT_EQ(values.Boolean(at("LOOPC"), key("SHOWFOCUS")), true);
  EXPECT_EQ(values.Boolean(at("INTOLOOP"), key("SHOWFOCUS")), true);
  EXPECT_EQ(values.Text(at("INTOLOOP"), key("GRADIENTDATA")), std::nullopt);
  EXPECT_EQ(values.Integer(-1, key("TRANSPARENCY")), std::nullopt);
  EXPECT_EQ(values.Integer(at("CHILD"), key("NOSUCHKEY")), std::nullopt);
}

TEST(InheritedValues, AnswersDoNotDependOnTheOrderOfQuestions) {
  // Answers are remembered for every section of a walked chain; a chain entered half-way, or a
  // loop met again from outside, must still give what a fresh walk gives.
  const OptionsText options(
      "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=C\nCOLOR=-1\n[C]\nCOLOR=3\n"
      "[X]\nPARENTCLASS=Y\n[Y]\nPARENTCLASS=X\n[Z]\nPARENTCLASS=X\nCOLOR=4\n[W]\nPARENTCLASS=Y\n");
  const std::vector<std::string> orders[] = {{"A", "B", "C", "X", "Y", "Z", "W"}, {"W", "Z", "Y", "X", "C", "B", "A"}};
  for (const auto& order : orders) {
    const InheritedValues values(options);
    for (const std::string& name : order) {
      const auto color = values.Integer(options.FindSection(name), options.FindKey("COLOR"));
      const std::optional<int32_t> expected = name <= "C"   ? std::optional(3)
                                              : name == "Z" ? std::optional(4)
                                                            : std::nullopt;
      EXPECT_EQ(color, expected) << name << " asked after " << order.front();
    }
  }
}

}  // namespace
}  // namespace sundrel
