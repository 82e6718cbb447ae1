// Work folder creation (see work_folder.h).
#include "launcher/work_folder.h"

#include <windows.h>

#include "framework/file_system.h"
#include "framework/wide.h"
#include "launcher/random_name.h"
#include "launcher/text_utils.h"

namespace {
constexpr int kHighestNumber = 65535;
}

std::string CreateNumberedFolder(const std::string& parent, int firstNumber) {
  std::string base = IncludeTrailingBackslash(parent);
  if (firstNumber < 1 || firstNumber > kHighestNumber) firstNumber = 1;
  for (int tried = 0; tried < kHighestNumber; ++tried) {
    int number = (firstNumber - 1 + tried) % kHighestNumber + 1;
    std::string folder = base + std::to_string(number);
    if (CreateDirectoryW(Widen(folder).c_str(), nullptr)) return folder + "\\";
    DWORD error = GetLastError();
    // A number left over from an earlier run is taken: try the next one. Any other
    // failure would repeat for every number.
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED)
      throw EWorkFolderError(Joined({"Cannot create the work folder ", folder}));
  }
  throw EWorkFolderError(Joined({"Cannot create a work folder in ", base}));
}

std::string CreateWorkFolder() { return CreateNumberedFolder(fsys::TempFolder(), RandomFolderNumber()); }
