// TformMain: the launcher's main window. It carries the launcher state, lays out the
// side picture and the progress panel, runs start-up when the application creates it,
// takes the arguments, records the run and reads the descriptor on a worker thread, and
// runs the unpack-run-clean-up sequence when the worker hands it over. What fails before the program starts is shown in the
// window, which stays until closed; ExitStatus is what the launcher ends with.
#pragma once
#include <functional>
#include <string>
#include <thread>

#include "archive/ahead_compressor.h"
#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "framework/form.h"
#include "framework/gdi.h"
#include "launcher/exit_status.h"
#include "launcher/launcher_state.h"
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
  explicit TformMain(TComponent* owner, zlbahead::ThreadStarter startWorker = zlbahead::StartThread);
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

  // The hand-over message the worker posts to run the sequence, and the one it posts
  // when reading the descriptor failed.
  static constexpr UINT kRunSequence = WM_APP + 1;
  static constexpr UINT kDescriptorFailed = WM_APP + 2;

  // What the launcher ends with: the program's exit status once it ran, else one of
  // the launcher's own (exit_status.h).
  uint32_t ExitStatus = kExitNotStarted;
  // Shows what failed in place of the progress bar, shows the window again when it
  // was hidden, and makes status the exit status.
  void ShowFailure(const std::string& text, uint32_t status);

 protected:
  void FormCreate() override;
  bool HandleMessage(TMessage& message) override;

 private:
  void StartUp();
  void TakeSkinFromPayload();
  void WorkerMain(HWND window);
  // The worker's part before the hand-over: takes the arguments, records the run and
  // reads the descriptor; on failure posts kDescriptorFailed and returns false.
  bool PrepareRunOrReport(HWND window);
  // Needs the shell, which the window's thread does without until the program runs.
  void TakeArgumentsAndRecordRun();
  void ReadDescriptor();
  void RunSequence();
  void RunSequenceSteps();
  // Unpacks the payload into the start folder and restores the storage archive; what
  // fails throws, after the files this step created are removed again.
  void UnpackAndRestore();
  void HideMainWindow();
  void CleanUpAndEnd(const std::string& mainFile);
  // Removes the temporary work folder of a run that never started its program.
  void DiscardWorkFolder();

  zlbahead::ThreadStarter startWorker_;
  std::thread worker_;
  std::string descriptorFailure_;  // written by the worker before kDescriptorFailed
  bool sequenceStarted_ = false;
  bool workFolderMade_ = false;  // a temporary work folder of this run exists
  // The main entry's file when it was in the start folder before, equal to the entry:
  // it is run and never replaced or deleted.
  std::string keptMainFile_;
  // The record of this run's temporary work folder, by which a later start saves it
  // when this launcher does not end normally.
  TRunRecordFile runRecord_;
  Win32Handle sequenceDone_;  // set when the run sequence has returned
  Win32Handle closing_;       // set when the form goes before the hand-over
  // Held from the first (checked) open of the payload to the end: it denies writing,
  // renaming and deleting the own executable, so later opens need not check it again.
  FileHandle payloadLock_;
};
