// The headers of a PE image (Windows executable): file header, optional header fields
// that packing reads or changes, data directories and the section table. Parsing
// checks every offset against the file and throws pe::FormatError saying what is wrong.
#pragma once
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pe {
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads count bytes at offset into out; false when they are not all in the file.
using ReadAt = std::function<bool(int64_t offset, uint8_t* out, size_t count)>;
ReadAt MemoryReader(const std::vector<uint8_t>& bytes);

constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kSubsystemGui = 2;
constexpr int kResourceDirectory = 2;
constexpr int kSecurityDirectory = 4;

struct Section {
  std::string name;  // up to 8 characters
  uint32_t virtualAddress = 0, virtualSize = 0, rawOffset = 0, rawSize = 0;
};

struct DataDirectory {
  uint32_t address = 0, size = 0;  // an RVA, except the security directory's file offset
};

struct Image {
  int64_t fileSize = 0;
  uint16_t machine = 0, characteristics = 0, subsystem = 0;
  bool pe32plus = false;
  uint32_t fileAlignment = 0, sectionAlignment = 0, sizeOfHeaders = 0, sizeOfImage = 0;
  int64_t fileHeaderOffset = 0;      // the COFF file header (behind "PE\0\0")
  int64_t optionalHeaderOffset = 0;  // the optional header
  int64_t sectionTableOffset = 0;
  uint16_t optionalHeaderSize = 0;
  std::vector<DataDirectory> directories;
  std::vector<Section> sections;

  DataDirectory Directory(int index) const;
  // File offset of data directory entry index, and of the CheckSum field.
  int64_t DirectoryEntryOffset(int index) const;
  int64_t ChecksumOffset() const { return optionalHeaderOffset + 64; }
  // File offset of the size bytes at rva when they lie in one section's raw data; -1 otherwise.
  int64_t FileOffset(uint32_t rva, uint32_t size) const;
  // Where the section headers' raw data ends (the largest rawOffset + rawSize).
  int64_t EndOfSectionData() const;
  bool IsExecutable() const { return (characteristics & 0x0002) != 0 && (characteristics & 0x2000) == 0; }
};

Image ParseImage(const ReadAt& read, int64_t fileSize);

// The PE checksum of a file, fed in order: 16-bit words summed with end-around carry,
// the CheckSum field counted as zero, plus the file length.
class ChecksumBuilder {
 public:
  explicit ChecksumBuilder(int64_t checksumOffset) : checksumOffset_(checksumOffset) {}
  void Add(const uint8_t* data, size_t count);
  uint32_t Finish() const;

 private:
  int64_t checksumOffset_;
  int64_t position_ = 0;
  uint64_t sum_ = 0;
  int pendingLow_ = -1;  // the low byte of a word split between two chunks
};
}  // namespace pe
