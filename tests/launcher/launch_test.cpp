// Process launching with real processes: quoting of the program path and of the
// arguments, exit codes, the time limit, associations and the work-folder variable.
#include <gtest/gtest.h>

#include "framework/file_system.h"
#include "framework/wide.h"
#include "launcher/launch.h"
#include "registry_helpers.h"
#include "test_support.h"

using namespace qmtest;

namespace {
TLauncherState StateFor(const std::string& startDir, const std::string& workDir,
                        std::vector<std::string> args) {
  TLauncherState state;
  state.StartDir = startDir;
  state.WorkDir = workDir + "\\";
  state.PassThroughArgs = std::move(args);
  return state;
}
}  // namespace

TEST(LaunchAndWait, QuotesThePathAndEveryArgument) {
  ScratchFolder root("launch");
  // A decoy where an unquoted path would be cut at the first blank.
  CreateDirectoryW(Widen(root / "Program Files").c_str(), nullptr);
  CopyTo(RecorderExe(), root / "Program Files\\rec.exe");
  CopyTo(RecorderExe(), root / "Program.exe");
  std::vector<std::string> args = {"a b", "", "q\"uote", "ends\\", "tab\tx", "\\\\server\\s"};
  TLauncherState state = StateFor(root.Path(), root.Path(), args);
  SetEnvironmentVariableW(L"QM_RECORD_FILE", Widen(root / "record.txt").c_str());
  SetEnvironmentVariableW(L"QM_RECORD_EXIT", L"7");
  SetCurrentDirectoryW(Widen(root.Path()).c_str());
  uint32_t code = LaunchAndWait(state, root / "Program Files\\rec.exe", INFINITE, 1);
  SetEnvironmentVariableW(L"QM_RECORD_EXIT", nullptr);
  SetCurrentDirectoryW(Widen(fsys::TempFolder()).c_str());
  EXPECT_EQ(code, 7u);
  Record r = ReadRecord(root / "record.txt");
  EXPECT_EQ(Value(r, "exe"), root / "Program Files\\rec.exe");
  EXPECT_EQ(Values(r, "arg"), args);
  EXPECT_EQ(Value(r, "workdir"), root.Path());
  EXPECT_EQ(state.StartDir, root.Path() + "\\");
}

TEST(LaunchAndWait, EmptyPathMissingProgramAndTimeLimit) {
  ScratchFolder root("launch");
  TLauncherState state = StateFor(root.Path(), root.Path(), {});
  EXPECT_EQ(LaunchAndWait(state, "", INFINITE, 1), 255u);
  // A program that cannot start is an error with the platform's reason and the path.
  try {
    LaunchAndWait(state, root / "missing.exe", INFINITE, 1);
    ADD_FAILURE() << "no error";
  } catch (const ELaunchError& e) {
    EXPECT_NE(std::string(e.what()).find(root / "missing.exe"), std::string::npos) << e.what();
  }
  WriteFile(root / "not a program.exe", "text");
  EXPECT_THROW(LaunchAndWait(state, root / "not a program.exe", INFINITE, 1), ELaunchError);
  SetEnvironmentVariableW(L"QM_RECORD_FILE", Widen(root / "record.txt").c_str());
  SetEnvironmentVariableW(L"QM_RECORD_SLEEP", L"20000");
  DWORD start = GetTickCount();
  uint32_t code = LaunchAndWait(state, RecorderExe(), 300, 2);
  SetEnvironmentVariableW(L"QM_RECORD_SLEEP", nullptr);
  EXPECT_EQ(code, 255u);  // ended at the limit
  EXPECT_LT(GetTickCount() - start, 15000u);
}

TEST(OpenWithAssociation, RunsTheRegisteredCommandWithTheDocumentAndArguments) {
  ScratchFolder root("assoc");
  CreateDirectoryW(Widen(root / "viewer dir").c_str(), nullptr);
  std::string viewer = root / "viewer dir\\view er.exe";
  CopyTo(RecorderExe(), viewer);
  TestFileType type(".qmlaunchdoc", "QuillmereTest.LaunchDoc", "\"" + viewer + "\" \"%1\"");
  std::string document = root / "a document.qmlaunchdoc";
  WriteFile(document, "text");
  TLauncherState state = StateFor(root.Path(), root.Path(), {"x y"});
  SetEnvironmentVariableW(L"QM_RECORD_FILE", Widen(root / "record.txt").c_str());
  OpenWithAssociation(state, document);
  Record r = ReadRecord(root / "record.txt");
  EXPECT_EQ(Value(r, "exe"), viewer);
  EXPECT_EQ(Values(r, "arg"), (std::vector<std::string>{document, "x y"}));
}

TEST(OpenWithAssociation, ValueThatIsNotTextAndUnknownTypeFail) {
  ScratchFolder root("assoc");
  TestFileType type(".qmbadtype", "QuillmereTest.BadType", DWORD{5});
  TLauncherState state = StateFor(root.Path(), root.Path(), {});
  EXPECT_THROW(OpenWithAssociation(state, root / "x.qmbadtype"), ELaunchError);
  EXPECT_THROW(OpenWithAssociation(state, root / "x.qmnosuchtype"), ELaunchError);
  EXPECT_EQ(ReadClassesRootDefault(".qmnosuchtype"), "");
}
