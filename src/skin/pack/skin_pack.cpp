#include "skin/pack/skin_pack.h"

#include <algorithm>
#include <cstring>

#include "base/os_file.h"
#include "skin/pack/whole_inflate.h"
#include "skin/pack/zlib_stream.h"

namespace sundrel {

namespace {

// The framework's stream copy reads in pieces of this size and wants each delivered in full.
constexpr size_t kCopyPiece = 61440;

// Pack names are 8-bit names compared the way the pack format was defined: ASCII letters only.
std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

bool IsBitmapName(const std::string& name) {
  const size_t dot = name.rfind('.');
  return dot != std::string::npos && UpperCase(std::string_view(name).substr(dot)) == ".BMP";
}

int32_t ReadInt32(TStream& stream) {
  uint8_t bytes[4];
  stream.ReadBuffer(bytes, 4);
  return static_cast<int32_t>(uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
                              uint32_t{bytes[3]} << 24);
}

}  // namespace

bool IsOptionsEntryName(std::string_view name) {
  return UpperCase(name) == UpperCase(kOptionsEntryName);
}

TacSkinConvertor::TacSkinConvertor(PackWarningSink onNotAPack) : onNotAPack_(std::move(onNotAPack)) {}

TacSkinConvertor::~TacSkinConvertor() {
  ClearEntries();
}

void TacSkinConvertor::AttachSource(TStream& source) {
  DetachSource();
  source_ = &source;
}

void TacSkinConvertor::DetachSource() {
  source_ = nullptr;
  ownedSource_.reset();
}

void TacSkinConvertor::ClearUnpacked() {
  while (!images_.empty()) images_.pop_back();
  options_.reset();
  imageCount_ = 0;
}

void TacSkinConvertor::ClearEntries() {
  ClearUnpacked();
  DetachSource();
}

void TacSkinConvertor::Unpack() {
  ClearUnpacked();
  if (source_ == nullptr) return;
  source_->SetPosition(0);
  char magic[sizeof kPackMagic];
  if (source_->Read(magic, sizeof magic) != sizeof magic || std::memcmp(magic, kPackMagic, sizeof magic) != 0) {
    if (onNotAPack_) onNotAPack_(SNotAPackedSkin);
    return;
  }
  try {
    ReadEntries();
  } catch (...) {
    ClearUnpacked();
    throw;
  }
}

void TacSkinConvertor::ReadEntries() {
  const int32_t count = ReadInt32(*source_);
  if (count < 0) throw ESkinPackError(FormatText(SPackBadEntryCount, {std::to_string(count)}));
  imageCount_ = count - 1;
  // No table is sized from the count: an entry takes at least 16 bytes of the source, so a count
  // larger than the data holds ends in a read error at the data's end.
  int64_t budget = kMaxPackUnpackedSize;
  for (int32_t i = 0; i < count; ++i) ReadEntry(budget);
}

void TacSkinConvertor::ReadEntry(int64_t& budget) {
  const int32_t nameLength = ReadInt32(*source_);
  if (nameLength < 0 || nameLength > kMaxPackNameLength) {
    throw ESkinPackError(FormatText(SPackBadNameLength, {std::to_string(nameLength)}));
  }
  std::string name(static_cast<size_t>(nameLength), '\0');
  source_->ReadBuffer(name.data(), nameLength);

  const int32_t size = ReadInt32(*source_);
  if (size < 0) throw ESkinPackError(FormatText(SPackBadSize, {name, std::to_string(size)}));
  if (size > budget) throw ESkinPackError(FormatText(SPackTooLarge, {name, std::to_string(kMaxPackUnpackedSize)}));
  budget -= size;

  const bool isOptions = IsOptionsEntryName(name);
  if (isOptions && options_) throw ESkinPackError(SPackTwoOptions);

  auto data = std::make_unique<TMemoryStream>();
  if (!InflateWholeStream(*source_, size, *data)) InflateStreaming(name, size, *data);
  data->SetPosition(0);

  if (isOptions) {
    options_ = std::move(data);
  } else {
    const bool isBitmap = IsBitmapName(name);
    images_.push_back({std::move(name), isBitmap, std::move(data)});
  }
}

void TacSkinConvertor::InflateStreaming(const std::string& name, int32_t size, TMemoryStream& data) {
  // The memory stream grows with what really inflates, never to the declared size up front.
  std::vector<char> buffer(kCopyPiece);
  TZDecompressionStream inflater(*source_);
  CopyBytes(inflater, data, size, buffer);
  // The next entry starts right after this zlib stream's check value: read up to there, and
  // refuse a stream that inflates to more than its declared size.
  char extra;
  if (inflater.Read(&extra, 1) != 0) throw ESkinPackError(FormatText(SPackExtraData, {name, std::to_string(size)}));
  if (!inflater.AtStreamEnd()) throw EReadError(SReadError);
}

void TacSkinConvertor::UnpackFile(const std::string& fileName, bool freeSource) {
  if (!CurrentFileSystem().FileExists(fileName)) return;
  ClearEntries();
  auto bytes = std::make_unique<TMemoryStream>();
  {
    TFileStream file(fileName, FileMode::OpenRead, FileShare::DenyWrite);
    const int64_t size = file.Size();
    if (size > kMaxPackFileSize) {
      throw ESkinPackError(FormatText(SPackFileTooLarge, {std::to_string(size), std::to_string(kMaxPackFileSize)}));
    }
    bytes->SetSize(size);
    file.ReadBuffer(bytes->Memory(), size);
  }
  ownedSource_ = std::move(bytes);
  source_ = ownedSource_.get();
  try {
    Unpack();
  } catch (...) {
    if (freeSource) DetachSource();
    throw;
  }
  if (freeSource) DetachSource();
}

std::span<const TacImageItem> TacSkinConvertor::SearchedImages() const {
  const auto searched = std::min<size_t>(static_cast<size_t>(std::max(imageCount_, 0)), images_.size());
  return std::span(images_).first(searched);
}

const TacImageItem* TacSkinConvertor::FindImage(std::string_view wantedName) const {
  for (const TacImageItem& image : SearchedImages()) {
    if (UpperCase(image.Name) == wantedName) return &image;
  }
  return nullptr;
}

}  // namespace sundrel
