// Platform folders (see special_folders.h).
#include "launcher/special_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "framework/wide.h"
#include "launcher/shell_functions.h"
#include "launcher/text_utils.h"
#include "launcher/user_folder.h"

namespace {
// A shell special folder through its item list, which the shell's allocator frees.
std::string ShellFolder(int csidl) {
  const TShellFunctions& shell = LoadedShellFunctions();
  if (!shell.GetSpecialFolderLocation || !shell.GetPathFromIDList || !shell.GetMalloc) return {};
  LPITEMIDLIST items = nullptr;
  if (FAILED(shell.GetSpecialFolderLocation(nullptr, csidl, &items)) || !items) return {};
  wchar_t path[MAX_PATH + 1] = {};
  BOOL ok = shell.GetPathFromIDList(items, path);
  IMalloc* allocator = nullptr;
  if (SUCCEEDED(shell.GetMalloc(&allocator)) && allocator) {
    allocator->Free(items);
    allocator->Release();
  }
  return ok ? ExcludeTrailingBackslash(Narrow(path)) : std::string();
}
}  // namespace

std::string WindowsFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  UINT n = GetWindowsDirectoryW(path, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return {};
  return ExcludeTrailingBackslash(Narrow(path));
}

std::string ProgramFilesFolder() { return ShellFolder(CSIDL_PROGRAM_FILES); }

std::string RoamingAppDataFolder() {
  // The environment names it without loading the shell; the shell is asked when the
  // variable is missing or does not name a folder.
  wchar_t value[MAX_PATH + 1] = {};
  DWORD n = GetEnvironmentVariableW(L"APPDATA", value, MAX_PATH + 1);
  if (n > 0 && n <= MAX_PATH) {
    std::string folder = ExcludeTrailingBackslash(Narrow(value));
    DWORD attributes = GetFileAttributesW(value);
    if (IsFullFolderPath(folder + "\\") && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY))
      return folder;
  }
  return ShellFolder(CSIDL_APPDATA);
}

std::string OwnExePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

std::string UserFolder(const std::string& exePath) { return UserFolderUnder(RoamingAppDataFolder(), exePath); }
