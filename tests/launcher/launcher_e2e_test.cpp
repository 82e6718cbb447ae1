// Whole runs of packed launchers under Wine: the recorder program is packed with
// quillpack and started through the launcher, which must unpack, run, clean up, save
// and end by itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>
#include <regex>

#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "launcher/special_folders.h"
#include "launcher/text_utils.h"
#include "launcher/user_folder.h"
#include "packed_launcher.h"
#include "process_windows.h"
#include "registry_helpers.h"
#include "test_support.h"

using namespace qmtest;

namespace {
bool IsNumberedTempFolder(const std::string& path) {
  std::string temp = ExcludeTrailingBackslash(fsys::TempFolder());
  if (path.compare(0, temp.size() + 1, temp + "\\") != 0) return false;
  std::string number = path.substr(temp.size() + 1);
  return !number.empty() && number.find_first_not_of("0123456789") == std::string::npos;
}
}  // namespace

TEST_F(PackedLauncher, PassesArgumentsUnchangedAndCleansUp) {
  PackRecorder("rec.exe");
  const std::vector<std::string> args = {"plain", "two words", "quo\"te", "ends in\\", "", "KVRUNEXTR"};
  Launch(args);
  Record r = ReadRecord(record_);
  EXPECT_EQ(Values(r, "arg"), args);
  EXPECT_EQ(Value(r, "exe"), start_ + "\\rec.exe");
  EXPECT_EQ(Value(r, "cwd"), start_);
  EXPECT_TRUE(IsNumberedTempFolder(Value(r, "workdir"))) << Value(r, "workdir");
  // The unpacked program goes when it has ended; the descriptor stays in the start folder.
  EXPECT_FALSE(Exists(start_ + "\\rec.exe"));
  EXPECT_TRUE(Exists(start_ + "\\app.data"));
  EXPECT_FALSE(Exists(Value(r, "workdir")));
  ExpectNoWorkFolderLeft();
  // The storage archive lives under the roaming application data, by folder key.
  EXPECT_EQ(StoragePathOf(),
            RoamingAppDataFolder() + "\\Quillmere\\" + UserFolderKey(launcher_) + "\\storage.data");
  EXPECT_TRUE(Exists(StoragePathOf()));
}

TEST_F(PackedLauncher, FileWrittenInOneRunIsInTheNextRunsWorkFolder) {
  PackRecorder("rec.exe");
  Launch({}, {{"QM_RECORD_WRITE", "notes\\first run.txt=hello"}});
  std::string firstWorkDir = Value(ReadRecord(record_), "workdir");
  Launch({});
  Record second = ReadRecord(record_);
  EXPECT_EQ(Values(second, "file"), std::vector<std::string>{"notes\\first run.txt"});
  EXPECT_FALSE(Exists(Value(second, "workdir")));
  TZLBArc2 storage;
  storage.OpenArchive(StoragePathOf());
  ASSERT_EQ(storage.FileCount(), 1);
  TZLBEntry entry;
  storage.GetFileEntry(0, entry);
  EXPECT_EQ(entry.StoredPath, "notes\\");
  EXPECT_EQ(entry.Name, "first run.txt");
  EXPECT_FALSE(Exists(firstWorkDir));
  ExpectNoWorkFolderLeft();
}

TEST_F(PackedLauncher, ExtraOptionRunsAProgramRestoredFromStorage) {
  PackRecorder("rec.exe");
  // The first run leaves a copy of the recorder in the work folder's "bin" folder.
  Launch({}, {{"QM_RECORD_COPYSELF", "bin\\helper.exe"}});
  // The option in both cases and twice: the last one counts and none is passed on.
  Launch({"a b", "kvrunextra=bin\\wrong.exe", "c\"d", "KVRUNEXTRA=bin\\helper.exe"});
  Record r = ReadRecord(record_);
  EXPECT_EQ(Value(r, "exe"), Value(r, "workdir") + "\\bin\\helper.exe");
  EXPECT_EQ(Values(r, "arg"), (std::vector<std::string>{"a b", "c\"d"}));
  EXPECT_EQ(Value(r, "cwd"), start_);
  // The main entry was unpacked but not run, and stays in the start folder.
  EXPECT_TRUE(Exists(start_ + "\\rec.exe"));
  ExpectNoWorkFolderLeft();
}

TEST_F(PackedLauncher, PerUserFolderIsRestoredIntoAndNeverSaved) {
  WriteFile(root_ / "extra.txt", "from the payload");
  PackRecorder("rec.exe", {root_ / "extra.txt"}, true);
  WriteFile(start_ + "\\extra.txt", "the user's own");
  // A storage archive from an earlier run, holding kept.txt.
  std::string userFolder = UserFolder(launcher_);
  ScratchFolder seed("seed");
  WriteFile(seed / "kept.txt", "stored");
  fsys::CreateFolders(userFolder);
  {
    TZLBArc2 arc;
    arc.CreateArchive(StoragePathOf());
    std::vector<std::string> list{seed / "kept.txt"};
    arc.AddFiles(list, false);
  }
  std::string storageBefore = ReadFile(StoragePathOf());

  Launch({"x"}, {{"QM_RECORD_WRITE", "new.txt=made in the run"}});
  Record r = ReadRecord(record_);
  EXPECT_EQ(Value(r, "workdir"), ExcludeTrailingBackslash(userFolder));
  std::vector<std::string> files = Values(r, "file");
  EXPECT_NE(std::find(files.begin(), files.end(), "kept.txt"), files.end());
  EXPECT_EQ(ReadFile(start_ + "\\extra.txt"), "the user's own");  // not overwritten
  EXPECT_FALSE(Exists(start_ + "\\rec.exe"));
  EXPECT_EQ(ReadFile(StoragePathOf()), storageBefore);  // only read
  EXPECT_EQ(ReadFile(userFolder + "new.txt"), "made in the run");
  EXPECT_EQ(ReadFile(userFolder + "kept.txt"), "stored");
  ExpectNoWorkFolderLeft();
}

TEST_F(PackedLauncher, DocumentOpensThroughItsAssociation) {
  fsys::CreateFolders(root_ / "viewer dir");
  std::string viewer = root_ / "viewer dir\\view er.exe";
  CopyTo(RecorderExe(), viewer);
  TestFileType type(".qmtestdoc", "QuillmereTest.Document", "\"" + viewer + "\" \"%1\"");
  WriteFile(root_ / "report.qmtestdoc", "document");
  launcher_ = root_ / "packed app.exe";
  ASSERT_TRUE(Pack(launcher_, root_ / "report.qmtestdoc"));
  Launch({"p q"});
  Record r = ReadRecord(record_);
  EXPECT_EQ(Value(r, "exe"), viewer);
  std::vector<std::string> args = Values(r, "arg");
  ASSERT_EQ(args.size(), 2u);
  // A name of 20 random characters with the document's extension, in the start folder.
  EXPECT_TRUE(std::regex_match(args[0], std::regex(std::regex_replace(
                  start_, std::regex(R"([\\.^$|()\[\]{}*+?])"), R"(\$&)") + R"(\\[A-Z0-9]{20}\.qmtestdoc)")))
      << args[0];
  EXPECT_EQ(Value(r, "argfile"), "1");  // the document was there while the viewer ran
  EXPECT_EQ(args[1], "p q");
  EXPECT_FALSE(Exists(args[0]));
  EXPECT_FALSE(Exists(start_ + "\\report.qmtestdoc"));
  ExpectNoWorkFolderLeft();
}

TEST_F(PackedLauncher, WindowIsNeverOnScreenWhileTheProgramRuns) {
  // A small payload starts its program before the window is made; a large one (48 MB
  // that do not compress) is unpacked while the window shows, which then hides first.
  std::string big(48u << 20, '\0');
  uint32_t seed = 12345;
  for (char& c : big) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  WriteFile(root_ / "big.bin", big);
  for (bool large : {false, true}) {
    PackRecorder("rec.exe", large ? std::vector<std::string>{root_ / "big.bin"} : std::vector<std::string>{},
                 false, DefaultSkinPath());
    Launch({}, {{"QM_RECORD_WINDOWS", "1"}});
    Record r = ReadRecord(record_);
    EXPECT_EQ(Value(r, "launcherwindow"), "hidden") << (large ? "large" : "small");
    EXPECT_TRUE(Values(r, "file").empty());
    ExpectNoWorkFolderLeft();
  }
}

TEST_F(PackedLauncher, SkinFileNeverStaysInTheWorkFolder) {
  PackRecorder("rec.exe", {}, false, DefaultSkinPath());
  Launch({});
  Record r = ReadRecord(record_);
  EXPECT_EQ(Value(r, "exe"), start_ + "\\rec.exe");
  EXPECT_TRUE(Values(r, "file").empty());  // neither skin.skn nor its temporary name
  TZLBArc2 storage;
  storage.OpenArchive(StoragePathOf());
  EXPECT_EQ(storage.FileCount(), 0);
}

TEST_F(PackedLauncher, MixedCaseExeKeepsItsNameAndStartsDirectly) {
  PackRecorder("Rec.Exe");
  Launch({"one"});
  Record r = ReadRecord(record_);
  EXPECT_EQ(Value(r, "exe"), start_ + "\\Rec.Exe");
  EXPECT_EQ(Values(r, "arg"), std::vector<std::string>{"one"});
  EXPECT_FALSE(Exists(start_ + "\\Rec.Exe"));
}

TEST_F(PackedLauncher, MainEntryThatMatchesNothingIsReportedAndStillCleansUpAndEnds) {
  CopyTo(RecorderExe(), root_ / "rec.exe");
  launcher_ = root_ / "packed app.exe";
  BuildLauncher(launcher_, {root_ / "rec.exe"}, "p\r\n1\r\n2024-01-01\r\nmissing.exe\r\nFalse\r\n");
  StartedProgram run(launcher_, {}, start_, RunEnvironment({}));
  HWND box = WaitForWindow(run.Id(), L"#32770");
  ASSERT_TRUE(box);
  EXPECT_NE(MessageBoxText(box).find("missing.exe"), std::string::npos) << MessageBoxText(box);
  EXPECT_TRUE(PressKeyAndWaitGone(box, VK_RETURN));
  RunResult r = run.Wait();
  EXPECT_TRUE(r.finished);
  EXPECT_EQ(r.exitCode, 252u);
  EXPECT_FALSE(Exists(record_));  // nothing ran
  EXPECT_TRUE(Exists(StoragePathOf()));
  ExpectNoWorkFolderLeft();
}

TEST_F(PackedLauncher, ErrorAfterTheWindowIsHiddenStillCleansUpAndEnds) {
  // The association's command is not text: the look-up fails after the window is hidden.
  TestFileType type(".qmbaddoc", "QuillmereTest.BadDocument", DWORD{1});
  WriteFile(root_ / "broken.qmbaddoc", "document");
  launcher_ = root_ / "packed app.exe";
  ASSERT_TRUE(Pack(launcher_, root_ / "broken.qmbaddoc"));
  StartedProgram run(launcher_, {}, start_, RunEnvironment({}));
  HWND box = WaitForWindow(run.Id(), L"#32770");
  ASSERT_TRUE(box);
  EXPECT_NE(MessageBoxText(box).find("Invalid data type"), std::string::npos) << MessageBoxText(box);
  EXPECT_TRUE(PressKeyAndWaitGone(box, VK_RETURN));
  EXPECT_EQ(run.Wait().exitCode, 252u);
  EXPECT_TRUE(Exists(StoragePathOf()));
  EXPECT_TRUE(fsys::ListFolder(start_).size() == 1u);  // only app.data remains
  ExpectNoWorkFolderLeft();
}
