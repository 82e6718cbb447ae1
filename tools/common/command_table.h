// The command dispatch that the tools share, whatever their commands' entry points
// look like: help options, the overview's list of commands, lookup by name.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace cmdtable {
// The version both tools print for --version (and pack writes into descriptors).
inline const char* const kToolsVersion = "1.0";

// "--help" or "-h".
bool IsHelp(const std::string& arg);
// "--version" or "-V".
bool IsVersion(const std::string& arg);
// True when a help option comes before any "--" (after it, arguments are names).
bool AsksForHelp(const std::vector<std::string>& args);
// One overview line: two blanks, the name padded to ten columns, the summary.
std::string CommandLine(const std::string& name, const std::string& summary);

// The overview lines of every command, in table order.
template <typename Command, size_t N>
std::string CommandList(const Command* const (&commands)[N]) {
  std::string text;
  for (const Command* c : commands) text += CommandLine(c->name, c->summary);
  return text;
}

// The command with that exact name, or nullptr.
template <typename Command, size_t N>
const Command* FindCommand(const Command* const (&commands)[N], const std::string& name) {
  for (const Command* c : commands)
    if (name == c->name) return c;
  return nullptr;
}
}  // namespace cmdtable
