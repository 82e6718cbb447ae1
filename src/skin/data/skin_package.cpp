// Skin file and skin package layouts: decompression with a bounded length, parsing
// with every count and size checked, and building for the quillskin tool.
#include "skin/data/skin_package.h"

#include <cstring>
#include <memory>
#include <stdexcept>

#include "framework/path_text.h"
#include "skin/data/lzh.h"
#include "skin/data/lzh_encoder.h"

namespace {

int32_t ReadInt32(const uint8_t* p) {
  uint32_t v = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
               (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  return static_cast<int32_t>(v);
}

void AppendInt32(std::vector<uint8_t>& out, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

SkinLoadStatus DecompressSkinFile(const uint8_t* file, size_t size, std::vector<uint8_t>& package,
                                  std::string& message) {
  package.clear();
  message.clear();
  if (size < 4) return SkinLoadStatus::Ok;  // no length: an empty package
  int64_t length = ReadInt32(file);
  if (length <= 0) return SkinLoadStatus::Ok;
  const size_t stream_size = size - 4;
  if (length > skinpkg::kMaxPackageSize) {
    message = "The skin file is damaged: its package would be " + std::to_string(length) +
              " bytes, more than a skin can hold (" +
              std::to_string(skinpkg::kMaxPackageSize) + ")";
    return SkinLoadStatus::TooLarge;
  }
  if (length > lzh::MaxOutputFor(static_cast<int64_t>(stream_size))) {
    message = "The skin file is damaged: its " + std::to_string(stream_size) +
              " bytes of compressed data cannot hold a package of " + std::to_string(length) +
              " bytes";
    return SkinLoadStatus::TooLarge;
  }
  auto decoder = std::make_unique<TLZH>();
  decoder->Decode(file + 4, stream_size, length, package);
  package.resize(static_cast<size_t>(length));  // a final match may run past the length
  return SkinLoadStatus::Ok;
}

std::vector<std::string> SplitNameBlock(const uint8_t* text, size_t size) {
  std::vector<std::string> names;
  std::string line;
  size_t i = 0;
  while (i < size && text[i] != 0) {
    size_t start = i;
    while (i < size && text[i] != 0 && text[i] != '\r' && text[i] != '\n') ++i;
    line.assign(reinterpret_cast<const char*>(text + start), i - start);
    names.push_back(LowerAscii(line));
    if (i < size && text[i] == '\r') {
      ++i;
      if (i < size && text[i] == '\n') ++i;
    } else if (i < size && text[i] == '\n') {
      ++i;
    }
  }
  return names;
}

SkinLoadStatus ParseSkinPackage(std::vector<uint8_t> package, TSkinPackage& result,
                                std::string& message) {
  using namespace skinpkg;
  message.clear();
  TSkinFileHeader header;  // an empty or short package reads as zeros: format 0
  if (package.size() >= 4) header.format = ReadInt32(package.data());
  if (package.size() >= 8) header.name_length = ReadInt32(package.data() + 4);
  if (package.size() >= kHeaderSize) std::memcpy(header.reserved, package.data() + 8, 8);
  result.header = header;
  if (header.format != kFormatNumber) return SkinLoadStatus::OldFormat;

  const size_t total = package.size();
  if (total < kHeaderSize) {
    message = "The skin file is damaged: its package ends inside the header";
    return SkinLoadStatus::Damaged;
  }
  if (header.name_length < 0 ||
      static_cast<uint64_t>(header.name_length) > total - kHeaderSize) {
    message = "The skin file is damaged: its name list is " +
              std::to_string(header.name_length) + " bytes long, the package holds " +
              std::to_string(total - kHeaderSize);
    return SkinLoadStatus::Damaged;
  }
  const size_t names_end = kHeaderSize + static_cast<size_t>(header.name_length);
  std::vector<std::string> names =
      SplitNameBlock(package.data() + kHeaderSize, static_cast<size_t>(header.name_length));
  if (names.size() > static_cast<size_t>(kMaxEntries)) {
    message = "The skin file is damaged: it names " + std::to_string(names.size()) +
              " entries, at most " + std::to_string(kMaxEntries) + " are allowed";
    return SkinLoadStatus::Damaged;
  }
  const size_t table_end = names_end + 4 * names.size();
  if (table_end > total) {
    message = "The skin file is damaged: its size table runs past the end of the package";
    return SkinLoadStatus::Damaged;
  }
  std::vector<int32_t> sizes(names.size());
  std::vector<int64_t> offsets(names.size());
  int64_t offset = 0;
  for (size_t i = 0; i < names.size(); ++i) {
    sizes[i] = ReadInt32(package.data() + names_end + 4 * i);
    if (sizes[i] < 0) {
      message = "The skin file is damaged: entry \"" + names[i] + "\" has the negative size " +
                std::to_string(sizes[i]);
      return SkinLoadStatus::Damaged;
    }
    offsets[i] = offset;
    offset += sizes[i];
  }
  // Entries whose sizes run past the data stay listed and read as empty.
  package.erase(package.begin(), package.begin() + static_cast<std::ptrdiff_t>(table_end));
  result.names = std::move(names);
  result.sizes = std::move(sizes);
  result.offsets = std::move(offsets);
  result.data = std::move(package);
  return SkinLoadStatus::Ok;
}

std::vector<uint8_t> BuildSkinPackage(const std::vector<TSkinEntrySource>& entries) {
  using namespace skinpkg;
  if (entries.size() > static_cast<size_t>(kMaxEntries)) {
    throw std::invalid_argument("a skin holds at most " + std::to_string(kMaxEntries) +
                                " entries, not " + std::to_string(entries.size()));
  }
  std::string names;
  uint64_t total = kHeaderSize;
  for (const TSkinEntrySource& e : entries) {
    if (e.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
      throw std::invalid_argument("the entry name \"" + e.name + "\" holds a line break or NUL");
    }
    names += e.name + "\r\n";
    total += 4 + e.bytes.size();
  }
  total += names.size();
  if (total > static_cast<uint64_t>(kMaxPackageSize)) {
    throw std::invalid_argument("the skin package would be " + std::to_string(total) +
                                " bytes, more than a skin can hold (" +
                                std::to_string(kMaxPackageSize) + ")");
  }
  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(total));
  AppendInt32(out, kFormatNumber);
  AppendInt32(out, static_cast<int32_t>(names.size()));
  out.insert(out.end(), 8, 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const TSkinEntrySource& e : entries) AppendInt32(out, static_cast<int32_t>(e.bytes.size()));
  for (const TSkinEntrySource& e : entries) out.insert(out.end(), e.bytes.begin(), e.bytes.end());
  return out;
}

std::vector<uint8_t> BuildSkinFile(const std::vector<uint8_t>& package) {
  if (package.size() > static_cast<size_t>(skinpkg::kMaxPackageSize)) {
    throw std::invalid_argument("the skin package is larger than a skin can hold");
  }
  std::vector<uint8_t> out;
  AppendInt32(out, static_cast<int32_t>(package.size()));
  std::vector<uint8_t> stream = LzhEncode(package.data(), package.size());
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}
