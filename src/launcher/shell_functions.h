// The shell functions the launcher calls, from shell32.dll loaded on first use rather
// than at process start: loading the shell and the libraries it pulls in is a good part
// of a start under some systems, and a run needs it only for special folders that the
// environment does not name (the roaming folder without APPDATA, program files).
#pragma once
#include <windows.h>

struct _ITEMIDLIST;  // the shell's item list
struct IMalloc;

// The functions, with the signatures of SHGetSpecialFolderLocation, SHGetPathFromIDListW
// and SHGetMalloc.
struct TShellFunctions {
  HRESULT(WINAPI* GetSpecialFolderLocation)(HWND, int, _ITEMIDLIST**) = nullptr;
  BOOL(WINAPI* GetPathFromIDList)(const _ITEMIDLIST*, LPWSTR) = nullptr;
  HRESULT(WINAPI* GetMalloc)(IMalloc**) = nullptr;
};

// Loads shell32.dll from the system folder once per process (safe from any thread) and
// finds the functions; a function is null when the library or the function is missing.
// The library stays loaded for the life of the process, as a static import would.
const TShellFunctions& LoadedShellFunctions() noexcept;
