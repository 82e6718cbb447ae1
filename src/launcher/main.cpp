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
#include "launcher/main_form.h"
#include "skin/forms/control_assignment.h"
#include "skin/forms/skin_manager.h"

namespace {
void ShowFatalError(const std::string& text) {
  if (MessageBoxW(nullptr, Widen(text).c_str(), L"Quillmere", MB_OK | MB_ICONERROR) > 0) return;
  WriteErrorLine("Quillmere: " + text);  // no display
}

// The skin manager for the run: the window's skin data component creates it and it
// skins the window and hands its controls (the marquee bar) to control wrappers; it
// goes after the application's forms.
class SkinManagerScope {
 public:
  SkinManagerScope() {
    InstallSkinManager();
    InstallControlAssignment();
  }
  SkinManagerScope(const SkinManagerScope&) = delete;
  SkinManagerScope& operator=(const SkinManagerScope&) = delete;
  ~SkinManagerScope() { DestroySkinManager(); }
};

int RunLauncher(HINSTANCE instance) {
  SkinManagerScope skinManager;
  TApplication application;
  application.Initialize();
  application.MainFormOnTaskBar = true;
  application.Title = "Quillmere";
  application.Icon = LoadIconW(instance, L"MAINICON");
  TformMain* form = application.CreateForm<TformMain>();
  application.Run();
  if (application.ExitCode() != 0) return application.ExitCode();
  return static_cast<int>(form->ExitStatus);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  try {
    return RunLauncher(instance);
  } catch (const std::exception& e) {
    ShowFatalError(e.what());
  } catch (...) {
    ShowFatalError("An unexpected error ended the program.");
  }
  return 1;
}
