// The per-run work folder (Windows only): a numbered folder in the system's temporary
// folder.
#pragma once
#include <stdexcept>
#include <string>

class EWorkFolderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Creates parent + N + "\" for the first free N from firstNumber on (1..65,535, going
// round once); a number whose folder already exists is skipped. Returns the folder
// (ending in "\"); throws EWorkFolderError when no folder can be created.
std::string CreateNumberedFolder(const std::string& parent, int firstNumber);
// A new work folder in the system's temporary folder, starting from a random number.
std::string CreateWorkFolder();
