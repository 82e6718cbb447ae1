// Splits a command's arguments into known "--" flags and positional arguments.
#pragma once
#include <set>
#include <string>
#include <vector>

struct ParsedArgs {
  std::set<std::string> flags;           // the flags that were given
  std::vector<std::string> positional;   // everything else, in order
};

// Accepts only the flags in allowed; "--" ends the flags. Throws std::runtime_error
// with a usage message naming the command for an unknown flag or a wrong number of
// positional arguments (at least minPositional; at most maxPositional, -1: any).
ParsedArgs ParseArgs(const std::string& command, const std::vector<std::string>& args,
                     const std::set<std::string>& allowed, int minPositional, int maxPositional);
