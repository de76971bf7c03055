#include "skin/model/packed_skin.h"

#include <gtest/gtest.h>

#include "pack_builder.h"
#include "skin/model/skin_model.h"
#include "skin_test_files.h"

namespace sundrel {
namespace {

using test::PackBuilder;

// A reader that has unpacked the given pack bytes, which the test keeps.
struct UnpackedPack {
  explicit UnpackedPack(const test::PackBytes& bytes) {
    source.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
    reader.AttachSource(source);
    reader.Unpack();
  }
  TMemoryStream source;
  TacSkinConvertor reader{[](const std::string& text) { FAIL() << text; }};
};

TEST(PackedSkin, APackLoadsIntoTheModelInOneCall) {
  const UnpackedPack pack(PackBuilder()
                              .Add("Master.bmp", test::SolidBmp(90, 60, 0x336699))
                              .Add("options.DAT", test::AsBytes("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n"
                                                                "[BUTTON]\r\nBORDERSMASK=!FRAME.BMP!3!1!0\r\n"
                                                                "GLYPHMASK=@0000@0000@0030@0020@3@0\r\n"))
                              .Add("Frame.bmp", test::SolidBmp(30, 20, 0x00AA00))
                              .Build());
  SkinModel model;
  model.LoadFromPack(pack.reader);

  EXPECT_EQ(model.MasterBitmap().Width(), 90);
  ASSERT_EQ(model.Sections().size(), 2u);
  const int frame = model.GetMaskIndexDirect("BUTTON", "BORDERSMASK");
  ASSERT_GE(frame, 0);
  EXPECT_EQ(model.Masks()[frame].Image->Pixel(0, 0), 0x00AA00);
  EXPECT_GE(model.GetMaskIndexDirect("BUTTON", "GLYPHMASK"), 0);
}

TEST(PackedSkin, OnlyTheImagesTheReaderSearchesAreSeenAndNoOptionsGiveAnEmptySkin) {
  // Without an options entry the entry count minus one leaves the last image out.
  const UnpackedPack pack(
      PackBuilder().Add("Master.bmp", test::SolidBmp(9, 9, 0)).Add("Last.bmp", test::SolidBmp(9, 9, 0)).Build());
  PackedImages images = PackedImagesOf(pack.reader);
  EXPECT_TRUE(images.FindImage("MASTER.BMP"));
  EXPECT_FALSE(images.FindImage("LAST.BMP"));
  EXPECT_EQ(OptionsTextOf(pack.reader), "");

  SkinModel model;
  model.LoadFromPack(pack.reader);
  EXPECT_TRUE(model.Sections().empty());
  EXPECT_TRUE(model.MasterBitmap().Empty());
}

}  // namespace
}  // namespace sundrel
