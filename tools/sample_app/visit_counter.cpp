// The demo's sample program, packed into a launcher by tools/demo.sh: it counts its
// runs in a file it keeps in its work folder (QUILLMERE_WORKDIR), which the launcher
// saves after each run and restores before the next. When QUILLMERE_DEMO_REPORT names
// a file, it writes there what it found and did, for the demo to show.
#include <windows.h>

#include <string>

#include "framework/wide.h"

namespace {
std::wstring Env(const wchar_t* name) {
  wchar_t buffer[32768];
  DWORD n = GetEnvironmentVariableW(name, buffer, 32768);
  return (n > 0 && n < 32768) ? std::wstring(buffer, n) : std::wstring();
}

std::string ReadText(const std::wstring& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  char buffer[64] = {};
  DWORD got = 0;
  ReadFile(f, buffer, sizeof(buffer) - 1, &got, nullptr);
  CloseHandle(f);
  return std::string(buffer, got);
}

void WriteText(const std::wstring& path, const std::string& text) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD put = 0;
  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &put, nullptr);
  CloseHandle(f);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring workDir = Env(L"QUILLMERE_WORKDIR");
  std::string report;
  if (workDir.empty()) {
    report = "QUILLMERE_WORKDIR is not set: this program expects to be started by the launcher.\n";
  } else {
    std::wstring counter = workDir + L"\\visits.txt";
    std::string earlier = ReadText(counter);
    int visits = earlier.empty() ? 0 : std::stoi(earlier);
    report += "  work folder: " + Narrow(workDir) + "\n";
    report += earlier.empty() ? "  visits.txt: not there, so this is the first run\n"
                              : "  visits.txt: found, left by an earlier run, says " + std::to_string(visits) + "\n";
    WriteText(counter, std::to_string(visits + 1));
    report += "  visits.txt: now says " + std::to_string(visits + 1) + "\n";
  }
  report += "  arguments:";
  for (int i = 1; i < argc; ++i) report += " [" + Narrow(argv[i]) + "]";
  report += "\n";
  std::wstring reportFile = Env(L"QUILLMERE_DEMO_REPORT");
  if (!reportFile.empty()) WriteText(reportFile, report);
  return 0;
}
