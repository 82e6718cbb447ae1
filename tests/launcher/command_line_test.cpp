// The split into pass-through arguments and the KVRUNEXTRA option, and argument
// quoting checked by parsing the quoted line back with the C runtime's rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/command_line.h"

namespace {
// The C runtime's reading of a command line after the program name: blanks separate,
// quotes group and are removed, 2n backslashes before a quote give n and the quote
// counts, 2n+1 give n and a literal quote; "" inside quotes is a literal quote.
std::vector<std::string> ParseArguments(const std::string& line) {
  std::vector<std::string> args;
  size_t i = 0;
  for (;;) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) break;
    std::string arg;
    bool quoted = false;
    while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
      size_t backslashes = 0;
      while (i < line.size() && line[i] == '\\') {
        ++backslashes;
        ++i;
      }
      if (i < line.size() && line[i] == '"') {
        arg.append(backslashes / 2, '\\');
        if (backslashes % 2) {
          arg += '"';
          ++i;
        } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
          arg += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        arg.append(backslashes, '\\');
        if (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) arg += line[i++];
      }
    }
    args.push_back(arg);
  }
  return args;
}
}  // namespace

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

TEST(QuoteArgument, RoundTripsThroughTheRuntimeRules) {
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
