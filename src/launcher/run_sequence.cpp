// TformMain's run sequence: unpack the payload into the start folder, restore the
// storage archive into the work folder, hide the window, run the main entry (or the
// KVRUNEXTRA file) and wait, delete what was unpacked, save the work folder and end.
#include <windows.h>

#include "framework/application.h"
#include "framework/file_system.h"
#include "framework/path_text.h"
#include "framework/wide.h"
#include "launcher/launch.h"
#include "launcher/main_form.h"
#include "launcher/random_name.h"
#include "launcher/storage.h"
#include "launcher/text_utils.h"

namespace {
const char kDescriptorName[] = "app.data";

void ChangeFolder(const std::string& folder) { SetCurrentDirectoryW(Widen(folder).c_str()); }

// Runs a program directly when its name ends in ".exe" (any case), else opens it
// through its file type's association.
void LaunchFile(TLauncherState& state, const std::string& name, const std::string& path) {
  if (SameTextAscii(ExtractFileExt(name), ".exe"))
    LaunchAndWait(state, path, INFINITE, 1);
  else
    OpenWithAssociation(state, path);
}

template <class Step>
void Attempt(Step step) {
  try {
    step();
  } catch (...) {
    // Clean-up goes on whatever fails.
  }
}
}  // namespace

void TformMain::RunSequence() {
  try {
    RunSequenceSteps();
  } catch (...) {
  }
  SetEvent(sequenceDone_.Get());
}

void TformMain::HideMainWindow() {
  Hide();
  if (TApplication* app = Application()) app->ShowMainForm = false;
}

void TformMain::RunSequenceSteps() {
  // Unpack and restore. A failure here stops the sequence: nothing is deleted or
  // saved and the window stays open.
  myStorage.ExtractWithPath = true;
  if (!myStorage.OpenArchive(ExePath)) return;
  myStorage.ExtractAll(StartDir);
  RestoreStorage(ZLBArc21, StoragePath(ExePath), WorkDir);

  // Launch. From here on the launcher cleans up and ends whatever happens, so that it
  // never stays running without a window.
  std::string mainFile;
  try {
    if (!ExtraFile.empty()) {
      std::string path = CollapseBackslashes(WorkDir + "\\" + ExtraFile);
      ChangeFolder(StartDir);
      HideMainWindow();
      LaunchFile(*this, path, path);
      ChangeFolder(WorkDir);
    }
    for (int i = 0; i < myStorage.FileCount(); ++i) {
      TZLBEntry entry;
      myStorage.GetFileEntry(i, entry);
      const std::string& name = entry.Name;
      std::string randomName;
      if (name != kDescriptorName) randomName = RandomName(20);
      bool isMain = name == MainEntryName;
      if (isMain && ExtraFile.empty()) {
        mainFile = StartDir + "\\" + name;
        std::string extension = ExtractFileExt(mainFile);
        if (UpperAscii(extension) != ".EXE") {
          // A document gets a name of its own so that it cannot clash with others.
          std::string renamed = StartDir + "\\" + randomName + extension;
          MoveFileW(Widen(mainFile).c_str(), Widen(renamed).c_str());
          mainFile = renamed;
        }
        mainFile = CollapseBackslashes(mainFile);
        ChangeFolder(StartDir);
        HideMainWindow();
        LaunchFile(*this, name, mainFile);
        ChangeFolder(WorkDir);
      }
      if ((name == kDescriptorName || UseTempWorkDir || isMain) && !mainFile.empty())
        fsys::RemoveFile(mainFile);
    }
  } catch (...) {
  }
  CleanUpAndEnd(mainFile);
}

void TformMain::CleanUpAndEnd(const std::string& mainFile) {
  HideMainWindow();
  Attempt([&] {
    for (int i = 0; i < myStorage.FileCount(); ++i) {
      TZLBEntry entry;
      myStorage.GetFileEntry(i, entry);
      if (UseTempWorkDir || entry.Name == MainEntryName)
        fsys::RemoveFile(WorkDir + "\\" + entry.Name);
    }
  });
  Attempt([&] { myStorage.CloseArchive(); });
  payloadLock_.Close();
  if (!mainFile.empty()) fsys::RemoveFile(mainFile);
  fsys::RemoveFile(WorkDir + "\\" + kDescriptorName);
  Attempt([&] {
    if (UseTempWorkDir) {
      // Leave the work folder (the current folder since the launch) so it can go.
      ChangeFolder(fsys::TempFolder());
      // A work folder that could not be saved whole is kept, so no file is lost.
      if (SaveStorage(ZLBArc21, StoragePath(ExePath), WorkDir) == TSaveResult::Saved)
        DeleteWorkFolder(WorkDir);
    }
  });
  Attempt([&] { ZLBArc21.CloseArchive(); });
  if (TApplication* app = Application()) app->Terminate();
}
