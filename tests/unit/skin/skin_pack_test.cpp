#include "skin/pack/skin_pack.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <tuple>

#include "file_fixture.h"
#include "pack_builder.h"
#include "skin/pack/zlib_stream.h"

namespace sundrel {
namespace {

using test::Deflate;
using test::PackBuilder;
using test::PackBytes;
using test::PackEntry;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

PackBytes Noise(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  PackBytes bytes(size);
  for (auto& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

std::string Text(TMemoryStream& stream) {
  return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

// A reader over pack bytes held by the test, recording every warning it gives.
class PackReader {
 public:
  explicit PackReader(PackBytes bytes) : reader([this](const std::string& text) { warnings.push_back(text); }) {
    source.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
    reader.AttachSource(source);
  }

  TMemoryStream source;
  std::vector<std::string> warnings;
  TacSkinConvertor reader;
};

std::vector<std::string> Names(const TacSkinConvertor& reader) {
  std::vector<std::string> names;
  for (const auto& image : reader.Images()) names.push_back(image.Name);
  return names;
}

TEST(SkinPackTest, UnpacksOptionsAndImagesInPackOrderAndEndsOnTheLastByte) {
  const PackBytes master = Noise(5000, 1);
  PackReader pack(PackBuilder()
                      .Add("Options.dat", test::AsBytes("[GLOBALINFO]\r\nVERSION=5.4\r\n"))
                      .Add("Master.bmp", master)
                      .Add("Pattern.jpg", test::AsBytes("jpeg"))
                      .Build());
  pack.reader.Unpack();

  EXPECT_THAT(pack.warnings, IsEmpty());
  ASSERT_NE(pack.reader.Options(), nullptr);
  EXPECT_EQ(Text(*pack.reader.Options()), "[GLOBALINFO]\r\nVERSION=5.4\r\n");
  EXPECT_EQ(pack.reader.Options()->Position(), 0);
  EXPECT_EQ(pack.reader.ImageCount(), 2);
  EXPECT_THAT(Names(pack.reader), ElementsAre("Master.bmp", "Pattern.jpg"));
  EXPECT_TRUE(pack.reader.Images()[0].IsBitmap);
  EXPECT_FALSE(pack.reader.Images()[1].IsBitmap);
  EXPECT_EQ(PackBytes(pack.reader.Images()[0].Data->Memory(), pack.reader.Images()[0].Data->Memory() + 5000), master);
  EXPECT_EQ(pack.source.Position(), pack.source.Size());
}

TEST(SkinPackTest, OptionsEntryIsFoundWhateverTheCaseOfItsNameAndWherever) {
  PackReader pack(PackBuilder().Add("a.BMP", {1}).Add("options.DAT", test::AsBytes("x=1")).Build());
  pack.reader.Unpack();

  ASSERT_NE(pack.reader.Options(), nullptr);
  EXPECT_EQ(Text(*pack.reader.Options()), "x=1");
  EXPECT_THAT(Names(pack.reader), ElementsAre("a.BMP"));
  EXPECT_TRUE(pack.reader.Images()[0].IsBitmap);
}

TEST(SkinPackTest, ImagesAreFoundByTheirUpperCasedNameAmongTheFirstCountMinusOne) {
  // Without an options entry the count minus one leaves the last image out of every search.
  PackReader pack(PackBuilder().Add("Master.bmp", {1}).Add("Last.bmp", {2}).Build());
  pack.reader.Unpack();

  ASSERT_EQ(pack.reader.ImageCount(), 1);
  EXPECT_NE(pack.reader.FindImage("MASTER.BMP"), nullptr);
  EXPECT_EQ(pack.reader.FindImage("Master.bmp"), nullptr);
  EXPECT_EQ(pack.reader.FindImage("LAST.BMP"), nullptr);
  EXPECT_EQ(pack.reader.Images().size(), 2u);
}

// Pack bytes that are not a memory stream, so that the reader has to inflate through a
// decompression stream that reads them chunk by chunk.
class NotInMemory final : public TStream {
 public:
  explicit NotInMemory(TMemoryStream& bytes) : bytes_(bytes) {}
  int64_t Read(void* buffer, int64_t count) override { return bytes_.Read(buffer, count); }
  int64_t Write(const void* buffer, int64_t count) override { return bytes_.Write(buffer, count); }
  int64_t Seek(int64_t offset, SeekOrigin origin) override { return bytes_.Seek(offset, origin); }
  void SetSize(int64_t size) override { bytes_.SetSize(size); }

 private:
  TMemoryStream& bytes_;
};

// Each zlib stream ends where the next entry begins, whether the pack is inflated in one call
// from memory or through 65536-byte input chunks wherever they fall: the reader gives back what
// it read beyond the stream's end.
class ChunkBoundaryTest : public ::testing::TestWithParam<std::tuple<int64_t, bool>> {};

TEST_P(ChunkBoundaryTest, NextEntryStartsRightAfterTheCheckValue) {
  const auto [streamLength, inMemory] = GetParam();
  // Stored (uncompressed) deflate blocks make the stream's length exact.
  size_t size = static_cast<size_t>(streamLength) - 20;
  PackBytes data, stream;
  for (;; ++size) {
    data = Noise(size, 7);
    stream = Deflate(data, Z_NO_COMPRESSION);
    if (static_cast<int64_t>(stream.size()) >= streamLength) break;
  }
  ASSERT_EQ(static_cast<int64_t>(stream.size()), streamLength);

  PackReader pack(PackBuilder()
                      .Add(PackEntry{"Big.bmp", data, {}, stream})
                      .Add("Options.dat", test::AsBytes("after"))
                      .Add("Small.bmp", {9, 8, 7})
                      .Build());
  NotInMemory chunked(pack.source);
  if (!inMemory) pack.reader.AttachSource(chunked);
  pack.reader.Unpack();

  ASSERT_NE(pack.reader.Options(), nullptr);
  EXPECT_EQ(Text(*pack.reader.Options()), "after");
  ASSERT_THAT(Names(pack.reader), ElementsAre("Big.bmp", "Small.bmp"));
  ASSERT_EQ(pack.reader.Images()[0].Data->Size(), static_cast<int64_t>(size));
  EXPECT_EQ(PackBytes(pack.reader.Images()[0].Data->Memory(), pack.reader.Images()[0].Data->Memory() + size), data);
  EXPECT_EQ(pack.reader.Images()[1].Data->Size(), 3);
  EXPECT_EQ(pack.source.Position(), pack.source.Size());
}

INSTANTIATE_TEST_SUITE_P(StreamLengths, ChunkBoundaryTest,
                         ::testing::Combine(::testing::Values(65535, 65536, 65537, 131073), ::testing::Bool()));

TEST(SkinPackTest, WrongMagicWarnsAndLeavesTheReaderEmptyAndTheSourceItsOwners) {
  PackReader pack(PackBuilder().Add("Options.dat", test::AsBytes("a")).Build());
  pack.reader.Unpack();
  ASSERT_NE(pack.reader.Options(), nullptr);

  const PackBytes notAPack = test::AsBytes("BM not a pack at all");
  pack.source.SetSize(0);
  pack.source.Write(notAPack.data(), static_cast<int64_t>(notAPack.size()));
  pack.reader.Unpack();

  EXPECT_THAT(pack.warnings, ElementsAre("Loaded data is not a packed skin file"));
  EXPECT_EQ(pack.reader.Options(), nullptr);
  EXPECT_THAT(pack.reader.Images(), IsEmpty());
  EXPECT_EQ(pack.reader.ImageCount(), 0);
  EXPECT_EQ(pack.reader.Source(), &pack.source);
  EXPECT_EQ(pack.source.Size(), static_cast<int64_t>(notAPack.size()));
}

struct HostilePack {
  const char* name;
  PackBytes bytes;
  const char* message;
};

void PrintTo(const HostilePack& pack, std::ostream* out) {
  *out << pack.name;
}

PackBytes WithoutLastBytes(PackBytes bytes, size_t count) {
  bytes.resize(bytes.size() - count);
  return bytes;
}

PackBytes ZerosStream(size_t size) {
  return Deflate(PackBytes(size, 0));
}

std::vector<HostilePack> HostilePacks() {
  const PackBytes options = test::AsBytes("[GLOBALINFO]\r\n");
  const PackBytes good = PackBuilder().Add("Options.dat", options).Add("Master.bmp", Noise(300, 3)).Build();
  PackBytes badStream = Deflate(Noise(300, 4));
  badStream[10] ^= 0xFF;
  badStream[11] ^= 0xFF;
  PackBytes badHeader = Deflate(options);
  badHeader[1] ^= 1;
  PackBytes badCheck = Deflate(options);
  badCheck.back() ^= 1;
  PackBytes truncatedMagic = test::AsBytes("ASz");
  return {
      {"count only, no entries", PackBuilder().Count(1).Build(), "Stream read error"},
      {"negative count", PackBuilder().Count(-1).Build(), "The skin pack is damaged: it declares -1 entries"},
      {"count beyond the data", PackBuilder().Count(2147483647).Add("Options.dat", options).Build(),
       "Stream read error"},
      {"cut inside the magic", truncatedMagic, "Loaded data is not a packed skin file"},
      {"cut in the last check value", WithoutLastBytes(good, 1), "Stream read error"},
      {"cut in the middle", WithoutLastBytes(good, 200), "Stream read error"},
      {"cut after a name", WithoutLastBytes(PackBuilder().Add("Options.dat", {}).Build(), 12), "Stream read error"},
      {"negative size", PackBuilder().Add(PackEntry{"Options.dat", options, -5, {}}).Build(),
       "The skin pack is damaged: entry \"Options.dat\" declares -5 bytes"},
      {"size beyond the limit", PackBuilder().Add(PackEntry{"Huge.bmp", {}, 2147483647, ZerosStream(10)}).Build(),
       "The skin pack is too large: entry \"Huge.bmp\" would unpack beyond 67108864 bytes"},
      {"sizes beyond the limit together",
       PackBuilder()
           .Add(PackEntry{"A.bmp", PackBytes(40 << 20, 0), {}, {}})
           .Add(PackEntry{"B.bmp", {}, 30 << 20, ZerosStream(30 << 20)})
           .Build(),
       "The skin pack is too large: entry \"B.bmp\" would unpack beyond 67108864 bytes"},
      {"stated size above what inflates", PackBuilder().Add(PackEntry{"Options.dat", options, 1000, {}}).Build(),
       "Stream read error"},
      {"zip bomb behind a small size",
       PackBuilder().Add(PackEntry{"Bomb.bmp", {}, 1000, ZerosStream(50 << 20)}).Build(),
       "The skin pack is damaged: entry \"Bomb.bmp\" holds more than its 1000 bytes"},
      {"damaged deflate data", PackBuilder().Add(PackEntry{"Master.bmp", Noise(300, 4), {}, badStream}).Build(),
       "data error"},
      {"damaged zlib header", PackBuilder().Add(PackEntry{"Options.dat", options, {}, badHeader}).Build(),
       "data error"},
      {"wrong check value", PackBuilder().Add(PackEntry{"Options.dat", options, {}, badCheck}).Build(), "data error"},
      {"two options texts", PackBuilder().Add("Options.dat", options).Add("OPTIONS.DAT", options).Build(),
       "The skin pack is damaged: it holds more than one \"Options.dat\""},
  };
}

class HostilePackTest : public ::testing::TestWithParam<HostilePack> {};

// Every damaged pack ends in one clear error, and the reader never keeps part of a pack.
TEST_P(HostilePackTest, FailsCleanlyAndHoldsNothing) {
  const HostilePack& hostile = GetParam();
  PackReader pack(hostile.bytes);
  std::string message;
  try {
    pack.reader.Unpack();
    if (!pack.warnings.empty()) message = pack.warnings.front();
  } catch (const Exception& error) {
    message = error.Message();
  }
  EXPECT_EQ(message, hostile.message);
  EXPECT_EQ(pack.reader.Options(), nullptr);
  EXPECT_THAT(pack.reader.Images(), IsEmpty());
  EXPECT_EQ(pack.reader.ImageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Packs, HostilePackTest, ::testing::ValuesIn(HostilePacks()));

TEST(SkinPackTest, NegativeAndOverlongNameLengthsAreRefusedBeforeReadingTheName) {
  for (const int32_t length : {-1, kMaxPackNameLength + 1, 2147483647}) {
    PackBytes bytes = PackBuilder().Count(1).Build();
    PackBuilder::Int32(bytes, length);
    PackReader pack(bytes);
    try {
      pack.reader.Unpack();
      ADD_FAILURE() << "name length " << length << " was accepted";
    } catch (const ESkinPackError& error) {
      EXPECT_EQ(error.Message(), "The skin pack is damaged: an entry name of " + std::to_string(length) + " bytes");
    }
  }
}

TEST(SkinPackTest, UnpackFileReadsAPackFileAndFreesItsBytesOnRequest) {
  test::TempDir folder;
  const std::string path = folder.File("Blue.asz");
  test::WriteFileBytes(path, PackBuilder().Add("Options.dat", test::AsBytes("o")).Add("A.bmp", {1, 2}).Build());

  TacSkinConvertor reader(nullptr);
  reader.UnpackFile(path, true);
  ASSERT_NE(reader.Options(), nullptr);
  EXPECT_THAT(Names(reader), ElementsAre("A.bmp"));
  EXPECT_EQ(reader.Source(), nullptr);

  reader.UnpackFile(path, false);
  ASSERT_NE(reader.Source(), nullptr);
  EXPECT_EQ(reader.Source()->Position(), reader.Source()->Size());
}

TEST(SkinPackTest, UnpackFileOfAMissingFileKeepsWhatTheReaderHeld) {
  test::TempDir folder;
  const std::string path = folder.File("Blue.asz");
  test::WriteFileBytes(path, PackBuilder().Add("Options.dat", test::AsBytes("o")).Build());
  TacSkinConvertor reader(nullptr);
  reader.UnpackFile(path, true);

  reader.UnpackFile(folder.File("Missing.asz"), true);
  EXPECT_NE(reader.Options(), nullptr);
}

TEST(SkinPackTest, UnpackFileFreesTheSourceAlsoWhenUnpackingFails) {
  test::TempDir folder;
  const std::string path = folder.File("Bad.asz");
  test::WriteFileBytes(path, WithoutLastBytes(PackBuilder().Add("Options.dat", test::AsBytes("o")).Build(), 2));
  TacSkinConvertor reader(nullptr);

  EXPECT_THROW(reader.UnpackFile(path, true), EReadError);
  EXPECT_EQ(reader.Source(), nullptr);
  EXPECT_EQ(reader.Options(), nullptr);
}

TEST(SkinPackTest, UnpackFileRefusesAFileLargerThanAnyPackBeforeReadingIt) {
  test::TempDir folder;
  const std::string path = folder.File("Huge.asz");
  test::WriteFileBytes(path, PackBuilder().Add("Options.dat", test::AsBytes("o")).Build());
  std::filesystem::resize_file(path, kMaxPackFileSize + 1);  // sparse: costs no disk
  // Reading any byte of it would fail with "Stream read error".
  test::FaultyFileSystem disk;
  disk.readBudget = 0;
  ScopedFileSystem scope(disk);
  TacSkinConvertor reader(nullptr);
  try {
    reader.UnpackFile(path, true);
    ADD_FAILURE() << "a huge file was taken";
  } catch (const ESkinPackError& error) {
    EXPECT_EQ(error.Message(), "The skin pack is too large: the file holds 67108865 bytes, more than 67108864");
  }
  EXPECT_EQ(reader.Source(), nullptr);
  EXPECT_EQ(reader.Options(), nullptr);
}

TEST(ZDecompressionStreamTest, SeeksForwardAndBackToTheStartOnly) {
  const PackBytes data = Noise(1000, 5);
  const PackBytes stream = Deflate(data);
  TMemoryStream source;
  source.Write(stream.data(), static_cast<int64_t>(stream.size()));
  source.SetPosition(0);
  TZDecompressionStream inflater(source);

  EXPECT_EQ(inflater.Seek(600, SeekOrigin::Begin), 600);
  uint8_t byte = 0;
  ASSERT_EQ(inflater.Read(&byte, 1), 1);
  EXPECT_EQ(byte, data[600]);
  EXPECT_EQ(inflater.Seek(0, SeekOrigin::Begin), 0);
  ASSERT_EQ(inflater.Read(&byte, 1), 1);
  EXPECT_EQ(byte, data[0]);

  for (const auto& misuse : std::vector<std::function<void()>>{
           [&] { inflater.Seek(-1, SeekOrigin::Current); },
           [&] { inflater.Seek(0, SeekOrigin::End); },
           [&] { inflater.Write(&byte, 1); },
       }) {
    try {
      misuse();
      ADD_FAILURE() << "a decompression stream accepted an operation it cannot do";
    } catch (const EZDecompressionError& error) {
      EXPECT_EQ(error.Message(), "Invalid ZStream operation!");
    }
  }
}

}  // namespace
}  // namespace sundrel
