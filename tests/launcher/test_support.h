// Helpers of the launcher's Windows tests: paths of the built programs, a scratch
// folder, files, processes with a time limit, records written by the recorder program.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace qmtest {
// A built program, from a path of the build machine (converted to Z:\... under Wine).
std::string BuiltProgram(const char* path);
std::string LauncherExe();
std::string QuillpackExe();
std::string RecorderExe();
// A launcher stub whose descriptor worker thread never starts.
std::string ThreadlessLauncherExe();
// The default skin, which the build puts beside the launcher.
std::string DefaultSkinPath();

// A new empty folder in the system's temporary folder (ending without "\"), removed
// with everything in it by the destructor.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& label);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Makes folder the system's temporary folder (TMP and TEMP) of this process and of the
// programs it starts, until the destructor puts the earlier values back. Launchers
// started under it make their work folders there, apart from those of other tests
// that run at the same time.
class TempFolderOverride {
 public:
  explicit TempFolderOverride(const std::string& folder);
  ~TempFolderOverride();
  TempFolderOverride(const TempFolderOverride&) = delete;
  TempFolderOverride& operator=(const TempFolderOverride&) = delete;

 private:
  struct Saved {
    const wchar_t* name;
    bool set;
    std::wstring value;
  };
  std::vector<Saved> saved_;
};

void WriteFile(const std::string& path, const std::string& text);
std::string ReadFile(const std::string& path);  // empty when missing
bool Exists(const std::string& path);
void RemoveTree(const std::string& path);
void CopyTo(const std::string& from, const std::string& to);

struct RunResult {
  bool finished = false;  // false: still running at the limit, then ended
  DWORD exitCode = 0;
};
// Runs the program with the arguments (each quoted), in the folder, with the
// environment variables set for this run; waits up to limitMs.
RunResult Run(const std::string& program, const std::vector<std::string>& args,
              const std::string& folder, const std::map<std::string, std::string>& env = {},
              DWORD limitMs = 60000);

// The stored path + name of every entry of an archive, sorted; none when it is missing.
std::vector<std::string> ArchiveNames(const std::string& archivePath);
// A monotonic clock in milliseconds, for the benchmarks.
double MillisecondsNow();

// The recorder's "key=value" lines: every value of a key, in order.
using Record = std::multimap<std::string, std::string>;
Record ReadRecord(const std::string& path);
std::vector<std::string> Values(const Record& record, const std::string& key);
std::string Value(const Record& record, const std::string& key);  // the first; empty if none

// Packs main (and extras) into a launcher with quillpack pack (on the stub, by default
// the built launcher); true on success.
bool Pack(const std::string& output, const std::string& main,
          const std::vector<std::string>& extras = {}, bool userFolder = false,
          const std::string& skin = "", const std::string& stub = "");
// Writes a launcher whose payload holds exactly these files and an app.data with this
// text, for payloads quillpack would not write: entry names are the files' names, or
// what renames maps them to.
void BuildLauncher(const std::string& output, const std::vector<std::string>& files,
                   const std::string& descriptor,
                   const std::map<std::string, std::string>& renames = {});
// The numbered work folders now in the system's temporary folder.
std::vector<std::string> NumberedTempFolders();
}  // namespace qmtest
