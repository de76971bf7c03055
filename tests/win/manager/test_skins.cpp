#include "test_skins.h"

#include "pack_builder.h"

namespace sundrel::testing {

namespace {

void PutLE(Bytes& out, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::string TestSkinOptions() {
  return "[GLOBALINFO]\r\n"
         "VERSION=7.25\r\n"
         "MASTERBITMAP=MASTER.BMP\r\n"
         "SHADOW1COLOR=255\r\n"
         "BORDERCOLOR=8421504\r\n"
         "[PANEL]\r\n"
         "COLOR=255\r\n"
         "HOTCOLOR=16711935\r\n"
         "FONTCOLOR=8421504\r\n"
         "TCLEFT=25800\r\n"
         "GRADIENTDATA=255;25800;100;0;0\r\n"
         "BORDERSMASK=!OWN.BMP!1!0!0\r\n";
}

Bytes BmpFile(int width, int height, const std::vector<int32_t>& pixels) {
  const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
  const uint32_t imageSize = stride * static_cast<uint32_t>(height);
  Bytes out{'B', 'M'};
  PutLE(out, 54 + imageSize, 4);
  PutLE(out, 0, 4);
  PutLE(out, 54, 4);
  PutLE(out, 40, 4);
  PutLE(out, static_cast<uint32_t>(width), 4);
  PutLE(out, static_cast<uint32_t>(height), 4);
  PutLE(out, 1, 2);
  PutLE(out, 24, 2);
  PutLE(out, 0, 4);
  PutLE(out, imageSize, 4);
  PutLE(out, 2835, 4);
  PutLE(out, 2835, 4);
  PutLE(out, 0, 4);
  PutLE(out, 0, 4);
  // Rows from the bottom, blue, green, red.
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const auto pixel = static_cast<uint32_t>(pixels[static_cast<size_t>(y) * width + x]);
      out.insert(out.end(),
                 {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel)});
    }
    out.resize(out.size() + (stride - static_cast<uint32_t>(width) * 3));
  }
  return out;
}

Bytes PackFile(const std::string& options, const std::vector<std::pair<std::string, Bytes>>& images) {
  test::PackBuilder pack;
  pack.Add("Options.dat", test::AsBytes(options));
  for (const auto& [name, data] : images) pack.Add(name, data);
  return pack.Build();
}

Bytes TestSkinPack() {
  return PackFile(TestSkinOptions(),
                  {{"Master.bmp", BmpFile(3, 1, {kRed, kGrey, kKey})}, {"Own.bmp", BmpFile(1, 1, {kRed})}});
}

TsSkinManager* ManagerWithTestSkin(const test::TempDir& folder, TComponent* owner) {
  test::WriteFileBytes(folder.File("Test.asz"), TestSkinPack());
  auto* manager = new TsSkinManager(owner);
  manager->SetSkinDirectory(folder.Path());
  manager->SetSkinName("Test");
  return manager;
}

}  // namespace sundrel::testing
