// The launcher state shared by start-up, the worker and the run sequence; the main
// window TformMain carries these fields.
#pragma once
#include <functional>
#include <string>
#include <vector>

struct TLauncherState {
  std::string StartDir;       // current folder at start-up
  std::string WorkDir;        // the work folder, always ending in "\"
  std::string PassThrough;    // pass-through arguments, each after one blank (unquoted)
  std::vector<std::string> PassThroughArgs;  // the same arguments as received
  std::string ExtraFile;      // KVRUNEXTRA value: a path relative to the work folder
  std::string MainEntryName;  // the payload entry to launch (descriptor line 4)
  bool KeepInUserFolder = false;  // descriptor line 5
  bool UseTempWorkDir = true;     // false once the per-user folder is the work folder
  std::string SkinTempName;       // five random characters
  std::string ExePath;            // the launcher's own executable
  // Told the process handle and number of the program once it has started.
  std::function<void(void* process, unsigned long id)> OnProgramStarted;
};
