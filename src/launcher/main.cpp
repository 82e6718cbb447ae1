// Entry point of quillmere.exe: the GUI application with its main window, whose
// creation runs the launcher's start-up; the run sequence ends the application, and the
// process ends with the window's exit status (the program's, or the launcher's own). No
// exception leaves WinMain: a failure is shown (on standard error when no message box
// can be shown) and the program ends with status 1, as when the window cannot be shown.
#include <windows.h>

#include <exception>
#include <string>

#include "framework/application.h"
#include "framework/wide.h"
#include "launcher/launcher_app.h"

namespace {
void ShowFatalError(const std::string& text) {
  if (MessageBoxW(nullptr, Widen(text).c_str(), L"Quillmere", MB_OK | MB_ICONERROR) > 0) return;
  WriteErrorLine("Quillmere: " + text);  // no display
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  try {
    return RunLauncherApplication(instance);
  } catch (const std::exception& e) {
    ShowFatalError(e.what());
  } catch (...) {
    ShowFatalError("An unexpected error ended the program.");
  }
  return 1;
}
