#include "base/stream.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/errors.h"

namespace sundrel {

int64_t TStream::Size() {
  const int64_t position = Seek(0, SeekOrigin::Current);
  const int64_t size = Seek(0, SeekOrigin::End);
  Seek(position, SeekOrigin::Begin);
  return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError(SWriteError);
}

void CopyBytes(TStream& from, TStream& to, int64_t count, std::span<char> buffer) {
  auto* fromFile = dynamic_cast<TFileStream*>(&from);
  auto* toFile = dynamic_cast<TFileStream*>(&to);
  // What the system could not copy goes through memory, where a short read or write is told apart.
  if (fromFile != nullptr && toFile != nullptr && count > 0) count -= fromFile->CopyWithinSystem(*toFile, count);
  while (count > 0) {
    const int64_t chunk = std::min<int64_t>(count, static_cast<int64_t>(buffer.size()));
    from.ReadBuffer(buffer.data(), chunk);
    to.WriteBuffer(buffer.data(), chunk);
    count -= chunk;
  }
}

TFileStream::TFileStream(const std::string& path, FileMode mode, FileShare share) : fileName_(path) {
  FileSystem& files = CurrentFileSystem();
  OpenResult opened = files.Open(path, mode, share);
  if (!opened.file) {
    const std::string fullPath = files.ExpandFileName(path);
    if (mode == FileMode::Create) throw EFCreateError(FormatText(SFCreateErrorEx, {fullPath, opened.error}));
    throw EFOpenError(FormatText(SFOpenErrorEx, {fullPath, opened.error}));
  }
  file_ = std::move(opened.file);
}

int64_t TFileStream::Read(void* buffer, int64_t count) { return file_->Read(buffer, count); }

int64_t TFileStream::Write(const void* buffer, int64_t count) { return file_->Write(buffer, count); }

int64_t TFileStream::Seek(int64_t offset, SeekOrigin origin) { return file_->Seek(offset, origin); }

void TFileStream::SetSize(int64_t size) {
  if (!file_->SetSize(size)) throw EWriteError(SWriteError);
}

void TFileStream::Close() {
  const bool closed = file_->Close();
  file_.reset();
  if (!closed) throw EWriteError(SWriteError);
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t available = std::max<int64_t>(0, Size() - position_);
  const int64_t moved = std::clamp<int64_t>(count, 0, available);
  if (moved > 0) std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(moved));
  position_ += moved;
  return moved;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const int64_t end = position_ + count;
  const int64_t oldSize = Size();
  if (end > oldSize) {
    SetSize(end);
    if (position_ > oldSize) std::memset(data_.data() + oldSize, 0, static_cast<size_t>(position_ - oldSize));
  }
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin) {
  const int64_t base = origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? position_ : Size();
  position_ = std::max<int64_t>(0, base + offset);
  return position_;
}

void TMemoryStream::SetSize(int64_t size) {
  if (size < 0 || static_cast<uint64_t>(size) > data_.max_size()) throw EStreamError(SMemoryStreamError);
  try {
    data_.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    throw EStreamError(SMemoryStreamError);
  } catch (const std::length_error&) {
    throw EStreamError(SMemoryStreamError);
  }
  position_ = std::min(position_, size);
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  position_ = 0;
}

}  // namespace sundrel
