// TformMain: layout, start-up, skin from the payload, and the worker (see main_form.h).
#include "launcher/main_form.h"

#include <windows.h>

#include "framework/application.h"
#include "framework/image.h"
#include "framework/label.h"
#include "framework/path_text.h"
#include "framework/panel.h"
#include "framework/stream.h"
#include "framework/wide.h"
#include "launcher/adjust_font.h"
#include "launcher/command_line.h"
#include "launcher/descriptor.h"
#include "launcher/failure_text.h"
#include "launcher/marquee_progress_bar.h"
#include "launcher/random_name.h"
#include "launcher/side_picture.h"
#include "launcher/special_folders.h"
#include "launcher/storage.h"
#include "launcher/text_utils.h"
#include "launcher/work_folder.h"

namespace {
const char kStatusText[] = "Starting, please wait...";
const TColor kWhite = RgbColour(255, 255, 255);
const TColor kDarkRed = RgbColour(160, 0, 0);

std::vector<std::string> OwnArguments() { return SplitCommandLine(Narrow(GetCommandLineW())); }

std::string ReadWholeFile(const std::string& path) {
  TFileStream file(path, FileMode::Read);
  std::string text(static_cast<size_t>(std::min<int64_t>(file.Size(), 1 << 20)), '\0');
  file.ReadBuffer(&text[0], text.size());
  return text;
}
}  // namespace

TformMain::TformMain(TComponent* owner, qmthread::ThreadStarter startWorker)
    : TForm(owner), startWorker_(std::move(startWorker)) {
  Name = "formMain";
  SetCaption("Quillmere");
  BorderStyle = bsSingle;
  BorderIcons = biSystemMenu;
  Position = poScreenCenter;
  DefaultMonitor = dmPrimary;
  SetColor(SystemColour(COLOR_BTNFACE));
  Font().SetName("Tahoma");
  Font().SetHeight(-11);
  Font().SetColor(SystemColour(COLOR_WINDOWTEXT));
  Font().SetCharset(ANSI_CHARSET);
  SetClientSize(502, 363);

  panelSide = new TPanel(this);
  panelSide->Name = "panelSide";
  panelSide->SetParent(this);
  panelSide->SetBounds(0, 0, 164, 314);
  panelSide->BevelOuter = bvNone;

  imageSide = new TImage(this);
  imageSide->Name = "imageSide";
  imageSide->SetParent(panelSide);
  imageSide->SetBounds(0, 0, 164, 314);
  imageSide->Stretch = true;
  imageSide->Proportional = true;
  imageSide->SetPicture(LoadCompressedPicture(L"SIDEPICTURE"));

  panelProgress = new TPanel(this);
  panelProgress->Name = "panelProgress";
  panelProgress->SetVisible(false);
  panelProgress->SetParent(this);
  panelProgress->SetBounds(163, 0, 339, 314);
  panelProgress->BevelOuter = bvNone;
  panelProgress->SetColor(kWhite);
  panelProgress->ParentBackground = false;

  lblStatus = new TLabel(this);
  lblStatus->Name = "lblStatus";
  lblStatus->SetParent(panelProgress);
  lblStatus->SetBounds(78, 169, 182, 13);
  lblStatus->Alignment = taCenter;
  lblStatus->SetCaption(kStatusText);

  MarqueeProgressBar1 = new TMarqueeProgressBar(this);
  MarqueeProgressBar1->Name = "MarqueeProgressBar1";
  MarqueeProgressBar1->SetParent(panelProgress);
  MarqueeProgressBar1->SetBounds(64, 132, 212, 17);

  textFailure = new TFailureText(this);
  textFailure->Name = "textFailure";
  textFailure->SetVisible(false);
  textFailure->SetParent(panelProgress);
  textFailure->SetBounds(16, 100, 307, 110);
  textFailure->SetColor(kWhite);
  textFailure->Font().SetColor(kDarkRed);

  panelSeparator = new TPanel(this);
  panelSeparator->Name = "panelSeparator";
  panelSeparator->SetParent(this);
  panelSeparator->SetBounds(0, 314, 504, 2);
  panelSeparator->BevelOuter = bvNone;
  panelSeparator->BevelKind = bkTile;
  panelSeparator->BevelEdges = beTop;
  panelSeparator->SetColor(kWhite);

  // No class map: the window's controls are all of the launcher's own classes, which no
  // line of the default map names (see LauncherClassMapStep).
  SkinData1 = new TSkinData(this, {});
  SkinData1->Name = "SkinData1";
  SkinData1->DisableTag = 99;
  SkinData1->Options = WithOption(WithOption(0, xoPreview), xoToolbarBK);
  SkinData1->SkinFormtype = sfMainform;
  SkinData1->MenuUpdate = true;
  SkinData1->MenuMerge = false;
  SkinData1->SkinControls = kDefaultSkinControls;  // every kind but menu items and reports
  SkinData1->Loaded();

  // The payload component keeps files already in place when the per-user folder is
  // the work folder, and never rewrites a main entry that was there before.
  myStorage.OnReplaceFile = [this](const std::string& file, bool& replace) {
    replace = UseTempWorkDir && !SameTextAscii(CollapseBackslashes(file), keptMainFile_);
  };
  windowThread_ = GetCurrentThreadId();
  requestDone_ = Win32Handle(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  skinTaken_ = Win32Handle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  runSettled_ = Win32Handle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  closing_ = Win32Handle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
}

TformMain::~TformMain() {
  StopRun();
  if (!sequenceStarted_) DiscardWorkFolder();  // closed before the run unpacked
  DestroyHandle();
}

void TformMain::StopRun() {
  if (closing_) SetEvent(closing_.Get());
  worker_.Join();
}

void TformMain::FormCreate() {
  try {
    StartUp();
  } catch (const std::exception& e) {
    StopRun();
    DiscardWorkFolder();
    TApplication* app = Application();
    if (app && app->OnException) {
      app->ShowException(e.what());
    } else if (MessageBoxW(nullptr, Widen(e.what()).c_str(), L"Quillmere", MB_OK | MB_ICONERROR) <= 0) {
      // No message box can be shown, so no window either (no display): the launcher
      // ends at once with status 1 and says so on standard error.
      WriteErrorLine(Joined({"Quillmere: ", e.what(), " (and no window can be shown)"}));
      ExitStatus = 1;
      if (app) {
        app->ShowMainForm = false;
        app->Terminate();
      }
      return;
    }
    try {
      ShowFailure(e.what(), kExitNotStarted);
    } catch (const std::exception&) {
      ExitStatus = kExitNotStarted;  // no window to show it in; the error was shown
    }
  }
}

void TformMain::ShowFailure(const std::string& text, uint32_t status) {
  ExitStatus = status;
  MarqueeProgressBar1->SetActive(false);
  MarqueeProgressBar1->Hide();
  lblStatus->Hide();
  textFailure->SetCaption(text);
  textFailure->Show();
  panelProgress->Show();
  if (TApplication* app = Application()) app->ShowMainForm = true;
  if (HandleAllocated()) Show();
}

void TformMain::DiscardWorkFolder() {
  if (!workFolderMade_ || !UseTempWorkDir) return;
  workFolderMade_ = false;
  // Leave the folder first in case it is the current one.
  SetCurrentDirectoryW(Widen(fsys::TempFolder()).c_str());
  DeleteWorkFolder(WorkDir);
  runRecord_.Remove();
}

void TformMain::StartUp() {
  StartDir = fsys::CurrentFolder();
  PassThrough.clear();
  PassThroughArgs.clear();
  ExtraFile.clear();
  UseTempWorkDir = true;
  ExePath = OwnExePath();
  // The window shows itself when it is set up, unless the program runs by then.
  if (TApplication* app = Application()) app->ShowMainForm = false;

  SkinTempName = RandomName(5);
  WorkDir = CreateWorkFolder();
  workFolderMade_ = true;
  const std::string skinFile = UnpackSkin();

  // The run starts before the windows are made, so that the program never waits for
  // them; without a second thread the run follows the set-up on this thread. The
  // run's message window is made here, not with the form, which tests also make
  // without a run.
  runMessages_ = std::make_unique<TRunMessages>([this](UINT message) { HandleRunMessage(message); });
  worker_ = startWorker_([this] { WorkerMain(); });
  if (!worker_.Joinable()) {
    TakeSkin(skinFile);
    SetUpWindows();
    if (PrepareRunOrReport()) PostToWindow(kRunSequence);
    return;
  }
  try {
    TakeSkin(skinFile);
    // A run that starts its program within a moment never needs the window, which
    // would only flash; making it then would only slow the program's start.
    WaitForSingleObject(runSettled_.Get(), kWindowDelayMs);
    SetUpWindows();
  } catch (...) {
    if (CancelLaunch()) throw;  // the run stops before its program: shown as ever
    // The program runs already and the window is not needed any more.
  }
}

void TformMain::SetUpWindows() {
  if (LaunchStarted()) return;
  AdjustFont(*this);
  MarqueeProgressBar1->SetActive(true);
  panelProgress->Show();
  ShowWindowUnlessLaunching();
}

void TformMain::TakeArgumentsAndRecordRun() {
  TLauncherArguments args = SplitArguments(OwnArguments());
  PassThrough = args.PassThrough;
  PassThroughArgs = args.PassThroughArgs;
  ExtraFile = args.ExtraFile;
  runRecord_.Record().WorkDir = WorkDir;
  runRecord_.Record().Launcher = CurrentProcessMark();
  runRecord_.Write(UserFolder(ExePath));
}

void TformMain::WorkerMain() {
  // No exception leaves the thread: a failure ends the worker before the launch, and
  // the window shows it until the user closes it.
  struct Settled {
    HANDLE event;
    ~Settled() { SetEvent(event); }
  } settled{runSettled_.Get()};
  if (!PrepareRunOrReport()) return;
  RunSequence();
}

bool TformMain::PrepareRunOrReport() {
  try {
    TakeArgumentsAndRecordRun();
  } catch (const std::exception& e) {
    ReportFailure(e.what(), kExitNotStarted);
    return false;
  }
  std::string failure;
  try {
    ReadDescriptor();
    return true;
  } catch (const std::exception& e) {
    failure = Joined({"Cannot read the descriptor app.data of ", ExePath, ": ", e.what()});
  } catch (...) {
    failure = "Cannot read the descriptor app.data of " + ExePath;
  }
  ReportFailure(failure, kExitNotStarted);
  return false;
}

void TformMain::ReadDescriptor() {
  if (myStorage.OpenArchive(ExePath)) {
    std::string descriptorFile = WorkDir + "\\app.data";
    try {
      myStorage.ExtractFile(WorkDir, "app.data");
      TDescriptor descriptor = ParseDescriptor(ReadWholeFile(descriptorFile));
      MainEntryName = descriptor.MainEntryName;
      KeepInUserFolder = descriptor.KeepInUserFolder;
      fsys::RemoveFile(descriptorFile);
    } catch (...) {
      fsys::RemoveFile(descriptorFile);
      myStorage.CloseArchive();
      throw;
    }
  }
  myStorage.CloseArchive();
  if (KeepInUserFolder) {
    // The empty temporary folder made at start-up is not needed any more; while the
    // skin is still in it, the window's thread removes it after the skin.
    {
      qmthread::Hold hold(launchMutex_);
      std::string temp = ExcludeTrailingBackslash(WorkDir);
      if (!fsys::RemoveFolder(temp)) leftTempFolder_ = temp;
    }
    workFolderMade_ = false;
    runRecord_.Remove();
    WorkDir = UserFolder(ExePath);
    UseTempWorkDir = false;
  }
}

void TformMain::HandleRunMessage(UINT message) {
  switch (message) {
    case kRunSequence:
      RunSequence();
      break;
    case kRunFailed:
      worker_.Join();  // it ends right after posting
      DiscardWorkFolder();
      ShowFailure(runFailure_, runFailureStatus_);
      break;
    case kHideWindow:
      HideMainWindow();
      SetEvent(requestDone_.Get());
      break;
    case kShowLaunchError:
      if (TApplication* app = Application()) app->ShowException(runFailure_);
      SetEvent(requestDone_.Get());
      break;
    case kRunEnded:
      worker_.Join();
      if (TApplication* app = Application()) app->Terminate();
      break;
    default:
      break;
  }
}
