// Console input and output: wide-character console calls on Windows, stdio natively.
#include "common/console.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "framework/wide.h"
#else
#include <unistd.h>
#endif

namespace console {
namespace {
#ifdef _WIN32
// A console gets UTF-16 text; a file or pipe gets the UTF-8 bytes.
void Write(DWORD which, const std::string& text) {
  HANDLE h = GetStdHandle(which);
  if (h == nullptr || h == INVALID_HANDLE_VALUE || text.empty()) return;
  DWORD mode = 0, put = 0;
  if (GetConsoleMode(h, &mode)) {
    std::wstring wide = Widen(text);
    WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &put, nullptr);
  } else {
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &put, nullptr);
  }
}
#endif
}  // namespace

std::vector<std::string> Arguments(int argc, char** argv) {
  std::vector<std::string> args;
#ifdef _WIN32
  (void)argc;
  (void)argv;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide) {
    for (int i = 1; i < count; ++i) args.push_back(Narrow(wide[i]));
    LocalFree(wide);
  }
#else
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
#endif
  return args;
}

void WriteOut(const std::string& utf8) {
#ifdef _WIN32
  Write(STD_OUTPUT_HANDLE, utf8);
#else
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
#endif
}

void WriteErr(const std::string& utf8) {
#ifdef _WIN32
  Write(STD_ERROR_HANDLE, utf8);
#else
  std::fflush(stdout);
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fflush(stderr);
#endif
}

bool ErrIsTerminal() {
#ifdef _WIN32
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
#else
  return isatty(STDERR_FILENO) == 1;
#endif
}
}  // namespace console
