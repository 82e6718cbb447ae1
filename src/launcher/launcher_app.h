// The launcher application as quillmere.exe runs it: the skin manager, the application
// object and the main window, whose creation starts the run; returns the exit status
// (the program's, or the launcher's own).
#pragma once
#include <windows.h>

#include "framework/threads.h"

// startWorker starts the window's descriptor worker; when it gives no thread the
// window reads the descriptor itself (a test passes one that always fails).
int RunLauncherApplication(HINSTANCE instance, const qmthread::ThreadStarter& startWorker = qmthread::StartThread);
