// The launcher application: skin manager, application and main window (see launcher_app.h).
#include "launcher/launcher_app.h"

#include "framework/application.h"
#include "launcher/launcher_skin_controls.h"
#include "launcher/main_form.h"
#include "skin/forms/skin_manager.h"

namespace {
// The skin manager for the run: the window's skin data component creates it and it
// skins the window, with the window-skin parts the launcher uses, and hands its controls
// (the marquee bar) to control wrappers of the launcher's kinds; it goes after the
// application's forms.
class SkinManagerScope {
 public:
  SkinManagerScope() {
    InstallSkinManager(LauncherWindowSkinParts());
    InstallLauncherControlAssignment();
  }
  SkinManagerScope(const SkinManagerScope&) = delete;
  SkinManagerScope& operator=(const SkinManagerScope&) = delete;
  ~SkinManagerScope() { DestroySkinManager(); }
};
}  // namespace

int RunLauncherApplication(HINSTANCE instance, const qmthread::ThreadStarter& startWorker) {
  SkinManagerScope skinManager;
  TApplication application;
  application.Initialize();
  application.MainFormOnTaskBar = true;
  application.Title = "Quillmere";
  application.Icon = LoadIconW(instance, L"MAINICON");
  TformMain* form = application.CreateForm<TformMain>(startWorker);
  application.Run();
  form->StopRun();  // the run's worker is done before its status is read
  if (application.ExitCode() != 0) return application.ExitCode();
  return static_cast<int>(form->ExitStatus);
}
