// Parsing of PE headers and the PE checksum.
#include "pe/pe_image.h"

#include <algorithm>
#include <cstring>

#include "pe/le_bytes.h"

namespace pe {
ReadAt MemoryReader(const std::vector<uint8_t>& bytes) {
  return [&bytes](int64_t offset, uint8_t* out, size_t count) {
    if (offset < 0 || offset > static_cast<int64_t>(bytes.size()) ||
        count > bytes.size() - static_cast<size_t>(offset))
      return false;
    if (count) std::memcpy(out, bytes.data() + offset, count);
    return true;
  };
}

DataDirectory Image::Directory(int index) const {
  return index >= 0 && static_cast<size_t>(index) < directories.size() ? directories[static_cast<size_t>(index)]
                                                                        : DataDirectory{};
}

int64_t Image::DirectoryEntryOffset(int index) const {
  return optionalHeaderOffset + (pe32plus ? 112 : 96) + 8 * index;
}

int64_t Image::FileOffset(uint32_t rva, uint32_t size) const {
  for (const Section& s : sections) {
    const uint64_t start = s.virtualAddress, length = s.rawSize;
    if (rva >= start && uint64_t(rva) + size <= start + length) {
      const int64_t offset = int64_t(s.rawOffset) + (rva - start);
      if (offset + int64_t(size) <= fileSize) return offset;
    }
  }
  return -1;
}

int64_t Image::EndOfSectionData() const {
  int64_t end = sizeOfHeaders;
  for (const Section& s : sections)
    if (s.rawSize) end = std::max<int64_t>(end, int64_t(s.rawOffset) + s.rawSize);
  return end;
}

Image ParseImage(const ReadAt& read, int64_t fileSize) {
  Image image;
  image.fileSize = fileSize;
  uint8_t dos[64];
  if (!read(0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z')
    throw FormatError("not a Windows program (no MZ header)");
  const int64_t pe = le::U32(dos + 0x3C);
  uint8_t head[24];
  if (!read(pe, head, sizeof head) || le::U32(head) != 0x00004550)
    throw FormatError("not a Windows program (no PE header)");
  image.fileHeaderOffset = pe + 4;
  image.machine = le::U16(head + 4);
  const uint16_t sectionCount = le::U16(head + 6);
  image.optionalHeaderSize = le::U16(head + 20);
  image.characteristics = le::U16(head + 22);
  image.optionalHeaderOffset = pe + 24;
  std::vector<uint8_t> optional(image.optionalHeaderSize);
  if (image.optionalHeaderSize < 96 || !read(image.optionalHeaderOffset, optional.data(), optional.size()))
    throw FormatError("damaged PE optional header");
  const uint16_t magic = le::U16(optional.data());
  if (magic != 0x10B && magic != 0x20B) throw FormatError("unknown PE optional header kind");
  image.pe32plus = magic == 0x20B;
  image.sectionAlignment = le::U32(&optional[32]);
  image.fileAlignment = le::U32(&optional[36]);
  image.sizeOfImage = le::U32(&optional[56]);
  image.sizeOfHeaders = le::U32(&optional[60]);
  image.subsystem = le::U16(&optional[68]);
  const size_t countAt = image.pe32plus ? 108 : 92, dirAt = countAt + 4;
  if (optional.size() < dirAt) throw FormatError("damaged PE optional header");
  const uint32_t count = std::min<uint32_t>(le::U32(&optional[countAt]), 16);
  if (dirAt + 8 * size_t(count) > optional.size()) throw FormatError("damaged PE data directories");
  for (uint32_t i = 0; i < count; ++i)
    image.directories.push_back({le::U32(&optional[dirAt + 8 * i]), le::U32(&optional[dirAt + 8 * i + 4])});
  if (image.fileAlignment == 0 || (image.fileAlignment & (image.fileAlignment - 1)) ||
      image.sectionAlignment == 0 || (image.sectionAlignment & (image.sectionAlignment - 1)))
    throw FormatError("damaged PE header (alignment)");

  image.sectionTableOffset = image.optionalHeaderOffset + image.optionalHeaderSize;
  if (sectionCount > 96) throw FormatError("too many sections");
  for (uint16_t i = 0; i < sectionCount; ++i) {
    uint8_t h[40];
    if (!read(image.sectionTableOffset + 40 * i, h, sizeof h)) throw FormatError("damaged section table");
    Section s;
    s.name.assign(reinterpret_cast<const char*>(h), strnlen(reinterpret_cast<const char*>(h), 8));
    s.virtualSize = le::U32(h + 8);
    s.virtualAddress = le::U32(h + 12);
    s.rawSize = le::U32(h + 16);
    s.rawOffset = le::U32(h + 20);
    if (s.rawSize && int64_t(s.rawOffset) + s.rawSize > fileSize) throw FormatError("section " + s.name + " lies beyond the end of the file");
    image.sections.push_back(s);
  }
  return image;
}

void ChecksumBuilder::Add(const uint8_t* data, size_t count) {
  for (size_t i = 0; i < count; ++i, ++position_) {
    const bool inField = position_ >= checksumOffset_ && position_ < checksumOffset_ + 4;
    const unsigned byte = inField ? 0 : data[i];
    if (pendingLow_ < 0) {
      pendingLow_ = static_cast<int>(byte);
    } else {
      sum_ += unsigned(pendingLow_) | byte << 8;
      sum_ = (sum_ & 0xFFFF) + (sum_ >> 16);
      pendingLow_ = -1;
    }
  }
}

uint32_t ChecksumBuilder::Finish() const {
  uint64_t sum = sum_;
  if (pendingLow_ >= 0) sum += unsigned(pendingLow_);
  sum = (sum & 0xFFFF) + (sum >> 16);
  sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint32_t>(sum + uint64_t(position_));
}
}  // namespace pe
