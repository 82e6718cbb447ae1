// Skin file and skin package byte layouts (portable).
//   skin file:    int32 package length, then the LZHUF stream of the package
//   skin package: int32 format 20000, int32 name-block length N, 8 reserved bytes,
//                 N bytes of names (one per line), int32 size per entry, entry data
// Parsing checks every count, size and offset; building is for the quillskin tool.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace skinpkg {
constexpr int32_t kFormatNumber = 20000;
constexpr size_t kHeaderSize = 16;
constexpr int kMaxEntries = 1001;
// The largest package a skin may hold: far above any real skin, low enough that a
// hostile length field cannot exhaust memory.
constexpr int64_t kMaxPackageSize = int64_t{64} * 1024 * 1024;
}  // namespace skinpkg

enum class SkinLoadStatus {
  Ok,
  OldFormat,  // format number other than 20000 (also an empty package)
  TooLarge,   // length field beyond kMaxPackageSize or beyond what the stream can encode
  Damaged,    // package structure inconsistent (see the message)
};

// The 16-byte package header.
struct TSkinFileHeader {
  int32_t format = 0;
  int32_t name_length = 0;
  uint8_t reserved[8] = {};
};

// A parsed package: names (lower case), sizes, and the entry data.
struct TSkinPackage {
  TSkinFileHeader header;
  std::vector<std::string> names;
  std::vector<int32_t> sizes;
  std::vector<uint8_t> data;       // all bytes after the size table
  std::vector<int64_t> offsets;    // start of each entry in data
};

// Reads the length field and decompresses a skin file into its package bytes.
// Refuses (TooLarge) a length above kMaxPackageSize or above what the input can encode;
// a length of 0 or less (or a file shorter than 4 bytes) gives an empty package.
SkinLoadStatus DecompressSkinFile(const uint8_t* file, size_t size, std::vector<uint8_t>& package,
                                  std::string& message);

// Splits the name block as a text list does: lines end at CR, LF or CR LF; a NUL ends
// the text; a final line break adds no empty line. Names are folded to ASCII lower case.
std::vector<std::string> SplitNameBlock(const uint8_t* text, size_t size);

// Parses package bytes (moved into result.data on success). message explains a
// refusal; OldFormat keeps the decoded header in result.header.
SkinLoadStatus ParseSkinPackage(std::vector<uint8_t> package, TSkinPackage& result,
                                std::string& message);

// Building (quillskin). Entries are stored in the given order; throws
// std::invalid_argument for more than kMaxEntries entries, names holding CR, LF or
// NUL, or a package above kMaxPackageSize.
struct TSkinEntrySource {
  std::string name;
  std::vector<uint8_t> bytes;
};
std::vector<uint8_t> BuildSkinPackage(const std::vector<TSkinEntrySource>& entries);
// Length field plus the LZHUF stream of package.
std::vector<uint8_t> BuildSkinFile(const std::vector<uint8_t>& package);
