// Process launching (see launch.h).
#include "launcher/launch.h"

#include "framework/gdi.h"
#include "framework/wide.h"
#include "launcher/association_command.h"
#include "launcher/command_line.h"
#include "launcher/special_folders.h"
#include "launcher/system_message.h"
#include "launcher/text_utils.h"

namespace {
class RegistryKey {
 public:
  RegistryKey(HKEY root, const std::string& subKey) {
    if (RegOpenKeyExW(root, Widen(subKey).c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS)
      key_ = nullptr;
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// Waits for the process while answering messages sent to this thread's windows, so
// that a program which broadcasts to all top-level windows does not wait for us.
// Returns true when the process ended within the time.
bool WaitForProcess(HANDLE process, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    DWORD remaining = INFINITE;
    if (timeoutMs != INFINITE) {
      DWORD elapsed = GetTickCount() - start;
      remaining = elapsed >= timeoutMs ? 0 : timeoutMs - elapsed;
    }
    DWORD r = MsgWaitForMultipleObjects(1, &process, FALSE, remaining, QS_SENDMESSAGE);
    if (r == WAIT_OBJECT_0) return true;
    if (r != WAIT_OBJECT_0 + 1) return false;
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}
}  // namespace

void FailLaunch(std::initializer_list<std::string_view> pieces) { throw ELaunchError(Joined(pieces)); }

uint32_t RunCommandLine(TLauncherState& state, const std::string& commandLine, DWORD timeoutMs,
                        int priority, const std::string& subject) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  DWORD priorityClass = NORMAL_PRIORITY_CLASS;
  if (priority == 0) priorityClass = HIGH_PRIORITY_CLASS;
  if (priority == 2) priorityClass = IDLE_PRIORITY_CLASS;
  state.StartDir = IncludeTrailingBackslash(state.StartDir);

  // The launched program inherits this environment, with its work folder added.
  SetEnvironmentVariableW(Widen(kWorkDirVariable).c_str(),
                          Widen(ExcludeTrailingBackslash(state.WorkDir)).c_str());
  std::wstring line = Widen(commandLine);
  line.push_back(L'\0');
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE,
                      priorityClass | CREATE_NEW_CONSOLE, nullptr, nullptr, &startup, &info))
    FailLaunch({"Cannot start ", subject, ": ", SystemMessage(GetLastError(), subject)});
  Win32Handle process(info.hProcess), thread(info.hThread);
  if (state.OnProgramStarted) state.OnProgramStarted(info.hProcess, info.dwProcessId);
  if (!WaitForProcess(process.Get(), timeoutMs)) TerminateProcess(process.Get(), 255);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.Get(), &exitCode);
  return exitCode;
}

uint32_t LaunchAndWait(TLauncherState& state, const std::string& path, DWORD timeoutMs,
                       int priority) {
  state.StartDir = IncludeTrailingBackslash(state.StartDir);
  if (path.empty()) return 255;
  return RunCommandLine(state, QuoteProgramPath(path) + JoinArguments(state.PassThroughArgs),
                        timeoutMs, priority, path);
}

std::string ReadClassesRootDefault(const std::string& subKey) {
  RegistryKey key(HKEY_CLASSES_ROOT, subKey);
  if (!key.Get()) return {};
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key.Get(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ)
    FailLaunch({"Invalid data type for the default value of HKEY_CLASSES_ROOT\\", subKey});
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key.Get(), nullptr, nullptr, &type,
                       reinterpret_cast<BYTE*>(&value[0]), &bytes) != ERROR_SUCCESS)
    return {};
  value.resize(bytes / sizeof(wchar_t));
  while (!value.empty() && value.back() == L'\0') value.pop_back();
  return Narrow(value);
}

uint32_t OpenWithAssociation(TLauncherState& state, const std::string& path) {
  std::string extension = ExtractFileExt(path);
  std::string typeName = extension.empty() ? std::string() : ReadClassesRootDefault(extension);
  std::string registered =
      typeName.empty() ? std::string() : ReadClassesRootDefault(typeName + "\\shell\\open\\command");
  if (registered.empty())
    FailLaunch({"Cannot open ", path, ": ", SystemMessage(ERROR_NO_ASSOCIATION, path)});
  std::string command =
      BuildAssociationCommand(registered, path, WindowsFolder(), ProgramFilesFolder());
  return RunCommandLine(state, command + JoinArguments(state.PassThroughArgs), INFINITE, 1, path);
}
