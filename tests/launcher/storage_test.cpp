// The per-user folder's place, work folder creation and the storage archive: save with relative paths, restore,
// and a failed or partial save that keeps what was saved before.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>
#include <map>

#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "framework/wide.h"
#include "launcher/special_folders.h"
#include "launcher/storage.h"
#include "launcher/storage_merge.h"
#include "launcher/user_folder.h"
#include "launcher/work_folder.h"
#include "test_support.h"

using namespace qmtest;

namespace {
// An archive component that cannot list folders.
class BrokenListing : public TZLBArc2 {
 public:
  void AddFolder(const std::string&, std::vector<std::string>&) override {
    throw EZLBError("listing failed");
  }
};

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
  EXPECT_EQ(ArchiveNames(storage), (std::vector<std::string>{"sub\\deeper\\low.txt", "top.txt"}));
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

TEST(Storage, DeletingTheWorkFolderTakesReadOnlyFilesButNeverEntersALinkedFolder) {
  ScratchFolder root("delete");
  std::string work = root / "work\\";
  fsys::CreateFolders(work + "sub\\deeper");
  WriteFile(work + "sub\\deeper\\locked.txt", "read-only");
  SetFileAttributesW(Widen(work + "sub\\deeper\\locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW(Widen(work + "sub").c_str(), FILE_ATTRIBUTE_READONLY);
  // A folder outside, linked from inside the work folder where the system allows it.
  std::string outside = root / "outside";
  fsys::CreateFolders(outside);
  WriteFile(outside + "\\keep.txt", "not the program's");
  bool linked = CreateSymbolicLinkW(Widen(work + "link").c_str(), Widen(outside).c_str(),
                                    SYMBOLIC_LINK_FLAG_DIRECTORY) != 0;
  DeleteWorkFolder(work);
  EXPECT_FALSE(Exists(work));
  EXPECT_EQ(ReadFile(outside + "\\keep.txt"), "not the program's") << (linked ? "linked" : "no link made");
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
  EXPECT_EQ(ArchiveNames(root / "storage.data"), (std::vector<std::string>{"readable.txt"}));
}

namespace {
std::string SavedContent(const std::string& storage, const std::string& name) {
  ScratchFolder out("content");
  TZLBArc2 arc;
  arc.OpenArchive(storage);
  if (arc.FindFile(name) < 0) return "(absent)";
  arc.ExtractFile(out.Path(), name);
  return ReadFile(out / name);
}

void SaveFiles(const std::string& storage, const std::map<std::string, std::string>& files) {
  ScratchFolder stage("stage");
  for (const auto& f : files) WriteFile(stage / f.first, f.second);
  TZLBArc2 arc;
  ASSERT_EQ(SaveStorage(arc, storage, stage.Path() + "\\"), TSaveResult::Saved);
}
}  // namespace

TEST(Storage, MergedSaveKeepsWhatAnotherRunSavedMeanwhile) {
  ScratchFolder root("merge");
  std::string storage = root / "storage.data";
  SaveFiles(storage, {{"keep.txt", "k"}, {"touched.txt", "t0"}, {"deleted.txt", "d0"},
                      {"mydeleted.txt", "m0"}, {"otherchanged.txt", "o0"}, {"otherdeleted.txt", "x"},
                      {"bothdeleted.txt", "b"}});
  std::string work = root / "work\\";
  fsys::CreateFolders(work);
  TZLBArc2 restore;
  RestoreStorage(restore, storage, work);
  std::vector<TRestoredFile> restored = ListRestored(restore, work);
  EXPECT_EQ(restored.size(), 7u);
  restore.CloseArchive();

  // Another run saves while this one runs.
  SaveFiles(storage, {{"keep.txt", "k"}, {"touched.txt", "t-other"}, {"deleted.txt", "d-other"},
                      {"mydeleted.txt", "m0"}, {"otherchanged.txt", "o1"}, {"new-other.txt", "n"}});
  // This run's own changes.
  WriteFile(work + "touched.txt", "t-mine");
  fsys::RemoveFile(work + "deleted.txt");
  fsys::RemoveFile(work + "mydeleted.txt");
  fsys::RemoveFile(work + "bothdeleted.txt");
  WriteFile(work + "mine.txt", "mine");
  // Written again with the same content: not a change.
  WriteFile(work + "keep.txt", "k");

  MergeStoredChanges(storage, work, restored);
  TZLBArc2 save;
  ASSERT_EQ(SaveStorage(save, storage, work), TSaveResult::Saved);
  const std::map<std::string, std::string> expected = {
      {"keep.txt", "k"},           {"touched.txt", "t-mine"},        {"deleted.txt", "d-other"},
      {"mydeleted.txt", "(absent)"}, {"otherchanged.txt", "o1"},     {"otherdeleted.txt", "(absent)"},
      {"bothdeleted.txt", "(absent)"}, {"new-other.txt", "n"},       {"mine.txt", "mine"}};
  for (const auto& e : expected) EXPECT_EQ(SavedContent(storage, e.first), e.second) << e.first;
}

namespace {
// Sets or (with nullptr) removes APPDATA for this process until it goes.
class AppDataVariable {
 public:
  explicit AppDataVariable(const wchar_t* value) {
    wchar_t old[MAX_PATH + 1] = {};
    DWORD n = GetEnvironmentVariableW(L"APPDATA", old, MAX_PATH + 1);
    had_ = n > 0 && n <= MAX_PATH;
    if (had_) old_ = old;
    SetEnvironmentVariableW(L"APPDATA", value);
  }
  AppDataVariable(const AppDataVariable&) = delete;
  AppDataVariable& operator=(const AppDataVariable&) = delete;
  ~AppDataVariable() { SetEnvironmentVariableW(L"APPDATA", had_ ? old_.c_str() : nullptr); }

 private:
  bool had_ = false;
  std::wstring old_;
};
}  // namespace

TEST(UserFolder, TakesTheEnvironmentAndAsksTheShellWithoutIt) {
  const std::string exe = "C:\\Programs\\tool.exe";
  std::string shellFolder;
  {
    AppDataVariable unset(nullptr);
    shellFolder = RoamingAppDataFolder();
    ASSERT_TRUE(IsFullFolderPath(shellFolder + "\\")) << shellFolder;
    EXPECT_TRUE(fsys::FolderExists(shellFolder)) << shellFolder;
    EXPECT_EQ(UserFolder(exe), shellFolder + "\\Quillmere\\" + UserFolderKey(exe) + "\\");
  }
  ScratchFolder root("appdata");
  {
    AppDataVariable set(Widen(root.Path() + "\\").c_str());
    EXPECT_EQ(RoamingAppDataFolder(), root.Path());
  }
  // A variable that names no folder, or a relative one, is passed over for the shell.
  for (const std::string& bad : {root.Path() + "\\missing", std::string("Roaming")}) {
    AppDataVariable set(Widen(bad).c_str());
    EXPECT_EQ(RoamingAppDataFolder(), shellFolder) << bad;
  }
}
