// The console ToolOutput.
#include "console.h"

#include <cstdio>

void ConsoleOutput::Out(const std::string& utf8) {
  console::WriteOut(utf8);
  std::fflush(stdout);  // each result shows at once
}

void ConsoleOutput::Err(const std::string& utf8) { console::WriteErr(utf8); }
