// Finds the certificate table of a PE image from its headers, checking every offset
// against the file before it is read.
#include "archive/pe_certificate.h"

#include "framework/stream.h"

namespace zlbpe {
namespace {
uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// Reads count bytes at offset, or fails when they are not all in the file.
bool ReadAt(TStream& file, int64_t size, int64_t offset, uint8_t* out, size_t count) {
  if (offset < 0 || offset > size || static_cast<int64_t>(count) > size - offset) return false;
  try {
    file.Seek(offset);
    file.ReadBuffer(out, count);
  } catch (...) {
    return false;
  }
  return true;
}

constexpr int kSecurityDirectory = 4;
}  // namespace

CertificateTable FindCertificateTable(TStream& file) {
  CertificateTable table;
  const int64_t size = file.Size();
  uint8_t dos[64];
  if (!ReadAt(file, size, 0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z') return table;
  const int64_t pe = U32(dos + 0x3C);
  // Signature (4), file header (20), optional header magic (2).
  uint8_t head[26];
  if (!ReadAt(file, size, pe, head, sizeof head) || U32(head) != 0x00004550) return table;
  const uint16_t optionalSize = U16(head + 20);
  const uint16_t magic = U16(head + 24);
  const int64_t optional = pe + 24;
  // Offsets of NumberOfRvaAndSizes and of the data directories for PE32 and PE32+.
  int64_t countAt, directories;
  if (magic == 0x10B) {
    countAt = 92;
    directories = 96;
  } else if (magic == 0x20B) {
    countAt = 108;
    directories = 112;
  } else {
    return table;
  }
  const int64_t entry = directories + 8 * kSecurityDirectory;
  if (optionalSize < entry + 8) return table;
  uint8_t count[4], dir[8];
  if (!ReadAt(file, size, optional + countAt, count, 4) || U32(count) <= kSecurityDirectory) return table;
  if (!ReadAt(file, size, optional + entry, dir, 8)) return table;
  table.directoryOffset = optional + entry;
  table.checksumOffset = optional + 64;
  table.offset = U32(dir);
  table.size = U32(dir + 4);
  if (table.offset == 0 || table.size == 0) return table;
  table.present = true;
  // WIN_CERTIFICATE: dwLength, wRevision (1.0 or 2.0), wCertificateType (1 to 4).
  uint8_t cert[8];
  table.atTail = table.offset + table.size == size && table.size >= 8 &&
                 ReadAt(file, size, table.offset, cert, sizeof cert) && U32(cert) >= 8 &&
                 U32(cert) <= table.size && (U16(cert + 4) == 0x0100 || U16(cert + 4) == 0x0200) &&
                 U16(cert + 6) >= 1 && U16(cert + 6) <= 4;
  return table;
}
}  // namespace zlbpe
