// A quillskin ToolOutput that keeps what a command prints, for running commands in-process.
#pragma once
#include <string>

#include "command.h"

class CapturedOutput : public ToolOutput {
 public:
  void Out(const std::string& text) override { out += text; }
  void Err(const std::string& text) override { err += text; }
  std::string out, err;
};
