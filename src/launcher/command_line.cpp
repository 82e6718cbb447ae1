// Command-line split and quoting (see command_line.h).
#include "launcher/command_line.h"

#include "framework/path_text.h"

namespace {
const char kOptionName[] = "KVRUNEXTRA";
const size_t kOptionLength = sizeof(kOptionName) - 1;
}  // namespace

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
