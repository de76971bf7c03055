// A skin stored unpacked in the program's resources: the model is built from the stored skin's
// item collections instead of an options text.
#include <gtest/gtest.h>

#include <array>

#include "base/errors.h"
#include "skin/model/mask_geometry.h"
#include "skin/model/skin_model.h"
#include "skin_test_files.h"

namespace sundrel {
namespace {

TColor Gradient(int x, int y) {
  return static_cast<TColor>((x * 6) | ((y * 6) << 8));
}

TsSkinImage& AddImage(TsStoredSkin& skin, const char* section, const char* property, TRect r, int32_t imageCount,
                      int32_t maskType) {
  TsSkinImage& item = skin.Images.Add();
  item.SectionName = section;
  item.PropertyName = property;
  item.Left = r.Left;
  item.Top = r.Top;
  item.Right = r.Right;
  item.Bottom = r.Bottom;
  item.ImageCount = imageCount;
  item.MaskType = maskType;
  return item;
}

TsSkinPattern& AddPattern(TsStoredSkin& skin, const char* name, const char* section, test::Bytes picture) {
  TsSkinPattern& item = skin.Patterns.Add();
  item.Name = name;
  item.SectionName = section;
  item.PropertyName = "PATTERN";
  item.Image = std::move(picture);
  return item;
}

TsSkinGeneral& AddSection(TsStoredSkin& skin, const char* name, const char* parent = "") {
  TsSkinGeneral& item = skin.GeneralData.Add();
  item.SectionName = name;
  item.ParentClass = parent;
  return item;
}

TsStoredSkin StoredSkin() {
  TsStoredSkin skin;
  skin.Name = "Stored";
  skin.MasterBitmap = test::SolidBmp(200, 150, 0x336699);
  skin.Author = "Sundrel";
  skin.Version = 5.4;
  skin.Shadow1Blur = 2;
  skin.BorderColor = 123;

  AddImage(skin, "button", "bordersmask", {0, 0, 81, 54}, 3, 1).StretchMode = 5;
  TsSkinImage& huge = AddImage(skin, "BUTTON_HUGE", "BORDERSMASK", {}, 3, 1);
  huge.Name = "ButtonHuge";
  huge.Image = test::SolidBmp(288, 192, 0x00AA00);
  AddImage(skin, "FORM", "BORDERSMASK", {135, 90, 180, 135}, 0, 0).BorderWidth = 5;
  TsSkinImage& texture = AddImage(skin, "PANEL", "pattern", {172, 100, 178, 112}, 1, 1);
  texture.ImgType = itisaTexture;
  texture.StretchMode = 10;
  TsSkinImage& notTexture = AddImage(skin, "PANEL", "HOTPATTERN", {172, 100, 178, 112}, 1, 0);
  notTexture.StretchMode = 6;
  TsSkinImage& glyph = AddImage(skin, "EDIT", "GLYPHMASK", {100, 40, 112, 48}, 1, 0);
  glyph.ImgType = itisaGlyph;
  glyph.StretchMode = 2;
  glyph.WL = 4;
  TsSkinImage& broken = AddImage(skin, "EDIT", "BORDERSMASK", {}, 1, 0);
  broken.Name = "Broken";
  broken.Image = {'B', 'M', 0, 0};

  AddPattern(skin, "Sea", "panel", test::MakeJpeg(40, 30, Gradient));
  AddPattern(skin, "Sea", "FORM", {});  // takes the first "Sea" picture
  AddPattern(skin, "Sky", "DIALOG", {});

  AddSection(skin, "GLOBALINFO").Color = 15847088;
  TsSkinGeneral& button = AddSection(skin, "BUTTON");
  button.Color = clBtnFace;
  button.Bevel = cbRaisedHard;
  button.FontColor = "255  1 2 3 4";
  button.HotFontColor = "7";
  button.GradientData = "16777215;11237449;99;0;0;11237449;11237449;0;0;0";
  button.HotGradientData = "1;2;100;1;0";
  button.Transparency = 50;
  AddSection(skin, "EDIT");
  AddSection(skin, "COMBOBOX", "EDIT");
  AddSection(skin, "FORM").HotBevel = cbLoweredSoft;
  return skin;
}

SkinModel LoadedStoredSkin(const TsStoredSkin& skin = StoredSkin()) {
  SkinModel model;
  model.LoadStoredSkin(skin);
  return model;
}

std::array<int, 4> StripWidths(const TsMaskData& mask) {
  return {mask.WL, mask.WT, mask.WR, mask.WB};
}

TEST(StoredSkinModel, ImagesCutFromTheMasterOrBringTheirOwnPicture) {
  const SkinModel model = LoadedStoredSkin();
  EXPECT_EQ(model.MasterBitmap().Width(), 200);
  std::vector<std::string> names;
  for (const TsMaskData& mask : model.Masks()) names.push_back(mask.SectionName + "/" + mask.PropertyName);
  // Upper-cased; the item whose own picture is damaged gives none.
  EXPECT_EQ(names, (std::vector<std::string>{"BUTTON/BORDERSMASK", "BUTTON_HUGE/BORDERSMASK", "FORM/BORDERSMASK",
                                             "PANEL/PATTERN", "PANEL/HOTPATTERN", "EDIT/GLYPHMASK"}));

  const TsMaskData& button = model.Masks()[0];
  EXPECT_FALSE(button.Image);
  EXPECT_EQ(button.R, (TRect{0, 0, 81, 54}));
  EXPECT_EQ(button.StretchMode, 5);
  EXPECT_EQ(button.ImgType, itisaBorder);
  EXPECT_EQ(StripWidths(button), (std::array{9, 9, 9, 9}));
  EXPECT_EQ(StateCellRect(button, 2), (TRect{54, 0, 81, 27}));

  const TsMaskData& huge = model.Masks()[1];
  ASSERT_TRUE(huge.Image);
  EXPECT_EQ(huge.Image->Pixel(287, 191), 0x00AA00);
  EXPECT_EQ(huge.R, (TRect{0, 0, 288, 192}));
  EXPECT_EQ(StripWidths(huge), (std::array{32, 32, 32, 32}));

  const TsMaskData& form = model.Masks()[2];  // no count: three cells with masks
  EXPECT_EQ(form.ImageCount, 3);
  EXPECT_EQ(form.MaskType, 1);
  EXPECT_EQ(StripWidths(form), (std::array{5, 5, 5, 5}));

  const TsMaskData& texture = model.Masks()[3];
  EXPECT_EQ(texture.ImgType, itisaTexture);
  EXPECT_EQ(texture.StretchMode, 10);
  const TsMaskData& notTexture = model.Masks()[4];  // a pattern key, but not said to be a texture
  EXPECT_EQ(notTexture.ImgType, itisaTexture);
  EXPECT_EQ(notTexture.StretchMode, 0);
  const TsMaskData& glyph = model.Masks()[5];
  EXPECT_EQ(glyph.ImgType, itisaGlyph);
  EXPECT_EQ(glyph.StretchMode, 2);
  EXPECT_EQ(StripWidths(glyph), (std::array{4, 0, 0, 0}));  // given, so not completed
}

TEST(StoredSkinModel, PatternsWithoutAPictureBorrowTheFirstOfTheirName) {
  const SkinModel model = LoadedStoredSkin();
  ASSERT_EQ(model.Patterns().size(), 2u);
  EXPECT_EQ(model.Patterns()[0].SectionName, "PANEL");
  EXPECT_EQ(model.Patterns()[0].PropertyName, "PATTERN");
  EXPECT_EQ(model.Patterns()[0].Image->Width(), 40);  // small, but a pattern all the same
  EXPECT_EQ(model.Patterns()[1].SectionName, "FORM");
  EXPECT_EQ(model.Patterns()[1].Image->Height(), 30);
  EXPECT_EQ(model.GetPatternIndex(model.GetSkinIndex("FORM"), "FORM", "PATTERN"), 1);
}

TEST(StoredSkinModel, SectionsAreTakenAsStored) {
  const SkinModel model = LoadedStoredSkin();
  ASSERT_EQ(model.Sections().size(), 5u);
  const TsGeneralData& button = model.Sections()[model.GetSkinIndex("BUTTON")];
  EXPECT_EQ(button.Color, 0xC8D0D4);  // the system button face colour, resolved
  EXPECT_EQ(button.Bevel, cbRaisedHard);
  EXPECT_EQ(button.FontColor, (std::array<TColor, 5>{255, 1, 2, 3, 4}));
  EXPECT_EQ(button.HotFontColor, (std::array<TColor, 5>{7, -1, -1, -1, -1}));
  EXPECT_EQ(button.Transparency, 50);
  EXPECT_EQ(button.GradientArray.size(), 2u);
  EXPECT_EQ(button.HotGradientArray, (TsGradArray{{1, 2, 100, gdHorizontal}}));

  const TsGeneralData& form = model.Sections()[model.GetSkinIndex("FORM")];
  EXPECT_EQ(form.HotBevel, cbLoweredSoft);
  EXPECT_EQ(form.ShadowBlur, 6);
  EXPECT_EQ(form.FontColor, (std::array<TColor, 5>{0, -1, -1, -1, -1}));
  EXPECT_TRUE(form.GradientArray.empty());  // the one blank of the default

  // Lookups inherit through the stored parents like any other.
  const int combo = model.GetSkinIndex("COMBOBOX");
  EXPECT_EQ(model.Sections()[combo].ParentClass, "EDIT");
  EXPECT_EQ(model.GetMaskIndex(combo, "COMBOBOX", "GLYPHMASK"), model.GetMaskIndexDirect("EDIT", "GLYPHMASK"));
  EXPECT_EQ(model.GetGlobalColor(), 15847088);
}

TEST(StoredSkinModel, AStoredSectionGivesTheRecordThatItsOptionsTextGives) {
  // Every field with a value of its own, so that one that is left out or crossed shows.
  TsStoredSkin skin;
  TsSkinGeneral& item = AddSection(skin, "PANEL", "BASE");
  item.Color = 1, item.Bevel = cbLoweredHard, item.ShadowBlur = 2, item.ShadowColor = 3, item.ShadowEnabled = true;
  item.ReservedBoolean = true, item.ShadowOffset = 4, item.ShadowTransparency = 5;
  item.FontColor = "6 7 8 9 10", item.HotFontColor = "11 12 13 14 15";
  item.Transparency = 16, item.GradientPercent = 17, item.GradientData = "18;19;20;1;0", item.ImagePercent = 21;
  item.ShowFocus = true, item.FadingEnabled = true, item.FadingIntervalIn = 22, item.FadingIntervalOut = 23;
  item.FadingIterations = 24, item.HotColor = 25, item.HotTransparency = 26, item.HotBevel = cbRaisedSoft;
  item.HotGradientPercent = 27, item.HotGradientData = "28;29;30;0;0", item.HotImagePercent = 31;
  item.BorderColor1 = 32, item.BorderColor2 = 33;
  const char* const written =
      "[PANEL]\nPARENTCLASS=BASE\nCOLOR=1\nBEVEL=4\nSHADOWBLUR=2\nSHADOWCOLOR=3\nSHADOWENABLED=TRUE\n"
      "RESERVEDBOOLEAN=TRUE\nSHADOWOFFSET=4\nSHADOWTRANSPARENCY=5\nFONTCOLOR=6\nTCLEFT=7\nTCTOP=8\nTCRIGHT=9\n"
      "TCBOTTOM=10\nHOTFONTCOLOR=11\nHOTTCLEFT=12\nHOTTCTOP=13\nHOTTCRIGHT=14\nHOTTCBOTTOM=15\nTRANSPARENCY=16\n"
      "GRADIENTPERCENT=17\nGRADIENTDATA=18;19;20;1;0\nIMAGEPERCENT=21\nSHOWFOCUS=TRUE\nFADINGENABLED=TRUE\n"
      "FADINGINTERVALIN=22\nFADINGINTERVALOUT=23\nFADINGITERATIONS=24\nHOTCOLOR=25\nHOTTRANSPARENCY=26\n"
      "HOTBEVEL=1\nHOTGRADIENTPERCENT=27\nHOTGRADIENTDATA=28;29;30;0;0\nHOTIMAGEPERCENT=31\nBORDERCOLOR1=32\n"
      "BORDERCOLOR2=33\n";
  PackedImages noImages({});
  SkinModel fromText;
  fromText.Load(written, noImages);
  const SkinModel stored = LoadedStoredSkin(skin);
  const TsGeneralData expected{.ParentClass = "BASE",
                               .SectionName = "PANEL",
                               .Color = 1,
                               .Bevel = cbLoweredHard,
                               .FontColor = {6, 7, 8, 9, 10},
                               .HotFontColor = {11, 12, 13, 14, 15},
                               .ReservedBoolean = true,
                               .ShadowBlur = 2,
                               .ShadowColor = 3,
                               .ShadowEnabled = true,
                               .ShadowOffset = 4,
                               .ShadowTransparency = 5,
                               .Transparency = 16,
                               .GradientPercent = 17,
                               .GradientData = "18;19;20;1;0",
                               .GradientArray = {{18, 19, 20, gdHorizontal}},
                               .ImagePercent = 21,
                               .ShowFocus = true,
                               .FadingEnabled = true,
                               .FadingIntervalIn = 22,
                               .FadingIntervalOut = 23,
                               .FadingIterations = 24,
                               .HotColor = 25,
                               .HotTransparency = 26,
                               .HotBevel = cbRaisedSoft,
                               .HotGradientPercent = 27,
                               .HotGradientData = "28;29;30;0;0",
                               .HotGradientArray = {{28, 29, 30, gdVertical}},
                               .HotImagePercent = 31,
                               .BorderColor1 = 32,
                               .BorderColor2 = 33};
  ASSERT_EQ(stored.Sections().size(), 1u);
  EXPECT_EQ(stored.Sections()[0], expected);
  ASSERT_EQ(fromText.Sections().size(), 1u);
  EXPECT_EQ(fromText.Sections()[0], expected);
}

TEST(StoredSkinModel, SkinInformationAndCachedIndexes) {
  PackedImages noImages({});
  SkinModel model;
  model.Load("[A]\nX=1\n", noImages);
  model.LoadStoredSkin(StoredSkin());
  const TsSkinData& info = model.SkinInfo();
  EXPECT_EQ(info.Author, "Sundrel");
  EXPECT_DOUBLE_EQ(info.Version, 5.4);
  EXPECT_EQ(info.Shadow1Blur, 2);
  EXPECT_EQ(info.BorderColor, 123);
  EXPECT_EQ(model.GetSkinIndex("A"), -1);  // nothing left from the skin before
  EXPECT_EQ(model.Indexes().GlobalInfo, 0);
}

TEST(StoredSkinModel, ANumberThatIsNotANumberEndsTheLoadKeepingWhatWasBuilt) {
  for (const auto& [field, text] : {std::pair{&TsSkinGeneral::FontColor, "0 -1 x"},
                                    std::pair{&TsSkinGeneral::HotGradientData, "1;2;3;4;5;6;y;8;9;0"},
                                    std::pair{&TsSkinGeneral::GradientData, "1;2;3;x;5"}}) {
    SCOPED_TRACE(text);
    TsStoredSkin skin = StoredSkin();
    skin.GeneralData.Items(2).*field = text;  // "EDIT"
    SkinModel model;
    EXPECT_THROW(model.LoadStoredSkin(skin), EConvertError);
    EXPECT_EQ(model.Sections().size(), 2u);
    EXPECT_EQ(model.GetSkinIndex("BUTTON"), 1);
    EXPECT_EQ(model.GetSkinIndex("EDIT"), -1);
    EXPECT_EQ(model.Masks().size(), 6u);
    EXPECT_EQ(model.Patterns().size(), 2u);
  }
}

TEST(StoredSkinModel, AnEmptyStoredSkinGivesAnEmptyModel) {
  const SkinModel model = LoadedStoredSkin(TsStoredSkin());
  EXPECT_TRUE(model.MasterBitmap().Empty());
  EXPECT_TRUE(model.Sections().empty());
  EXPECT_TRUE(model.Masks().empty());
  EXPECT_EQ(model.GetGlobalFontColor(), clFuchsia);
}

}  // namespace
}  // namespace sundrel
