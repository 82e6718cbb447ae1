// TZLBArc2, write side: starting an archive, adding files and folders, writing the
// directory and footer, and replacing the archive file with the rewritten one.
#include <zlib.h>

#include <cstdlib>
#include <memory>

#include "archive/archive_messages.h"
#include "archive/archive_format.h"
#include "archive/crc_stream.h"
#include "archive/deflate_stream.h"
#include "archive/write_paths.h"
#include "archive/write_steps.h"
#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "framework/stream.h"

namespace {
constexpr size_t kCopyChunk = 1 << 20;

// The buffer that holds a file's compressed form: memory, or a temporary file that is
// deleted with the buffer.
class CompressionBuffer {
 public:
  // In memory, room for the largest zlib stream of expectedInput bytes is set aside.
  CompressionBuffer(const std::string& tempFile, int64_t expectedInput) : tempFile_(tempFile) {
    if (tempFile_.empty()) {
      auto memory = std::make_unique<TMemoryStream>();
      memory->Bytes().reserve(static_cast<size_t>(compressBound(static_cast<uLong>(expectedInput))));
      stream_ = std::move(memory);
    } else {
      stream_ = std::make_unique<TFileStream>(tempFile_, FileMode::Create);
    }
  }
  CompressionBuffer(const CompressionBuffer&) = delete;
  CompressionBuffer& operator=(const CompressionBuffer&) = delete;
  ~CompressionBuffer() {
    stream_.reset();
    if (!tempFile_.empty()) fsys::RemoveFile(tempFile_);
  }
  TStream& Stream() { return *stream_; }

 private:
  std::string tempFile_;
  std::unique_ptr<TStream> stream_;
};

// CRC-32 of stream bytes from position from up to the end.
uint32_t StreamCRC(TStream& stream, int64_t from) {
  stream.Seek(from);
  std::vector<uint8_t> buffer(kCopyChunk);
  uLong crc = crc32(0L, Z_NULL, 0);
  while (size_t got = stream.Read(buffer.data(), buffer.size()))
    crc = crc32(crc, buffer.data(), static_cast<uInt>(got));
  return static_cast<uint32_t>(crc);
}

}  // namespace

std::string TZLBArc2::GetTempFile() {
  std::string name = fsys::CreateTempFile(TempDir, "ZLB");
  if (name.empty())
    zlbmsg::Fail("Unable to create a temporary file in " +
                    (TempDir.empty() ? fsys::TempFolder() : TempDir));
  return name;
}

void TZLBArc2::CreateArchive(const std::string& fileName) {
  CloseArchive();
  if (fileName.empty()) return;
  // The name is only kept once it is usable, so a refused name leaves no archive open.
  if (fsys::PathExists(fileName)) zlbmsg::Fail(zlbmsg::AlreadyExists(fileName));
  fileName_ = fileName;
  newArchive_ = true;
  archiveStart_ = 0;
  if (OnArchiveOpened) OnArchiveOpened(this);
}

namespace {
// qsort's comparison of two pointers to folder items: by name, byte by byte.
int CompareNames(const void* a, const void* b) {
  const FolderItem* first = *static_cast<const FolderItem* const*>(a);
  const FolderItem* second = *static_cast<const FolderItem* const*>(b);
  return first->name.compare(second->name);
}
}  // namespace

void TZLBArc2::AddFolder(const std::string& folder, std::vector<std::string>& list) {
  std::string base = folder;
  if (!base.empty() && (base.back() == '\\' || base.back() == '/')) base.pop_back();
  const std::vector<FolderItem> items = fsys::ListFolder(base);
  // Listing order differs between file systems; by name, archives come out the same.
  // The C runtime's qsort orders pointers to the items, so the program carries no sort
  // routine of its own.
  std::vector<const FolderItem*> byName(items.size());
  for (size_t i = 0; i < items.size(); ++i) byName[i] = &items[i];
  if (!byName.empty()) std::qsort(byName.data(), byName.size(), sizeof byName[0], CompareNames);
  std::vector<std::string> local;
  const std::string separator(1, fsys::Separator());
  for (const FolderItem* found : byName) {
    const FolderItem& item = *found;
    std::string path = base + separator + item.name;
    if (!item.is_folder) {
      local.push_back(path);
      continue;
    }
    if (RecursePaths) AddFolder(path, list);
    if (SavePaths) local.push_back(path);
  }
  list.insert(list.end(), local.begin(), local.end());
}

void TZLBArc2::AddFile(const std::string& fileName, TStream& dest, TZLBEntry& entry, bool encrypt) {
  std::unique_ptr<TFileStream> source;
  try {
    source = std::make_unique<TFileStream>(fileName, FileMode::Read);
  } catch (const EStreamError&) {
    zlbmsg::Fail(zlbmsg::UnableToOpen(fileName));
  }
  const int64_t size = source->Size();
  if (size < 0) zlbmsg::Fail(zlbmsg::UnableToOpen(fileName));
  const bool inMemory = size <= static_cast<int64_t>(MaxMemoryUsage) * 1048576;
  CompressionBuffer buffer(inMemory ? std::string() : GetTempFile(), size);
  TStream& packed = buffer.Stream();
  const std::string message = "Updating " + fileName;
  const uint32_t crc = zlbdeflate::DeflateStream(
      *source, size, packed, zlbdeflate::LevelOf(CompressionLevel),
      [&](int64_t consumed) { Progress(Operation::Compressing, message, consumed, size); });

  zlbwrite::FillEntry(entry, fileName, SavePaths, size, crc, dest.Position() - archiveStart_);

  const int64_t packedSize = packed.Size();
  const bool smaller = packedSize < size;
  if (encrypt && OnEncryptStream) {
    if (smaller) {
      packed.Seek(0);
      const int64_t before = dest.Position();
      OnEncryptStream(packed, dest, Password);
      entry.CompressedSize = packedSize;
      entry.EncryptedSize = dest.Position() - before;
      entry.Method = smCompressedEncrypted;
      entry.Level = CompressionLevel;
    } else {
      packed.SetSize(0);
      packed.Seek(0);
      source->Seek(0);
      OnEncryptStream(*source, packed, Password);
      packed.Seek(0);
      entry.EncryptedSize = packed.Size();
      zlbwrite::CopyBytes(packed, dest, entry.EncryptedSize);
      entry.Method = smStoredEncrypted;
      entry.Level = fcNone;
    }
  } else if (smaller) {
    if (auto* memory = dynamic_cast<TMemoryStream*>(&packed)) {
      dest.Write(memory->Bytes().data(), memory->Bytes().size());
    } else {
      packed.Seek(0);
      zlbwrite::CopyBytes(packed, dest, packedSize);
    }
    entry.CompressedSize = packedSize;
    entry.Method = smCompressed;
    entry.Level = CompressionLevel;
  } else {
    source->Seek(0);
    zlbwrite::CopyBytes(*source, dest, size);
    entry.Method = smStored;
    entry.Level = fcNone;
  }
}

void TZLBArc2::WriteDirectory(TStream& dest) {
  TZLBFooter footer;
  const int64_t directoryStart = dest.Size();
  footer.DataSize = directoryStart - archiveStart_;
  std::vector<uint8_t> raw(entries_.size() * zlbformat::kRecordSize);
  for (size_t i = 0; i < entries_.size(); ++i)
    zlbformat::EncodeRecord(entries_[i], raw.data() + i * zlbformat::kRecordSize);
  const int64_t rawSize = static_cast<int64_t>(raw.size());
  if (rawSize > INT32_MAX) zlbmsg::Fail("Too many entries for one archive");

  dest.Seek(directoryStart);
  try {
    zlbdeflate::DeflateBytes(
        raw.data(), raw.size(), dest, zlbdeflate::LevelOf(CompressionLevel),
        [&](int64_t) { Progress(Operation::WritingDirectory, "Writing archive registry", 0, rawSize); });
    footer.DirectoryCompressed = true;
  } catch (const EZLBError&) {
    // The raw records are the fallback when zlib fails.
    dest.SetSize(directoryStart);
    dest.Seek(directoryStart);
    dest.Write(raw.data(), raw.size());
    footer.DirectoryCompressed = false;
  }
  footer.DirectorySize = static_cast<int32_t>(dest.Size() - directoryStart);
  footer.EntryCount = static_cast<int32_t>(entries_.size());
  footer.Version = 2;
  auto* tracked = dynamic_cast<TCrcTrackingStream*>(&dest);
  footer.ArchiveCRC = tracked && tracked->CrcValid() ? tracked->Crc() : StreamCRC(dest, archiveStart_);
  uint8_t bytes[zlbformat::kFooterSize];
  zlbformat::EncodeFooter(footer, bytes);
  dest.Seek(dest.Size());
  dest.Write(bytes, sizeof bytes);
}

void TZLBArc2::AddFiles(std::vector<std::string>& list, bool encrypt) {
  if (!IsOpen()) zlbmsg::Fail(zlbmsg::kNotOpen);
  if (legacy_)
    zlbmsg::Fail(
        "The specified archive file was created by an older version of Coffrel.\r\n"
        "Please convert this archive before trying to modify/update it");
  zlbwrite::ExpandFolders(*this, list);

  const size_t keptEntries = entries_.size();
  std::string temp;
  bool replaced = false;
  try {
    temp = zlbwrite::RewriteFileName(*this);
    {
      TFileStream file(temp, FileMode::Create);
      TCrcTrackingStream out(file, archiveStart_);
      if (!newArchive_) zlbwrite::CopyKeptPart(*this, out);
      std::vector<TZLBEntry> added = zlbwrite::AddListed(
          *this, list, out, encrypt, [this](const std::string& msg, int64_t done, int64_t total) {
            Progress(Operation::Compressing, msg, done, total);
          });
      entries_.insert(entries_.end(), added.begin(), added.end());
      WriteDirectory(out);
    }
    // A file that took the new archive's name meanwhile is not replaced.
    if (newArchive_ && fsys::PathExists(fileName_))
      zlbmsg::Fail(zlbmsg::AlreadyExists(fileName_));
    Progress(Operation::Moving, "Moving and renaming the temporary file", 0, 0);
    // One step: the old archive stays whole until the new one is complete in its place.
    if (!fsys::MoveReplace(temp, fileName_))
      zlbmsg::Fail("Unable to replace " + fileName_ + " with the new archive");
    replaced = true;
    const std::string name = fileName_;
    CloseArchive();
    OpenArchive(name);
  } catch (const std::exception& e) {
    if (!replaced) {
      if (!temp.empty()) fsys::RemoveFile(temp);
      entries_.resize(keptEntries);  // the archive file still holds only the old entries
    }
    if (OnErrorLogged) OnErrorLogged(e.what());
  }
  list.clear();
}
