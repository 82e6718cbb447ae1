// The folder of the running program, from the module path (Windows) or /proc (Linux).
#include "own_folder.h"

#include "framework/path_text.h"

#ifdef _WIN32
#include <windows.h>

#include "framework/wide.h"
#else
#include <limits.h>
#include <unistd.h>
#endif

std::string OwnFolder() {
#ifdef _WIN32
  wchar_t buffer[32768];
  DWORD n = GetModuleFileNameW(nullptr, buffer, 32768);
  if (n == 0 || n >= 32768) return ".";
  return FolderOf(Narrow(std::wstring(buffer, n)));
#else
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return ".";
  return FolderOf(std::string(buffer, static_cast<size_t>(n)));
#endif
}
