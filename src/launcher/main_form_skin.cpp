// TformMain: the skin from the payload. Start-up unpacks skin.skn into the work folder
// before the run starts; the window's thread then hands it to the skin data component
// and deletes it, while the run waits for that before it starts the program or
// removes the folder.
#include <windows.h>

#include "framework/file_system.h"
#include "framework/wide.h"
#include "launcher/fail.h"
#include "launcher/main_form.h"

std::string TformMain::UnpackSkin() {
  // The first open checks the archive; from then on the file is held so that nobody
  // can change it, and later opens skip the check.
  payloadLock_ = FileHandle::Open(ExePath, FileMode::Read);
  myStorage.VerifyArchiveCRC = true;
  try {
    if (!myStorage.OpenArchive(ExePath)) return {};
  } catch (const std::exception& e) {
    Fail({"Cannot open the payload of ", ExePath, ": ", e.what()});
  }
  if (payloadLock_.IsOpen()) myStorage.VerifyArchiveCRC = false;
  if (myStorage.FindFile("skin.skn") < 0) {
    myStorage.CloseArchive();
    return {};
  }
  try {
    myStorage.ExtractFile(WorkDir, "skin.skn");
  } catch (...) {
    myStorage.CloseArchive();
    fsys::RemoveFile(WorkDir + "skin.skn");
    throw;
  }
  myStorage.CloseArchive();
  std::string unpacked = WorkDir + "skin.skn";
  std::string skinFile = WorkDir + SkinTempName;
  if (!MoveFileW(Widen(unpacked).c_str(), Widen(skinFile).c_str())) skinFile = unpacked;
  return skinFile;
}

void TformMain::ActivateSkin(const std::string& skinFile) {
  if (skinFile.empty()) return;
  // The skin file never stays in the work folder (where it would be saved).
  auto removeSkinFile = [&] {
    fsys::RemoveFile(skinFile);
    qmthread::Hold hold(launchMutex_);
    if (!leftTempFolder_.empty()) fsys::RemoveFolder(leftTempFolder_);
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

void TformMain::TakeSkin(const std::string& skinFile) {
  struct SkinTaken {
    HANDLE event;
    ~SkinTaken() { SetEvent(event); }
  } skinTaken{skinTaken_.Get()};
  ActivateSkin(skinFile);
}
