// quillskin's console: the ToolOutput that writes to standard output and error.
#pragma once
#include <string>

#include "command.h"
#include "common/console.h"

class ConsoleOutput : public ToolOutput {
 public:
  void Out(const std::string& utf8) override;
  void Err(const std::string& utf8) override;
};
