// Argument splitting for quillskin commands.
#include "tool_args.h"

#include <stdexcept>

namespace {
[[noreturn]] void Usage(const std::string& command, const std::string& what) {
  throw std::runtime_error(what + " (run `quillskin " + command + " --help`)");
}
}  // namespace

ToolArgs ParseToolArgs(const std::string& command, const std::vector<std::string>& args,
                       const std::set<std::string>& value_options,
                       const std::set<std::string>& flag_options,
                       const std::map<std::string, std::string>& aliases, size_t min_positional,
                       size_t max_positional) {
  ToolArgs result;
  bool options_done = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    if (options_done || arg.size() < 2 || arg[0] != '-') {
      result.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options_done = true;
      continue;
    }
    std::string value;
    bool has_value = false;
    size_t eq = arg.find('=');
    if (arg.compare(0, 2, "--") == 0 && eq != std::string::npos) {
      value = arg.substr(eq + 1);
      arg = arg.substr(0, eq);
      has_value = true;
    }
    auto alias = aliases.find(arg);
    if (alias != aliases.end()) arg = alias->second;
    if (value_options.count(arg)) {
      if (!has_value) {
        if (i + 1 >= args.size()) Usage(command, "The option " + arg + " needs a value");
        value = args[++i];
      }
      result.values[arg] = value;
    } else if (flag_options.count(arg) && !has_value) {
      result.flags.insert(arg);
    } else {
      Usage(command, "Unknown option \"" + args[i] + "\"");
    }
  }
  if (result.positional.size() < min_positional) Usage(command, "Too few arguments");
  if (result.positional.size() > max_positional) Usage(command, "Too many arguments");
  return result;
}
