// The fixture of the end-to-end tests: one packed launcher in a scratch folder, started
// from a start folder with blanks, with the recorder program as what it runs. Each test
// has a temporary folder of its own, so the work folders it counts are its launchers'
// alone when other tests run at the same time.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "framework/file_system.h"
#include "launcher/special_folders.h"
#include "launcher/text_utils.h"
#include "test_support.h"

namespace qmtest {
class PackedLauncher : public ::testing::Test {
 protected:
  void SetUp() override {
    start_ = root_ / "start folder with blanks";
    fsys::CreateFolders(start_);
    record_ = root_ / "record.txt";
  }
  void TearDown() override {
    if (!launcher_.empty()) RemoveTree(ExcludeTrailingBackslash(UserFolder(launcher_)));
  }

  // Packs a copy of the recorder named mainName (on the stub, by default the launcher).
  void PackRecorder(const std::string& mainName, const std::vector<std::string>& extras = {},
                    bool userFolder = false, const std::string& skin = "", const std::string& stub = "") {
    CopyTo(RecorderExe(), root_ / mainName);
    launcher_ = root_ / "packed app.exe";
    ASSERT_TRUE(Pack(launcher_, root_ / mainName, extras, userFolder, skin, stub));
  }

  // The environment of a run: the recorder writes its record to record_.
  std::map<std::string, std::string> RunEnvironment(std::map<std::string, std::string> env) {
    fsys::RemoveFile(record_);
    env["QM_RECORD_FILE"] = record_;
    return env;
  }

  // Runs the launcher from the start folder and expects it to end by itself with the
  // exit status.
  RunResult LaunchExpecting(DWORD status, const std::vector<std::string>& args,
                            std::map<std::string, std::string> env = {}) {
    RunResult r = qmtest::Run(launcher_, args, start_, RunEnvironment(std::move(env)));
    EXPECT_TRUE(r.finished) << "the launcher did not end by itself";
    EXPECT_EQ(r.exitCode, status);
    return r;
  }
  RunResult Launch(const std::vector<std::string>& args, std::map<std::string, std::string> env = {}) {
    return LaunchExpecting(0, args, std::move(env));
  }

  std::string StoragePathOf() const { return UserFolder(launcher_) + "storage.data"; }
  void ExpectNoWorkFolderLeft() const { EXPECT_EQ(NumberedTempFolders(), std::vector<std::string>{}); }

  ScratchFolder root_{"e2e"};
  TempFolderOverride temp_{root_ / "temp"};
  std::string start_, record_, launcher_;
};
}  // namespace qmtest
