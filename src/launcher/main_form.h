// TformMain: the launcher's main window. It carries the launcher state, lays out the
// side picture and the progress panel, runs start-up when the application creates it,
// and starts the run on a worker thread before it sets up its windows: the worker takes
// the arguments, records the run, reads the descriptor, unpacks and restores, then (once
// the window is hidden, or was never shown) runs the program, cleans up and saves, so the
// program never waits for the window or the skin. What fails before the program starts
// is shown in the window, which stays until closed; ExitStatus is what the launcher ends
// with.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "framework/form.h"
#include "framework/gdi.h"
#include "framework/threads.h"
#include "launcher/exit_status.h"
#include "launcher/launcher_state.h"
#include "launcher/run_messages.h"
#include "launcher/run_records.h"
#include "skin/data/skin_data.h"

class TPanel;
class TImage;
class TLabel;
class TMarqueeProgressBar;
class TFailureText;

class TformMain : public TForm, public TLauncherState {
 public:
  // The stored layout; no start-up yet. startWorker starts the descriptor worker at
  // start-up; when it cannot, the descriptor is read on this thread.
  explicit TformMain(TComponent* owner, qmthread::ThreadStarter startWorker = qmthread::StartThread);
  ~TformMain() override;
  const char* ClassName() const override { return "TformMain"; }

  // Controls, owned by the form.
  TPanel* panelSide = nullptr;
  TImage* imageSide = nullptr;
  TPanel* panelProgress = nullptr;
  TLabel* lblStatus = nullptr;
  TMarqueeProgressBar* MarqueeProgressBar1 = nullptr;
  TPanel* panelSeparator = nullptr;
  TFailureText* textFailure = nullptr;  // hidden until something fails

  // The payload (the own executable) and the storage archive.
  TZLBArc2 myStorage;
  TZLBArc2 ZLBArc21;

  // The skin, inactive until the payload brings one; owned by the form.
  TSkinData* SkinData1 = nullptr;

  // Messages of the run to the window's thread, posted to its message window.
  // kRunSequence runs the sequence on the window's thread (when no worker could be
  // started); the worker posts the others.
  static constexpr UINT kRunSequence = WM_APP + 1;
  static constexpr UINT kRunFailed = WM_APP + 2;        // shows the failure; the run is over
  static constexpr UINT kHideWindow = WM_APP + 3;       // hides the shown window before the launch
  static constexpr UINT kShowLaunchError = WM_APP + 4;  // a message box; the worker waits for it
  static constexpr UINT kRunEnded = WM_APP + 5;         // ends the application

  // What the launcher ends with: the program's exit status once it ran, else one of
  // the launcher's own (exit_status.h).
  uint32_t ExitStatus = kExitNotStarted;
  // Shows what failed in place of the progress bar, shows the window again when it
  // was hidden, and makes status the exit status.
  void ShowFailure(const std::string& text, uint32_t status);
  // Stops a run that has not started its program (a run that has waits until it is
  // done) and waits for the worker; ExitStatus is final afterwards.
  void StopRun();

 protected:
  void FormCreate() override;

 private:
  void StartUp();
  // Hands the unpacked skin to the skin data component and deletes the file, then sets
  // skinTaken_ (also when that fails).
  void TakeSkin(const std::string& skinFile);
  // Start-up's windows: font, marquee, the shown window; left out when the program runs
  // by then. The run goes on meanwhile; a failure here stops it unless its program runs
  // already.
  void SetUpWindows();
  void HandleRunMessage(UINT message);
  // Unpacks skin.skn into the work folder under SkinTempName; empty without a skin.
  std::string UnpackSkin();
  // Hands the unpacked skin to the skin data component and deletes the file.
  void ActivateSkin(const std::string& skinFile);
  void WorkerMain();
  // The worker's part before the unpack: takes the arguments, records the run and
  // reads the descriptor; on failure reports it and returns false.
  bool PrepareRunOrReport();
  void TakeArgumentsAndRecordRun();
  void ReadDescriptor();
  void RunSequence();
  void RunSequenceSteps();
  // Unpacks the payload into the start folder, restores the storage archive and hides
  // the window; what fails throws, after the files this step created are removed again.
  void UnpackAndRestore();
  void HideMainWindow();
  void CleanUpAndEnd(const std::string& mainFile);
  // Removes the temporary work folder of a run that never started its program.
  void DiscardWorkFolder();

  // ---- Between the run (on the worker) and the window's thread ----
  bool OnWindowThread() const { return GetCurrentThreadId() == windowThread_; }
  bool LaunchStarted();
  bool Closing() const { return WaitForSingleObject(closing_.Get(), 0) == WAIT_OBJECT_0; }
  // Shows the window unless the run is about to launch or has launched its program.
  void ShowWindowUnlessLaunching();
  // From the run: the window is hidden (or will never be shown) from here on; false
  // when the window is going and the run must stop.
  bool HideForLaunch();
  // Claims the launch for a failure of the window: true when the program has not been
  // started and never will be.
  bool CancelLaunch();
  bool PostToWindow(UINT message);
  // Waits until the skin file has left the work folder; false when the form goes.
  bool WaitForSkinTaken();
  // Posts message and waits until the window's thread has handled it.
  bool AskWindow(UINT message);
  // The failure shown in the window (the run is over), from any thread.
  void ReportFailure(const std::string& text, uint32_t status);
  void ShowLaunchError(const std::string& text);
  void EndApplication();

  qmthread::ThreadStarter startWorker_;
  qmthread::Thread worker_;  // lets nothing out (WorkerMain)
  DWORD windowThread_ = 0;
  std::unique_ptr<TRunMessages> runMessages_;
  Win32Handle requestDone_;
  // Set once the skin file is gone from the work folder (or there was none): the run
  // neither starts the program nor removes the folder before.
  Win32Handle skinTaken_;
  // Set when the run has started its program or has ended before it.
  Win32Handle runSettled_;
  // How long start-up waits for the run to start its program before it makes the
  // window: a program that starts within this time never sees the window.
  static constexpr DWORD kWindowDelayMs = 100;   // set by the window's thread when it handled an AskWindow
  Win32Handle closing_;       // set when the form goes (or stops the run)
  qmthread::Mutex launchMutex_;  // guards the three fields below
  bool launching_ = false;    // the program is about to start or runs: never show the window
  bool windowShown_ = false;
  // The temporary folder left when the per-user folder became the work folder while
  // the skin was still in it; the window's thread removes it after the skin.
  std::string leftTempFolder_;
  // Written by the worker before it posts kRunFailed or kShowLaunchError.
  std::string runFailure_;
  uint32_t runFailureStatus_ = kExitNotStarted;
  bool sequenceStarted_ = false;
  bool workFolderMade_ = false;  // a temporary work folder of this run exists
  // The main entry's file when it was in the start folder before, equal to the entry:
  // it is run and never replaced or deleted.
  std::string keptMainFile_;
  // The record of this run's temporary work folder, by which a later start saves it
  // when this launcher does not end normally.
  TRunRecordFile runRecord_;
  // Held from the first (checked) open of the payload to the end: it denies writing,
  // renaming and deleting the own executable, so later opens need not check it again.
  FileHandle payloadLock_;
};
