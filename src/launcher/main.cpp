// Entry point of quillmere.exe: the GUI application with its main window, whose
// creation runs the launcher's start-up; the run sequence ends the application.
#include <windows.h>

#include "framework/application.h"
#include "launcher/main_form.h"
#include "skin/forms/skin_manager.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The window's skin data component creates the skin manager, which skins the window.
  InstallSkinManager();
  {
    TApplication application;
    application.Initialize();
    application.MainFormOnTaskBar = true;
    application.Title = "Quillmere";
    application.Icon = LoadIconW(instance, L"MAINICON");
    application.CreateForm<TformMain>();
    application.Run();
  }
  DestroySkinManager();
  return 0;
}
