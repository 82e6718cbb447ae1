// Work folders left by earlier runs (see leftover_runs.h).
#include "launcher/leftover_runs.h"

#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "launcher/file_compare.h"
#include "launcher/run_records.h"
#include "launcher/special_folders.h"
#include "launcher/storage.h"
#include "launcher/storage_merge.h"

void RemoveUnchangedCopies(const std::string& workDir, const std::vector<TZLBEntry>& entries) {
  for (const TZLBEntry& e : entries) {
    std::string file = workDir + "\\" + e.Name;
    try {
      if (FileHasContent(file, e.UncompressedSize, e.ContentCRC)) fsys::RemoveFile(file);
    } catch (...) {
      // A file that cannot be read is kept.
    }
  }
}

void SaveLeftoverRuns(const std::string& exePath, const std::string& ownRecordPath,
                      const std::vector<TZLBEntry>& payload) {
  const std::string storagePath = StoragePath(exePath);
  for (const TLeftoverRun& run : FindLeftoverRuns(UserFolder(exePath), ownRecordPath)) {
    const TRunRecord& r = run.Record;
    // Only a folder the launcher itself makes is ever touched.
    bool folderOfOurs = run.Readable && IsTemporaryWorkFolder(r.WorkDir) && fsys::FolderExists(r.WorkDir);
    // A restored run under another temporary folder (TMP changed since) keeps its record
    // and its folder: a later start with that temporary folder saves it.
    if (!folderOfOurs && run.Readable && r.Restored && fsys::FolderExists(r.WorkDir)) continue;
    if (folderOfOurs && r.Restored) {
      RemoveUnchangedCopies(r.WorkDir, payload);
      MergeStoredChanges(storagePath, r.WorkDir, r.Files);
      TZLBArc2 storage;
      if (SaveStorage(storage, storagePath, r.WorkDir) != TSaveResult::Saved) continue;
    }
    // A run that had not restored yet left nothing of the program's.
    if (folderOfOurs) DeleteWorkFolder(r.WorkDir);
    fsys::RemoveFile(run.RecordPath);
  }
}
