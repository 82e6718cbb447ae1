// TformMain: the launcher's main window. It carries the launcher state, lays out the
// side picture and the progress panel, runs start-up when the application creates it,
// reads the descriptor on a worker thread and runs the unpack-run-clean-up sequence
// when the worker hands it over.
#pragma once
#include <functional>
#include <string>
#include <thread>

#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "framework/form.h"
#include "framework/gdi.h"
#include "launcher/launcher_state.h"
#include "skin/data/skin_data.h"

class TPanel;
class TImage;
class TLabel;
class TMarqueeProgressBar;

class TformMain : public TForm, public TLauncherState {
 public:
  explicit TformMain(TComponent* owner);  // the stored layout; no start-up yet
  ~TformMain() override;
  const char* ClassName() const override { return "TformMain"; }

  // Controls, owned by the form.
  TPanel* panelSide = nullptr;
  TImage* imageSide = nullptr;
  TPanel* panelProgress = nullptr;
  TLabel* lblStatus = nullptr;
  TMarqueeProgressBar* MarqueeProgressBar1 = nullptr;
  TPanel* panelSeparator = nullptr;

  // The payload (the own executable) and the storage archive.
  TZLBArc2 myStorage;
  TZLBArc2 ZLBArc21;

  // The skin, inactive until the payload brings one; owned by the form.
  TSkinData* SkinData1 = nullptr;

  // The hand-over message the worker posts to run the sequence.
  static constexpr UINT kRunSequence = WM_APP + 1;

 protected:
  void FormCreate() override;
  bool HandleMessage(TMessage& message) override;

 private:
  void StartUp();
  void TakeSkinFromPayload();
  void WorkerMain(HWND window);
  void ReadDescriptor();
  void RunSequence();
  void RunSequenceSteps();
  void HideMainWindow();
  void CleanUpAndEnd(const std::string& mainFile);

  std::thread worker_;
  Win32Handle sequenceDone_;  // set when the run sequence has returned
  Win32Handle closing_;       // set when the form goes before the hand-over
  // Held from the first (checked) open of the payload to the end: it denies writing,
  // renaming and deleting the own executable, so later opens need not check it again.
  FileHandle payloadLock_;
};
