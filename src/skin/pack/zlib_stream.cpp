#include "skin/pack/zlib_stream.h"

#include <algorithm>
#include <limits>

namespace sundrel {

namespace {

void Check(int code) {
  if (code < 0 || code == Z_NEED_DICT) throw EZDecompressionError(zError(code));
}

}  // namespace

TZDecompressionStream::TZDecompressionStream(TStream& source)
    : source_(source), sourceStart_(source.Position()), input_(kZInputChunk) {
  Check(inflateInit(&zlib_));
}

TZDecompressionStream::~TZDecompressionStream() {
  inflateEnd(&zlib_);
}

bool TZDecompressionStream::RefillInput() {
  const int64_t got = source_.Read(input_.data(), kZInputChunk);
  if (got <= 0) return false;
  zlib_.next_in = input_.data();
  zlib_.avail_in = static_cast<uInt>(got);
  return true;
}

int64_t TZDecompressionStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  // zlib counts in 32 bits; callers read in pieces far below that.
  const auto wanted = static_cast<uInt>(std::min<int64_t>(count, std::numeric_limits<uInt>::max()));
  zlib_.next_out = static_cast<Bytef*>(buffer);
  zlib_.avail_out = wanted;
  while (zlib_.avail_out > 0 && !ended_) {
    if (zlib_.avail_in == 0 && !RefillInput()) break;
    const int code = inflate(&zlib_, Z_NO_FLUSH);
    if (code == Z_STREAM_END) {
      ended_ = true;
      if (zlib_.avail_in > 0) source_.Seek(-static_cast<int64_t>(zlib_.avail_in), SeekOrigin::Current);
      zlib_.avail_in = 0;
    } else if (code != Z_BUF_ERROR || zlib_.avail_in > 0) {
      Check(code);  // Z_BUF_ERROR without input left only asks for the next chunk
    }
  }
  const int64_t produced = wanted - zlib_.avail_out;
  position_ += produced;
  return produced;
}

int64_t TZDecompressionStream::Write(const void*, int64_t) {
  throw EZDecompressionError(SZInvalidOperation);
}

void TZDecompressionStream::SetSize(int64_t) {
  throw EZDecompressionError(SZInvalidOperation);
}

void TZDecompressionStream::Restart() {
  source_.SetPosition(sourceStart_);
  Check(inflateReset(&zlib_));
  zlib_.avail_in = 0;
  position_ = 0;
  ended_ = false;
}

int64_t TZDecompressionStream::Seek(int64_t offset, SeekOrigin origin) {
  if (origin == SeekOrigin::End) throw EZDecompressionError(SZInvalidOperation);
  const int64_t target = origin == SeekOrigin::Begin ? offset : position_ + offset;
  if (target == 0 && origin == SeekOrigin::Begin) {
    Restart();
    return 0;
  }
  if (target < position_) throw EZDecompressionError(SZInvalidOperation);
  char scratch[4096];
  while (position_ < target) {
    if (Read(scratch, std::min<int64_t>(target - position_, sizeof scratch)) == 0) break;
  }
  return position_;
}

}  // namespace sundrel
