// Run records in the per-user folder (see run_records.h).
#include "launcher/run_records.h"

#include "framework/file_system.h"
#include "framework/gdi.h"
#include "framework/path_text.h"
#include "launcher/random_name.h"
#include "launcher/text_utils.h"

namespace {
const char kPrefix[] = "run-";
const char kExtension[] = ".qmrun";
// A record is a few lines per restored file; anything far larger is not one.
constexpr int64_t kLargestRecord = 64 * 1024 * 1024;
// How long a record held open by a reader is waited for before an update gives up.
constexpr DWORD kReplaceWaitMs = 5000;
constexpr DWORD kReplaceRetryMs = 20;

uint64_t StartTime(HANDLE process) {
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  return (static_cast<uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

std::string ReadSmallFile(const std::string& path) {
  FileHandle file = FileHandle::Open(path, FileMode::Read);
  int64_t size = file.IsOpen() ? file.Size() : -1;
  if (size <= 0 || size > kLargestRecord) return {};
  std::string text(static_cast<size_t>(size), '\0');
  if (file.Read(&text[0], text.size()) != text.size()) return {};
  return text;
}
}  // namespace

TProcessMark CurrentProcessMark() { return ProcessMarkOf(GetCurrentProcess(), GetCurrentProcessId()); }

TProcessMark ProcessMarkOf(HANDLE process, DWORD id) { return TProcessMark{id, StartTime(process)}; }

bool ProcessRunning(const TProcessMark& mark) {
  if (mark.Id == 0) return false;
  Win32Handle process(OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, mark.Id));
  if (!process) return GetLastError() == ERROR_ACCESS_DENIED;  // someone's, and running
  return WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT && StartTime(process.Get()) == mark.Start;
}

bool IsTemporaryWorkFolder(const std::string& folder) {
  std::string temp = fsys::TempFolder();
  if (folder.size() < temp.size() + 2 || !SameTextAscii(folder.substr(0, temp.size()), temp) ||
      folder.back() != '\\')
    return false;
  std::string number = folder.substr(temp.size(), folder.size() - temp.size() - 1);
  return number.size() <= 5 && number.find_first_not_of("0123456789") == std::string::npos;
}

bool TRunRecordFile::Write(const std::string& userFolder) {
  if (path_.empty()) {
    std::string folder = ExcludeTrailingBackslash(record_.WorkDir);
    path_ = IncludeTrailingBackslash(userFolder) + kPrefix + ExtractFileName(folder) + kExtension;
  }
  if (!fsys::CreateFolders(ExcludeTrailingBackslash(FolderOf(path_)))) return false;
  std::string fresh = path_ + "." + RandomName(6);
  std::string text = FormatRunRecord(record_);
  {
    FileHandle file = FileHandle::Open(fresh, FileMode::Create);
    if (!file.IsOpen() || !file.Write(text.data(), text.size())) {
      file.Close();
      fsys::RemoveFile(fresh);
      return false;
    }
  }
  // While another process reads the record (another copy's search for leftover runs,
  // a virus scanner, a backup) it cannot be replaced. The update is tried again for a
  // while: a record that misses the run's progress would make a later start discard
  // the run's files as never restored, or save its folder while its program runs.
  for (DWORD start = GetTickCount();; Sleep(kReplaceRetryMs)) {
    if (fsys::MoveReplace(fresh, path_)) return true;
    if (GetTickCount() - start >= kReplaceWaitMs) break;
  }
  fsys::RemoveFile(fresh);
  return false;
}

void TRunRecordFile::Remove() {
  if (!path_.empty()) fsys::RemoveFile(path_);
  path_.clear();
}

std::vector<TLeftoverRun> FindLeftoverRuns(const std::string& userFolder, const std::string& ownRecordPath) {
  std::vector<TLeftoverRun> leftovers;
  std::string folder = IncludeTrailingBackslash(userFolder);
  for (const FolderItem& item : fsys::ListFolder(ExcludeTrailingBackslash(folder))) {
    const std::string& name = item.name;
    size_t extension = sizeof kExtension - 1;
    if (item.is_folder || name.compare(0, sizeof kPrefix - 1, kPrefix) != 0 || name.size() <= extension ||
        name.compare(name.size() - extension, extension, kExtension) != 0)
      continue;
    TLeftoverRun run;
    run.RecordPath = folder + name;
    if (SameTextAscii(run.RecordPath, ownRecordPath)) continue;
    run.Readable = ParseRunRecord(ReadSmallFile(run.RecordPath), run.Record);
    if (run.Readable && (ProcessRunning(run.Record.Launcher) || ProcessRunning(run.Record.Program))) continue;
    leftovers.push_back(std::move(run));
  }
  return leftovers;
}
