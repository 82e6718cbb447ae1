// TformMain: what passes between the run, which goes on on the worker thread, and the
// window's thread. The worker never sends to the window (it posts and waits for an
// event or for the form to go), so neither thread can block the other for good; the
// window is shown at most until the program is about to start, and never after.
#include <windows.h>

#include "framework/application.h"
#include "launcher/main_form.h"

void TformMain::ShowWindowUnlessLaunching() {
  {
    qmthread::Hold hold(launchMutex_);
    if (launching_) return;
    windowShown_ = true;
  }
  Show();
}

bool TformMain::HideForLaunch() {
  if (OnWindowThread()) {
    {
      qmthread::Hold hold(launchMutex_);
      launching_ = true;
    }
    HideMainWindow();
    return true;
  }
  bool shown = false;
  {
    qmthread::Hold hold(launchMutex_);
    if (Closing()) return false;
    launching_ = true;
    shown = windowShown_;
  }
  SetEvent(runSettled_.Get());
  // A window that is not shown yet never will be: the run goes on without waiting.
  return !shown || AskWindow(kHideWindow);
}

bool TformMain::CancelLaunch() {
  qmthread::Hold hold(launchMutex_);
  if (launching_) return false;
  SetEvent(closing_.Get());
  return true;
}

bool TformMain::LaunchStarted() {
  qmthread::Hold hold(launchMutex_);
  return launching_;
}

bool TformMain::PostToWindow(UINT message) {
  return runMessages_ && !Closing() && PostMessageW(runMessages_->Handle(), message, 0, 0) != FALSE;
}

bool TformMain::WaitForSkinTaken() {
  HANDLE events[2] = {skinTaken_.Get(), closing_.Get()};
  return WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0;
}

bool TformMain::AskWindow(UINT message) {
  if (!PostToWindow(message)) return false;
  HANDLE events[2] = {requestDone_.Get(), closing_.Get()};
  return WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0;
}

void TformMain::ReportFailure(const std::string& text, uint32_t status) {
  if (OnWindowThread()) {
    DiscardWorkFolder();
    ShowFailure(text, status);
    return;
  }
  if (Closing()) return;  // the form goes: nobody is left to see it
  runFailure_ = text;
  runFailureStatus_ = status;
  PostToWindow(kRunFailed);
}

void TformMain::ShowLaunchError(const std::string& text) {
  if (OnWindowThread()) {
    if (TApplication* app = Application()) app->ShowException(text);
    return;
  }
  runFailure_ = text;
  AskWindow(kShowLaunchError);
}

void TformMain::EndApplication() {
  if (!OnWindowThread()) {
    PostToWindow(kRunEnded);
    return;
  }
  if (TApplication* app = Application()) app->Terminate();
}
