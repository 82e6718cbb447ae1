// Helpers of the archive write tests: scratch folders, whole-file reads and writes,
// and a decoder of an archive's footer and directory that uses only the layout code
// and zlib (independent of the component's reader).
#pragma once
#include <zlib.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "archive/archive_format.h"
#include "framework/file_system.h"
#include "framework/stream.h"

namespace writetest {
using Bytes = std::vector<uint8_t>;

inline void RemoveTree(const std::string& folder) {
  for (const FolderItem& item : fsys::ListFolder(folder)) {
    if (item.is_folder)
      RemoveTree(folder + "\\" + item.name);
    else
      fsys::RemoveFile(folder + "\\" + item.name);
  }
  fsys::RemoveFolder(folder);
}

// A fresh, empty folder under the temporary folder, ending in "\" (whatever an earlier
// run left there is removed first).
inline std::vector<std::string>& ScratchFolders() {
  static std::vector<std::string> folders;
  return folders;
}

inline std::string ScratchFolder(const std::string& name) {
  std::string dir = fsys::TempFolder() + "qm_write_" + name + "_" + std::to_string(ScratchFolders().size() + 1);
  RemoveTree(dir);
  fsys::CreateFolders(dir);
  ScratchFolders().push_back(dir);
  return dir + "\\";
}

// Removes every scratch folder made so far.
inline void RemoveScratchFolders() {
  for (const std::string& dir : ScratchFolders()) RemoveTree(dir);
  ScratchFolders().clear();
}

inline Bytes ReadAll(const std::string& path) {
  TFileStream f(path, FileMode::Read);
  Bytes bytes(static_cast<size_t>(f.Size()));
  if (!bytes.empty()) f.ReadBuffer(bytes.data(), bytes.size());
  return bytes;
}

inline void WriteAll(const std::string& path, const Bytes& bytes) {
  TFileStream f(path, FileMode::Create);
  if (!bytes.empty()) f.Write(bytes.data(), bytes.size());
}

inline void WriteText(const std::string& path, const std::string& text) {
  WriteAll(path, Bytes(text.begin(), text.end()));
}

// Text that zlib shrinks well, mixed with some noise.
inline Bytes Compressible(size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  const char* words[] = {"quill ", "mere ", "archive ", "entry ", "record ", "\r\n"};
  Bytes out;
  while (out.size() < size) {
    const char* w = words[rng() % 6];
    out.insert(out.end(), w, w + std::char_traits<char>::length(w));
    if (rng() % 16 == 0) out.push_back(static_cast<uint8_t>(rng()));
  }
  out.resize(size);
  return out;
}

inline Bytes Noise(size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes out(size);
  for (auto& b : out) b = static_cast<uint8_t>(rng());
  return out;
}

inline uint32_t Crc(const uint8_t* data, size_t size) {
  return static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0), data, static_cast<uInt>(size)));
}

inline Bytes Inflate(const uint8_t* data, size_t size, size_t expected) {
  Bytes out(expected);
  uLongf outSize = static_cast<uLongf>(expected);
  int rc = uncompress(out.data(), &outSize, data, static_cast<uLong>(size));
  if (rc != Z_OK || outSize != expected) return {};
  return out;
}

inline Bytes Deflate(const Bytes& data, int level) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes out(size);
  compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level);
  out.resize(size);
  return out;
}

// An archive decoded straight from its bytes.
struct Decoded {
  bool ok = false;
  TZLBFooter footer;
  int64_t start = 0;
  Bytes rawDirectory;
  std::vector<TZLBEntry> entries;
};

inline Decoded Decode(const Bytes& file) {
  Decoded d;
  if (file.size() < zlbformat::kFooterSize) return d;
  const uint8_t* foot = file.data() + file.size() - zlbformat::kFooterSize;
  if (!zlbformat::DecodeFooter(foot, d.footer) || d.footer.Version != 2) return d;
  d.start = static_cast<int64_t>(file.size()) - 36 - d.footer.DirectorySize - d.footer.DataSize;
  if (d.start < 0) return d;
  const uint8_t* dir = file.data() + d.start + d.footer.DataSize;
  size_t rawSize = static_cast<size_t>(d.footer.EntryCount) * zlbformat::kRecordSize;
  d.rawDirectory = d.footer.DirectoryCompressed
                       ? Inflate(dir, static_cast<size_t>(d.footer.DirectorySize), rawSize)
                       : Bytes(dir, dir + d.footer.DirectorySize);
  if (d.rawDirectory.size() != rawSize) return d;
  for (int i = 0; i < d.footer.EntryCount; ++i) {
    TZLBEntry e;
    zlbformat::DecodeRecord(d.rawDirectory.data() + i * zlbformat::kRecordSize, e);
    d.entries.push_back(e);
  }
  d.ok = Crc(file.data() + d.start, file.size() - 36 - static_cast<size_t>(d.start)) == d.footer.ArchiveCRC;
  return d;
}

// The content of one entry, decoded from the archive bytes (methods 0 and 1).
inline Bytes Content(const Bytes& file, const Decoded& d, const TZLBEntry& e) {
  const uint8_t* data = file.data() + d.start + e.DataOffset;
  if (e.Method == 1) return Bytes(data, data + e.UncompressedSize);
  return Inflate(data, static_cast<size_t>(e.CompressedSize), static_cast<size_t>(e.UncompressedSize));
}
}  // namespace writetest
