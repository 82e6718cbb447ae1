// Started programs and their windows, for the end-to-end tests (see process_windows.h).
#include "process_windows.h"

#include "framework/wide.h"
#include "launcher/command_line.h"

namespace qmtest {
namespace {
struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  if (owner == search->processId && IsWindowVisible(window) &&
      (!search->className || lstrcmpiW(name, search->className) == 0)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

std::string TextOf(HWND window) {
  int length = static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int got = static_cast<int>(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return Narrow(text);
}

struct ChildSearch {
  const wchar_t* className;
  std::vector<HWND> found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  if (lstrcmpiW(name, search->className) == 0) search->found.push_back(window);
  return TRUE;
}

std::vector<HWND> Children(HWND parent, const wchar_t* className) {
  ChildSearch search{className, {}};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(input));
}
}  // namespace

StartedProgram::StartedProgram(const std::string& program, const std::vector<std::string>& args,
                               const std::string& folder, const std::map<std::string, std::string>& env) {
  for (const auto& v : env) SetEnvironmentVariableW(Widen(v.first).c_str(), Widen(v.second).c_str());
  std::wstring line = Widen(QuoteProgramPath(program) + JoinArguments(args));
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  BOOL started = CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                                folder.empty() ? nullptr : Widen(folder).c_str(), &startup, &info);
  for (const auto& v : env) SetEnvironmentVariableW(Widen(v.first).c_str(), nullptr);
  if (!started) return;
  CloseHandle(info.hThread);
  process_ = Win32Handle(info.hProcess);
  id_ = info.dwProcessId;
}

StartedProgram::~StartedProgram() {
  if (Started() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) Kill();
}

RunResult StartedProgram::Wait(DWORD limitMs) {
  RunResult result;
  if (!Started()) return result;
  result.finished = WaitForSingleObject(process_.Get(), limitMs) == WAIT_OBJECT_0;
  if (result.finished) GetExitCodeProcess(process_.Get(), &result.exitCode);
  return result;
}

void StartedProgram::Kill() {
  TerminateProcess(process_.Get(), 99);
  WaitForSingleObject(process_.Get(), 10000);
}

HWND WaitForWindow(DWORD processId, const wchar_t* className, DWORD limitMs) {
  DWORD start = GetTickCount();
  for (;;) {
    WindowSearch search{processId, className};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (GetTickCount() - start > limitMs) return nullptr;
    Sleep(50);
  }
}

std::string MessageBoxText(HWND dialog) {
  std::string text;
  for (HWND child : Children(dialog, L"Static")) {
    std::string part = TextOf(child);
    if (part.empty()) continue;
    if (!text.empty()) text += "\n";
    text += part;
  }
  return text;
}

std::string ChildText(HWND parent, const wchar_t* className) {
  std::vector<HWND> found = Children(parent, className);
  return found.empty() ? std::string() : TextOf(found.front());
}

bool PressKeyAndWaitGone(HWND window, WORD key, bool withAlt, DWORD limitMs) {
  DWORD start = GetTickCount();
  DWORD lastPress = 0;
  bool pressed = false;
  while (IsWindow(window) && IsWindowVisible(window)) {
    if (GetTickCount() - start > limitMs) return false;
    // Pressed again now and then: the first press may come before the window has
    // taken the focus. Keys go only while the window is in front, so that a window of
    // another test on the same display never receives them.
    if (!pressed || GetTickCount() - lastPress > 2000) {
      SetForegroundWindow(window);
      if (GetForegroundWindow() != window) {
        Sleep(50);
        continue;
      }
      if (withAlt) SendKey(VK_MENU, false);
      SendKey(key, false);
      SendKey(key, true);
      if (withAlt) SendKey(VK_MENU, true);
      pressed = true;
      lastPress = GetTickCount();
    }
    Sleep(50);
  }
  return true;
}

bool WaitForFile(const std::string& path, DWORD limitMs) {
  DWORD start = GetTickCount();
  while (!Exists(path)) {
    if (GetTickCount() - start > limitMs) return false;
    Sleep(50);
  }
  return true;
}
}  // namespace qmtest
