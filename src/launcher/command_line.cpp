// Command-line split and quoting (see command_line.h).
#include "launcher/command_line.h"

#include "framework/path_text.h"

namespace {
const char kOptionName[] = "KVRUNEXTRA";
const size_t kOptionLength = sizeof(kOptionName) - 1;
}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> args;
  size_t i = 0;
  const size_t n = line.size();
  auto blank = [&](size_t at) { return at < n && (line[at] == ' ' || line[at] == '\t'); };
  // The program name: no escapes.
  if (i < n && line[i] == '"') {
    i = line.find('"', i + 1);
    i = i == std::string::npos ? n : i + 1;
  } else {
    while (i < n && !blank(i)) ++i;
  }
  while (blank(i)) ++i;
  std::string arg;
  bool inArg = false;   // something of the current argument was read
  int quotes = 0;       // 1 inside a quoted run
  size_t backslashes = 0;
  while (i < n) {
    const char c = line[i];
    if ((c == ' ' || c == '\t') && quotes == 0) {
      args.push_back(arg);
      arg.clear();
      inArg = false;
      while (blank(i)) ++i;
      backslashes = 0;
      continue;
    }
    inArg = true;
    if (c == '\\') {
      arg += c;
      ++backslashes;
      ++i;
      continue;
    }
    if (c != '"') {
      arg += c;
      backslashes = 0;
      ++i;
      continue;
    }
    // A quote: the backslashes before it are halved.
    arg.erase(arg.size() - (backslashes + 1) / 2);
    if (backslashes % 2 == 1) {
      arg += '"';
    } else {
      ++quotes;
    }
    backslashes = 0;
    ++i;
    // Quotes in a row: every third one is literal (a quote right after a closing one).
    while (i < n && line[i] == '"') {
      if (++quotes == 3) {
        arg += '"';
        quotes = 0;
      }
      ++i;
    }
    if (quotes == 2) quotes = 0;
  }
  if (inArg) args.push_back(arg);
  return args;
}

TLauncherArguments SplitArguments(const std::vector<std::string>& args) {
  TLauncherArguments result;
  for (const std::string& arg : args) {
    if (UpperAscii(arg.substr(0, kOptionLength)) != kOptionName) {
      result.PassThrough += " " + arg;
      result.PassThroughArgs.push_back(arg);
    } else {
      result.ExtraFile = RemoveAllNoCase(arg, std::string(kOptionName) + "=");
    }
  }
  return result;
}

std::string QuoteArgument(const std::string& arg, bool force) {
  if (!force && !arg.empty() && arg.find_first_of(" \t\n\v\"") == std::string::npos) return arg;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      // Backslashes before a quote are doubled, and the quote itself escaped.
      quoted.append(backslashes * 2 + 1, '\\');
    } else {
      quoted.append(backslashes, '\\');
    }
    backslashes = 0;
    quoted += c;
  }
  // Backslashes before the closing quote are doubled.
  quoted.append(backslashes * 2, '\\');
  quoted += '"';
  return quoted;
}

std::string QuoteProgramPath(const std::string& path) { return "\"" + path + "\""; }

std::string JoinArguments(const std::vector<std::string>& args) {
  std::string line;
  for (const std::string& arg : args) line += " " + QuoteArgument(arg);
  return line;
}
