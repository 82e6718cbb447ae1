// TformMain's run sequence: unpack the payload into the start folder, restore the
// storage archive into the work folder, hide the window, run the main entry (or the
// KVRUNEXTRA file) and wait, delete what was unpacked, save the work folder and end.
// A file that was in the start folder before is never deleted, and a failure before the
// launch is shown in the window instead of leaving it waiting. It runs on the worker
// thread (on the window's thread when there is no worker) and reaches the window
// through the hand-over calls of main_form_handover.cpp.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/application.h"
#include "framework/file_system.h"
#include "framework/path_text.h"
#include "framework/wide.h"
#include "launcher/fail.h"
#include "launcher/file_compare.h"
#include "launcher/launch.h"
#include "launcher/leftover_runs.h"
#include "launcher/main_form.h"
#include "launcher/random_name.h"
#include "launcher/special_folders.h"
#include "launcher/storage.h"
#include "launcher/storage_lock.h"
#include "launcher/storage_merge.h"
#include "launcher/user_folder.h"
#include "launcher/text_utils.h"

namespace {
const char kDescriptorName[] = "app.data";

void ChangeFolder(const std::string& folder) { SetCurrentDirectoryW(Widen(folder).c_str()); }

// Runs a program directly when its name ends in ".exe" (any case), else opens it
// through its file type's association; returns its exit status.
uint32_t LaunchFile(TLauncherState& state, const std::string& name, const std::string& path) {
  if (SameTextAscii(ExtractFileExt(name), ".exe")) return LaunchAndWait(state, path, INFINITE, 1);
  return OpenWithAssociation(state, path);
}

template <class Step>
void Attempt(Step step) {
  try {
    step();
  } catch (...) {
    // Clean-up goes on whatever fails.
  }
}

// Collects the first problem an archive component logs during a bulk extraction.
struct FirstLoggedError {
  explicit FirstLoggedError(TZLBArc2& archive) : archive_(archive), previous_(archive.OnErrorLogged) {
    archive.OnErrorLogged = [this](const std::string& message) {
      if (text.empty()) text = message;
    };
  }
  FirstLoggedError(const FirstLoggedError&) = delete;
  FirstLoggedError& operator=(const FirstLoggedError&) = delete;
  ~FirstLoggedError() { archive_.OnErrorLogged = previous_; }
  // Fails with "<what><subject>: <the problem>" when there was one.
  void ThrowIfAny(const char* what, const std::string& subject) const {
    if (!text.empty()) Fail({what, subject, ": ", text});
  }
  std::string text;

 private:
  TZLBArc2& archive_;
  TErrorLogEvent previous_;
};

std::vector<TZLBEntry> EntriesOf(const TZLBArc2& archive) {
  std::vector<TZLBEntry> entries(static_cast<size_t>(archive.FileCount()));
  for (size_t i = 0; i < entries.size(); ++i) archive.GetFileEntry(static_cast<int>(i), entries[i]);
  return entries;
}
}  // namespace

void TformMain::RunSequence() {
  try {
    RunSequenceSteps();
  } catch (...) {
  }
}

void TformMain::HideMainWindow() {
  Hide();
  if (TApplication* app = Application()) app->ShowMainForm = false;
}

void TformMain::UnpackAndRestore() {
  std::vector<TZLBEntry> entries = EntriesOf(myStorage);
  // The main entry never replaces a file of the same name that differs from it; one
  // that is equal is run as it stands and left in place.
  int mainIndex = myStorage.FindFile(MainEntryName);
  if (mainIndex >= 0 && entries[static_cast<size_t>(mainIndex)].Name == MainEntryName) {
    std::string target = CollapseBackslashes(StartDir + "\\" + MainEntryName);
    if (fsys::PathExists(target)) {
      if (!FileEqualsEntry(myStorage, mainIndex, target))
        Fail({"A different file is in the way of the program: ", target,
              " (it is left as it is; start the program from another folder)"});
      keptMainFile_ = target;
    }
  }
  // What this step creates in the start folder goes again when the step fails.
  std::vector<std::string> created;
  for (const TZLBEntry& e : entries) {
    std::string target = CollapseBackslashes(StartDir + "\\" + e.StoredPath + e.Name);
    if (!fsys::PathExists(target)) created.push_back(target);
  }
  try {
    FirstLoggedError unpackError(myStorage);
    myStorage.ExtractAll(StartDir);
    unpackError.ThrowIfAny("Cannot unpack the program into ", StartDir);
    // The per-user folder is created when it is the work folder, so the program's
    // writes there succeed from the first run on.
    if (!UseTempWorkDir && !fsys::CreateFolders(ExcludeTrailingBackslash(WorkDir)))
      Fail({"Cannot create the work folder ", WorkDir});
    // Saves and restores of this launcher's storage happen one at a time.
    TStorageLock lock(UserFolderKey(ExePath));
    if (UseTempWorkDir) SaveLeftoverRuns(ExePath, runRecord_.Path(), entries);
    FirstLoggedError restoreError(ZLBArc21);
    RestoreStorage(ZLBArc21, StoragePath(ExePath), WorkDir);
    restoreError.ThrowIfAny("Cannot restore the saved files from ", StoragePath(ExePath));
    if (UseTempWorkDir) {
      // From here on the folder holds the program's files: the record lets a later
      // start save it should this launcher not end normally.
      runRecord_.Record().Files = ListRestored(ZLBArc21, WorkDir);
      runRecord_.Record().Restored = true;
      runRecord_.Write(UserFolder(ExePath));
    }
    // The window goes before the program starts (or never shows).
    if (!WaitForSkinTaken() || !HideForLaunch()) throw std::runtime_error("The window was closed before the program started");
  } catch (...) {
    for (const std::string& file : created) fsys::RemoveFile(file);
    throw;
  }
}

void TformMain::RunSequenceSteps() {
  sequenceStarted_ = true;
  // Unpack and restore. A failure here is shown in the window, which stays open; the
  // temporary work folder goes and nothing is saved.
  try {
    myStorage.ExtractWithPath = true;
    if (!myStorage.OpenArchive(ExePath)) Fail({"Cannot open the payload of ", ExePath});
    UnpackAndRestore();
  } catch (const std::exception& e) {
    Attempt([&] { myStorage.CloseArchive(); });
    Attempt([&] { ZLBArc21.CloseArchive(); });
    payloadLock_.Close();
    WaitForSkinTaken();
    DiscardWorkFolder();
    ReportFailure(e.what(), kExitPrepareFailed);
    return;
  }

  // Launch. From here on the launcher cleans up and ends whatever happens, so that it
  // never stays running without a window.
  OnProgramStarted = [this](void* process, unsigned long id) {
    if (!UseTempWorkDir) return;
    runRecord_.Record().Program = ProcessMarkOf(process, id);
    runRecord_.Write(UserFolder(ExePath));
  };
  std::string mainFile;
  try {
    if (!ExtraFile.empty()) {
      std::string path = CollapseBackslashes(WorkDir + "\\" + ExtraFile);
      ChangeFolder(StartDir);
      ExitStatus = LaunchFile(*this, path, path);
      ChangeFolder(WorkDir);
    }
    if (ExtraFile.empty() && myStorage.FindFile(MainEntryName) < 0)
      FailLaunch({"Cannot start ", MainEntryName, ": the payload holds no entry of that name"});
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
          // A document gets a name of its own so that it cannot clash with others; a
          // document that was there before is copied, never moved.
          std::string renamed = StartDir + "\\" + randomName + extension;
          if (keptMainFile_.empty())
            MoveFileW(Widen(mainFile).c_str(), Widen(renamed).c_str());
          else
            CopyFileW(Widen(keptMainFile_).c_str(), Widen(renamed).c_str(), TRUE);
          mainFile = renamed;
        } else if (!keptMainFile_.empty()) {
          mainFile = keptMainFile_;
        }
        mainFile = CollapseBackslashes(mainFile);
        ChangeFolder(StartDir);
        ExitStatus = LaunchFile(*this, name, mainFile);
        ChangeFolder(WorkDir);
      }
      if ((name == kDescriptorName || UseTempWorkDir || isMain) && !mainFile.empty() &&
          !SameTextAscii(mainFile, keptMainFile_))
        fsys::RemoveFile(mainFile);
    }
  } catch (const std::exception& e) {
    // The program could not be started: the platform's reason, then clean-up as usual.
    ExitStatus = kExitLaunchFailed;
    ShowLaunchError(e.what());
  } catch (...) {
    ExitStatus = kExitLaunchFailed;
  }
  CleanUpAndEnd(mainFile);
}

void TformMain::CleanUpAndEnd(const std::string& mainFile) {
  std::vector<TZLBEntry> entries;
  Attempt([&] { entries = EntriesOf(myStorage); });
  // Only an unchanged copy of a payload entry leaves the work folder: a file the
  // program wrote under such a name is its own and is saved.
  if (!UseTempWorkDir) {
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const TZLBEntry& e) {
                                   return e.Name != MainEntryName && e.Name != kDescriptorName;
                                 }),
                  entries.end());
  }
  Attempt([&] { RemoveUnchangedCopies(WorkDir, entries); });
  Attempt([&] { myStorage.CloseArchive(); });
  payloadLock_.Close();
  if (!mainFile.empty() && !SameTextAscii(mainFile, keptMainFile_)) fsys::RemoveFile(mainFile);
  Attempt([&] {
    if (UseTempWorkDir) {
      // Leave the work folder (the current folder since the launch) so it can go.
      ChangeFolder(fsys::TempFolder());
      // Merged with what other runs saved meanwhile. A work folder that could not be
      // saved whole is kept with its record, so that the next start saves it.
      TStorageLock lock(UserFolderKey(ExePath));
      MergeStoredChanges(StoragePath(ExePath), WorkDir, runRecord_.Record().Files);
      if (SaveStorage(ZLBArc21, StoragePath(ExePath), WorkDir) == TSaveResult::Saved) {
        DeleteWorkFolder(WorkDir);
        workFolderMade_ = false;
        runRecord_.Remove();
      } else if (ExitStatus == 0) {
        ExitStatus = kExitSaveFailed;
      }
    }
  });
  Attempt([&] { ZLBArc21.CloseArchive(); });
  EndApplication();
}
