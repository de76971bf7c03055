// The pack of the program's own skin, "Tidewater (internal)", as the build made it: its entries,
// its figures, and the facts about the skin that the program relies on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "skin/pack/skin_pack.h"
#include "tidewater_facts.h"

namespace sundrel {
namespace {

// The figures of the pack the build makes from skins/ (they change whenever the art or the
// options change, and so does this record of them).
constexpr int64_t kPackSize = 18483;
constexpr int64_t kOptionsSize = 10967;
constexpr int64_t kMasterSize = 156918;
constexpr int64_t kButtonHugeSize = 165942;

using Section = test::OptionsSection;

struct Bitmap {
  int width = 0, height = 0, bitsPerPixel = 0;
  const uint8_t* pixels = nullptr;  // bottom-up rows of blue, green, red

  uint32_t Pixel(int x, int y) const {  // as 0x00RRGGBB
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint8_t* p = pixels + static_cast<size_t>(height - 1 - y) * rowBytes + x * 3;
    return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
  }
};

int32_t Le32(const uint8_t* p) {
  return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24);
}

Bitmap ReadBitmap(TMemoryStream& data) {
  const uint8_t* bytes = data.Memory();
  if (data.Size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return {};
  return {Le32(bytes + 18), Le32(bytes + 22), bytes[28] | bytes[29] << 8, bytes + Le32(bytes + 10)};
}

constexpr uint32_t kFuchsia = 0xFF00FF;

class TidewaterPackTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    reader = new TacSkinConvertor([](const std::string& text) { FAIL() << text; });
    reader->UnpackFile(SUNDREL_TIDEWATER_PACK, false);
    ASSERT_NE(reader->Options(), nullptr) << "no pack at " << SUNDREL_TIDEWATER_PACK;
    TMemoryStream& options = *reader->Options();
    sections = test::ReadSections(std::string(reinterpret_cast<const char*>(options.Memory()), options.Size()));
  }
  static void TearDownTestSuite() { delete reader; }

  static const Section& Get(const std::string& name) {
    for (const Section& section : sections) {
      if (section.name == name) return section;
    }
    static const Section none;
    ADD_FAILURE() << "no section " << name;
    return none;
  }

  static Bitmap Image(const std::string& wanted) {
    const TacImageItem* item = reader->FindImage(wanted);
    return item != nullptr ? ReadBitmap(*item->Data) : Bitmap{};
  }

  static TacSkinConvertor* reader;
  static std::vector<Section> sections;
};

TacSkinConvertor* TidewaterPackTest::reader = nullptr;
std::vector<Section> TidewaterPackTest::sections;

TEST_F(TidewaterPackTest, HoldsOptionsMasterAndButtonHugeAndEndsOnItsLastByte) {
  TStream& source = *reader->Source();
  EXPECT_EQ(source.Size(), kPackSize);
  EXPECT_EQ(source.Position(), source.Size());
  EXPECT_EQ(reader->ImageCount(), 2);
  ASSERT_EQ(reader->Images().size(), 2u);
  EXPECT_EQ(reader->Images()[0].Name, "Master.bmp");
  EXPECT_EQ(reader->Images()[1].Name, "ButtonHuge.bmp");
  EXPECT_EQ(reader->Options()->Size(), kOptionsSize);
  EXPECT_EQ(reader->Images()[0].Data->Size(), kMasterSize);
  EXPECT_EQ(reader->Images()[1].Data->Size(), kButtonHugeSize);

  // The options text is the first entry.
  uint8_t head[23];
  source.SetPosition(0);
  source.ReadBuffer(head, sizeof head);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(head) + 12, 11), "Options.dat");
}

TEST_F(TidewaterPackTest, DefinesTheSixtyOneSectionsInOrderWithTheirParents) {
  std::vector<std::string> names;
  std::map<std::string, std::string> parents;
  for (const Section& section : sections) {
    names.push_back(section.name);
    if (section.Has("PARENTCLASS")) parents[section.name] = section.Value("PARENTCLASS");
  }
  EXPECT_EQ(names, test::kTidewaterSections);
  EXPECT_EQ(parents, test::kTidewaterParents);
}

struct Fact {
  const char* section;
  const char* key;
  const char* value;
};

TEST_F(TidewaterPackTest, CarriesTheValuesTheProgramReliesOn) {
  for (const Fact& fact : std::vector<Fact>{
           {"GLOBALINFO", "VERSION", "5.4"},
           {"GLOBALINFO", "MASTERBITMAP", "MASTER.BMP"},
           {"GLOBALINFO", "SHADOW1BLUR", "2"},
           {"GLOBALINFO", "SHADOW1COLOR", "13022873"},
           {"GLOBALINFO", "SHADOW1OFFSET", "3"},
           {"BUTTON", "BORDERSMASK", "^0000^0000^0081^0054^0000^0000^0000^0000^3^1^5^0"},
           {"BUTTON", "GRADIENTDATA", "16777215;11237449;99;0;0;11237449;11237449;0;0;0"},
           {"BUTTON", "TRANSPARENCY", "50"},
           {"BUTTON", "GRADIENTPERCENT", "100"},
           {"BUTTON", "FADINGENABLED", "TRUE"},
           {"BUTTON", "FADINGITERATIONS", "20"},
           {"FORM", "BORDERSMASK", "^0135^0090^0180^0135^0000^0000^0000^0000^1^0^1^5"},
           {"BUTTON_HUGE", "BORDERSMASK", "!BUTTONHUGE.BMP!3!1!0"},
           {"PAGECONTROL", "COLOR", "15124134"},
           {"PANEL", "GRADIENTPERCENT", "100"},
           {"GRIPH", "BORDERSMASK", "N/A"},
           {"MENUITEM", "TRANSPARENCY", "100"},
           {"MENUITEM", "HOTGRADIENTPERCENT", "100"},
       }) {
    EXPECT_EQ(Get(fact.section).Value(fact.key), fact.value) << fact.section << "/" << fact.key;
  }

  const Section& global = Get("GLOBALINFO");
  for (const char* key : {"BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP"}) {
    EXPECT_EQ(global.Value(key).substr(0, 1), "@") << key;
  }
  for (const char* key : {"SICONCLOSE", "SICONMAX", "SICONMIN", "SICONHELP", "CHECK"}) {
    EXPECT_FALSE(global.Has(key)) << key;
  }
  EXPECT_EQ(Get("PAGECONTROL").Value("BORDERSMASK").substr(0, 1), "^");
  EXPECT_EQ(Get("TABTOP").Value("GRADIENTDATA").substr(0, 23), "15591134;14009774;99;0;");
  EXPECT_EQ(Get("PANEL").Value("BORDERSMASK").substr(45, 1), "1");  // stretched, no centre
  // The menu: a vertical gradient, a border of width 2 whose corner widths are 0.
  std::stringstream menuGradient(Get("MAINMENU").Value("GRADIENTDATA"));
  std::vector<std::string> fields;
  for (std::string field; std::getline(menuGradient, field, ';');) fields.push_back(field);
  ASSERT_GE(fields.size(), 5u);
  EXPECT_EQ(fields[3], "0");
  EXPECT_EQ(Get("MAINMENU").Value("BORDERSMASK").substr(20), "^0000^0000^0000^0000^1^0^0^2");
  EXPECT_FALSE(Get("COMBOBOX").Has("BORDERSMASK"));
  EXPECT_FALSE(Get("TRACKBAR").Value("SLIDERCHANNEL").empty());
  EXPECT_FALSE(Get("MENUITEM").Value("HOTGRADIENTDATA").empty());
  EXPECT_TRUE(Get("MENUITEM").Has("HOTFONTCOLOR"));
}

TEST_F(TidewaterPackTest, ImageReferencesFitTheMasterBitmap) {
  const Bitmap master = Image("MASTER.BMP");
  ASSERT_EQ(master.bitsPerPixel, 24);
  bool glyph = false, maskedTiling = false, colour = false;
  for (const Section& section : sections) {
    for (const auto& [key, value] : section.keys) {
      colour = colour || value == "15847088";
      if (value.empty() || std::string("^@~").find(value[0]) == std::string::npos) continue;
      SCOPED_TRACE(section.name + "/" + key + "=" + value);
      const int left = std::stoi(value.substr(1, 4)), top = std::stoi(value.substr(6, 4));
      const int right = std::stoi(value.substr(11, 4)), bottom = std::stoi(value.substr(16, 4));
      const int cells = value[0] == '^' ? value[41] - '0' : value[0] == '@' ? value[21] - '0' : 1;
      const int maskType = value[0] == '^' ? value[43] - '0' : value[0] == '@' ? value[23] - '0' : value[24] - '0';
      EXPECT_TRUE(left < right && top < bottom && right <= master.width && bottom <= master.height);
      EXPECT_EQ((right - left) % cells, 0);
      EXPECT_EQ((bottom - top) % (maskType + 1), 0);
      glyph = glyph || value[0] == '@';
      maskedTiling = maskedTiling || (value[0] == '~' && value.substr(21, 2) == "10" && maskType == 1);
    }
  }
  EXPECT_TRUE(glyph);
  EXPECT_TRUE(maskedTiling);
  EXPECT_TRUE(colour);
  for (const char* absent : {"ICOLINE", "CHECK", "DIVIDERV"}) {
    for (const Section& section : sections) EXPECT_NE(section.name, absent);
  }
}

// Rounded buttons: every cell's corners are clFuchsia holes, the face lets the section's
// gradient through its mask, and the three states differ.
TEST_F(TidewaterPackTest, ButtonCellsHaveCornerHolesATransparentFaceAndDistinctStates) {
  const Bitmap master = Image("MASTER.BMP");
  const Bitmap huge = Image("BUTTONHUGE.BMP");
  ASSERT_EQ(huge.width, 288);
  ASSERT_EQ(huge.height, 192);
  ASSERT_EQ(huge.bitsPerPixel, 24);
  for (const auto& [bitmap, cell] : {std::pair{&master, 27}, std::pair{&huge, 96}}) {
    std::vector<std::vector<uint32_t>> edges;
    for (int state = 0; state < 3; ++state) {
      const int x = state * cell;
      for (const auto& [cx, cy] : {std::pair{0, 0}, {cell - 1, 0}, {0, cell - 1}, {cell - 1, cell - 1}}) {
        EXPECT_EQ(bitmap->Pixel(x + cx, cy), kFuchsia) << "cell " << state << " corner " << cx << "," << cy;
      }
      EXPECT_NE(bitmap->Pixel(x + cell / 2, cell / 2), kFuchsia);
      EXPECT_GE(bitmap->Pixel(x + cell / 2, cell + cell / 2) & 0xFF, 0xC0u) << "the face shows the gradient";
      EXPECT_LT(bitmap->Pixel(x + cell / 2, cell) & 0xFF, 0x20u) << "the outline is opaque";
      std::vector<uint32_t> edge;
      for (int y = 0; y < cell; ++y) edge.push_back(bitmap->Pixel(x + cell / 2, y));
      edges.push_back(edge);
    }
    EXPECT_NE(edges[0], edges[1]);
    EXPECT_NE(edges[1], edges[2]);
    EXPECT_NE(edges[0], edges[2]);
  }
}

}  // namespace
}  // namespace sundrel
