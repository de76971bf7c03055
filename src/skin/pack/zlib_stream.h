// A read-only stream that inflates one zlib stream stored in another stream.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <vector>

#include "base/errors.h"
#include "base/stream.h"

namespace sundrel {

inline constexpr const char* SZInvalidOperation = "Invalid ZStream operation!";

// Raised with zlib's own text for its error code (for example "data error"), and for the
// operations a decompression stream cannot do.
class EZDecompressionError : public Exception {
  using Exception::Exception;
};

// The source is fed to zlib in chunks of kZInputChunk bytes. A zlib stream carries no length of
// its own, so the source usually holds more than the stream: when zlib reports the stream's end,
// the unused rest of the last chunk is given back by seeking the source back, and the source
// then stands on the first byte after the stream's check value.
class TZDecompressionStream final : public TStream {
 public:
  static constexpr int64_t kZInputChunk = 65536;

  // Inflates from the source's current position; the source must outlive this stream.
  explicit TZDecompressionStream(TStream& source);
  ~TZDecompressionStream() override;
  TZDecompressionStream(const TZDecompressionStream&) = delete;
  TZDecompressionStream& operator=(const TZDecompressionStream&) = delete;

  // Less than asked when the zlib stream ended or the source ran out first.
  int64_t Read(void* buffer, int64_t count) override;
  // Writing, seeking back anywhere but to 0, and seeking from the end raise
  // EZDecompressionError "Invalid ZStream operation!". Seeking forward skips inflated bytes.
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, SeekOrigin origin) override;
  void SetSize(int64_t size) override;

  // True once the zlib stream's end, check value included, has been read.
  bool AtStreamEnd() const { return ended_; }

 private:
  void Restart();
  bool RefillInput();

  TStream& source_;
  int64_t sourceStart_;
  z_stream zlib_{};
  std::vector<Bytef> input_;
  int64_t position_ = 0;  // inflated bytes handed out so far
  bool ended_ = false;
};

}  // namespace sundrel
