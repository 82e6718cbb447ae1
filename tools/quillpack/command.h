// One quillpack command: its name, help texts and entry point.
#pragma once
#include <string>
#include <vector>

struct Command {
  const char* name;
  const char* summary;  // one line for `quillpack --help`
  const char* help;     // the full text for `quillpack NAME --help`
  // Runs with the arguments after the command name; returns the exit status.
  // Exceptions escaping it are reported by main (message on stderr, status 1).
  int (*run)(const std::vector<std::string>& args);
};
