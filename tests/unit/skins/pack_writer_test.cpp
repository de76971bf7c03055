#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "skin/pack/skin_pack.h"
#include "skin_pack_writer.h"

namespace sundrel {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(PackWriterTest, WritesEntriesInOrderForTheReader) {
  const Bytes big(100000, 7);
  const Bytes pack = WriteSkinPack({{"Master.bmp", {1, 2, 3}}, {"Options.dat", {'a', '=', '1'}}, {"Big.bmp", big}});
  TMemoryStream source;
  source.WriteBuffer(pack.data(), static_cast<int64_t>(pack.size()));
  TacSkinConvertor reader(nullptr);
  reader.AttachSource(source);
  reader.Unpack();

  ASSERT_NE(reader.Options(), nullptr);
  EXPECT_EQ(reader.Options()->Size(), 3);
  ASSERT_EQ(reader.Images().size(), 2u);
  EXPECT_EQ(reader.Images()[0].Name, "Master.bmp");
  EXPECT_EQ(reader.Images()[1].Name, "Big.bmp");
  EXPECT_EQ(Bytes(reader.Images()[1].Data->Memory(), reader.Images()[1].Data->Memory() + big.size()), big);
  EXPECT_EQ(source.Position(), source.Size());
}

TEST(PackWriterTest, RefusesPacksTheReaderWouldRefuseOrCouldNotUse) {
  const Bytes options = {'x'};
  for (const auto& entries : std::vector<std::vector<PackSource>>{
           {{"Master.bmp", {1}}},
           {{"Options.dat", options}, {"options.DAT", options}},
           {{"Options.dat", options}, {"", {1}}},
           {{"Options.dat", options}, {std::string(kMaxPackNameLength + 1, 'a'), {1}}},
       }) {
    EXPECT_THROW(WriteSkinPack(entries), std::invalid_argument) << entries.back().name;
  }
}

}  // namespace
}  // namespace sundrel
