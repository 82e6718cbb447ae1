// Text helpers of the write side: folder and name parts, dot folders, BaseDir removal.
#include <gtest/gtest.h>

#include "archive/entry_names.h"
#include "archive/write_paths.h"
#include "framework/path_text.h"

using namespace zlbnames;
using namespace zlbpaths;

TEST(WritePaths, SplitsAtTheLastBackslashOrColon) {
  EXPECT_EQ(FolderPart("C:\\a\\b.txt"), "C:\\a\\");
  EXPECT_EQ(NamePart("C:\\a\\b.txt"), "b.txt");
  EXPECT_EQ(FolderPart("C:b.txt"), "C:");
  EXPECT_EQ(NamePart("C:b.txt"), "b.txt");
  EXPECT_EQ(FolderPart("b.txt"), "");
  EXPECT_EQ(WithoutDrive("C:\\a\\"), "\\a\\");
  EXPECT_EQ(WithoutDrive("\\a\\"), "\\a\\");
  EXPECT_EQ(WithBackslashes("/tmp/x/y"), "\\tmp\\x\\y");
  EXPECT_EQ(LookupText("C:\\a:b\\c.txt", true), "\\a:b\\c.txt");
  EXPECT_EQ(LookupText("C:\\a\\c.txt", false), "C:\\a\\c.txt");
  EXPECT_EQ(AddCandidate("C:\\a\\c.txt", false), "c.txt");
  EXPECT_EQ(AddCandidate("C:\\a\\c.txt", true), "\\a\\c.txt");
}

TEST(WritePaths, StoredFoldersNeverClimbOut) {
  struct Case { const char* in; const char* out; } cases[] = {
      {"\\a\\b\\", "\\a\\b\\"},     {"..\\x\\", "x\\"},         {"..\\", ""},
      {"\\a\\..\\b\\", "\\b\\"},     {"a\\.\\b\\", "a\\b\\"},    {"\\..\\..\\", "\\"},
      {"a\\...\\b\\", "a\\b\\"},     {"a\\. .\\b\\", "a\\b\\"},  {"a.b\\.c\\", "a.b\\.c\\"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(WithoutDotFolders(c.in), c.out) << c.in;
}

TEST(WritePaths, BaseDirIsRemovedEverywhereIgnoringCase) {
  EXPECT_EQ(RemoveAllNoCase("\\Work\\x\\WORK\\", "work\\"), "\\x\\");
  EXPECT_EQ(RemoveAllNoCase("\\a\\", ""), "\\a\\");
  EXPECT_EQ(RemoveAllNoCase("aaa", "aa"), "a");
  EXPECT_EQ(Cut255(std::string(300, 'x')).size(), 255u);
  std::string accents;
  for (int i = 0; i < 200; ++i) accents += "\xC3\xA9";  // 400 bytes of two-byte characters
  EXPECT_EQ(Cut255(accents).size(), 254u);
  EXPECT_EQ(Cut255("a" + accents).size(), 255u);
}
