#include <gtest/gtest.h>

#include <cstring>

#include "base/errors.h"
#include "base/path_text.h"
#include "base/stream.h"
#include "file_fixture.h"

namespace sundrel {
namespace {

using test::Bytes;
using test::TempDir;

TEST(MemoryStream, GrowsOnWriteAndReadsBackFromAnyPosition) {
  TMemoryStream stream;
  stream.WriteBuffer("hello world", 11);
  EXPECT_EQ(stream.Size(), 11);
  EXPECT_EQ(stream.Position(), 11);

  stream.Seek(6, SeekOrigin::Begin);
  char word[5];
  stream.ReadBuffer(word, 5);
  EXPECT_EQ(std::string(word, 5), "world");

  // Writing past the end fills the gap with zeros.
  stream.Seek(2, SeekOrigin::End);
  stream.WriteBuffer("!", 1);
  EXPECT_EQ(stream.Size(), 14);
  EXPECT_EQ(stream.Memory()[11], 0);

  stream.SetSize(5);
  EXPECT_EQ(stream.Position(), 5);
  EXPECT_EQ(stream.Read(word, 5), 0);
}

TEST(MemoryStream, ReportsTheSystemMessagesWhenItCannotServe) {
  TMemoryStream stream;
  stream.WriteBuffer("abc", 3);
  stream.SetPosition(1);
  char buffer[3];
  try {
    stream.ReadBuffer(buffer, 3);
    FAIL() << "short read not reported";
  } catch (const EReadError& error) {
    EXPECT_STREQ(error.what(), "Stream read error");
  }

#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "AddressSanitizer ends the process on an impossible allocation instead of failing it";
#endif
  try {
    stream.SetSize(INT64_MAX);
    FAIL() << "impossible size accepted";
  } catch (const EStreamError& error) {
    EXPECT_STREQ(error.what(), "Out of memory while expanding memory stream");
  }
  EXPECT_EQ(stream.Size(), 3) << "a failed growth must leave the contents alone";
}

TEST(FileStream, FailuresNameTheFullPathAndTheSystemReason) {
  TempDir dir;
  const std::string missing = dir.File("no-such-folder") + std::string(1, kPathDelim) + "x.bin";
  try {
    TFileStream stream(missing, FileMode::Create, FileShare::Exclusive);
    FAIL() << "created a file in a missing folder";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + missing + "\". " + test::PathNotFoundText());
  }
  try {
    TFileStream stream(missing, FileMode::OpenRead, FileShare::DenyWrite);
    FAIL() << "opened a missing file";
  } catch (const EFOpenError& error) {
    const std::string text = error.what();
    EXPECT_EQ(text.rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << text;
    EXPECT_NE(text.back(), '.') << "the system reason keeps no trailing full stop";
  }
}

TEST(FileStream, RelativeNamesAreReportedAsFullPaths) {
  try {
    TFileStream stream("no-such-folder-here/x.bin", FileMode::OpenRead, FileShare::DenyWrite);
    FAIL() << "opened a missing file";
  } catch (const EFOpenError& error) {
    const std::string full = CurrentFileSystem().ExpandFileName("no-such-folder-here/x.bin");
    EXPECT_NE(full, "no-such-folder-here/x.bin");
    EXPECT_EQ(std::string(error.what()).rfind("Cannot open file \"" + full + "\". ", 0), 0u) << error.what();
  }
}

TEST(FileStream, CreateTruncatesAndSizesAreSixtyFourBit) {
  TempDir dir;
  const std::string name = dir.File("data.bin");
  test::WriteFileBytes(name, Bytes(100, 7));
  {
    TFileStream stream(name, FileMode::Create, FileShare::Exclusive);
    EXPECT_EQ(stream.Size(), 0);
    stream.WriteBuffer("abc", 3);
    // Past 4 GiB, so a 32-bit size anywhere would show.
    stream.SetSize(int64_t{5} << 30);
    EXPECT_EQ(stream.Size(), int64_t{5} << 30);
    EXPECT_EQ(stream.Position(), 3);
    stream.SetSize(3);
  }
  EXPECT_EQ(test::ReadFileBytes(name), (Bytes{'a', 'b', 'c'}));
}

#ifdef _WIN32
// Windows share modes are what keeps other programs away from the files we work on.
TEST(FileStream, ShareModesLockOtherOpenersOut) {
  TempDir dir;
  const std::string name = dir.File("shared.bin");
  test::WriteFileBytes(name, Bytes(10, 1));

  {
    TFileStream exclusive(name, FileMode::OpenRead, FileShare::Exclusive);
    EXPECT_THROW(TFileStream(name, FileMode::OpenRead, FileShare::DenyNone), EFOpenError);
  }
  {
    TFileStream denyWrite(name, FileMode::OpenRead, FileShare::DenyWrite);
    EXPECT_NO_THROW(TFileStream(name, FileMode::OpenRead, FileShare::DenyWrite));
    EXPECT_THROW(TFileStream(name, FileMode::OpenReadWrite, FileShare::DenyNone), EFOpenError);
    EXPECT_THROW(TFileStream(name, FileMode::Create, FileShare::Exclusive), EFCreateError);
  }
  {
    TFileStream created(name, FileMode::Create, FileShare::Exclusive);
    EXPECT_THROW(TFileStream(name, FileMode::OpenRead, FileShare::DenyNone), EFOpenError);
  }
}
#endif

}  // namespace
}  // namespace sundrel
