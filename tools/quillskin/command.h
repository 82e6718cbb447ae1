// One quillskin command (name, help, entry point) and the output it writes to.
#pragma once
#include <string>
#include <vector>

// Where a command prints: the console in the tool, a buffer in tests.
class ToolOutput {
 public:
  virtual ~ToolOutput() = default;
  virtual void Out(const std::string& utf8) = 0;  // results, on standard output
  virtual void Err(const std::string& utf8) = 0;  // errors and warnings, on standard error
};

struct Command {
  const char* name;
  const char* summary;  // one line for `quillskin --help`
  const char* help;     // the full text for `quillskin NAME --help`
  // Runs with the arguments after the command name; returns the exit status (0 or 1).
  // Exceptions escaping it are reported by the dispatcher (stderr, status 1).
  int (*run)(const std::vector<std::string>& args, ToolOutput& io);
};

// Runs a whole quillskin command line (without the program name).
int RunQuillskin(const std::vector<std::string>& args, ToolOutput& io);
