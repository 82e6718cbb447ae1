// Byte streams in the toolkit's style: an abstract TStream with a file stream and a
// memory stream. Portable (no Win32 in this header); failures throw EStreamError.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/file_system.h"

class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TStream {
 public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  // Reads up to count bytes; returns how many were read (0 at the end).
  virtual size_t Read(void* buffer, size_t count) = 0;
  // Writes all count bytes or throws.
  virtual void Write(const void* buffer, size_t count) = 0;
  virtual int64_t Seek(int64_t position) = 0;  // absolute; returns the new position
  virtual int64_t Position() const = 0;
  virtual int64_t Size() const = 0;
  virtual void SetSize(int64_t size) = 0;

  // Reads exactly count bytes or throws.
  void ReadBuffer(void* buffer, size_t count);
  // Copies count bytes from source's current position (all of it from its start when
  // count is 0, as the toolkit's CopyFrom does); returns the bytes copied.
  int64_t CopyFrom(TStream& source, int64_t count);
};

// A file opened through the file-system seam.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& path, FileMode mode);
  size_t Read(void* buffer, size_t count) override;
  void Write(const void* buffer, size_t count) override;
  int64_t Seek(int64_t position) override;
  int64_t Position() const override;
  int64_t Size() const override;
  void SetSize(int64_t size) override;
  const std::string& FileName() const { return path_; }

 private:
  std::string path_;
  FileHandle file_;
};

// A growable memory buffer, or a read-only view of bytes owned elsewhere.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  size_t Read(void* buffer, size_t count) override;
  void Write(const void* buffer, size_t count) override;
  int64_t Seek(int64_t position) override;
  int64_t Position() const override { return position_; }
  int64_t Size() const override { return static_cast<int64_t>(bytes_.size()); }
  void SetSize(int64_t size) override;
  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  std::vector<uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  int64_t position_ = 0;
};
