// Merging a work folder with the storage archive (see storage_merge.h).
#include "launcher/storage_merge.h"

#include <windows.h>

#include <map>

#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "framework/path_text.h"
#include "framework/wide.h"
#include "launcher/file_compare.h"

namespace {
// Size and last write time of a file; false when it is not there.
bool FileState(const std::string& path, int64_t& size, int64_t& writeTime) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  size = (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  writeTime = (static_cast<int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
  return true;
}

// True when the file is still as the restore left it.
bool Untouched(const std::string& path, const TRestoredFile& restored) {
  int64_t size = 0, writeTime = 0;
  if (!FileState(path, size, writeTime) || size != restored.Size) return false;
  if (writeTime == restored.WriteTime) return true;
  uint32_t crc = 0;
  return FileCRC(path, crc) && crc == restored.CRC;  // written again, with the same content
}

// The entry's path relative to the archive's root: stored path + name.
std::string PathOfEntry(const TZLBArc2& archive, int index) {
  TZLBEntry e;
  archive.GetFileEntry(index, e);
  return e.StoredPath + e.Name;
}

void TakeFromArchive(TZLBArc2& archive, const TZLBEntry& entry, const std::string& workDir) {
  try {
    archive.ExtractFile(workDir, entry.StoredPath + entry.Name);
  } catch (const std::exception&) {
    // Left as the run had it.
  }
}
}  // namespace

std::vector<TRestoredFile> ListRestored(const TZLBArc2& storage, const std::string& workDir) {
  std::vector<TRestoredFile> files;
  if (!storage.IsOpen()) return files;
  for (int i = 0; i < storage.FileCount(); ++i) {
    TZLBEntry e;
    storage.GetFileEntry(i, e);
    TRestoredFile f{e.StoredPath + e.Name, e.UncompressedSize, e.ContentCRC, 0};
    int64_t size = 0;
    if (FileState(CollapseBackslashes(workDir + "\\" + f.Path), size, f.WriteTime) && size == f.Size)
      files.push_back(std::move(f));
  }
  return files;
}

void MergeStoredChanges(const std::string& storagePath, const std::string& workDir,
                        const std::vector<TRestoredFile>& restored) {
  TZLBArc2 archive;
  archive.ExtractWithPath = true;
  // Both lists by lower-cased relative path: the archive's entries by their index, the
  // restored files by their place in restored.
  std::map<std::string, int> now;
  try {
    if (fsys::FileExists(storagePath) && archive.OpenArchive(storagePath)) {
      for (int i = 0; i < archive.FileCount(); ++i) now.emplace(LowerAscii(PathOfEntry(archive, i)), i);
    }
  } catch (const std::exception&) {
    return;  // an archive that cannot be read has nothing to merge
  }
  std::map<std::string, int> mine;
  for (size_t i = 0; i < restored.size(); ++i) mine.emplace(LowerAscii(restored[i].Path), static_cast<int>(i));

  TZLBEntry e;
  for (const auto& item : mine) {
    const TRestoredFile& f = restored[static_cast<size_t>(item.second)];
    std::string path = CollapseBackslashes(workDir + "\\" + f.Path);
    bool present = fsys::FileExists(path);
    if (present && !Untouched(path, f)) continue;  // this run's change wins
    auto stored = now.find(item.first);
    if (stored == now.end()) {
      if (present) fsys::RemoveFile(path);  // removed by another run meanwhile
      continue;
    }
    archive.GetFileEntry(stored->second, e);
    if (e.UncompressedSize != f.Size || e.ContentCRC != f.CRC)
      TakeFromArchive(archive, e, workDir);  // another run's newer version
  }
  for (const auto& item : now) {
    if (mine.count(item.first)) continue;
    archive.GetFileEntry(item.second, e);
    // Saved by another run since this one restored; a file of the same name that this
    // run created is the later one and stays.
    if (!fsys::PathExists(CollapseBackslashes(workDir + "\\" + e.StoredPath + e.Name)))
      TakeFromArchive(archive, e, workDir);
  }
}
