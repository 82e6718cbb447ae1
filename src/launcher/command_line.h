// The launcher's command line (portable): the split into pass-through arguments and
// the KVRUNEXTRA option, and the quoting that hands arguments on unchanged.
#pragma once
#include <string>
#include <vector>

struct TLauncherArguments {
  // Each pass-through argument preceded by one blank, unquoted (for display).
  std::string PassThrough;
  // The pass-through arguments as received, in order.
  std::vector<std::string> PassThroughArgs;
  // The value of the last KVRUNEXTRA argument; empty without one.
  std::string ExtraFile;
};

// Splits a whole command line (UTF-8) into its arguments after the program name, by
// the system's rules (those of CommandLineToArgvW): the program name ends at the next
// blank, or at the closing quote when it begins with one; blanks and tabs outside
// quotes separate arguments; 2n backslashes before a quote give n backslashes and the
// quote opens or closes a quoted run; 2n+1 give n backslashes and a literal quote; a
// quote right after a closing one is literal; other backslashes are literal.
std::vector<std::string> SplitCommandLine(const std::string& line);

// Splits the arguments (without the program name): an argument whose first ten
// characters, upper-cased, are "KVRUNEXTRA" is the option (its value is the argument
// with every "KVRUNEXTRA=" removed, case-insensitively; the last one wins); every
// other argument is passed through.
TLauncherArguments SplitArguments(const std::vector<std::string>& args);

// One argument quoted so that the C runtime and CommandLineToArgvW give it back
// unchanged: left alone when it needs nothing, else in double quotes with quotes
// escaped and backslashes doubled where they precede a quote. With force, the
// argument is always put in quotes.
std::string QuoteArgument(const std::string& arg, bool force = false);
// A program path as the first item of a command line: always in double quotes (the
// first item is read up to the closing quote, without escapes).
std::string QuoteProgramPath(const std::string& path);
// The arguments quoted, each preceded by one blank.
std::string JoinArguments(const std::vector<std::string>& args);
