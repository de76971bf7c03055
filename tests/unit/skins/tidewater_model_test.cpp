// The program's own skin, "Tidewater (internal)", built from the pack the build made into the
// model that every skinned window reads: its sections, images and lookups.
#include <gtest/gtest.h>

#include <array>

#include "skin/model/mask_geometry.h"
#include "skin/model/packed_skin.h"
#include "skin/model/skin_model.h"
#include "tidewater_facts.h"

namespace sundrel {
namespace {

class TidewaterModelTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TacSkinConvertor reader([](const std::string& text) { FAIL() << text; });
    reader.UnpackFile(SUNDREL_TIDEWATER_PACK, true);
    ASSERT_NE(reader.Options(), nullptr) << "no pack at " << SUNDREL_TIDEWATER_PACK;
    options = new std::vector<test::OptionsSection>(test::ReadSections(std::string(OptionsTextOf(reader))));
    model = new SkinModel();
    model->LoadFromPack(reader);
  }
  static void TearDownTestSuite() {
    delete model;
    delete options;
  }

  static const TsGeneralData& Section(const char* name) {
    const int index = model->GetSkinIndex(name);
    EXPECT_GE(index, 0) << name;
    return model->Sections().at(index);
  }
  static const TsMaskData& Mask(int index) { return model->Masks().at(index); }
  static std::array<int, 4> StripWidths(int mask) {
    return {model->MaskWidthLeft(mask), model->MaskWidthTop(mask), model->MaskWidthRight(mask),
            model->MaskWidthBottom(mask)};
  }

  static SkinModel* model;
  static std::vector<test::OptionsSection>* options;
};

SkinModel* TidewaterModelTest::model = nullptr;
std::vector<test::OptionsSection>* TidewaterModelTest::options = nullptr;

TEST_F(TidewaterModelTest, HasTheSixtyOneSectionsInFileOrderWithTheirParents) {
  ASSERT_EQ(model->Sections().size(), test::kTidewaterSections.size());
  for (size_t i = 0; i < test::kTidewaterSections.size(); ++i) {
    const std::string& name = test::kTidewaterSections[i];
    const TsGeneralData& section = model->Sections()[i];
    EXPECT_EQ(section.SectionName, name);
    EXPECT_EQ(model->GetSkinIndex(name), static_cast<int>(i));
    const auto parent = test::kTidewaterParents.find(name);
    EXPECT_EQ(section.ParentClass, parent == test::kTidewaterParents.end() ? "" : parent->second) << name;
  }
  for (const char* absent :
       {"TITLEBAR", "MDIAREA", "COLHEADER", "UPDOWNBTN", "DIVIDERV", "COMBOBTN", "TABSHEET", "CHECK", "ICOLINE"}) {
    EXPECT_EQ(model->GetSkinIndex(absent), -1) << absent;
  }
}

TEST_F(TidewaterModelTest, EveryImageReferenceBecomesARecordInsideTheMasterBitmap) {
  size_t references = 0;
  for (const test::OptionsSection& section : *options) {
    for (const auto& [key, value] : section.keys) {
      if (value.empty() || std::string("^@~!").find(value[0]) == std::string::npos) continue;
      ++references;
      EXPECT_GE(model->GetMaskIndexDirect(section.name, key), 0) << section.name << "/" << key;
    }
  }
  EXPECT_EQ(model->Masks().size(), references);
  EXPECT_TRUE(model->Patterns().empty());

  const auto& master = model->MasterBitmap();
  ASSERT_FALSE(master.Empty());
  for (const TsMaskData& mask : model->Masks()) {
    if (mask.Image) continue;
    SCOPED_TRACE(mask.SectionName + "/" + mask.PropertyName);
    EXPECT_TRUE(mask.R.Left >= 0 && mask.R.Top >= 0 && mask.R.Right <= master.Width() &&
                mask.R.Bottom <= master.Height());
    EXPECT_GT(model->GetMaskCellSize(&mask - model->Masks().data()).cx, 0);
  }
}

TEST_F(TidewaterModelTest, ComboBoxBorrowsTheEditBorder) {
  const int edit = model->GetMaskIndexDirect("EDIT", "BORDERSMASK");
  ASSERT_GE(edit, 0);
  EXPECT_EQ(model->GetMaskIndex(model->GetSkinIndex("COMBOBOX"), "COMBOBOX", "BORDERSMASK"), edit);
  EXPECT_EQ(model->GetMaskIndexDirect("COMBOBOX", "BORDERSMASK"), -1);
  EXPECT_GE(model->GetMaskIndexDirect("COMBOBOX", "GLYPHMASK"), 0);  // its own glyph
  EXPECT_EQ(Section("COMBOBOX").HotColor, Section("EDIT").HotColor);
}

TEST_F(TidewaterModelTest, ButtonBorderCellsAndStrips) {
  const int button = model->GetMaskIndexDirect("BUTTON", "BORDERSMASK");
  ASSERT_GE(button, 0);
  const TsMaskData& mask = Mask(button);
  EXPECT_EQ(mask.R, (TRect{0, 0, 81, 54}));
  EXPECT_EQ(mask.ImageCount, 3);
  EXPECT_EQ(mask.MaskType, 1);
  EXPECT_EQ(mask.StretchMode, 5);
  EXPECT_EQ(mask.BorderWidth, 0);
  EXPECT_EQ(mask.ImgType, itisaBorder);
  EXPECT_EQ(StripWidths(button), (std::array{9, 9, 9, 9}));
  EXPECT_EQ(model->GetMaskCellSize(button), (TSize{27, 27}));
  EXPECT_EQ(StateCellRect(mask, 2), (TRect{54, 0, 81, 27}));
  EXPECT_EQ(StateMaskRect(mask, 2), (TRect{54, 27, 81, 54}));
  EXPECT_EQ(StateCellRect(mask, 5), StateCellRect(mask, 2));  // beyond the last cell: the last
}

TEST_F(TidewaterModelTest, FormStripsComeFromItsBorderWidth) {
  const int form = model->GetMaskIndexDirect("FORM", "BORDERSMASK");
  ASSERT_GE(form, 0);
  EXPECT_EQ(Mask(form).R, (TRect{135, 90, 180, 135}));
  EXPECT_EQ(Mask(form).BorderWidth, 5);
  EXPECT_EQ(StripWidths(form), (std::array{5, 5, 5, 5}));
  // "DIALOG" has no border of its own and takes the form's.
  EXPECT_EQ(model->GetMaskIndex(model->GetSkinIndex("DIALOG"), "DIALOG", "BORDERSMASK"), form);
}

TEST_F(TidewaterModelTest, HugeButtonHasItsOwnBitmap) {
  const int huge = model->GetMaskIndexDirect("BUTTON_HUGE", "BORDERSMASK");
  ASSERT_GE(huge, 0);
  const TsMaskData& mask = Mask(huge);
  ASSERT_TRUE(mask.Image);
  EXPECT_EQ(mask.Image->Width(), 288);
  EXPECT_EQ(mask.Image->Height(), 192);
  EXPECT_EQ(mask.R, (TRect{0, 0, 288, 192}));
  EXPECT_EQ(mask.ImageCount, 3);
  EXPECT_EQ(mask.MaskType, 1);
  EXPECT_EQ(mask.StretchMode, 4);
  EXPECT_EQ(StripWidths(huge), (std::array{32, 32, 32, 32}));
  EXPECT_EQ(model->GetMaskCellSize(huge), (TSize{96, 96}));
  EXPECT_EQ(mask.Image->Pixel(0, 0), clFuchsia);  // a rounded corner's hole
}

TEST_F(TidewaterModelTest, GripHasNoBorderButItsTexture) {
  const int grip = model->GetSkinIndex("GRIPH");
  EXPECT_EQ(model->GetMaskIndexDirect("GRIPH", "BORDERSMASK"), -1);
  EXPECT_EQ(model->GetMaskIndex(grip, "GRIPH", "BORDERSMASK"), -1);
  EXPECT_GE(model->GetTextureIndex(grip, "GRIPH", "PATTERN"), 0);
}

TEST_F(TidewaterModelTest, ButtonValuesAndWhatTheBigButtonInheritsFromThem) {
  const TsGradArray gradient = {{16777215, 11237449, 99, gdVertical}, {11237449, 11237449, 0, gdVertical}};
  for (const char* name : {"BUTTON", "BUTTON_BIG"}) {
    SCOPED_TRACE(name);
    const TsGeneralData& button = Section(name);
    EXPECT_EQ(button.Color, 14862512);
    EXPECT_EQ(button.Transparency, 50);
    EXPECT_EQ(button.HotTransparency, 30);
    EXPECT_TRUE(button.ShowFocus);
    EXPECT_TRUE(button.FadingEnabled);
    EXPECT_EQ(button.FadingIterations, 20);
    EXPECT_EQ(button.FadingIntervalIn, 5);  // the default
    EXPECT_EQ(button.GradientArray, gradient);
    EXPECT_EQ(button.HotGradientArray.size(), 2u);
    EXPECT_EQ(button.FontColor, (std::array<TColor, 5>{4467736, -1, -1, -1, -1}));
  }
  EXPECT_FALSE(Section("SPEEDBUTTON").ShowFocus);
  EXPECT_TRUE(Section("PANEL").HotGradientArray.empty());
  EXPECT_EQ(Section("EXTRALINE").GradientArray.at(0).Direction, gdHorizontal);
}

TEST_F(TidewaterModelTest, SkinInformationGlobalColoursAndCachedIndexes) {
  const TsSkinData& info = model->SkinInfo();
  EXPECT_DOUBLE_EQ(info.Version, 5.4);
  EXPECT_EQ(info.Author, "Sundrel");
  EXPECT_EQ(info.Shadow1Color, 13022873);
  EXPECT_EQ(info.Shadow1Offset, 3);
  EXPECT_EQ(info.Shadow1Blur, 2);
  EXPECT_EQ(info.BISpace, 1);
  EXPECT_EQ(model->GetGlobalColor(), 16183014);
  EXPECT_EQ(model->GetGlobalHotColor(), 16777215);
  EXPECT_EQ(model->GetGlobalFontColor(), 4467736);

  const CachedIndexes& c = model->Indexes();
  EXPECT_EQ(c.GlobalInfo, 0);
  EXPECT_EQ(c.BoxChecked, model->GetMaskIndexDirect("GLOBALINFO", "BOXCHECKED"));
  EXPECT_EQ(c.RadioGrayed, model->GetMaskIndexDirect("GLOBALINFO", "RADIOGRAYED"));
  EXPECT_EQ(c.SmallChecked, -1);
  EXPECT_EQ(c.ComboBtn.SkinIndex, -1);
  EXPECT_EQ(c.ComboBtn.GlyphMask, model->GetMaskIndexDirect("COMBOBOX", "GLYPHMASK"));
  for (const auto& [element, name] :
       {std::pair{&c.TabTop, "TABTOP"}, std::pair{&c.TabLeft, "TABLEFT"}, std::pair{&c.ScrollBtnTop, "SCROLLBTNTOP"},
        std::pair{&c.ScrollSliderH, "SCROLLSLIDERH"}}) {
    EXPECT_EQ(element->SkinIndex, model->GetSkinIndex(name)) << name;
    EXPECT_GE(element->BordersMask, 0) << name;
    EXPECT_EQ(element->BordersMask, model->GetMaskIndexDirect(name, "BORDERSMASK")) << name;
  }
  EXPECT_EQ(c.ScrollBtnTop.GlyphMask, model->GetMaskIndexDirect("SCROLLBTNTOP", "GLYPHMASK"));
}

}  // namespace
}  // namespace sundrel
