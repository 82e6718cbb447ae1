// Console input and output: wide-character console calls on Windows, stdio natively.
#include "console.h"

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
size_t progressWidth = 0;  // characters of the progress line now on screen; 0: none

#ifdef _WIN32
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
void WriteOut(const std::string& text) { Write(STD_OUTPUT_HANDLE, text); }
void WriteErr(const std::string& text) { Write(STD_ERROR_HANDLE, text); }
#else
void WriteOut(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }
void WriteErr(const std::string& text) {
  std::fflush(stdout);
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
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

void Out(const std::string& utf8) {
  EndProgressLine();
  WriteOut(utf8);
}

void Err(const std::string& utf8) {
  EndProgressLine();
  WriteErr(utf8);
}

bool ErrIsTerminal() {
#ifdef _WIN32
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
#else
  return isatty(STDERR_FILENO) == 1;
#endif
}

void ProgressLine(const std::string& text) {
  std::string line = "\r" + text;
  if (text.size() < progressWidth) line += std::string(progressWidth - text.size(), ' ');
  WriteErr(line);
  progressWidth = text.size();
}

void EndProgressLine() {
  if (progressWidth == 0) return;
  WriteErr("\r" + std::string(progressWidth, ' ') + "\r");
  progressWidth = 0;
}
}  // namespace console
