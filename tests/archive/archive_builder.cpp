// Test-side archive builder.
#include "archive_builder.h"

#include <zlib.h>

#include <cstring>
#include <stdexcept>

#include "archive/archive_format.h"
#include "framework/file_system.h"
#include "framework/stream.h"

namespace testarc {
namespace {
void PutU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void PutShort(uint8_t* p, const std::string& s) {
  p[0] = static_cast<uint8_t>(s.size());
  std::memcpy(p + 1, s.data(), s.size() & 0xFF);
}
void EncodeLegacyRecord(const TZLBEntry& e, uint8_t* b) {
  std::memset(b, 0, zlbformat::kLegacyRecordSize);
  PutShort(b, e.Name);
  PutShort(b + 256, e.StoredPath);
  PutU32(b + 512, static_cast<uint32_t>(e.UncompressedSize));
  PutU32(b + 516, static_cast<uint32_t>(e.CompressedSize));
  PutU32(b + 520, static_cast<uint32_t>(e.DataOffset));
  PutU32(b + 524, e.ContentCRC);
  b[528] = e.Method;
  b[529] = e.Level;
}
void EncodeLegacyFooter(const TZLBFooter& f, uint8_t* b) {
  std::memset(b, 0, zlbformat::kFooterSize);
  PutU32(b, f.ArchiveCRC);
  PutU32(b + 4, static_cast<uint32_t>(f.EntryCount));
  PutU32(b + 8, f.Version);
  PutU32(b + 12, static_cast<uint32_t>(f.DirectorySize));
  PutU32(b + 16, static_cast<uint32_t>(f.DataSize));
  b[20] = f.DirectoryCompressed ? 1 : 0;
}
Bytes ZlibBytes(const Bytes& raw, int level) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), level) != Z_OK)
    throw std::runtime_error("compress2 failed");
  out.resize(size);
  return out;
}
}  // namespace

Bytes Zlib(const std::string& content, int level) { return ZlibBytes(Bytes(content.begin(), content.end()), level); }

uint32_t Crc(const std::string& content) {
  return static_cast<uint32_t>(
      crc32(crc32(0, Z_NULL, 0), reinterpret_cast<const Bytef*>(content.data()), static_cast<uInt>(content.size())));
}

void XorCipher(const std::string& password, Bytes& bytes) {
  uint8_t key = password.empty() ? 0 : static_cast<uint8_t>(password[0]);
  for (uint8_t& b : bytes) b ^= key;
}

Bytes Build(const std::vector<Item>& items, const Options& options) {
  static const int kLevels[] = {0, 1, -1, 9};
  Bytes data;
  std::vector<TZLBEntry> records;
  for (const Item& item : items) {
    TZLBEntry e;
    e.Name = item.name;
    e.StoredPath = item.path;
    e.UncompressedSize = static_cast<int64_t>(item.content.size());
    e.ContentCRC = Crc(item.content);
    e.Method = item.method;
    e.Level = item.method == smCompressed || item.method == smCompressedEncrypted ? item.level : fcNone;
    e.DataOffset = static_cast<int64_t>(data.size());
    Bytes stored(item.content.begin(), item.content.end());
    if (item.method == smCompressed || item.method == smCompressedEncrypted) {
      stored = Zlib(item.content, kLevels[item.level & 3]);
      e.CompressedSize = static_cast<int64_t>(stored.size());
    }
    if (item.method == smCompressedEncrypted || item.method == smStoredEncrypted) {
      XorCipher("k", stored);
      e.EncryptedSize = static_cast<int64_t>(stored.size());
    }
    data.insert(data.end(), stored.begin(), stored.end());
    records.push_back(e);
  }
  if (options.editRecords) options.editRecords(records);

  const bool legacy = options.version == 1;
  const size_t recordSize = legacy ? zlbformat::kLegacyRecordSize : zlbformat::kRecordSize;
  Bytes raw(records.size() * recordSize);
  for (size_t i = 0; i < records.size(); ++i) {
    if (legacy)
      EncodeLegacyRecord(records[i], raw.data() + i * recordSize);
    else
      zlbformat::EncodeRecord(records[i], raw.data() + i * recordSize);
  }
  if (options.editDirectory) options.editDirectory(raw);
  Bytes directory = options.compressDirectory ? ZlibBytes(raw, Z_DEFAULT_COMPRESSION) : raw;

  Bytes archive(options.prefix.begin(), options.prefix.end());
  size_t start = archive.size();
  archive.insert(archive.end(), data.begin(), data.end());
  archive.insert(archive.end(), directory.begin(), directory.end());
  TZLBFooter footer;
  footer.ArchiveCRC = static_cast<uint32_t>(
      crc32(crc32(0, Z_NULL, 0), archive.data() + start, static_cast<uInt>(archive.size() - start)));
  footer.EntryCount = static_cast<int32_t>(records.size());
  footer.Version = options.version;
  footer.DirectorySize = static_cast<int32_t>(directory.size());
  footer.DataSize = static_cast<int64_t>(data.size());
  footer.DirectoryCompressed = options.compressDirectory;
  if (options.editFooter) options.editFooter(footer);
  uint8_t bytes[zlbformat::kFooterSize];
  if (legacy) {
    EncodeLegacyFooter(footer, bytes);
  } else {
    zlbformat::EncodeFooter(footer, bytes);
    PutU32(bytes + 8, footer.Version);  // the encoder always writes 2; tests may want another
  }
  archive.insert(archive.end(), bytes, bytes + sizeof bytes);
  return archive;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  TFileStream f(path, FileMode::Create);
  if (!bytes.empty()) f.Write(bytes.data(), bytes.size());
}

void WriteText(const std::string& path, const std::string& text) { WriteFile(path, Bytes(text.begin(), text.end())); }

std::string ReadText(const std::string& path) {
  if (!fsys::FileExists(path)) return {};
  TFileStream f(path, FileMode::Read);
  std::string text(static_cast<size_t>(f.Size()), '\0');
  if (!text.empty()) f.ReadBuffer(&text[0], text.size());
  return text;
}

void RemoveTree(const std::string& folder) {
  for (const FolderItem& item : fsys::ListFolder(folder)) {
    std::string path = folder + "\\" + item.name;
    if (item.is_folder)
      RemoveTree(path);
    else
      fsys::RemoveFile(path);
  }
  fsys::RemoveFolder(folder);
}

std::string ScratchFolder(const std::string& name) {
  // A unique name from the system, so parallel runs of the tests never meet.
  std::string unique = fsys::CreateTempFile("", "qma");
  fsys::RemoveFile(unique);
  std::string folder = unique + "_" + name;
  fsys::CreateFolders(folder);
  return folder + "\\";
}
}  // namespace testarc
