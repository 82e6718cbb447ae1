// The command line split by the system's rules, the split into pass-through arguments
// and the KVRUNEXTRA option, and argument quoting checked by splitting the quoted line
// back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/command_line.h"

namespace {
// The arguments after a program name, as the system splits them.
std::vector<std::string> ParseArguments(const std::string& line) { return SplitCommandLine("prog.exe " + line); }
}  // namespace

TEST(SplitCommandLine, SplitsAsTheSystemDoes) {
  using Args = std::vector<std::string>;
  struct Case {
    std::string line;
    Args args;
  };
  const Case cases[] = {
      {"prog \"a b c\" d e", {"a b c", "d", "e"}},
      {"prog \"ab\\\"c\" \"\\\\\" d", {"ab\"c", "\\", "d"}},
      {"prog a\\\\\\b d\"e f\"g h", {"a\\\\\\b", "de fg", "h"}},
      {"prog a\\\\\\\"b c d", {"a\\\"b", "c", "d"}},
      {"prog a\\\\\\\\\"b c\" d e", {"a\\\\b c", "d", "e"}},
      // The program name has no escapes and may hold blanks in quotes.
      {"\"C:\\Program Files\\x\\\" one", {"one"}},
      {"C:\\dir\\x.exe\"\"y two", {"two"}},
      // Empty arguments in quotes count; blanks and tabs around arguments do not.
      {"prog \"\"", {""}},
      {"prog \"\" \t\"\"", {"", ""}},
      {"prog  a\t ", {"a"}},
      {"prog", {}},
      {"", {}},
      // A quote right after a closing quote is literal.
      {"prog \"a\"\"b\"", {"a\"b"}},
      {"prog \"\"\"a\"\"\"", {"\"a\""}},
      // An unclosed quote runs to the end.
      {"prog \"open run", {"open run"}},
      {"prog a\\", {"a\\"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
}

TEST(SplitArguments, PassesThroughAndTakesTheOptionInAnyCase) {
  TLauncherArguments a = SplitArguments({"a", "b c", "kvrunextra=tools\\x.exe", "short"});
  EXPECT_EQ(a.PassThrough, " a b c short");
  EXPECT_EQ(a.PassThroughArgs, (std::vector<std::string>{"a", "b c", "short"}));
  EXPECT_EQ(a.ExtraFile, "tools\\x.exe");
}

TEST(SplitArguments, LastOptionWinsAndOptionWithoutEqualsKeepsItsText) {
  EXPECT_EQ(SplitArguments({"KVRUNEXTRA=one", "KvRunExtra=two"}).ExtraFile, "two");
  TLauncherArguments bare = SplitArguments({"KVRUNEXTRAfile"});
  EXPECT_EQ(bare.ExtraFile, "KVRUNEXTRAfile");
  EXPECT_TRUE(bare.PassThroughArgs.empty());
  // Every "KVRUNEXTRA=" goes, wherever it stands.
  EXPECT_EQ(SplitArguments({"KVRUNEXTRA=a\\kvrunextra=b"}).ExtraFile, "a\\b");
}

TEST(SplitArguments, ShortArgumentsAndNoArguments) {
  EXPECT_EQ(SplitArguments({"KVRUNEXTR"}).PassThrough, " KVRUNEXTR");
  TLauncherArguments none = SplitArguments({});
  EXPECT_EQ(none.PassThrough, "");
  EXPECT_EQ(none.ExtraFile, "");
}

TEST(QuoteArgument, RoundTripsThroughTheSystemsSplit) {
  const std::vector<std::string> samples = {
      "plain", "with blank", "", "tab\there", "quote\"inside", "\"", "ends\\",
      "ends in blank\\", "C:\\Program Files\\App\\", "back\\\\\"slash", "a\\\\b", "\\\\server\\share",
      "multi\"ple\"\"quotes", " leading", "trailing ", "\\\"", "x\\\\\\\"y\\\\"};
  std::string line = JoinArguments(samples);
  EXPECT_EQ(ParseArguments(line), samples) << line;
  for (const std::string& s : samples)
    EXPECT_EQ(ParseArguments(QuoteArgument(s)), std::vector<std::string>{s}) << s;
}

TEST(QuoteArgument, LeavesSimpleArgumentsAloneUnlessForced) {
  EXPECT_EQ(QuoteArgument("simple"), "simple");
  EXPECT_EQ(QuoteArgument("C:\\dir\\file.txt"), "C:\\dir\\file.txt");
  EXPECT_EQ(QuoteArgument("C:\\dir\\file.txt", true), "\"C:\\dir\\file.txt\"");
  EXPECT_EQ(QuoteArgument("a b\\"), "\"a b\\\\\"");
  EXPECT_EQ(QuoteProgramPath("C:\\Program Files\\x.exe"), "\"C:\\Program Files\\x.exe\"");
}
