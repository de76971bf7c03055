// Reading packed skins: the magic "ASzf", an entry count, and entries of a name, an unpacked
// size and one complete zlib stream each (little-endian 32-bit integers, no padding).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/errors.h"
#include "base/stream.h"

namespace sundrel {

inline constexpr char kPackMagic[4] = {'A', 'S', 'z', 'f'};
inline constexpr const char* kOptionsEntryName = "Options.dat";
inline constexpr const char* SNotAPackedSkin = "Loaded data is not a packed skin file";

// A pack is untrusted input (anyone may drop an ".asz" into the skin folder). These limits are
// far above any real skin and keep a damaged or hostile pack from making the program allocate
// or inflate without bound: names are file names, and all entries of one pack together unpack
// to at most kMaxPackUnpackedSize bytes.
inline constexpr int32_t kMaxPackNameLength = 1024;
inline constexpr int64_t kMaxPackUnpackedSize = int64_t{64} << 20;
// A pack file is read whole into memory, so one larger than this is refused before any byte is
// read: deflated entries are no larger than what they unpack to, save a few bytes each.
inline constexpr int64_t kMaxPackFileSize = kMaxPackUnpackedSize;

inline constexpr const char* SPackBadEntryCount = "The skin pack is damaged: it declares %s entries";
inline constexpr const char* SPackBadNameLength = "The skin pack is damaged: an entry name of %s bytes";
inline constexpr const char* SPackBadSize = "The skin pack is damaged: entry \"%s\" declares %s bytes";
inline constexpr const char* SPackTooLarge = "The skin pack is too large: entry \"%s\" would unpack beyond %s bytes";
inline constexpr const char* SPackExtraData = "The skin pack is damaged: entry \"%s\" holds more than its %s bytes";
inline constexpr const char* SPackFileTooLarge = "The skin pack is too large: the file holds %s bytes, more than %s";
inline constexpr const char* SPackTwoOptions = "The skin pack is damaged: it holds more than one \"Options.dat\"";

// Exactly one entry of a pack is its options text: the one named "Options.dat" in any case.
bool IsOptionsEntryName(std::string_view name);

class ESkinPackError : public Exception {
  using Exception::Exception;
};

struct TacImageItem {
  std::string Name;  // exactly as stored in the pack
  bool IsBitmap = false;
  std::unique_ptr<TMemoryStream> Data;
};
using TacImageItems = std::vector<TacImageItem>;

// Hears that loaded data was not a pack at all. The Windows program shows it in a "Warning"
// message box (ShowPackWarning); tests record it.
using PackWarningSink = std::function<void(const std::string& text)>;

// Unpacks a pack into the options text and a list of named image streams, which it owns.
class TacSkinConvertor {
 public:
  explicit TacSkinConvertor(PackWarningSink onNotAPack);
  ~TacSkinConvertor();
  TacSkinConvertor(const TacSkinConvertor&) = delete;
  TacSkinConvertor& operator=(const TacSkinConvertor&) = delete;

  // A source that stays its owner's (the Data of a stored skin); detach it after Unpack.
  void AttachSource(TStream& source);
  void DetachSource();
  TStream* Source() const { return source_; }

  // Reads the source from its beginning. Wrong magic is reported to the sink and leaves the
  // reader without entries. A damaged pack raises: ESkinPackError, EZDecompressionError with
  // zlib's text, or EReadError "Stream read error" when the data ends early. After a failure
  // the reader holds no entries either, never part of a pack.
  void Unpack();
  // Nothing happens when the file does not exist. Otherwise the entries are cleared, the whole
  // file becomes the source and is unpacked; with freeSource that source is freed afterwards,
  // also when unpacking fails. A file larger than kMaxPackFileSize raises ESkinPackError
  // before it is read.
  void UnpackFile(const std::string& fileName, bool freeSource);
  // Frees the images (last to first), the options stream and a source this reader created; an
  // attached source is only let go.
  void ClearEntries();

  // The entry count minus one (the pack's images when it holds one options text).
  int32_t ImageCount() const { return imageCount_; }
  const TacImageItems& Images() const { return images_; }
  // The images that take part in a search by name: the first ImageCount of them.
  std::span<const TacImageItem> SearchedImages() const;
  // The unpacked "Options.dat", or none.
  TMemoryStream* Options() const { return options_.get(); }
  // The first of the first ImageCount images whose upper-cased name equals the wanted name
  // exactly (so "Master.bmp" is found as "MASTER.BMP", not as "Master.bmp"); none when absent.
  const TacImageItem* FindImage(std::string_view wantedName) const;

 private:
  void ReadEntries();
  void ReadEntry(int64_t& budget);
  // The road for a source that is not in memory and for a stream that did not inflate in one
  // call: through a decompression stream, which inflates what it can and raises the error that
  // the entry deserves.
  void InflateStreaming(const std::string& name, int32_t size, TMemoryStream& data);
  void ClearUnpacked();

  PackWarningSink onNotAPack_;
  TStream* source_ = nullptr;
  std::unique_ptr<TMemoryStream> ownedSource_;
  int32_t imageCount_ = 0;
  TacImageItems images_;
  std::unique_ptr<TMemoryStream> options_;
};

}  // namespace sundrel
