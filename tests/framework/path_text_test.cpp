// Shared text and path helpers: ASCII-only case, case-insensitive equality, the two
// kinds of path pieces (stored paths split at "\" and ":", file paths also at "/").
#include <gtest/gtest.h>

#include "framework/path_text.h"

TEST(PathText, CaseChangesOnlyAsciiLetters) {
  const std::string mixed = "aZ09_\xC3\x89t\xC3\xA9";  // "aZ09_Été" in UTF-8
  EXPECT_EQ(UpperAscii(mixed), "AZ09_\xC3\x89T\xC3\xA9");
  EXPECT_EQ(LowerAscii(mixed), "az09_\xC3\x89t\xC3\xA9");
  EXPECT_TRUE(SameTextAscii("Segoe UI", "SEGOE ui"));
  EXPECT_TRUE(SameTextAscii("", ""));
  EXPECT_FALSE(SameTextAscii("abc", "abcd"));
  EXPECT_FALSE(SameTextAscii("\xC3\x89", "\xC3\xA9"));  // É and é differ: not ASCII
  EXPECT_FALSE(SameTextAscii("[", "{"));                 // 0x5B vs 0x7B, not letters
  EXPECT_EQ(RemoveAllNoCase("AbcABCabc", "aBc"), "");
}

TEST(PathText, FileNamesAndFoldersOfFilePaths) {
  struct Case { const char* path; const char* name; const char* folder; } cases[] = {
      {"C:\\a\\b.txt", "b.txt", "C:\\a"},   {"/tmp/x/y.exe", "y.exe", "/tmp/x"},
      {"a/b\\c", "c", "a/b"},               {"C:b.txt", "b.txt", "."},
      {"b.txt", "b.txt", "."},              {"\\b.txt", "b.txt", "\\"},
      {"/b", "b", "/"},                     {"a\\", "", "a"},
      {"", "", "."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
  }
}
