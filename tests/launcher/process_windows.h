// Helpers of the launcher's end-to-end tests for programs that run on their own: a
// started process with a time limit, and the windows it shows (found by bounded polls,
// read through their window texts, answered with real key presses).
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "framework/gdi.h"
#include "test_support.h"

namespace qmtest {
// A program started without waiting; the destructor ends it when it still runs.
class StartedProgram {
 public:
  StartedProgram(const std::string& program, const std::vector<std::string>& args,
                 const std::string& folder, const std::map<std::string, std::string>& env = {});
  ~StartedProgram();
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;
  bool Started() const { return process_.Get() != nullptr; }
  DWORD Id() const { return id_; }
  // Waits up to limitMs for the end; finished is false when it still ran (it goes on).
  RunResult Wait(DWORD limitMs = 60000);
  void Kill();

 private:
  Win32Handle process_;
  DWORD id_ = 0;
};

// Polls (bounded) until the process shows a visible top-level window of the class;
// null at the limit.
HWND WaitForWindow(DWORD processId, const wchar_t* className, DWORD limitMs = 30000);
// The text of a message box: its static texts, joined by line ends.
std::string MessageBoxText(HWND dialog);
// The window text of the first child (at any depth) of the class; empty if none.
std::string ChildText(HWND parent, const wchar_t* className);
// Brings the window to the front and presses the key (with Alt when asked) through
// SendInput, only while the window is in front; then polls until the window is gone.
// True when it went.
bool PressKeyAndWaitGone(HWND window, WORD key, bool withAlt = false, DWORD limitMs = 15000);
// Polls until the file exists; false at the limit.
bool WaitForFile(const std::string& path, DWORD limitMs = 30000);
}  // namespace qmtest
