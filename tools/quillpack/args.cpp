// Argument splitting shared by the commands.
#include "args.h"

#include <stdexcept>

ParsedArgs ParseArgs(const std::string& command, const std::vector<std::string>& args,
                     const std::set<std::string>& allowed, int minPositional, int maxPositional) {
  ParsedArgs parsed;
  bool flagsEnded = false;
  for (const std::string& a : args) {
    if (!flagsEnded && a == "--") {
      flagsEnded = true;
    } else if (!flagsEnded && a.size() > 1 && a[0] == '-') {
      if (!allowed.count(a))
        throw std::runtime_error("Unknown option " + a + "; run `quillpack " + command + " --help`");
      parsed.flags.insert(a);
    } else {
      parsed.positional.push_back(a);
    }
  }
  int n = static_cast<int>(parsed.positional.size());
  if (n < minPositional || (maxPositional >= 0 && n > maxPositional))
    throw std::runtime_error("Wrong number of arguments; run `quillpack " + command + " --help`");
  return parsed;
}
