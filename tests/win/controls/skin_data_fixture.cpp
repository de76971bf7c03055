#include "skin_data_fixture.h"

#include "test_skins.h"

namespace sundrel::testing {

std::string MiniSkinOptions() {
  return "[GLOBALINFO]\r\n"
         "VERSION=1.0\r\n"
         "MASTERBITMAP=MASTER.BMP\r\n"
         "[PANEL]\r\n"
         "COLOR=255\r\n"
         "FONTCOLOR=8421504\r\n"
         "[BUTTON]\r\n"
         "COLOR=65280\r\n"
         "[EDIT]\r\n"
         "COLOR=65535\r\n"
         "FONTCOLOR=255\r\n"
         "[GLASS]\r\n"
         "COLOR=16711680\r\n"
         "TRANSPARENCY=100\r\n"
         "[TINT]\r\n"
         "COLOR=0\r\n"
         "TRANSPARENCY=50\r\n"
         "[GRADIENT]\r\n"
         "COLOR=65280\r\n"
         "GRADIENTPERCENT=100\r\n"
         "GRADIENTDATA=255;25800;100;0;0\r\n";
}

void SkinDataTest::SetUp() {
  FrameworkTest::SetUp();
  test::WriteFileBytes(folder.File("Mini.asz"),
                       PackFile(MiniSkinOptions(), {{"Master.bmp", BmpFile(3, 1, {kRed, kGrey, kKey})}}));
  form = application->CreateForm<TForm>();
  form->SetBounds(0, 0, 300, 200);
  manager = new TsSkinManager(form);
  manager->SetSkinDirectory(folder.Path());
  manager->SetSkinName("Mini");
  form->HandleNeeded();
}

}  // namespace sundrel::testing
