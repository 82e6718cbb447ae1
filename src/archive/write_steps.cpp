// The steps of TZLBArc2::AddFiles: folder expansion, the rewrite file, the copy of the
// kept part, and storing the listed files (on helper threads where that pays).
#include "archive/archive_messages.h"
#include "archive/write_steps.h"

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <set>

#include "archive/ahead_compressor.h"
#include "archive/archive_format.h"
#include "archive/deflate_stream.h"
#include "archive/entry_names.h"
#include "archive/write_paths.h"
#include "framework/file_system.h"
#include "framework/path_text.h"
#include "framework/stream.h"
#include "framework/threads.h"

namespace zlbwrite {
namespace {
constexpr size_t kCopyChunk = 1 << 20;
}  // namespace
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

// True when key or one of its parent folders is in the set.
static bool InsideAny(const std::string& key, const std::set<std::string>& folders) {
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
// dropped. Skipped: a folder inside one that was expanded already (with SavePaths and
// RecursePaths both on, AddFolder lists sub-folders whose files it has listed already),
// a file met a second time, and the archive file itself.
void ExpandFolders(TZLBArc2& arc, std::vector<std::string>& list) {
  std::set<std::string> expanded, files;
  // The archive's own file is never stored in itself (a folder that holds it may be added).
  files.insert(zlbpaths::FileSystemKey(arc.FileName()));
  std::vector<std::string> kept;
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
  // A signed launcher has its certificate table behind the footer; it is not kept
  // (the signature would not hold for the new file).
  const int64_t expected = keep + arc.Footer().DirectorySize + static_cast<int64_t>(zlbformat::kFooterSize) +
                           arc.SignatureSize();
  try {
    TFileStream archive(arc.FileName(), FileMode::Read);
    // A file changed since it was opened would be copied wrongly.
    if (archive.Size() != expected) zlbmsg::Fail("changed");
    archive.Seek(0);
    CopyBytes(archive, out, keep);
  } catch (const std::exception&) {
    zlbmsg::Fail(zlbmsg::UnableToOpen(arc.FileName()));
  }
}

// The fields of a new entry that do not depend on how it is stored.
void FillEntry(TZLBEntry& entry, const std::string& fileName, bool savePaths, int64_t size, uint32_t crc,
               int64_t dataOffset) {
  // Stored paths use "\" whatever separator the name was given with.
  const std::string path = zlbpaths::WithBackslashes(fileName);
  entry = TZLBEntry{};
  entry.ContentCRC = crc;
  entry.Name = zlbpaths::Cut255(NamePart(path));
  if (savePaths) {
    std::string folder = WithoutDrive(FolderPart(path));
    entry.StoredPath = zlbpaths::Cut255(zlbpaths::WithoutDotFolders(folder));
  }
  entry.UncompressedSize = size;
  entry.DataOffset = dataOffset;
}

// Stores a file compressed ahead exactly as AddFile would have, progress included.
static void StorePacked(const TZLBArc2& arc, const std::string& item, const zlbahead::Packed& p, TStream& out,
                        TZLBEntry& entry, const ProgressFn& progress) {
  if (!p.ok) zlbmsg::Fail(zlbmsg::UnableToOpen(item));
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
static std::unique_ptr<zlbahead::AheadCompressor> StartAhead(const TZLBArc2& arc,
                                                             const std::vector<std::string>& list,
                                                             bool encrypt, std::vector<bool>& ahead) {
  int threads = arc.CompressionThreads;
  if (threads <= 0) threads = static_cast<int>(qmthread::ProcessorCount());
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
  return std::make_unique<zlbahead::AheadCompressor>(
      std::move(files), zlbdeflate::LevelOf(arc.CompressionLevel), threads, static_cast<size_t>(threads) + 1);
}

// Stores each listed file at the end of out and returns the new entries.
std::vector<TZLBEntry> AddListed(TZLBArc2& arc, const std::vector<std::string>& list, TStream& out,
                                 bool encrypt, const ProgressFn& progress) {
  // Lower-cased "stored path + name" of every entry, for the repeat check.
  std::set<std::string> known;
  for (int i = 0; i < arc.FileCount(); ++i) {
    TZLBEntry e;
    arc.GetFileEntry(i, e);
    known.insert(LowerAscii(e.StoredPath + e.Name));
  }
  std::vector<TZLBEntry> added;
  std::vector<bool> ahead;
  std::unique_ptr<zlbahead::AheadCompressor> compressor = StartAhead(arc, list, encrypt, ahead);
  size_t index = 0;

  for (const std::string& item : list) {
    const bool compressedAhead = ahead[index++];
    const std::string candidate = zlbpaths::AddCandidate(zlbpaths::WithBackslashes(item), arc.SavePaths);
    const std::string lookup = zlbnames::LookupText(candidate, arc.SavePaths);
    if (known.count(LowerAscii(lookup)) && arc.OnErrorLogged)
      arc.OnErrorLogged(item + " already exists in the archive");
    const int64_t start = out.Position();
    try {
      TZLBEntry entry;
      if (compressedAhead)
        StorePacked(arc, item, compressor->TakeNext(), out, entry, progress);
      else
        arc.AddFile(item, out, entry, encrypt);
      entry.StoredPath = RemoveAllNoCase(entry.StoredPath, zlbpaths::WithBackslashes(arc.BaseDir));
      if (arc.OnFileAddUpdate) {
        arc.OnFileAddUpdate(entry.StoredPath, entry.Name);
        entry.StoredPath = zlbpaths::Cut255(entry.StoredPath);
        entry.Name = zlbpaths::Cut255(entry.Name);
      }
      known.insert(LowerAscii(entry.StoredPath + entry.Name));
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
}  // namespace zlbwrite
