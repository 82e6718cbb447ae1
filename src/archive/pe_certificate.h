// Where an Authenticode certificate table sits in a Windows executable: the security
// directory of the PE optional header names it by file offset and size. A payload
// signed after packing has the table behind the archive, at the end of the file.
#pragma once
#include <cstdint>

class TStream;

namespace zlbpe {
struct CertificateTable {
  bool present = false;         // the file is a PE image whose security directory names a table
  int64_t offset = 0;           // file offset of the table
  int64_t size = 0;             // its size in bytes
  int64_t directoryOffset = 0;  // file offset of the security directory entry (8 bytes)
  int64_t checksumOffset = 0;   // file offset of the optional header's CheckSum field
  // True when the table ends exactly at the end of the file and starts with a
  // plausible WIN_CERTIFICATE header.
  bool atTail = false;
};

// Reads the headers of file (a PE image or anything else); never throws for malformed
// input: what does not parse is "not present". The stream position is left anywhere.
CertificateTable FindCertificateTable(TStream& file);
}  // namespace zlbpe
