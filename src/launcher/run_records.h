// Run records in the per-user folder (Windows only): this run's own record, the marks
// of running processes, and the search for records whose launcher and program have
// both gone (a launcher killed or a power cut), whose work folders are then saved.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "launcher/run_record.h"

TProcessMark CurrentProcessMark();
TProcessMark ProcessMarkOf(HANDLE process, DWORD id);
// True while the marked process runs (the same process: same number and start time).
bool ProcessRunning(const TProcessMark& mark);
// True for a folder the launcher makes as a temporary work folder: the system's
// temporary folder + a decimal number + "\".
bool IsTemporaryWorkFolder(const std::string& folder);

// This run's record file "run-N.qmrun" in the per-user folder (N: the work folder's
// number). It stays when the launcher ends without removing it.
class TRunRecordFile {
 public:
  TRunRecordFile() = default;
  TRunRecordFile(const TRunRecordFile&) = delete;
  TRunRecordFile& operator=(const TRunRecordFile&) = delete;
  TRunRecord& Record() { return record_; }
  const std::string& Path() const { return path_; }
  // Writes the record (replacing the earlier state in one step; while a reader holds
  // the record open, tried again for a few seconds); false on failure.
  bool Write(const std::string& userFolder);
  void Remove();

 private:
  TRunRecord record_;
  std::string path_;
};

struct TLeftoverRun {
  std::string RecordPath;
  bool Readable = false;  // false: a damaged record, which is only removed
  TRunRecord Record;
};
// The records in the per-user folder other than ownRecordPath whose launcher and
// program are both gone.
std::vector<TLeftoverRun> FindLeftoverRuns(const std::string& userFolder, const std::string& ownRecordPath);
