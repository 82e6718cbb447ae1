// ReplaceAll, the path helpers and the Boolean text of descriptor line 5.
#include <gtest/gtest.h>

#include "framework/path_text.h"
#include "launcher/text_utils.h"

TEST(ReplaceAll, LeftToRightWithoutRescanning) {
  EXPECT_EQ(ReplaceAll("a%1b%1", "%1", "X"), "aXbX");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), "aa");           // no overlap, no rescan
  EXPECT_EQ(ReplaceAll("%1", "%1", "%1%1"), "%1%1");       // replaced text not searched
  EXPECT_EQ(ReplaceAll("Case case", "case", "X"), "Case X");  // case-sensitive
  EXPECT_EQ(ReplaceAll("\"C:\\a b\\x.exe\" \"%1\"", "\"", ""), "C:\\a b\\x.exe %1");
  EXPECT_EQ(ReplaceAll("abc", "", "X"), "abc");
  EXPECT_EQ(ReplaceAll("", "a", "X"), "");
}

TEST(PathHelpers, ExtensionNameAndBackslashes) {
  EXPECT_EQ(ExtractFileExt("C:\\dir.d\\file.Exe"), ".Exe");
  EXPECT_EQ(ExtractFileExt("C:\\dir.d\\file"), "");
  EXPECT_EQ(ExtractFileExt("archive.tar.gz"), ".gz");
  EXPECT_EQ(ExtractFileName("C:\\a\\b.txt"), "b.txt");
  EXPECT_EQ(CollapseBackslashes("C:\\temp\\\\12\\\\x.exe"), "C:\\temp\\12\\x.exe");
  EXPECT_EQ(CollapseBackslashes("\\\\server\\share\\\\x.exe"), "\\\\server\\share\\x.exe");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\a"), "C:\\a\\");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\a\\"), "C:\\a\\");
  EXPECT_EQ(ExcludeTrailingBackslash("C:\\a\\"), "C:\\a");
  EXPECT_EQ(RemoveAllNoCase("xKvRunExtra=y", "KVRUNEXTRA="), "xy");
}

TEST(TryStrToBool, IntegersAndWords) {
  struct Case {
    const char* text;
    bool ok;
    bool value;
  } cases[] = {{"0", true, false},     {"1", true, true},       {"-1", true, true},
               {"17", true, true},     {"00", true, false},     {"$10", true, true},
               {"0x0", true, false},   {"True", true, true},    {"true", true, true},
               {"FALSE", true, false}, {"yes", false, false},   {"", false, false},
               {"1 ", false, false},   {"True ", false, false}, {"-", false, false}};
  for (const Case& c : cases) {
    bool value = !c.value;
    EXPECT_EQ(TryStrToBool(c.text, value), c.ok) << '"' << c.text << '"';
    if (c.ok) EXPECT_EQ(value, c.value) << '"' << c.text << '"';
  }
}
