// TZLBArc2, write side: starting an archive, adding files and folders, writing the
// directory and footer, and replacing the archive file with the rewritten one.
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <unordered_set>

#include "archive/archive_format.h"
#include "archive/deflate_stream.h"
#include "archive/write_paths.h"
#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "framework/stream.h"

namespace {
constexpr size_t kCopyChunk = 1 << 20;

// The buffer that holds a file's compressed form: memory, or a temporary file that is
// deleted with the buffer.
class CompressionBuffer {
 public:
  explicit CompressionBuffer(const std::string& tempFile) : tempFile_(tempFile) {
    if (tempFile_.empty()) {
      stream_ = std::make_unique<TMemoryStream>();
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

// Copies count bytes from source's position to dest (nothing for count 0, unlike
// TStream::CopyFrom, which then copies the whole source).
void CopyBytes(TStream& source, TStream& dest, int64_t count) {
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(count, kCopyChunk)));
  while (count > 0) {
    size_t chunk = static_cast<size_t>(std::min<int64_t>(count, static_cast<int64_t>(buffer.size())));
    source.ReadBuffer(buffer.data(), chunk);
    dest.Write(buffer.data(), chunk);
    count -= static_cast<int64_t>(chunk);
  }
}

// CRC-32 of stream bytes from position from up to the end.
uint32_t StreamCRC(TStream& stream, int64_t from) {
  stream.Seek(from);
  std::vector<uint8_t> buffer(kCopyChunk);
  uLong crc = crc32(0L, Z_NULL, 0);
  while (size_t got = stream.Read(buffer.data(), buffer.size()))
    crc = crc32(crc, buffer.data(), static_cast<uInt>(got));
  return static_cast<uint32_t>(crc);
}

// The folder that holds file (for a rewrite next to the archive); "." for a bare name.
std::string FolderOf(const std::string& file) {
  size_t cut = file.find_last_of("\\/");
  if (cut == std::string::npos) return ".";
  if (cut == 0) return file.substr(0, 1);
  return file.substr(0, cut);
}

// True when key or one of its parent folders is in the set.
bool InsideAny(const std::string& key, const std::unordered_set<std::string>& folders) {
  if (folders.empty()) return false;
  std::string at = key;
  for (;;) {
    if (folders.count(at)) return true;
    size_t cut = at.find_last_of('\\');
    if (cut == std::string::npos || cut == 0) return false;
    at.resize(cut);
  }
}
// Folder items are replaced by what AddFolder finds in them (with RecursePaths on) or
// dropped. A folder inside one that was expanded already, and a file met a second time,
// are skipped: with SavePaths and RecursePaths both on AddFolder lists sub-folders whose
// files it has already listed.
void ExpandFolders(TZLBArc2& arc, std::deque<std::string>& list) {
  std::unordered_set<std::string> expanded, files;
  std::deque<std::string> kept;
  for (size_t i = 0; i < list.size(); ++i) {
    std::string item = list[i];
    const std::string key = zlbpaths::FileSystemKey(item);
    if (fsys::FolderExists(item)) {
      if (arc.RecursePaths && !InsideAny(key, expanded)) {
        expanded.insert(key);
        arc.AddFolder(item, list);
      }
    } else if (files.insert(key).second) {
      kept.push_back(std::move(item));
    }
  }
  list.swap(kept);
}

std::string RewriteFileName(TZLBArc2& arc) {
  // Next to the archive the final move is a rename within one volume; the temporary
  // folder is the fallback when the archive's folder takes no new files.
  std::string name = fsys::CreateTempFile(FolderOf(arc.FileName()), "ZLB");
  return name.empty() ? arc.GetTempFile() : name;
}

void CopyKeptPart(const TZLBArc2& arc, TStream& out) {
  const int64_t keep = arc.ArchiveStart() + arc.Footer().DataSize;
  const int64_t expected = keep + arc.Footer().DirectorySize + static_cast<int64_t>(zlbformat::kFooterSize);
  try {
    TFileStream archive(arc.FileName(), FileMode::Read);
    // A file changed since it was opened would be copied wrongly.
    if (archive.Size() != expected) throw EZLBError("changed");
    archive.Seek(0);
    CopyBytes(archive, out, keep);
  } catch (const std::exception&) {
    throw EZLBError("Unable to open archive " + arc.FileName());
  }
}

// Stores each listed file at the end of out and returns the new entries.
std::vector<TZLBEntry> AddListed(TZLBArc2& arc, const std::deque<std::string>& list, TStream& out,
                                 bool encrypt) {
  // Lower-cased "stored path + name" of every entry: the repeat check stays O(1) per file.
  std::unordered_set<std::string> known;
  known.reserve(static_cast<size_t>(arc.FileCount()) + list.size());
  for (int i = 0; i < arc.FileCount(); ++i) {
    TZLBEntry e;
    arc.GetFileEntry(i, e);
    known.insert(zlbpaths::LowerAscii(e.StoredPath + e.Name));
  }
  std::vector<TZLBEntry> added;

  for (const std::string& item : list) {
    const std::string candidate = zlbpaths::AddCandidate(zlbpaths::WithBackslashes(item), arc.SavePaths);
    const std::string lookup = zlbpaths::LookupText(candidate, arc.SavePaths);
    if (known.count(zlbpaths::LowerAscii(lookup)) && arc.OnErrorLogged)
      arc.OnErrorLogged(item + " already exists in the archive");
    const int64_t start = out.Position();
    try {
      TZLBEntry entry;
      arc.AddFile(item, out, entry, encrypt);
      entry.StoredPath = zlbpaths::RemoveAllNoCase(entry.StoredPath, zlbpaths::WithBackslashes(arc.BaseDir));
      if (arc.OnFileAddUpdate) {
        arc.OnFileAddUpdate(entry.StoredPath, entry.Name);
        entry.StoredPath = zlbpaths::Cut255(entry.StoredPath);
        entry.Name = zlbpaths::Cut255(entry.Name);
      }
      known.insert(zlbpaths::LowerAscii(entry.StoredPath + entry.Name));
      added.push_back(std::move(entry));
    } catch (const std::exception&) {
      // Whatever the failed file left behind is cut off; the next file starts there.
      out.SetSize(start);
      out.Seek(start);
      if (arc.OnErrorLogged) arc.OnErrorLogged("Unable to open archive " + item);
    }
  }
  return added;
}

}  // namespace

std::string TZLBArc2::GetTempFile() {
  std::string name = fsys::CreateTempFile(TempDir, "ZLB");
  if (name.empty())
    throw EZLBError("Unable to create a temporary file in " +
                    (TempDir.empty() ? fsys::TempFolder() : TempDir));
  return name;
}

void TZLBArc2::CreateArchive(const std::string& fileName) {
  CloseArchive();
  if (fileName.empty()) return;
  // The name is only kept once it is usable, so a refused name leaves no archive open.
  if (fsys::PathExists(fileName)) throw EZLBError(fileName + " already exists in the archive");
  fileName_ = fileName;
  newArchive_ = true;
  archiveStart_ = 0;
  if (OnArchiveOpened) OnArchiveOpened(this);
}

void TZLBArc2::AddFolder(const std::string& folder, std::deque<std::string>& list) {
  std::string base = folder;
  if (!base.empty() && (base.back() == '\\' || base.back() == '/')) base.pop_back();
  std::vector<FolderItem> items = fsys::ListFolder(base);
  // Listing order differs between file systems; by name, archives come out the same.
  std::sort(items.begin(), items.end(),
            [](const FolderItem& a, const FolderItem& b) { return a.name < b.name; });
  std::vector<std::string> local;
  const std::string separator(1, fsys::Separator());
  for (const FolderItem& item : items) {
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
    throw EZLBError("Unable to open archive " + fileName);
  }
  const int64_t size = source->Size();
  if (size < 0) throw EZLBError("Unable to open archive " + fileName);
  const bool inMemory = size <= static_cast<int64_t>(MaxMemoryUsage) * 1048576;
  CompressionBuffer buffer(inMemory ? std::string() : GetTempFile());
  TStream& packed = buffer.Stream();
  const std::string message = "Updating " + fileName;
  const uint32_t crc = zlbdeflate::DeflateStream(
      *source, size, packed, zlbdeflate::LevelOf(CompressionLevel),
      [&](int64_t consumed) { Progress(Operation::Compressing, message, consumed, size); });

  // Stored paths use "\" whatever separator the name was given with.
  const std::string path = zlbpaths::WithBackslashes(fileName);
  entry = TZLBEntry{};
  entry.ContentCRC = crc;
  entry.Name = zlbpaths::Cut255(zlbpaths::NamePart(path));
  if (SavePaths) {
    std::string folder = zlbpaths::WithoutDrive(zlbpaths::FolderPart(path));
    entry.StoredPath = zlbpaths::Cut255(zlbpaths::WithoutDotFolders(folder));
  }
  entry.UncompressedSize = size;
  entry.DataOffset = dest.Position() - archiveStart_;

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
      CopyBytes(packed, dest, entry.EncryptedSize);
      entry.Method = smStoredEncrypted;
      entry.Level = fcNone;
    }
  } else if (smaller) {
    packed.Seek(0);
    CopyBytes(packed, dest, packedSize);
    entry.CompressedSize = packedSize;
    entry.Method = smCompressed;
    entry.Level = CompressionLevel;
  } else {
    source->Seek(0);
    CopyBytes(*source, dest, size);
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
  if (rawSize > INT32_MAX) throw EZLBError("Too many entries for one archive");

  dest.Seek(directoryStart);
  try {
    zlbdeflate::DeflateBytes(raw.data(), raw.size(), dest, zlbdeflate::LevelOf(CompressionLevel),
                             [&](int64_t) {
                               Progress(Operation::WritingDirectory, "Writing archive registry", 0, rawSize);
                             });
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
  footer.ArchiveCRC = StreamCRC(dest, archiveStart_);
  uint8_t bytes[zlbformat::kFooterSize];
  zlbformat::EncodeFooter(footer, bytes);
  dest.Seek(dest.Size());
  dest.Write(bytes, sizeof bytes);
}

void TZLBArc2::AddFiles(std::deque<std::string>& list, bool encrypt) {
  if (!IsOpen()) throw EZLBError("No archive is currently open");
  if (legacy_)
    throw EZLBError(
        "The specified archive file was created by an older version of Coffrel.\r\n"
        "Please convert this archive before trying to modify/update it");
  ExpandFolders(*this, list);

  const size_t keptEntries = entries_.size();
  std::string temp;
  bool replaced = false;
  try {
    temp = RewriteFileName(*this);
    {
      TFileStream out(temp, FileMode::Create);
      if (!newArchive_) CopyKeptPart(*this, out);
      std::vector<TZLBEntry> added = AddListed(*this, list, out, encrypt);
      entries_.insert(entries_.end(), added.begin(), added.end());
      WriteDirectory(out);
    }
    Progress(Operation::Moving, "Moving and renaming the temporary file", 0, 0);
    // One step: the old archive stays whole until the new one is complete in its place.
    if (!fsys::MoveReplace(temp, fileName_))
      throw EZLBError("Unable to replace " + fileName_ + " with the new archive");
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

