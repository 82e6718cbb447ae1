// Splits a quillskin command's arguments into options and positional arguments.
#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

struct ToolArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;  // "--output" -> its value
  std::set<std::string> flags;
};

// value_options take a value ("--output FILE" or "--output=FILE"); aliases maps short
// forms ("-o") to long ones; "--" ends the options. Throws std::runtime_error (naming
// the command and pointing at its --help) for an unknown option, a missing value, or
// a positional count outside [min_positional, max_positional].
ToolArgs ParseToolArgs(const std::string& command, const std::vector<std::string>& args,
                       const std::set<std::string>& value_options,
                       const std::set<std::string>& flag_options,
                       const std::map<std::string, std::string>& aliases, size_t min_positional,
                       size_t max_positional);
