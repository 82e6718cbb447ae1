// TformMain: layout, start-up, skin from the payload, and the worker (see main_form.h).
#include "launcher/main_form.h"

#include <windows.h>

#include <system_error>

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
#include "launcher/shell_functions.h"
#include "launcher/side_picture.h"
#include "launcher/special_folders.h"
#include "launcher/storage.h"
#include "launcher/text_utils.h"
#include "launcher/work_folder.h"

namespace {
const char kStatusText[] = "Starting, please wait...";
const TColor kWhite = RgbColour(255, 255, 255);
const TColor kDarkRed = RgbColour(160, 0, 0);

std::vector<std::string> OwnArguments() {
  std::vector<std::string> args;
  int count = 0;
  auto split = LoadedShellFunctions().CommandLineToArgv;
  if (!split) throw std::runtime_error("Cannot read the command line: the system's shell library is missing");
  LPWSTR* argv = split(GetCommandLineW(), &count);
  if (!argv) return args;
  for (int i = 1; i < count; ++i) args.push_back(Narrow(argv[i]));
  LocalFree(argv);
  return args;
}

std::string ReadWholeFile(const std::string& path) {
  TFileStream file(path, FileMode::Read);
  std::string text(static_cast<size_t>(std::min<int64_t>(file.Size(), 1 << 20)), '\0');
  file.ReadBuffer(&text[0], text.size());
  return text;
}
}  // namespace

TformMain::TformMain(TComponent* owner, zlbahead::ThreadStarter startWorker)
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

  SkinData1 = new TSkinData(this);
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
  sequenceDone_ = Win32Handle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  closing_ = Win32Handle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
}

TformMain::~TformMain() {
  if (closing_) SetEvent(closing_.Get());
  if (worker_.joinable()) worker_.join();
  if (!sequenceStarted_) DiscardWorkFolder();  // closed before the hand-over
  DestroyHandle();
}

void TformMain::FormCreate() {
  try {
    StartUp();
  } catch (const std::exception& e) {
    DiscardWorkFolder();
    if (TApplication* app = Application())
      app->ShowException(e.what());
    else
      MessageBoxW(nullptr, Widen(e.what()).c_str(), L"Quillmere", MB_OK | MB_ICONERROR);
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

  AdjustFont(*this);
  MarqueeProgressBar1->SetActive(true);
  SkinTempName = RandomName(5);
  WorkDir = CreateWorkFolder();
  workFolderMade_ = true;
  TakeSkinFromPayload();

  panelProgress->Show();
  HWND window = Handle();
  try {
    worker_ = startWorker_([this, window] { WorkerMain(window); });
  } catch (const std::system_error&) {
    // No second thread: the worker's part is done here, and the hand-over is posted.
    if (PrepareRunOrReport(window)) PostMessageW(window, kRunSequence, 0, 0);
  }
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

void TformMain::TakeSkinFromPayload() {
  // The first open checks the archive; from then on the file is held so that nobody
  // can change it, and later opens skip the check.
  payloadLock_ = FileHandle::Open(ExePath, FileMode::Read);
  myStorage.VerifyArchiveCRC = true;
  try {
    if (!myStorage.OpenArchive(ExePath)) return;
  } catch (const std::exception& e) {
    throw std::runtime_error("Cannot open the payload of " + ExePath + ": " + e.what());
  }
  if (payloadLock_.IsOpen()) myStorage.VerifyArchiveCRC = false;
  if (myStorage.FindFile("skin.skn") < 0) {
    myStorage.CloseArchive();
    return;
  }
  myStorage.ExtractFile(WorkDir, "skin.skn");
  myStorage.CloseArchive();
  std::string unpacked = WorkDir + "skin.skn";
  std::string skinFile = WorkDir + SkinTempName;
  if (!MoveFileW(Widen(unpacked).c_str(), Widen(skinFile).c_str())) skinFile = unpacked;
  // The skin file never stays in the work folder (where it would be saved).
  auto removeSkinFile = [&] {
    fsys::RemoveFile(skinFile);
    fsys::RemoveFile(unpacked);
  };
  try {
    // The component reads the whole file here, so it can go right afterwards.
    SkinData1->SetSkinFile(skinFile);
    SkinData1->SetActive(true);
  } catch (...) {
    removeSkinFile();
    throw;
  }
  removeSkinFile();
}

void TformMain::WorkerMain(HWND window) {
  // No exception leaves the thread: a failure ends the worker before the hand-over,
  // and the window shows it until the user closes it.
  if (!PrepareRunOrReport(window)) return;
  if (!PostMessageW(window, kRunSequence, 0, 0)) return;
  HANDLE events[2] = {sequenceDone_.Get(), closing_.Get()};
  WaitForMultipleObjects(2, events, FALSE, INFINITE);
}

bool TformMain::PrepareRunOrReport(HWND window) {
  try {
    TakeArgumentsAndRecordRun();
  } catch (const std::exception& e) {
    descriptorFailure_ = e.what();
    PostMessageW(window, kDescriptorFailed, 0, 0);
    return false;
  }
  try {
    ReadDescriptor();
    return true;
  } catch (const std::exception& e) {
    descriptorFailure_ = "Cannot read the descriptor app.data of " + ExePath + ": " + e.what();
  } catch (...) {
    descriptorFailure_ = "Cannot read the descriptor app.data of " + ExePath;
  }
  PostMessageW(window, kDescriptorFailed, 0, 0);
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
    // The empty temporary folder made at start-up is not needed any more.
    fsys::RemoveFolder(ExcludeTrailingBackslash(WorkDir));
    workFolderMade_ = false;
    runRecord_.Remove();
    WorkDir = UserFolder(ExePath);
    UseTempWorkDir = false;
  }
}

bool TformMain::HandleMessage(TMessage& m) {
  if (m.Msg == kRunSequence) {
    RunSequence();
    m.Result = 0;
    return true;
  }
  if (m.Msg == kDescriptorFailed) {
    if (worker_.joinable()) worker_.join();  // it ends right after posting
    DiscardWorkFolder();
    ShowFailure(descriptorFailure_, kExitNotStarted);
    m.Result = 0;
    return true;
  }
  return TForm::HandleMessage(m);
}
