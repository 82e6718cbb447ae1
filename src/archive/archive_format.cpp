// Encoding and decoding of footers and entry records; the entry record's copy, move and
// destruction.
#include "archive/archive_format.h"

#include <cstring>
#include <string>

TZLBEntry::TZLBEntry() = default;
TZLBEntry::TZLBEntry(const TZLBEntry&) = default;
TZLBEntry::TZLBEntry(TZLBEntry&&) noexcept = default;
TZLBEntry& TZLBEntry::operator=(const TZLBEntry&) = default;
TZLBEntry& TZLBEntry::operator=(TZLBEntry&&) noexcept = default;
TZLBEntry::~TZLBEntry() = default;

namespace zlbformat {
namespace {
uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
int64_t I64(const uint8_t* p) {
  return static_cast<int64_t>(uint64_t(U32(p)) | uint64_t(U32(p + 4)) << 32);
}
int64_t I32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }  // sign-extended
void PutU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void PutI64(uint8_t* p, int64_t v) {
  PutU32(p, static_cast<uint32_t>(v));
  PutU32(p + 4, static_cast<uint32_t>(static_cast<uint64_t>(v) >> 32));
}
std::string ShortString(const uint8_t* p) { return std::string(reinterpret_cast<const char*>(p + 1), p[0]); }
void PutShortString(uint8_t* p, const std::string& s) {
  size_t n = s.size() < kMaxStringLength ? s.size() : kMaxStringLength;
  p[0] = static_cast<uint8_t>(n);
  std::memcpy(p + 1, s.data(), n);
}
}  // namespace

bool DecodeFooter(const uint8_t* b, TZLBFooter& f) {
  f = TZLBFooter{};
  f.ArchiveCRC = U32(b);
  f.EntryCount = static_cast<int32_t>(U32(b + 4));
  f.Version = U32(b + 8);
  f.DirectorySize = static_cast<int32_t>(U32(b + 12));
  if (f.Version == 2) {
    f.DataSize = I64(b + 16);
    f.DirectoryCompressed = b[24] != 0;
    return true;
  }
  if (f.Version == 1) {
    f.DataSize = I32(b + 16);
    f.DirectoryCompressed = b[20] != 0;
    return true;
  }
  return false;
}

bool LooksLikeFooter(const uint8_t* b, int64_t fileSize) {
  const int64_t room = fileSize - static_cast<int64_t>(kFooterSize);
  const int64_t count = static_cast<int32_t>(U32(b + 4)), directory = static_cast<int32_t>(U32(b + 12));
  // The legacy footer has a 32-bit data size and a 32-bit flag in front of its reserved bytes.
  const bool legacy = U32(b + 8) == 1;
  const int64_t data = legacy ? I32(b + 16) : I64(b + 16);
  if (count < 0 || directory < 0 || data < 0 || directory > room || data > room - directory) return false;
  const size_t flag = legacy ? 20 : 24;
  if (b[flag] > 1) return false;
  for (size_t i = flag + 1; i < kFooterSize; ++i)
    if (b[i] != 0) return false;
  return true;
}

void EncodeFooter(const TZLBFooter& f, uint8_t* b) {
  std::memset(b, 0, kFooterSize);
  PutU32(b, f.ArchiveCRC);
  PutU32(b + 4, static_cast<uint32_t>(f.EntryCount));
  PutU32(b + 8, 2);
  PutU32(b + 12, static_cast<uint32_t>(f.DirectorySize));
  PutI64(b + 16, f.DataSize);
  b[24] = f.DirectoryCompressed ? 1 : 0;
}

void DecodeRecord(const uint8_t* b, TZLBEntry& e) {
  e.Name = ShortString(b);
  e.StoredPath = ShortString(b + 256);
  e.UncompressedSize = I64(b + 512);
  e.CompressedSize = I64(b + 520);
  e.EncryptedSize = I64(b + 528);
  e.DataOffset = I64(b + 536);
  e.ContentCRC = U32(b + 544);
  e.Method = b[548];
  e.Level = b[549];
}

void DecodeLegacyRecord(const uint8_t* b, TZLBEntry& e) {
  e.Name = ShortString(b);
  e.StoredPath = ShortString(b + 256);
  e.UncompressedSize = I32(b + 512);
  e.CompressedSize = I32(b + 516);
  e.EncryptedSize = 0;
  e.DataOffset = I32(b + 520);
  e.ContentCRC = U32(b + 524);
  e.Method = b[528];
  e.Level = b[529];
}

void EncodeRecord(const TZLBEntry& e, uint8_t* b) {
  std::memset(b, 0, kRecordSize);
  PutShortString(b, e.Name);
  PutShortString(b + 256, e.StoredPath);
  PutI64(b + 512, e.UncompressedSize);
  PutI64(b + 520, e.CompressedSize);
  PutI64(b + 528, e.EncryptedSize);
  PutI64(b + 536, e.DataOffset);
  PutU32(b + 544, e.ContentCRC);
  b[548] = e.Method;
  b[549] = e.Level;
}
}  // namespace zlbformat
