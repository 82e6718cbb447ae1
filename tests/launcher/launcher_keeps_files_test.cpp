// Whole runs under Wine that must never lose a file: the program beside its packed
// launcher, settings the program keeps under a payload entry's name, the per-user
// folder from the first run on, two overlapping runs, and a killed launcher whose run
// the next start saves (or, under another temporary folder, a start with that folder).
#include <gtest/gtest.h>

#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "launcher/exit_status.h"
#include "packed_launcher.h"
#include "process_windows.h"

using namespace qmtest;

namespace {
// Ends a launcher whose program has written its record, then the program too, as a
// power cut would; returns the record.
Record EndRunAsByAPowerCut(StartedProgram& launcher, const std::string& recordPath) {
  launcher.Kill();
  Record record = ReadRecord(recordPath);
  Win32Handle program(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                                  static_cast<DWORD>(std::stoul(Value(record, "pid")))));
  EXPECT_TRUE(program);
  TerminateProcess(program.Get(), 1);
  WaitForSingleObject(program.Get(), 10000);
  return record;
}

// Starts the launcher, whose program writes notes\kept.txt = "unsaved" and waits, then
// ends the run as a power cut would; returns the run's work folder (empty when the
// program never wrote its record).
std::string KilledRunsWorkFolder(const std::string& launcher, const std::string& start,
                                 const ScratchFolder& root) {
  std::string killedRecord = root / "killed record.txt";
  StartedProgram killed(launcher, {}, start,
                        {{"QM_RECORD_FILE", killedRecord}, {"QM_RECORD_WRITE", "notes\\kept.txt=unsaved"},
                         {"QM_RECORD_WAITFOR", root / "never"}});
  if (!WaitForFile(killedRecord)) return {};
  return Value(EndRunAsByAPowerCut(killed, killedRecord), "workdir");
}

// The path of the first run record that shows up in the folder; empty at the limit.
std::string WaitForRunRecord(const std::string& folder, DWORD limitMs = 30000) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < limitMs; Sleep(1)) {
    for (const FolderItem& item : fsys::ListFolder(folder)) {
      const std::string& name = item.name;
      if (name.size() > 6 && name.compare(name.size() - 6, 6, ".qmrun") == 0) return folder + "\\" + name;
    }
  }
  return {};
}
}  // namespace

TEST_F(PackedLauncher, ReadmeWorkflowKeepsTheProgramBesideItsLauncher) {
  // MyProgram.exe packed in its own folder, the packed launcher started there.
  CopyTo(RecorderExe(), start_ + "\\MyProgram.exe");
  std::string program = ReadFile(start_ + "\\MyProgram.exe");
  launcher_ = start_ + "\\MyProgram-packed.exe";
  ASSERT_TRUE(Pack(launcher_, start_ + "\\MyProgram.exe"));
  Launch({"x"});
  Launch({"y"});
  EXPECT_EQ(Value(ReadRecord(record_), "exe"), start_ + "\\MyProgram.exe");
  EXPECT_EQ(ReadFile(start_ + "\\MyProgram.exe"), program);

  // A different file of that name is in the way: nothing is written, the window says
  // which file, and closing it ends the launcher with a failure status.
  WriteFile(start_ + "\\MyProgram.exe", "the user's other file");
  fsys::RemoveFile(start_ + "\\app.data");
  StartedProgram run(launcher_, {}, start_, RunEnvironment({}));
  HWND window = nullptr;
  for (DWORD begin = GetTickCount(); !window && GetTickCount() - begin < 30000; Sleep(50)) {
    HWND found = WaitForWindow(run.Id(), L"TformMain", 0);
    if (found && !ChildText(found, L"TFailureText").empty()) window = found;
  }
  ASSERT_TRUE(window);
  EXPECT_NE(ChildText(window, L"TFailureText").find(start_ + "\\MyProgram.exe"), std::string::npos)
      << ChildText(window, L"TFailureText");
  ExpectNoWorkFolderLeft();
  EXPECT_TRUE(PressKeyAndWaitGone(window, VK_F4, true));
  EXPECT_EQ(run.Wait().exitCode, kExitPrepareFailed);
  EXPECT_EQ(ReadFile(start_ + "\\MyProgram.exe"), "the user's other file");
  EXPECT_FALSE(Exists(start_ + "\\app.data"));
  EXPECT_FALSE(Exists(record_));
}

TEST_F(PackedLauncher, SettingsUnderAPayloadEntrysNameSurviveEveryRun) {
  WriteFile(root_ / "settings.txt", "shipped default");
  PackRecorder("rec.exe", {root_ / "settings.txt"});
  Launch({}, {{"QM_RECORD_SHOW", "settings.txt"}, {"QM_RECORD_WRITE", "settings.txt=run 1"}});
  Launch({}, {{"QM_RECORD_SHOW", "settings.txt"}, {"QM_RECORD_WRITE", "settings.txt=run 2"}});
  EXPECT_EQ(Value(ReadRecord(record_), "show"), "run 1");
  Launch({}, {{"QM_RECORD_SHOW", "settings.txt"}, {"QM_RECORD_WRITE", "settings.txt=shipped default"}});
  EXPECT_EQ(Value(ReadRecord(record_), "show"), "run 2");
  // An unchanged copy of the shipped file is not kept.
  Launch({}, {{"QM_RECORD_SHOW", "settings.txt"}});
  EXPECT_EQ(Value(ReadRecord(record_), "show"), "");
  EXPECT_TRUE(ArchiveNames(StoragePathOf()).empty());
  ExpectNoWorkFolderLeft();
}

TEST_F(PackedLauncher, PerUserFolderKeepsWritesFromTheFirstRun) {
  PackRecorder("rec.exe", {}, true);
  ASSERT_FALSE(Exists(UserFolder(launcher_)));
  Launch({}, {{"QM_RECORD_WRITE", "first.txt=from run 1"}});
  EXPECT_EQ(ReadFile(UserFolder(launcher_) + "first.txt"), "from run 1");
  Launch({}, {{"QM_RECORD_SHOW", "first.txt"}});
  EXPECT_EQ(Value(ReadRecord(record_), "show"), "from run 1");
  ExpectNoWorkFolderLeft();
}

TEST_F(PackedLauncher, OverlappingRunsFromTwoFoldersKeepBothFiles) {
  PackRecorder("rec.exe");
  Launch({}, {{"QM_RECORD_WRITE", "shared.txt=before"}});
  // The first run waits in its program until the second has ended and saved.
  std::string go = root_ / "go";
  std::string firstRecord = root_ / "first record.txt";
  StartedProgram first(launcher_, {}, start_,
                       {{"QM_RECORD_FILE", firstRecord}, {"QM_RECORD_WRITE", "from first.txt=1"},
                        {"QM_RECORD_WAITFOR", go}});
  ASSERT_TRUE(WaitForFile(firstRecord));
  std::string otherStart = root_ / "other start";
  fsys::CreateFolders(otherStart);
  RunResult second = qmtest::Run(launcher_, {}, otherStart,
                         {{"QM_RECORD_FILE", root_ / "second record.txt"},
                          {"QM_RECORD_WRITE", "from second.txt=2"}});
  EXPECT_TRUE(second.finished);
  EXPECT_EQ(ArchiveNames(StoragePathOf()), (std::vector<std::string>{"from second.txt", "shared.txt"}));
  WriteFile(go, "");
  RunResult r = first.Wait();
  EXPECT_TRUE(r.finished);
  EXPECT_EQ(r.exitCode, 0u);
  EXPECT_EQ(ArchiveNames(StoragePathOf()),
            (std::vector<std::string>{"from first.txt", "from second.txt", "shared.txt"}));
  ExpectNoWorkFolderLeft();
}

TEST_F(PackedLauncher, KilledLaunchersRunIsSavedByTheNextStart) {
  PackRecorder("rec.exe");
  std::string leftover = KilledRunsWorkFolder(launcher_, start_, root_);
  ASSERT_FALSE(leftover.empty());
  ASSERT_TRUE(Exists(leftover));

  Launch({}, {{"QM_RECORD_SHOW", "notes\\kept.txt"}});
  EXPECT_EQ(Value(ReadRecord(record_), "show"), "unsaved");
  EXPECT_FALSE(Exists(leftover));
  EXPECT_EQ(ArchiveNames(StoragePathOf()), std::vector<std::string>{"notes\\kept.txt"});
  ExpectNoWorkFolderLeft();
  // No record is left behind in the per-user folder.
  for (const FolderItem& item : fsys::ListFolder(ExcludeTrailingBackslash(UserFolder(launcher_))))
    EXPECT_EQ(item.name, "storage.data");
}

TEST_F(PackedLauncher, KilledRunUnderAnotherTempFolderIsSavedByAStartWithThatFolder) {
  PackRecorder("rec.exe");
  std::string otherTemp = root_ / "other temp";
  fsys::CreateFolders(otherTemp);
  std::string leftover;
  {
    TempFolderOverride temp(otherTemp);
    leftover = KilledRunsWorkFolder(launcher_, start_, root_);
  }
  ASSERT_FALSE(leftover.empty());
  ASSERT_TRUE(Exists(leftover));

  // A start whose temporary folder is another one leaves that run, and its record, alone.
  Launch({}, {{"QM_RECORD_SHOW", "notes\\kept.txt"}});
  EXPECT_EQ(Value(ReadRecord(record_), "show"), "");
  EXPECT_TRUE(Exists(leftover));
  EXPECT_FALSE(WaitForRunRecord(ExcludeTrailingBackslash(UserFolder(launcher_)), 100).empty());

  // A start with the run's own temporary folder saves it and removes it.
  {
    TempFolderOverride temp(otherTemp);
    Launch({}, {{"QM_RECORD_SHOW", "notes\\kept.txt"}});
  }
  EXPECT_EQ(Value(ReadRecord(record_), "show"), "unsaved");
  EXPECT_FALSE(Exists(leftover));
  EXPECT_EQ(ArchiveNames(StoragePathOf()), std::vector<std::string>{"notes\\kept.txt"});
}

TEST_F(PackedLauncher, RunRecordHeldOpenByAReaderStillTakesTheRunsProgress) {
  // A payload that takes a moment to unpack, so that the run record is open here before
  // the run records its restore.
  std::string big(16u << 20, '\0');
  uint32_t seed = 777;
  for (char& c : big) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  WriteFile(root_ / "big.bin", big);
  PackRecorder("rec.exe", {root_ / "big.bin"});
  std::string killedRecord = root_ / "killed record.txt";
  Record before;
  {
    StartedProgram killed(launcher_, {}, start_,
                          {{"QM_RECORD_FILE", killedRecord}, {"QM_RECORD_WRITE", "kept.txt=unsaved"},
                           {"QM_RECORD_WAITFOR", root_ / "never"}});
    std::string runRecord = WaitForRunRecord(ExcludeTrailingBackslash(UserFolder(launcher_)));
    ASSERT_FALSE(runRecord.empty());
    {
      // Another copy's scan, a virus scanner or a backup reads the record for a while.
      FileHandle reader = FileHandle::Open(runRecord, FileMode::Read);
      ASSERT_TRUE(reader.IsOpen());
      for (DWORD start = GetTickCount(); GetTickCount() - start < 1000 && !Exists(killedRecord);) Sleep(10);
    }
    ASSERT_TRUE(WaitForFile(killedRecord));
    before = EndRunAsByAPowerCut(killed, killedRecord);
  }
  Launch({}, {{"QM_RECORD_SHOW", "kept.txt"}});
  EXPECT_EQ(Value(ReadRecord(record_), "show"), "unsaved");
  EXPECT_FALSE(Exists(Value(before, "workdir")));
  ExpectNoWorkFolderLeft();
}
