// Storage archive restore and save (see storage.h).
#include "launcher/storage.h"

#include <windows.h>

#include <vector>

#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "framework/wide.h"
#include "launcher/random_name.h"
#include "launcher/special_folders.h"
#include "launcher/text_utils.h"

std::string StoragePath(const std::string& exePath) { return UserFolder(exePath) + "storage.data"; }

void RestoreStorage(TZLBArc2& storage, const std::string& storagePath, const std::string& workDir) {
  if (!fsys::FileExists(storagePath)) return;
  storage.OpenArchive(storagePath);
  storage.ExtractWithPath = true;
  storage.ExtractAll(workDir);
}

TSaveResult SaveStorage(TZLBArc2& storage, const std::string& storagePath,
                        const std::string& workDir) {
  size_t cut = storagePath.find_last_of('\\');
  std::string folder = cut == std::string::npos ? std::string() : storagePath.substr(0, cut);
  if (!folder.empty()) fsys::CreateFolders(folder);

  // The new archive goes to a name of its own in the same folder first.
  std::string fresh = storagePath + "." + RandomName(8) + ".new";
  fsys::RemoveFile(fresh);
  bool fileProblems = false;
  auto previousLog = storage.OnErrorLogged;
  storage.OnErrorLogged = [&](const std::string&) { fileProblems = true; };
  bool written = false;
  try {
    storage.CreateArchive(fresh);
    storage.SavePaths = true;
    storage.RecursePaths = true;
    // Stored paths lose the drive, then the work folder (the trailing backslash
    // stays in BaseDir), so they are relative to the work folder. The folder itself is
    // listed with its drive, whatever the current drive is.
    std::string base = workDir;
    size_t colon = base.find(':');
    if (colon != std::string::npos) base = base.substr(colon + 1);
    storage.BaseDir = base;
    std::vector<std::string> list{workDir};
    storage.AddFiles(list, false);
    // AddFiles reopens the archive it wrote; it is open only when that succeeded.
    written = storage.IsOpen() && fsys::FileExists(fresh);
  } catch (...) {
    written = false;
  }
  storage.OnErrorLogged = previousLog;
  try {
    storage.CloseArchive();
  } catch (...) {
  }
  if (!written || !fsys::MoveReplace(fresh, storagePath)) {
    fsys::RemoveFile(fresh);
    return TSaveResult::Failed;
  }
  return fileProblems ? TSaveResult::Incomplete : TSaveResult::Saved;
}

namespace {
// Deletes the folder with everything in it, read-only files included, as far as it
// can. A link to another folder (a junction or symbolic link) is removed itself; what
// it points to is never entered. Done here rather than by the shell, which costs a few
// milliseconds more at every run.
void DeleteTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                   nullptr, 0);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring path = folder + L"\\" + name;
      DWORD attributes = found.dwFileAttributes;
      if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(path.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
      if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileW(path.c_str());
      else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        RemoveDirectoryW(path.c_str());
      else
        DeleteTree(path);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}
}  // namespace

void DeleteWorkFolder(const std::string& workDir) { DeleteTree(Widen(ExcludeTrailingBackslash(workDir))); }
