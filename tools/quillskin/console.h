// quillskin's console: UTF-8 arguments and the ToolOutput that writes to the console.
#pragma once
#include <string>
#include <vector>

#include "command.h"

namespace console {
// The arguments without the program name, as UTF-8 (from the wide command line on Windows).
std::vector<std::string> Arguments(int argc, char** argv);
}  // namespace console

class ConsoleOutput : public ToolOutput {
 public:
  void Out(const std::string& utf8) override;
  void Err(const std::string& utf8) override;
};
