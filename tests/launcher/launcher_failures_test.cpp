// Whole runs under Wine where something fails: the launcher's exit status follows the
// program, a program that cannot be started is reported in a message box, and a run
// that cannot be prepared shows what failed in its window, leaves no work folder and
// ends with a failure status when the window is closed.
#include <gtest/gtest.h>

#include "framework/file_system.h"
#include "framework/wide.h"
#include "launcher/exit_status.h"
#include "packed_launcher.h"
#include "process_windows.h"

using namespace qmtest;

namespace {
class FailingLauncher : public PackedLauncher {
 protected:
  // Starts the launcher, waits for its window to show a failure, checks the text holds
  // expected, closes the window with Alt+F4 and returns the exit status.
  DWORD FailureShown(const std::string& expected, const std::string& startFolder) {
    StartedProgram run(launcher_, {}, startFolder, RunEnvironment({}));
    // A failure during start-up comes first in a message box.
    HWND window = nullptr;
    DWORD start = GetTickCount();
    while (!window && GetTickCount() - start < 30000) {
      if (HWND box = WaitForWindow(run.Id(), L"#32770", 0)) {
        EXPECT_NE(MessageBoxText(box).find(expected), std::string::npos) << MessageBoxText(box);
        EXPECT_TRUE(PressKeyAndWaitGone(box, VK_RETURN));
      }
      HWND main = WaitForWindow(run.Id(), L"TformMain", 0);
      if (main && !ChildText(main, L"TFailureText").empty()) window = main;
      Sleep(50);
    }
    if (!window) {
      ADD_FAILURE() << "no failure shown";
      return 0;
    }
    std::string text = ChildText(window, L"TFailureText");
    EXPECT_NE(text.find(expected), std::string::npos) << text;
    // The window stays until closed; the work folder has gone already.
    EXPECT_TRUE(run.Wait(0).finished == false);
    ExpectNoWorkFolderLeft();
    EXPECT_TRUE(PressKeyAndWaitGone(window, VK_F4, true));
    RunResult r = run.Wait();
    EXPECT_TRUE(r.finished);
    return r.exitCode;
  }
};

std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  for (const FolderItem& item : fsys::ListFolder(folder)) names.push_back(item.name);
  return names;
}
}  // namespace

TEST_F(FailingLauncher, EndsWithTheProgramsExitStatus) {
  PackRecorder("rec.exe");
  LaunchExpecting(3, {}, {{"QM_RECORD_EXIT", "3"}});
  RunResult crashed = qmtest::Run(launcher_, {}, start_, RunEnvironment({{"QM_RECORD_CRASH", "1"}}));
  EXPECT_TRUE(crashed.finished);
  EXPECT_GE(crashed.exitCode, 0xC0000000u);  // the exception code of the crash
  EXPECT_TRUE(Exists(StoragePathOf()));      // cleaned up and saved all the same
  ExpectNoWorkFolderLeft();
}

TEST_F(FailingLauncher, ProgramThatCannotStartIsReportedAndTheRunStillSaves) {
  PackRecorder("rec.exe");
  StartedProgram run(launcher_, {"KVRUNEXTRA=missing.exe"}, start_, RunEnvironment({}));
  HWND box = WaitForWindow(run.Id(), L"#32770");
  ASSERT_TRUE(box);
  std::string text = MessageBoxText(box);
  EXPECT_NE(text.find("missing.exe"), std::string::npos) << text;
  EXPECT_TRUE(PressKeyAndWaitGone(box, VK_RETURN));
  RunResult r = run.Wait();
  EXPECT_TRUE(r.finished);
  EXPECT_EQ(r.exitCode, kExitLaunchFailed);
  EXPECT_TRUE(Exists(StoragePathOf()));
  ExpectNoWorkFolderLeft();
}

TEST_F(FailingLauncher, DamagedPayloadIsShownAndLeavesNoWorkFolder) {
  PackRecorder("rec.exe");
  // One byte of the payload's data changed: the archive's check fails.
  std::string bytes = ReadFile(launcher_);
  size_t at = ReadFile(LauncherExe()).size() + 8;
  ASSERT_LT(at, bytes.size());
  bytes[at] = static_cast<char>(bytes[at] ^ 0x5A);
  WriteFile(launcher_, bytes);
  EXPECT_EQ(FailureShown("payload", start_), kExitNotStarted);
  EXPECT_TRUE(Listing(start_).empty());
}

TEST_F(FailingLauncher, FileInUseIsShownAndWhatWasUnpackedGoesAgain) {
  WriteFile(root_ / "extra.txt", "from the payload");
  PackRecorder("rec.exe", {root_ / "extra.txt"});
  WriteFile(start_ + "\\extra.txt", "held by another program");
  {
    // Held open without sharing, as another running copy would.
    Win32Handle held(CreateFileW(Widen(start_ + "\\extra.txt").c_str(), GENERIC_READ, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(held.Get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(FailureShown("extra.txt", start_), kExitPrepareFailed);
  }
  EXPECT_EQ(Listing(start_), std::vector<std::string>{"extra.txt"});
  EXPECT_EQ(ReadFile(start_ + "\\extra.txt"), "held by another program");
  EXPECT_FALSE(Exists(record_));
}

TEST_F(FailingLauncher, ReadOnlyStartFolderIsShown) {
  PackRecorder("rec.exe");
  // A folder whose write permission is taken away; where that does not stop this
  // user (the superuser), a folder of the system that takes no new files.
  std::string folder = root_ / "read only";
  fsys::CreateFolders(folder);
  SetFileAttributesW(Widen(folder).c_str(), FILE_ATTRIBUTE_READONLY);
  WriteFile(folder + "\\probe", "x");
  if (Exists(folder + "\\probe")) {
    fsys::RemoveFile(folder + "\\probe");
    SetFileAttributesW(Widen(folder).c_str(), FILE_ATTRIBUTE_NORMAL);
    folder = "Z:\\sys";
  }
  EXPECT_EQ(FailureShown(folder, folder), kExitPrepareFailed);
  EXPECT_FALSE(Exists(folder + "\\rec.exe"));
  SetFileAttributesW(Widen(root_ / "read only").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FailingLauncher, DeviceNameEntryIsRefused) {
  CopyTo(RecorderExe(), root_ / "rec.exe");
  WriteFile(root_ / "aux file.txt", "device");
  launcher_ = root_ / "packed app.exe";
  // A payload whose extra entry is named "AUX.txt", which no file on disk can be.
  BuildLauncher(launcher_, {root_ / "rec.exe", root_ / "aux file.txt"},
                "p\r\n1\r\n2024-01-01\r\nrec.exe\r\nFalse\r\n", {{"aux file.txt", "AUX.txt"}});
  EXPECT_EQ(FailureShown("AUX.txt", start_), kExitPrepareFailed);
  EXPECT_TRUE(Listing(start_).empty());
  EXPECT_FALSE(Exists(record_));
  // quillpack extract refuses it with the same message and extracts the rest.
  ScratchFolder out("extract");
  RunResult r = qmtest::Run(QuillpackExe(), {"extract", launcher_, out.Path()}, "");
  EXPECT_EQ(r.exitCode, 1u);
  EXPECT_TRUE(Exists(out / "rec.exe"));
  EXPECT_EQ(Listing(out.Path()).size(), 2u);  // rec.exe and app.data
}

TEST_F(FailingLauncher, WithoutAWorkerThreadTheLauncherRunsAllTheSame) {
  // A stub whose descriptor worker cannot start: the window reads the descriptor
  // itself, and the run goes on as usual (arguments, exit status, clean-up and save).
  PackRecorder("rec.exe", {}, false, "", ThreadlessLauncherExe());
  LaunchExpecting(3, {"one", "two words"}, {{"QM_RECORD_EXIT", "3"}});
  Record r = ReadRecord(record_);
  EXPECT_EQ(Values(r, "arg"), (std::vector<std::string>{"one", "two words"}));
  EXPECT_FALSE(Exists(start_ + "\\rec.exe"));
  EXPECT_TRUE(Exists(StoragePathOf()));
  ExpectNoWorkFolderLeft();
  // In per-user folder mode too, where the descriptor changes the work folder.
  PackRecorder("rec.exe", {}, true, "", ThreadlessLauncherExe());
  Launch({}, {{"QM_RECORD_WRITE", "kept.txt=hello"}});
  EXPECT_TRUE(Exists(UserFolder(launcher_) + "kept.txt"));
  ExpectNoWorkFolderLeft();
}
