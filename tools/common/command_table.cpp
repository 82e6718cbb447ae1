// Command dispatch helpers (see command_table.h).
#include "common/command_table.h"

namespace cmdtable {
bool IsVersion(const std::string& arg) { return arg == "--version" || arg == "-V"; }

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

bool AsksForHelp(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a == "--") return false;
    if (IsHelp(a)) return true;
  }
  return false;
}

std::string CommandLine(const std::string& name, const std::string& summary) {
  return "  " + name + std::string(name.size() < 10 ? 10 - name.size() : 1, ' ') + summary + "\n";
}
}  // namespace cmdtable
