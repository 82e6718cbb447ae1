// The tests' launcher stub whose helper threads never start: the launcher as
// quillmere.exe runs it, except that starting the descriptor worker fails as on a system
// that has no thread to give, so the window must read the descriptor itself.
#include <windows.h>

#include "launcher/launcher_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  qmthread::ThreadStarter noThread = [](std::function<void()>) { return qmthread::Thread(); };
  try {
    return RunLauncherApplication(instance, noThread);
  } catch (...) {
    return 1;
  }
}
