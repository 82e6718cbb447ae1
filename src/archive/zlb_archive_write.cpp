// TZLBArc2, write side: starting an archive, adding files and folders, writing the
// directory and footer, and replacing the archive file with the rewritten one.
#include <zlib.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <thread>
#include <unordered_set>

#include "archive/ahead_compressor.h"
#include "archive/archive_format.h"
#include "archive/crc_stream.h"
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
// dropped. A folder inside one that was expanded already, a file met a second time and
// the archive file itself are skipped: with SavePaths and RecursePaths both on AddFolder lists sub-folders whose
// files it has already listed.
void ExpandFolders(TZLBArc2& arc, std::deque<std::string>& list) {
  std::unordered_set<std::string> expanded, files;
  // The archive's own file is never stored in itself (a folder that holds it may be added).
  files.insert(zlbpaths::FileSystemKey(arc.FileName()));
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

using ProgressFn = std::function<void(const std::string& msg, int64_t done, int64_t total)>;

// The fields of a new entry that do not depend on how it is stored.
void FillEntry(TZLBEntry& entry, const std::string& fileName, bool savePaths, int64_t size, uint32_t crc,
               int64_t dataOffset) {
  // Stored paths use "\" whatever separator the name was given with.
  const std::string path = zlbpaths::WithBackslashes(fileName);
  entry = TZLBEntry{};
  entry.ContentCRC = crc;
  entry.Name = zlbpaths::Cut255(zlbpaths::NamePart(path));
  if (savePaths) {
    std::string folder = zlbpaths::WithoutDrive(zlbpaths::FolderPart(path));
    entry.StoredPath = zlbpaths::Cut255(zlbpaths::WithoutDotFolders(folder));
  }
  entry.UncompressedSize = size;
  entry.DataOffset = dataOffset;
}

// Stores a file compressed ahead exactly as AddFile would have, progress included.
void StorePacked(const TZLBArc2& arc, const std::string& item, const zlbahead::Packed& p, TStream& out,
                 TZLBEntry& entry, const ProgressFn& progress) {
  if (!p.ok) throw EZLBError("Unable to open archive " + item);
  const std::string message = "Updating " + item;
  for (int64_t consumed : p.bufferPoints) progress(message, consumed, p.size);
  FillEntry(entry, item, arc.SavePaths, p.size, p.crc, out.Position() - arc.ArchiveStart());
  if (static_cast<int64_t>(p.zlib.size()) < p.size) {
    out.Write(p.zlib.data(), p.zlib.size());
    entry.CompressedSize = static_cast<int64_t>(p.zlib.size());
    entry.Method = smCompressed;
    entry.Level = arc.CompressionLevel;
  } else {
    out.Write(p.raw.data(), p.raw.size());
    entry.Method = smStored;
    entry.Level = fcNone;
  }
}

// Smaller files are compressed faster than they can be handed to a helper and back.
constexpr int64_t kAheadMinimum = 64 * 1024;

// Helper threads for AddListed, or none: only files that AddFile would compress in
// memory, and only without an encryption handler (which has to run in entry order).
std::unique_ptr<zlbahead::AheadCompressor> StartAhead(const TZLBArc2& arc, const std::deque<std::string>& list,
                                                      bool encrypt, std::vector<bool>& ahead) {
  int threads = arc.CompressionThreads;
  if (threads <= 0) threads = static_cast<int>(std::thread::hardware_concurrency());
  ahead.assign(list.size(), false);
  if (threads < 2 || list.size() < 2 || (encrypt && arc.OnEncryptStream)) return nullptr;
  std::vector<std::string> files;
  const int64_t limit = static_cast<int64_t>(arc.MaxMemoryUsage) * 1048576;
  for (size_t i = 0; i < list.size(); ++i) {
    const int64_t size = fsys::FileSize(list[i]);
    if (size < kAheadMinimum || size > limit) continue;
    ahead[i] = true;
    files.push_back(list[i]);
  }
  if (files.size() < 2) {
    ahead.assign(list.size(), false);
    return nullptr;
  }
  return std::make_unique<zlbahead::AheadCompressor>(std::move(files), zlbdeflate::LevelOf(arc.CompressionLevel),
                                                     threads, static_cast<size_t>(threads) + 1);
}

// Stores each listed file at the end of out and returns the new entries.
std::vector<TZLBEntry> AddListed(TZLBArc2& arc, const std::deque<std::string>& list, TStream& out,
                                 bool encrypt, const ProgressFn& progress) {
  // Lower-cased "stored path + name" of every entry: the repeat check stays O(1) per file.
  std::unordered_set<std::string> known;
  known.reserve(static_cast<size_t>(arc.FileCount()) + list.size());
  for (int i = 0; i < arc.FileCount(); ++i) {
    TZLBEntry e;
    arc.GetFileEntry(i, e);
    known.insert(zlbpaths::LowerAscii(e.StoredPath + e.Name));
  }
  std::vector<TZLBEntry> added;
  std::vector<bool> ahead;
  std::unique_ptr<zlbahead::AheadCompressor> compressor = StartAhead(arc, list, encrypt, ahead);
  size_t index = 0;

  for (const std::string& item : list) {
    const bool compressedAhead = ahead[index++];
    const std::string candidate = zlbpaths::AddCandidate(zlbpaths::WithBackslashes(item), arc.SavePaths);
    const std::string lookup = zlbpaths::LookupText(candidate, arc.SavePaths);
    if (known.count(zlbpaths::LowerAscii(lookup)) && arc.OnErrorLogged)
      arc.OnErrorLogged(item + " already exists in the archive");
    const int64_t start = out.Position();
    try {
      TZLBEntry entry;
      if (compressedAhead)
        StorePacked(arc, item, compressor->TakeNext(), out, entry, progress);
      else
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
  CompressionBuffer buffer(inMemory ? std::string() : GetTempFile(), size);
  TStream& packed = buffer.Stream();
  const std::string message = "Updating " + fileName;
  const uint32_t crc = zlbdeflate::DeflateStream(
      *source, size, packed, zlbdeflate::LevelOf(CompressionLevel),
      [&](int64_t consumed) { Progress(Operation::Compressing, message, consumed, size); });

  FillEntry(entry, fileName, SavePaths, size, crc, dest.Position() - archiveStart_);

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
    if (auto* memory = dynamic_cast<TMemoryStream*>(&packed)) {
      dest.Write(memory->Bytes().data(), memory->Bytes().size());
    } else {
      packed.Seek(0);
      CopyBytes(packed, dest, packedSize);
    }
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
  auto* tracked = dynamic_cast<TCrcTrackingStream*>(&dest);
  footer.ArchiveCRC = tracked && tracked->CrcValid() ? tracked->Crc() : StreamCRC(dest, archiveStart_);
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
      TFileStream file(temp, FileMode::Create);
      TCrcTrackingStream out(file, archiveStart_);
      if (!newArchive_) CopyKeptPart(*this, out);
      std::vector<TZLBEntry> added =
          AddListed(*this, list, out, encrypt, [this](const std::string& msg, int64_t done, int64_t total) {
            Progress(Operation::Compressing, msg, done, total);
          });
      entries_.insert(entries_.end(), added.begin(), added.end());
      WriteDirectory(out);
    }
    // A file that took the new archive's name meanwhile is not replaced.
    if (newArchive_ && fsys::PathExists(fileName_)) throw EZLBError(fileName_ + " already exists in the archive");
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

