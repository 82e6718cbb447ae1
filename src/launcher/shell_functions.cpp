// shell32.dll loaded on first use (see shell_functions.h).
#include "launcher/shell_functions.h"

#include <string>

namespace {
template <class Function>
void Find(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

TShellFunctions LoadShell() noexcept {
  TShellFunctions shell;
  // From the system folder only, never from the folder the launcher was started in.
  wchar_t folder[MAX_PATH + 1] = {};
  UINT n = GetSystemDirectoryW(folder, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return shell;
  HMODULE module = LoadLibraryW((std::wstring(folder, n) + L"\\shell32.dll").c_str());
  if (!module) return shell;
  Find(module, "SHGetSpecialFolderLocation", shell.GetSpecialFolderLocation);
  Find(module, "SHGetPathFromIDListW", shell.GetPathFromIDList);
  Find(module, "SHGetMalloc", shell.GetMalloc);
  return shell;
}
}  // namespace

const TShellFunctions& LoadedShellFunctions() noexcept {
  static const TShellFunctions shell = LoadShell();
  return shell;
}
