#include "skin/model/skin_model.h"

#include <gtest/gtest.h>

#include <string>

#include "base/errors.h"
#include "base/path_text.h"
#include "file_fixture.h"
#include "skin/model/mask_geometry.h"
#include "skin_test_files.h"

namespace sundrel {
namespace {

using test::Bytes;

// A small skin in the shape of the shipped one: a master bitmap, a bitmap of its own for
// "BUTTON_HUGE", parent chains, every image form and two JPEG textures.
const char* const kOptions = R"([GLOBALINFO]
VERSION=5.4
AUTHOR=Sundrel
DESCRIPTION=Fixture
SUID={0}
MASTERBITMAP=MASTER.BMP
COLOR=15847088
HOTCOLOR=$FF000005
FONTCOLOR=255
SHADOW1COLOR=8421504
SHADOW1OFFSET=2
SHADOW1BLUR=4
SHADOW1TRANSPARENCY=60
BISPACE=2
BORDERCOLOR=123
BOXCHECKED=@0100@0000@0148@0032@3@1
[EDIT]
BORDERSMASK=^0000^0060^0018^0078^0000^0000^0000^0000^3^0^1^2
TRANSPARENCY=50
[COMBOBOX]
PARENTCLASS=EDIT
TRANSPARENCY=-1
GLYPHMASK=@0100@0040@0112@0048@1@0
[BUTTON]
BORDERSMASK=^0000^0000^0081^0054^0000^0000^0000^0000^3^1^5^0
SHOWFOCUS=true
FADINGENABLED=1
GRADIENTDATA=16777215;11237449;99;0;0;11237449;11237449;0;0;0
COLOR=$FF00000F
[FORM]
BORDERSMASK=^0135^0090^0180^0135^0000^0000^0000^0000^1^0^1^5
[BUTTON_HUGE]
PARENTCLASS=BUTTON
BORDERSMASK=!BUTTONHUGE.BMP!3!1!0
GLYPHMASK=!MISSING.BMP!3!1!0
HOTPATTERN=!DAMAGED.BMP!1!0!1
[GRIPH]
BORDERSMASK=N/A
[SCROLLBTNTOP]
PATTERN=~0172~0165~0178~0177~10~1
GLYPHMASK=@0100@0050@0124@0058@3@0
[TABTOP]
BORDERSMASK=whole.bmp
PATTERN=#(0,0,30,20)(1,0)
[PANEL]
PATTERN=BIG.JPG
HOTPATTERN=small.jpeg
[EDIT]
TRANSPARENCY=10
)";

TColor Gradient(int x, int y) {
  return static_cast<TColor>((x * 255 / 320) | ((y * 255 / 300) << 8));
}

Bytes GreyAndKeyMaster() {
  test::Grid grid{200, 150, std::vector<TColor>(200 * 150, 0x336699)};
  grid.pixels[0] = clFuchsia;
  grid.pixels[1] = 0x808080;
  return test::MakeBmp(grid, {});
}

struct Fixture {
  std::vector<std::pair<std::string, Bytes>> files = {
      {"Master.bmp", GreyAndKeyMaster()},
      {"ButtonHuge.bmp", test::SolidBmp(288, 192, 0x00AA00)},
      {"Damaged.bmp", Bytes{'B', 'M', 0, 0}},
      {"WHOLE.BMP", test::SolidBmp(90, 60, 0x0000AA)},
      {"big.jpg", test::MakeJpeg(320, 300, Gradient)},
      {"small.jpeg", test::MakeJpeg(40, 40, Gradient)},
  };
  PackedImages Images() const {
    std::vector<PackedImages::Entry> entries;
    for (const auto& [name, bytes] : files) entries.push_back({name, bytes});
    return PackedImages(entries);
  }
};

SkinModel LoadedModel(const std::string& options = kOptions) {
  Fixture fixture;
  PackedImages images = fixture.Images();
  SkinModel model;
  model.Load(options, images);
  return model;
}

TEST(SkinModel, BuildsOneSectionRecordPerSectionInFileOrder) {
  const SkinModel model = LoadedModel();
  std::vector<std::string> names;
  for (const auto& section : model.Sections()) names.push_back(section.SectionName);
  EXPECT_EQ(names, (std::vector<std::string>{"GLOBALINFO", "EDIT", "COMBOBOX", "BUTTON", "FORM", "BUTTON_HUGE", "GRIPH",
                                             "SCROLLBTNTOP", "TABTOP", "PANEL", "EDIT"}));
  EXPECT_EQ(model.GetSkinIndex("EDIT"), 1);
  EXPECT_EQ(model.GetSkinIndex("edit"), -1);
  EXPECT_EQ(model.GetSkinIndex("COMBOBTN"), -1);
  // A repeated section is listed again, with the values of its first occurrence.
  EXPECT_EQ(model.Sections()[10].Transparency, 50);

  const TsGeneralData& combo = model.Sections()[model.GetSkinIndex("COMBOBOX")];
  EXPECT_EQ(combo.ParentClass, "EDIT");
  EXPECT_EQ(combo.Transparency, 50);  // -1 in the section counts as not given

  const TsGeneralData& huge = model.Sections()[model.GetSkinIndex("BUTTON_HUGE")];
  EXPECT_TRUE(huge.ShowFocus);       // "true", from BUTTON
  EXPECT_FALSE(huge.FadingEnabled);  // "1" is not true
  EXPECT_EQ(huge.GradientData, "16777215;11237449;99;0;0;11237449;11237449;0;0;0");
  EXPECT_EQ(huge.Color, 0xC8D0D4);  // the system button face colour, resolved

  const TsGeneralData& form = model.Sections()[model.GetSkinIndex("FORM")];
  EXPECT_EQ(form.ParentClass, "");
  EXPECT_EQ(form.Color, 16777215);
  EXPECT_EQ(form.ShadowBlur, 6);
  EXPECT_EQ(form.ShadowOffset, 3);
  EXPECT_EQ(form.ShadowTransparency, 50);
  EXPECT_EQ(form.FontColor, (std::array<TColor, 5>{0, -1, -1, -1, -1}));
  EXPECT_EQ(form.GradientData, " ");
  EXPECT_EQ(form.HotGradientData, "");
  EXPECT_EQ(form.FadingIterations, 5);
  EXPECT_EQ(form.HotColor, 16777215);
}

TEST(SkinModel, ParsesTheGradientLists) {
  const SkinModel model = LoadedModel();
  const TsGradArray button = {{16777215, 11237449, 99, gdVertical}, {11237449, 11237449, 0, gdVertical}};
  EXPECT_EQ(model.Sections()[model.GetSkinIndex("BUTTON")].GradientArray, button);
  EXPECT_EQ(model.Sections()[model.GetSkinIndex("BUTTON_HUGE")].GradientArray, button);  // inherited

  // One blank (the default) and the empty hot default are no gradient.
  const TsGeneralData& form = model.Sections()[model.GetSkinIndex("FORM")];
  EXPECT_TRUE(form.GradientArray.empty());
  EXPECT_TRUE(form.HotGradientArray.empty());
}

TEST(SkinModel, AGradientItemThatIsNotANumberEndsTheLoad) {
  Fixture fixture;
  PackedImages images = fixture.Images();
  SkinModel model;
  try {
    model.Load("[A]\nCOLOR=1\n[B]\nGRADIENTDATA=1;2;x;4;5\n[C]\nCOLOR=3\n", images);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
  }
  ASSERT_EQ(model.Sections().size(), 1u);
  EXPECT_EQ(model.GetSkinIndex("A"), 0);
  EXPECT_EQ(model.GetSkinIndex("B"), -1);
}

TEST(SkinModel, ReadsTheSkinInformation) {
  const SkinModel model = LoadedModel();
  const TsSkinData& info = model.SkinInfo();
  EXPECT_DOUBLE_EQ(info.Version, 5.4);
  EXPECT_EQ(info.Author, "Sundrel");
  EXPECT_EQ(info.Description, "Fixture");
  EXPECT_EQ(info.Shadow1Color, 8421504);
  EXPECT_EQ(info.Shadow1Offset, 2);
  EXPECT_EQ(info.Shadow1Blur, 4);
  EXPECT_EQ(info.Shadow1Transparency, 60);
  EXPECT_EQ(info.BISpace, 2);
  EXPECT_EQ(info.BorderColor, 123);
  EXPECT_EQ(model.MasterBitmap().Width(), 200);
}

TEST(SkinModel, BuildsAMaskRecordForEveryImageThatLoads) {
  const SkinModel model = LoadedModel();
  std::vector<std::string> masks;
  for (const auto& mask : model.Masks()) masks.push_back(mask.SectionName + "/" + mask.PropertyName);
  // Missing, damaged and "N/A" images leave no record; JPEG textures come after the others.
  EXPECT_EQ(masks, (std::vector<std::string>{"GLOBALINFO/BOXCHECKED", "EDIT/BORDERSMASK", "COMBOBOX/GLYPHMASK",
                                             "BUTTON/BORDERSMASK", "FORM/BORDERSMASK", "BUTTON_HUGE/BORDERSMASK",
                                             "SCROLLBTNTOP/PATTERN", "SCROLLBTNTOP/GLYPHMASK", "TABTOP/BORDERSMASK",
                                             "TABTOP/PATTERN",
                                             // the repeated section, with the keys of its first occurrence
                                             "EDIT/BORDERSMASK", "PANEL/HOTPATTERN"}));
  ASSERT_EQ(model.Patterns().size(), 1u);
  EXPECT_EQ(model.Patterns()[0].SectionName, "PANEL");
  EXPECT_EQ(model.Patterns()[0].Image->Width(), 320);

  const TsMaskData& huge = model.Masks()[model.GetMaskIndexDirect("BUTTON_HUGE", "BORDERSMASK")];
  ASSERT_TRUE(huge.Image);
  EXPECT_EQ(huge.Image->Pixel(287, 191), 0x00AA00);
  EXPECT_EQ(huge.R, (TRect{0, 0, 288, 192}));
  EXPECT_EQ((std::array{huge.WL, huge.WT, huge.WR, huge.WB}), (std::array{32, 32, 32, 32}));
  EXPECT_EQ(huge.StretchMode, 4);

  const TsMaskData& whole = model.Masks()[model.GetMaskIndexDirect("TABTOP", "BORDERSMASK")];
  EXPECT_EQ(whole.ImageCount, 3);
  EXPECT_EQ(whole.MaskType, 1);
  EXPECT_EQ((std::array{whole.WL, whole.WT, whole.WR, whole.WB}), (std::array{10, 10, 10, 10}));

  const TsMaskData& small = model.Masks()[model.GetTextureIndex(model.GetSkinIndex("PANEL"), "PANEL", "HOTPATTERN")];
  EXPECT_EQ(small.ImgType, itisaTexture);
  EXPECT_EQ(small.ImageCount, 1);
  EXPECT_EQ(small.Image->Width(), 40);
}

TEST(SkinModel, LooksImagesUpThroughTheParentChain) {
  const SkinModel model = LoadedModel();
  const int combo = model.GetSkinIndex("COMBOBOX");
  const int edit = model.GetMaskIndexDirect("EDIT", "BORDERSMASK");
  ASSERT_GE(edit, 0);
  EXPECT_EQ(model.GetMaskIndex(combo, "COMBOBOX", "BORDERSMASK"), edit);
  EXPECT_EQ(model.GetMaskIndexDirect("COMBOBOX", "BORDERSMASK"), -1);

  const int huge = model.GetSkinIndex("BUTTON_HUGE");
  EXPECT_EQ(model.GetMaskIndex(huge, "BUTTON_HUGE", "BORDERSMASK"),
            model.GetMaskIndexDirect("BUTTON_HUGE", "BORDERSMASK"));
  EXPECT_EQ(model.GetMaskIndex(huge, "BUTTON_HUGE", "GLYPHMASK"), -1);

  // Only textures count for GetTextureIndex; the pattern table has its own lookup.
  const int scroll = model.GetSkinIndex("SCROLLBTNTOP");
  EXPECT_EQ(model.GetTextureIndex(scroll, "SCROLLBTNTOP", "GLYPHMASK"), -1);
  EXPECT_GE(model.GetTextureIndex(scroll, "SCROLLBTNTOP", "PATTERN"), 0);
  EXPECT_EQ(model.GetPatternIndex(model.GetSkinIndex("PANEL"), "PANEL", "PATTERN"), 0);
  EXPECT_EQ(model.GetPatternIndex(model.GetSkinIndex("PANEL"), "PANEL", "HOTPATTERN"), -1);
}

TEST(SkinModel, LookupsAnswerMinusOneForWhatIsNotThere) {
  const SkinModel model = LoadedModel();
  const int edit = model.GetSkinIndex("EDIT");
  EXPECT_EQ(model.GetMaskIndex(-1, "EDIT", "BORDERSMASK"), -1);
  EXPECT_EQ(model.GetMaskIndex(edit, "EDIT", ""), -1);
  EXPECT_EQ(model.GetMaskIndex(999, "NOSUCH", "BORDERSMASK"), -1);
  EXPECT_EQ(model.GetMaskIndexDirect("", "BORDERSMASK"), -1);
  EXPECT_EQ(model.GetTextureIndex(edit, "", "PATTERN"), -1);
  EXPECT_EQ(model.GetMaskIndexDirect("GRIPH", "BORDERSMASK"), -1);
  EXPECT_FALSE(model.IsValidSkinIndex(-1));
  EXPECT_FALSE(model.IsValidSkinIndex(static_cast<int>(model.Sections().size())));
  EXPECT_TRUE(model.IsValidMaskIndex(0));
  EXPECT_FALSE(model.IsValidMaskIndex(static_cast<int>(model.Masks().size())));
  EXPECT_EQ(model.GetMaskCellSize(-1), (TSize{0, 0}));
  EXPECT_EQ(model.MaskWidthLeft(12345), 0);
}

TEST(SkinModel, AParentLoopEndsTheSearch) {
  const SkinModel model = LoadedModel(
      "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=C\n[C]\nPARENTCLASS=A\n[D]\nPARENTCLASS=A\n"
      "BORDERSMASK=^0000^0000^0030^0030^0000^0000^0000^0000^1^0^1^0\n");
  EXPECT_EQ(model.GetMaskIndex(model.GetSkinIndex("A"), "A", "BORDERSMASK"), -1);
  EXPECT_EQ(model.GetMaskIndex(model.GetSkinIndex("D"), "D", "BORDERSMASK"), 0);
  EXPECT_EQ(model.Sections()[model.GetSkinIndex("A")].Transparency, 0);
}

TEST(SkinModel, CellsAndStripWidthsOfTheStateImages) {
  const SkinModel model = LoadedModel();
  const int button = model.GetMaskIndexDirect("BUTTON", "BORDERSMASK");
  const TsMaskData& mask = model.Masks()[button];
  EXPECT_EQ(StateCellRect(mask, 2), (TRect{54, 0, 81, 27}));
  EXPECT_EQ(StateMaskRect(mask, 2), (TRect{54, 27, 81, 54}));
  EXPECT_EQ(StateCellRect(mask, 7), StateCellRect(mask, 2));  // beyond the last cell: the last
  EXPECT_EQ(StateCellRect(mask, -1), StateCellRect(mask, 0));
  EXPECT_EQ(model.GetMaskCellSize(button), (TSize{27, 27}));
  EXPECT_EQ(model.MaskWidthLeft(button), 9);
  EXPECT_EQ(model.MaskWidthBottom(button), 9);

  const int form = model.GetMaskIndexDirect("FORM", "BORDERSMASK");
  EXPECT_EQ((std::array{model.MaskWidthLeft(form), model.MaskWidthTop(form), model.MaskWidthRight(form),
                        model.MaskWidthBottom(form)}),
            (std::array{5, 5, 5, 5}));

  // A bitmap of its own reports a third of its width and half its height.
  EXPECT_EQ(model.GetMaskCellSize(model.GetMaskIndexDirect("BUTTON_HUGE", "BORDERSMASK")), (TSize{96, 96}));

  // The fallbacks of the strip widths: BorderWidth, then the cell size (counts of 0 count as 1).
  TsMaskData bare;
  bare.R = {0, 0, 60, 30};
  EXPECT_EQ(StripWidthLeft(bare), 20);
  EXPECT_EQ(StripWidthTop(bare), 10);
  bare.BorderWidth = 4;
  bare.WR = 7;
  EXPECT_EQ(StripWidthLeft(bare), 4);
  EXPECT_EQ(StripWidthRight(bare), 7);
}

TEST(SkinModel, GlobalColoursComeFromGlobalInfoOrTheSystem) {
  const SkinModel model = LoadedModel();
  EXPECT_EQ(model.GetGlobalColor(), 15847088);
  EXPECT_EQ(model.GetGlobalFontColor(), 255);
  EXPECT_EQ(model.GetGlobalHotColor(), 0xFFFFFF);  // $FF000005, the system window colour

  const SkinModel bare = LoadedModel("[EDIT]\nCOLOR=1\n");
  EXPECT_EQ(bare.GetGlobalColor(), 0xC8D0D4);
  EXPECT_EQ(bare.GetGlobalFontColor(), clFuchsia);
  EXPECT_EQ(bare.GetGlobalHotColor(), 0xFFFFFF);
}

TEST(SkinModel, ResolvesTheCachedIndexes) {
  const SkinModel model = LoadedModel();
  const CachedIndexes& c = model.Indexes();
  EXPECT_EQ(c.GlobalInfo, 0);
  EXPECT_EQ(c.BoxChecked, model.GetMaskIndexDirect("GLOBALINFO", "BOXCHECKED"));
  EXPECT_EQ(c.RadioChecked, -1);
  EXPECT_EQ(c.ComboBtn.SkinIndex, -1);
  EXPECT_EQ(c.ComboBtn.BordersMask, -1);
  EXPECT_EQ(c.ComboBtn.GlyphMask, model.GetMaskIndexDirect("COMBOBOX", "GLYPHMASK"));
  EXPECT_EQ(c.TabTop.BordersMask, model.GetMaskIndexDirect("TABTOP", "BORDERSMASK"));
  EXPECT_EQ(c.TabTop.Pattern, -1);  // tabs keep only their borders
  EXPECT_EQ(c.ScrollBtnTop.SkinIndex, model.GetSkinIndex("SCROLLBTNTOP"));
  EXPECT_EQ(c.ScrollBtnTop.Pattern, model.GetMaskIndexDirect("SCROLLBTNTOP", "PATTERN"));
  EXPECT_EQ(c.ScrollBtnTop.GlyphMask, model.GetMaskIndexDirect("SCROLLBTNTOP", "GLYPHMASK"));
  EXPECT_EQ(c.ScrollBar1H.BordersMask, -1);

  SkinModel cleared = LoadedModel();
  cleared.Clear();
  EXPECT_EQ(cleared.Indexes().GlobalInfo, -1);
  EXPECT_EQ(cleared.Indexes().BoxChecked, -1);
  EXPECT_EQ(cleared.GetSkinIndex("EDIT"), -1);
  EXPECT_TRUE(cleared.MasterBitmap().Empty());
}

TEST(SkinModel, ANumberThatIsNotANumberEndsTheLoadKeepingWhatWasBuilt) {
  Fixture fixture;
  PackedImages images = fixture.Images();
  SkinModel model;

  // Sections come after masks and patterns, the skin information last.
  std::string badInfo = kOptions;
  badInfo.replace(badInfo.find("SHADOW1OFFSET=2"), 15, "SHADOW1OFFSET=2px");
  try {
    model.Load(badInfo, images);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'2px' is not a valid integer value");
  }
  EXPECT_EQ(model.Sections().size(), 11u);
  EXPECT_EQ(model.Masks().size(), 12u);
  EXPECT_EQ(model.GetMaskIndex(model.GetSkinIndex("COMBOBOX"), "COMBOBOX", "BORDERSMASK"), 1);

  // A gradient stops the sections: the ones before it stay, nothing of the skin before does.
  EXPECT_THROW(model.Load("[A]\nCOLOR=1\n[B]\nGRADIENTDATA=1;2;x;4;5\n", images), EConvertError);
  EXPECT_EQ(model.Sections().size(), 1u);
  EXPECT_TRUE(model.Masks().empty());
  EXPECT_TRUE(model.Patterns().empty());
  EXPECT_EQ(model.Indexes().GlobalInfo, -1);
  EXPECT_EQ(model.SkinInfo().Author, "");
  EXPECT_EQ(model.SkinInfo().Shadow1Blur, -1);
}

TEST(SkinModel, OnlyKeysThatMayNameAnImageAreReadAsImagesAndABadOneCostsOnlyItself) {
  Fixture fixture;
  PackedImages images = fixture.Images();
  const std::string border = "^0000^0000^0030^0030^0000^0000^0000^0000^1^0^1^0";
  const struct {
    const char* name;
    std::string options;
    std::vector<std::pair<const char*, const char*>> masks;  // section and key of each record
    std::vector<std::string> warnings;
  } cases[] = {
      {"a \"#\" in the skin's texts",
       "[GLOBALINFO]\nDESCRIPTION=Skin #1 blue\nAUTHOR=#(1,2,3,4)(5,6)\nSUID=@1\n[A]\nPARENTCLASS=#B\n"
       "GRADIENTDATA= \nBORDERSMASK=" +
           border + "\n",
       {{"A", "BORDERSMASK"}},
       {}},
      {"a fixed field that is not a number",
       "[A]\nBORDERSMASK=" + border +
           "\n[B]\nBORDERSMASK=^0000^0000^00x0^0030^0000^0000^0000^0000^1^0^1^0\n"
           "[C]\nBORDERSMASK=" +
           border + "\n",
       {{"A", "BORDERSMASK"}, {"C", "BORDERSMASK"}},
       {"The image \"BORDERSMASK\" of [B] was left out: '00x0' is not a valid integer value"}},
      {"a bracketed value that is not a rectangle",
       "[A]\nNOTE=Skin #1 blue\nFRAME=#(0,0,30,20)(3,1,4)\n",
       {{"A", "FRAME"}},
       {"The image \"NOTE\" of [A] was left out: '#1' is not a valid integer value"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SkinModel model;
    model.Load(c.options, images);
    std::vector<std::pair<std::string, std::string>> masks;
    for (const TsMaskData& mask : model.Masks()) masks.emplace_back(mask.SectionName, mask.PropertyName);
    EXPECT_EQ(masks, (std::vector<std::pair<std::string, std::string>>(c.masks.begin(), c.masks.end())));
    EXPECT_EQ(model.Warnings(), c.warnings);
    EXPECT_EQ(model.Indexes().GlobalInfo, model.GetSkinIndex("GLOBALINFO")) << "the load went to its end";
  }

  SkinModel model;
  model.Load(cases[0].options, images);
  EXPECT_EQ(model.SkinInfo().Description, "Skin #1 blue");

  // The same in the common sections, over a skin with a master bitmap.
  model.Load(kOptions, images);
  const size_t masks = model.Masks().size();
  model.ApplyCommonSections("[D]\nFRAME=#(0,0,x,20)(3,1)\nCOLOR=#1\nBOX=#(0,0,30,20)(3,1)\n", images, images);
  EXPECT_GE(model.GetSkinIndex("D"), 0);
  EXPECT_EQ(model.Masks().size(), masks + 1);
  EXPECT_GE(model.GetMaskIndexDirect("D", "BOX"), 0);
  EXPECT_EQ(model.Warnings(),
            std::vector<std::string>{"The image \"FRAME\" of [D] was left out: 'x' is not a valid integer value"});
}

TEST(SkinModel, PackEntriesAreFoundByTheirUpperCasedName) {
  const Bytes bitmap = test::SolidBmp(30, 30, 0x123456);
  PackedImages images({{"Frame.bmp", bitmap}, {"FRAME.BMP", test::SolidBmp(9, 9, 0)}});
  EXPECT_EQ(images.FindImage("FRAME.BMP")->size(), bitmap.size());  // the first match wins
  EXPECT_FALSE(images.FindImage("Frame.bmp"));

  SkinModel model;
  model.Load("[A]\nX=!Frame.BMP!1!0!0\nY=!FRAME.BMP!1!0!0\nZ=frame.bmp\n", images);
  EXPECT_EQ(model.GetMaskIndexDirect("A", "X"), -1);
  EXPECT_GE(model.GetMaskIndexDirect("A", "Y"), 0);
  EXPECT_GE(model.GetMaskIndexDirect("A", "Z"), 0);  // the whole-file form upper-cases the name
}

TEST(SkinModel, LoadsFromASkinFolder) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("FRAME.BMP"), test::SolidBmp(30, 30, 0x123456));
  FolderImages files(IncludeTrailingPathDelimiter(dir.Path()));
  SkinModel model;
  model.Load("[GLOBALINFO]\nMASTERBITMAP=FRAME.BMP\n[A]\nX=frame.bmp\nY=NOSUCH.BMP\n", files);
  EXPECT_EQ(model.MasterBitmap().Width(), 30);
  EXPECT_GE(model.GetMaskIndexDirect("A", "X"), 0);
  EXPECT_EQ(model.GetMaskIndexDirect("A", "Y"), -1);
}

TEST(SkinModel, CommonSectionsAreLaidOverTheSkin) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("EXTRA.BMP"), test::SolidBmp(30, 30, 0x123456));
  FolderImages looseFiles(IncludeTrailingPathDelimiter(dir.Path()));
  Fixture fixture;
  PackedImages images = fixture.Images();
  SkinModel model;
  model.Load(kOptions, images);
  const size_t sections = model.Sections().size();
  const size_t masks = model.Masks().size();

  model.ApplyCommonSections(
      " [ BUTTON ] \r\n TRANSPARENCY = 30 \r\n HOTGRADIENTDATA = 255; 0; 100; 1; 0 \r\n"
      "[NEWBUTTON]\nPARENTCLASS=button\nCOLOR=255\nSHOWFOCUS=FALSE\n"
      "[EXTRA]\nFRAME=extra.bmp\nBOX=#(0,0,30,20)(3,1,4)\nHOT=small.jpeg\n"
      "[GLOBALINFO]\nGRIP=EXTRA.BMP\n",
      images, looseFiles);

  const TsGeneralData& button = model.Sections()[model.GetSkinIndex("BUTTON")];
  EXPECT_EQ(button.Transparency, 30);
  EXPECT_TRUE(button.ShowFocus);
  EXPECT_EQ(button.HotGradientArray, (TsGradArray{{255, 0, 100, gdHorizontal}}));
  EXPECT_EQ(button.GradientArray.size(), 2u);

  ASSERT_EQ(model.Sections().size(), sections + 2);
  const TsGeneralData& added = model.Sections()[model.GetSkinIndex("NEWBUTTON")];
  EXPECT_EQ(added.ParentClass, "button");
  EXPECT_EQ(added.Color, 255);
  EXPECT_FALSE(added.ShowFocus);
  EXPECT_EQ(added.GradientData, button.GradientData);  // from its base record
  EXPECT_EQ(added.GradientArray, button.GradientArray);
  EXPECT_EQ(model.Sections()[model.GetSkinIndex("EXTRA")].ShadowBlur, 6);

  EXPECT_EQ(model.Masks().size(), masks + 3);
  EXPECT_GE(model.GetMaskIndexDirect("EXTRA", "FRAME"), 0);
  EXPECT_EQ(model.Masks()[model.GetMaskIndexDirect("EXTRA", "BOX")].BorderWidth, 4);
  EXPECT_GE(model.GetTextureIndex(model.GetSkinIndex("EXTRA"), "EXTRA", "HOT"), 0);
  EXPECT_EQ(model.GetMaskIndexDirect("GLOBALINFO", "GRIP"), -1);
}

TEST(SkinModel, ABadGradientInTheCommonSectionsLeavesTheRecordAsItWas) {
  Fixture fixture;
  PackedImages images = fixture.Images();
  SkinModel model;
  model.Load(kOptions, images);
  EXPECT_THROW(model.ApplyCommonSections("[BUTTON]\nTRANSPARENCY=30\nGRADIENTDATA=1;2;3;4;5;6;7;x;9;10\n[NEW]\n",
                                         images, images),
               EConvertError);
  const TsGeneralData& button = model.Sections()[model.GetSkinIndex("BUTTON")];
  EXPECT_EQ(button.Transparency, 0);
  EXPECT_EQ(button.GradientData, "16777215;11237449;99;0;0;11237449;11237449;0;0;0");
  EXPECT_EQ(model.GetSkinIndex("NEW"), -1);
}

TEST(SkinModel, RecolourChangesColoursButNotHolesOrGreys) {
  SkinModel model = LoadedModel();
  const auto swapRedBlue = [](TColor c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); };
  model.Recolour(swapRedBlue);
  EXPECT_EQ(model.MasterBitmap().Pixel(0, 0), clFuchsia);
  EXPECT_EQ(model.MasterBitmap().Pixel(1, 0), 0x808080);
  EXPECT_EQ(model.MasterBitmap().Pixel(2, 0), 0x996633);
  const TsMaskData& huge = model.Masks()[model.GetMaskIndexDirect("BUTTON_HUGE", "BORDERSMASK")];
  EXPECT_EQ(huge.Image->Pixel(0, 0), 0x00AA00);
  const TsGeneralData& global = model.Sections()[0];
  EXPECT_EQ(global.FontColor, (std::array<TColor, 5>{0xFF0000, -1, -1, -1, -1}));
  const TsGradArray& gradient = model.Sections()[model.GetSkinIndex("BUTTON")].GradientArray;
  EXPECT_EQ(gradient[0].StartColor, 16777215);
  EXPECT_EQ(gradient[0].EndColor, 0x4978AB);  // 11237449 is 0xAB7849
  EXPECT_EQ(model.SkinInfo().BorderColor, 123 << 16);
}

// Records that name the same file, and the master bitmap, show one picture: a change is made to it
// once, not once per record, and the patterns keep their colours.
TEST(SkinModel, RecolourChangesEachPictureOnceHoweverManyRecordsShowIt) {
  SkinModel model = LoadedModel(R"([GLOBALINFO]
MASTERBITMAP=MASTER.BMP
[BUTTON_HUGE]
BORDERSMASK=!MASTER.BMP!3!1!0
[BUTTON_BIG]
BORDERSMASK=!MASTER.BMP!3!1!0
GLYPHMASK=!BUTTONHUGE.BMP!3!1!0
HOTPATTERN=!BUTTONHUGE.BMP!3!1!0
[PANEL]
PATTERN=BIG.JPG
)");
  const TColor pattern = model.Patterns().at(0).Image->Pixel(5, 5);
  model.Recolour([](TColor c) { return c + 1; });

  EXPECT_EQ(model.MasterBitmap().Pixel(2, 0), 0x33669A);
  for (const TsMaskData& mask : model.Masks()) {
    const TColor expected =
        mask.SectionName == "BUTTON_HUGE" || mask.PropertyName == "BORDERSMASK" ? 0x33669A : 0x00AA01;
    EXPECT_EQ(mask.Image->Pixel(2, 0), expected) << mask.SectionName << " " << mask.PropertyName;
  }
  EXPECT_EQ(model.Patterns().at(0).Image->Pixel(5, 5), pattern);
}

}  // namespace
}  // namespace sundrel
