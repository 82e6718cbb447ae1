// Entry point of quillmere.exe: the GUI application with its main window, whose
// creation runs the launcher's start-up; the run sequence ends the application.
#include <windows.h>

#include "framework/application.h"
#include "launcher/main_form.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  TApplication application;
  application.Initialize();
  application.MainFormOnTaskBar = true;
  application.Title = "Quillmere";
  application.Icon = LoadIconW(instance, L"MAINICON");
  application.CreateForm<TformMain>();
  application.Run();
  return 0;
}
