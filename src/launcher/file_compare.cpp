// Comparisons of files with archive entries (see file_compare.h).
#include "launcher/file_compare.h"

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "archive/zlb_archive.h"
#include "framework/stream.h"

namespace {
// A destination stream that compares what is written with a file instead of storing it.
class ComparingStream : public TStream {
 public:
  explicit ComparingStream(const std::string& path) : file_(FileHandle::Open(path, FileMode::Read)) {}
  bool Opened() const { return file_.IsOpen(); }
  bool Equal() const { return equal_; }
  size_t Read(void*, size_t) override { return 0; }
  void Write(const void* buffer, size_t count) override {
    position_ += static_cast<int64_t>(count);
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    while (equal_ && count > 0) {
      size_t part = std::min(count, sizeof(chunk_));
      if (file_.Read(chunk_, part) != part || !std::equal(chunk_, chunk_ + part, bytes)) equal_ = false;
      bytes += part;
      count -= part;
    }
  }
  int64_t Seek(int64_t position) override { return position_ = position; }
  int64_t Position() const override { return position_; }
  int64_t Size() const override { return position_; }
  void SetSize(int64_t) override {}

 private:
  FileHandle file_;
  bool equal_ = true;
  int64_t position_ = 0;
  uint8_t chunk_[64 * 1024];
};
}  // namespace

bool FileCRC(const std::string& path, uint32_t& crc) {
  FileHandle file = FileHandle::Open(path, FileMode::Read);
  if (!file.IsOpen()) return false;
  std::vector<uint8_t> buffer(256 * 1024);
  uLong value = crc32(0L, Z_NULL, 0);
  while (size_t got = file.Read(buffer.data(), buffer.size()))
    value = crc32(value, buffer.data(), static_cast<uInt>(got));
  crc = static_cast<uint32_t>(value);
  return true;
}

bool FileHasContent(const std::string& path, int64_t size, uint32_t crc) {
  if (fsys::FileSize(path) != size || !fsys::FileExists(path)) return false;
  uint32_t actual = 0;
  return FileCRC(path, actual) && actual == crc;
}

bool FileEqualsEntry(TZLBArc2& archive, int index, const std::string& path) {
  TZLBEntry entry;
  archive.GetFileEntry(index, entry);
  if (!fsys::FileExists(path) || fsys::FileSize(path) != entry.UncompressedSize) return false;
  auto compare = std::make_unique<ComparingStream>(path);
  if (!compare->Opened()) return false;
  archive.ExtractEntry(index, *compare, nullptr);
  return compare->Equal();
}
