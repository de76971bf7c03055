// Byte streams over files and memory. Short reads and writes raise the system's stream errors.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/default_init_allocator.h"
#include "base/os_file.h"

namespace sundrel {

class TStream {
 public:
  virtual ~TStream() = default;
  // Answer the number of bytes moved; less than asked means the end was reached or an error.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Answers the new position.
  virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;
  virtual void SetSize(int64_t size) = 0;
  virtual int64_t Size();

  int64_t Position() { return Seek(0, SeekOrigin::Current); }
  void SetPosition(int64_t position) { Seek(position, SeekOrigin::Begin); }

  // Move exactly count bytes or raise EReadError / EWriteError.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
};

// Moves count bytes from the current position of one stream to the other: inside the system
// between two files where it can, otherwise through the given buffer, so memory stays bounded
// whatever the count. Raises EReadError / EWriteError when the bytes cannot be moved.
void CopyBytes(TStream& from, TStream& to, int64_t count, std::span<char> buffer);

class TFileStream final : public TStream {
 public:
  // Raises EFCreateError (Create) or EFOpenError with the full path and the system's reason.
  TFileStream(const std::string& path, FileMode mode, FileShare share);

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, SeekOrigin origin) override;
  void SetSize(int64_t size) override;
  const std::string& FileName() const { return fileName_; }
  // Flushes and closes the file, raising EWriteError when the system reports a failure there;
  // a written file is only known to be whole once this returned. Nothing else may follow.
  void Close();
  // Copies up to count bytes to the target inside the system; answers how many (0 if it cannot).
  int64_t CopyWithinSystem(TFileStream& target, int64_t count) { return file_->CopyTo(*target.file_, count); }

 private:
  std::string fileName_;
  std::unique_ptr<OsFile> file_;
};

class TMemoryStream final : public TStream {
 public:
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, SeekOrigin origin) override;
  // Raises EStreamError "Out of memory while expanding memory stream" when it cannot grow. Bytes
  // that growing adds are not cleared: whoever grows a stream fills them (Write clears the gap
  // that writing past the end leaves).
  void SetSize(int64_t size) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }

  void Clear();
  const uint8_t* Memory() const { return data_.data(); }
  uint8_t* Memory() { return data_.data(); }

 private:
  std::vector<uint8_t, DefaultInitAllocator<uint8_t>> data_;
  int64_t position_ = 0;
};

}  // namespace sundrel
