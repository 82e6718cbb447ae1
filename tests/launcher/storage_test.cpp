// Work folder creation and the storage archive: save with relative paths, restore,
// and a failed or partial save that keeps what was saved before.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "framework/wide.h"
#include "launcher/storage.h"
#include "launcher/work_folder.h"
#include "test_support.h"

using namespace qmtest;

namespace {
// An archive component that cannot list folders.
class BrokenListing : public TZLBArc2 {
 public:
  void AddFolder(const std::string&, std::deque<std::string>&) override {
    throw EZLBError("listing failed");
  }
};

std::vector<std::string> Entries(const std::string& archivePath) {
  TZLBArc2 arc;
  arc.OpenArchive(archivePath);
  std::vector<std::string> names;
  for (int i = 0; i < arc.FileCount(); ++i) {
    TZLBEntry e;
    arc.GetFileEntry(i, e);
    names.push_back(e.StoredPath + e.Name);
  }
  std::sort(names.begin(), names.end());
  return names;
}
}  // namespace

TEST(WorkFolder, SkipsNumbersThatAreTakenAndGoesRound) {
  ScratchFolder root("numbers");
  CreateDirectoryW(Widen(root / "7").c_str(), nullptr);
  CreateDirectoryW(Widen(root / "8").c_str(), nullptr);
  EXPECT_EQ(CreateNumberedFolder(root.Path(), 7), root / "9\\");
  CreateDirectoryW(Widen(root / "65535").c_str(), nullptr);
  EXPECT_EQ(CreateNumberedFolder(root.Path(), 65535), root / "1\\");
  EXPECT_THROW(CreateNumberedFolder(root / "missing parent", 3), EWorkFolderError);
  std::string fresh = CreateWorkFolder();
  EXPECT_TRUE(fsys::FolderExists(fresh));
  EXPECT_EQ(fresh.back(), '\\');
  fsys::RemoveFolder(fresh);
}

TEST(Storage, SavesRelativePathsAndRestoresOverExistingFiles) {
  ScratchFolder root("storage");
  std::string work = root / "work\\";
  fsys::CreateFolders(work + "sub\\deeper");
  WriteFile(work + "top.txt", "top");
  WriteFile(work + "sub\\deeper\\low.txt", "low");
  std::string storage = root / "user\\storage.data";
  TZLBArc2 arc;
  EXPECT_EQ(SaveStorage(arc, storage, work), TSaveResult::Saved);
  EXPECT_FALSE(arc.IsOpen());
  EXPECT_EQ(Entries(storage), (std::vector<std::string>{"sub\\deeper\\low.txt", "top.txt"}));
  DeleteWorkFolder(work);
  EXPECT_FALSE(Exists(work));

  std::string next = root / "next\\";
  fsys::CreateFolders(next);
  WriteFile(next + "top.txt", "stale");
  TZLBArc2 restore;
  RestoreStorage(restore, storage, next);
  EXPECT_EQ(ReadFile(next + "top.txt"), "top");
  EXPECT_EQ(ReadFile(next + "sub\\deeper\\low.txt"), "low");
  // Nothing to restore when there is no archive.
  TZLBArc2 none;
  EXPECT_NO_THROW(RestoreStorage(none, root / "absent.data", next));
}

TEST(Storage, FailedSaveKeepsTheOldArchive) {
  ScratchFolder root("storage");
  std::string work = root / "work\\";
  fsys::CreateFolders(work);
  WriteFile(work + "saved.txt", "first");
  std::string storage = root / "storage.data";
  TZLBArc2 arc;
  ASSERT_EQ(SaveStorage(arc, storage, work), TSaveResult::Saved);
  std::string before = ReadFile(storage);

  WriteFile(work + "second.txt", "second");
  BrokenListing failing;
  EXPECT_EQ(SaveStorage(failing, storage, work), TSaveResult::Failed);
  EXPECT_EQ(ReadFile(storage), before);

  // The new archive is complete but cannot take the old one's place (held open).
  HANDLE held = CreateFileW(Widen(storage).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(SaveStorage(arc, storage, work), TSaveResult::Failed);
  CloseHandle(held);
  EXPECT_EQ(ReadFile(storage), before);
  EXPECT_EQ(fsys::ListFolder(root.Path()).size(), 2u);  // nothing left beside it
}

TEST(Storage, UnreadableFileMakesTheSaveIncomplete) {
  ScratchFolder root("storage");
  std::string work = root / "work\\";
  fsys::CreateFolders(work);
  WriteFile(work + "readable.txt", "ok");
  WriteFile(work + "locked.txt", "busy");
  HANDLE locked = CreateFileW(Widen(work + "locked.txt").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  TZLBArc2 arc;
  TSaveResult result = SaveStorage(arc, root / "storage.data", work);
  CloseHandle(locked);
  EXPECT_EQ(result, TSaveResult::Incomplete);
  EXPECT_EQ(Entries(root / "storage.data"), (std::vector<std::string>{"readable.txt"}));
}
