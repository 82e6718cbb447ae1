// Entry descriptions shared by list, extract and test.
#include "archive_text.h"

#include <cstdio>

namespace archive_text {
std::string MethodName(uint8_t method) {
  switch (method) {
    case smCompressed: return "deflate";
    case smStored: return "stored";
    case smCompressedEncrypted: return "deflate+encrypted";
    case smStoredEncrypted: return "stored+encrypted";
    default: return "method " + std::to_string(method);
  }
}

std::string LevelName(uint8_t level) {
  static const char* const kNames[] = {"none", "fastest", "default", "maximum"};
  return level < 4 ? kNames[level] : std::to_string(level);
}

bool IsEncrypted(const TZLBEntry& e) {
  return e.Method == smCompressedEncrypted || e.Method == smStoredEncrypted;
}

int64_t StoredSize(const TZLBEntry& e) {
  if (IsEncrypted(e)) return e.EncryptedSize;
  return e.Method == smCompressed ? e.CompressedSize : e.UncompressedSize;
}

std::string FullName(const TZLBEntry& e) { return e.StoredPath + e.Name; }

std::string Hex8(uint32_t value) {
  char buf[9];
  std::snprintf(buf, sizeof buf, "%08x", static_cast<unsigned>(value));
  return buf;
}
}  // namespace archive_text
