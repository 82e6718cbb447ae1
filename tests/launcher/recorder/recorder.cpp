// The tests' recorder program: run through the launcher, it writes what it received
// (its own path, arguments, current folder, work-folder variable and the files below
// the work folder) to the file named by QM_RECORD_FILE, one "key=value" per line in
// UTF-8. QM_RECORD_WRITE="relative\path=text" makes it write a file into the work
// folder; QM_RECORD_COPYSELF="relative\path" copies itself there; QM_RECORD_SHOW names a
// file of the work folder whose content it records ("show=", before writing);
// QM_RECORD_SLEEP (milliseconds) makes it wait before it ends; QM_RECORD_WAITFOR names a
// file it waits for (at most a minute) after writing its record; QM_RECORD_CRASH makes it
// end with an access violation; QM_RECORD_EXIT is its exit code. "started=" is the
// time it started (the performance counter in milliseconds). QM_RECORD_WINDOWS
// makes it record whether the window of the launcher that started it (its parent
// process; other launchers' windows do not count) is on screen as it starts
// ("launcherwindow=shown|hidden|unknown"); without it the recorder stays clear of the
// window system, so that it starts as fast as a program can (the start-up benchmarks
// run it).
#include <windows.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "framework/wide.h"

namespace {
std::wstring Env(const wchar_t* name) {
  wchar_t buffer[32768];
  DWORD n = GetEnvironmentVariableW(name, buffer, 32768);
  return (n > 0 && n < 32768) ? std::wstring(buffer, n) : std::wstring();
}

void ListFiles(const std::wstring& root, const std::wstring& relative, std::string& out) {
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW((root + L"\\" + relative + L"*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ListFiles(root, relative + name + L"\\", out);
    else
      out += "file=" + Narrow(relative + name) + "\n";
  } while (FindNextFileW(h, &found));
  FindClose(h);
}

LONG WINAPI EndAtOnce(EXCEPTION_POINTERS*) { return EXCEPTION_EXECUTE_HANDLER; }

// The window system's functions, loaded only when asked for (see above).
struct WindowFunctions {
  BOOL(WINAPI* enumWindows)(WNDENUMPROC, LPARAM) = nullptr;
  DWORD(WINAPI* windowProcess)(HWND, LPDWORD) = nullptr;
  int(WINAPI* getClassName)(HWND, LPWSTR, int) = nullptr;
  BOOL(WINAPI* isVisible)(HWND) = nullptr;
};

template <class Function>
void Find(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct LauncherSearch {
  WindowFunctions functions;
  DWORD launcher = 0;
  bool shown = false;
};

// The process that started this one (0 when unknown).
DWORD ParentProcess() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  DWORD parent = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) {
      parent = entry.th32ParentProcessID;
      break;
    }
  }
  CloseHandle(snapshot);
  return parent;
}

BOOL CALLBACK FindShownLauncher(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<LauncherSearch*>(param);
  wchar_t name[64] = {};
  search->functions.getClassName(window, name, 64);
  DWORD owner = 0;
  search->functions.windowProcess(window, &owner);
  if (owner == search->launcher && std::wstring(name) == L"TformMain" && search->functions.isVisible(window)) {
    search->shown = true;
    return FALSE;
  }
  return TRUE;
}

const char* LauncherWindowState() {
  HMODULE user = LoadLibraryW(L"user32.dll");
  LauncherSearch search;
  search.launcher = ParentProcess();
  if (!user || !search.launcher) return "unknown";
  Find(user, "EnumWindows", search.functions.enumWindows);
  Find(user, "GetWindowThreadProcessId", search.functions.windowProcess);
  Find(user, "GetClassNameW", search.functions.getClassName);
  Find(user, "IsWindowVisible", search.functions.isVisible);
  if (!search.functions.enumWindows || !search.functions.windowProcess || !search.functions.getClassName ||
      !search.functions.isVisible)
    return "unknown";
  search.functions.enumWindows(FindShownLauncher, reinterpret_cast<LPARAM>(&search));
  return search.shown ? "shown" : "hidden";
}

void MakeParents(const std::wstring& path) {
  for (size_t at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1))
    CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  const double started = 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
  std::wstring workDir = Env(L"QUILLMERE_WORKDIR");
  std::string out;
  wchar_t buffer[32768];
  DWORD n = GetModuleFileNameW(nullptr, buffer, 32768);
  out += "exe=" + Narrow(std::wstring(buffer, n)) + "\n";
  n = GetCurrentDirectoryW(32768, buffer);
  out += "cwd=" + Narrow(std::wstring(buffer, n)) + "\n";
  out += "workdir=" + Narrow(workDir) + "\n";
  out += "pid=" + std::to_string(GetCurrentProcessId()) + "\n";
  out += "started=" + std::to_string(started) + "\n";
  out += "argc=" + std::to_string(argc) + "\n";
  for (int i = 1; i < argc; ++i) {
    out += "arg=" + Narrow(argv[i]) + "\n";
    DWORD attributes = GetFileAttributesW(argv[i]);
    out += "argfile=" + std::string(attributes != INVALID_FILE_ATTRIBUTES ? "1" : "0") + "\n";
  }
  if (!workDir.empty()) ListFiles(workDir, L"", out);
  if (!Env(L"QM_RECORD_WINDOWS").empty()) {
    out += std::string("launcherwindow=") + LauncherWindowState() + "\n";
  }
  std::wstring show = Env(L"QM_RECORD_SHOW");
  if (!workDir.empty() && !show.empty()) {
    HANDLE f = CreateFileW((workDir + L"\\" + show).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    char text[4096];
    DWORD got = 0;
    if (f != INVALID_HANDLE_VALUE) {
      if (!ReadFile(f, text, sizeof text, &got, nullptr)) got = 0;
      CloseHandle(f);
    }
    out += "show=" + std::string(text, got) + "\n";
  }

  std::wstring write = Env(L"QM_RECORD_WRITE");
  size_t eq = write.find(L'=');
  if (!workDir.empty() && eq != std::wstring::npos) {
    std::wstring path = workDir + L"\\" + write.substr(0, eq);
    MakeParents(path);
    std::string text = Narrow(write.substr(eq + 1));
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD put = 0;
    if (f != INVALID_HANDLE_VALUE) {
      WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &put, nullptr);
      CloseHandle(f);
    }
  }
  std::wstring copy = Env(L"QM_RECORD_COPYSELF");
  if (!workDir.empty() && !copy.empty()) {
    std::wstring path = workDir + L"\\" + copy;
    MakeParents(path);
    GetModuleFileNameW(nullptr, buffer, 32768);
    CopyFileW(buffer, path.c_str(), FALSE);
  }

  std::wstring record = Env(L"QM_RECORD_FILE");
  if (record.empty()) return 2;
  HANDLE f = CreateFileW(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 3;
  DWORD put = 0;
  WriteFile(f, out.data(), static_cast<DWORD>(out.size()), &put, nullptr);
  CloseHandle(f);
  std::wstring waitFor = Env(L"QM_RECORD_WAITFOR");
  for (int i = 0; !waitFor.empty() && i < 1200; ++i) {
    if (GetFileAttributesW(waitFor.c_str()) != INVALID_FILE_ATTRIBUTES) break;
    Sleep(50);
  }
  if (!Env(L"QM_RECORD_CRASH").empty()) {
    // An access violation that nothing handles; the filter keeps a debugger away, so
    // the process ends at once with the exception code.
    SetUnhandledExceptionFilter(EndAtOnce);
    RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  }
  std::wstring sleep = Env(L"QM_RECORD_SLEEP");
  if (!sleep.empty()) Sleep(static_cast<DWORD>(_wtoi(sleep.c_str())));
  std::wstring exitCode = Env(L"QM_RECORD_EXIT");
  return exitCode.empty() ? 0 : _wtoi(exitCode.c_str());
}
