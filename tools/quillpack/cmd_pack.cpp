// quillpack pack: the single-file launcher, a copy of the launcher stub with the payload
// archive (main entry, descriptor app.data, optional skin.skn, extra files) appended.
#include <ctime>
#include <stdexcept>
#include <string>

#include "archive/zlb_archive.h"
#include "command.h"
#include "console.h"
#include "framework/file_system.h"
#include "framework/path_text.h"
#include "framework/stream.h"
#include "write_options.h"

#ifdef _WIN32
#include <windows.h>

#include "framework/wide.h"
#else
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>
#endif

namespace {
const char* const kPackerName = "quillpack";
const char* const kPackerVersion = "1.0";

// A temporary file or folder removed when the owner goes.
class TempItem {
 public:
  explicit TempItem(std::string path, bool folder = false) : path_(std::move(path)), folder_(folder) {}
  TempItem(const TempItem&) = delete;
  TempItem& operator=(const TempItem&) = delete;
  ~TempItem() {
    if (path_.empty()) return;
    if (!folder_) {
      fsys::RemoveFile(path_);
      return;
    }
    for (const FolderItem& item : fsys::ListFolder(path_)) fsys::RemoveFile(path_ + "\\" + item.name);
    fsys::RemoveFolder(path_);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  bool folder_;
};

// The folder of the running program (where the launcher stub is built).
std::string OwnFolder() {
#ifdef _WIN32
  wchar_t buffer[32768];
  DWORD n = GetModuleFileNameW(nullptr, buffer, 32768);
  if (n == 0 || n >= 32768) return ".";
  return FolderOf(Narrow(std::wstring(buffer, n)));
#else
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return ".";
  return FolderOf(std::string(buffer, static_cast<size_t>(n)));
#endif
}

// A comparable form of a file's path (absolute, one separator, case folded on Windows).
std::string PathKey(const std::string& path) {
#ifdef _WIN32
  wchar_t buffer[32768];
  DWORD n = GetFullPathNameW(Widen(path).c_str(), 32768, buffer, nullptr);
  std::string full = (n > 0 && n < 32768) ? Narrow(std::wstring(buffer, n)) : path;
  for (char& c : full)
    if (c == '/') c = '\\';
  return LowerAscii(full);
#else
  std::string native = path;
  for (char& c : native)
    if (c == '\\') c = '/';
  char resolved[PATH_MAX];
  if (realpath(native.c_str(), resolved)) return resolved;
  return native[0] == '/' ? native : fsys::CurrentFolder() + "/" + native;
#endif
}

std::string Today() {
  std::time_t now = std::time(nullptr);
  char text[16] = "";
  if (const std::tm* t = std::localtime(&now)) std::strftime(text, sizeof text, "%Y-%m-%d", t);
  return text;
}

// The descriptor: packer name, version and date, then the main entry and the
// user-folder switch; every line ends in CR LF.
std::string Descriptor(const std::string& mainEntry, bool userFolder) {
  return std::string(kPackerName) + "\r\n" + kPackerVersion + "\r\n" + Today() + "\r\n" + mainEntry + "\r\n" +
         (userFolder ? "True" : "False") + "\r\n";
}

void WriteTextFile(const std::string& path, const std::string& text) {
  TFileStream f(path, FileMode::Create);
  f.Write(text.data(), text.size());
}

void CopyFile(const std::string& from, const std::string& to) {
  TFileStream in(from, FileMode::Read), out(to, FileMode::Create);
  if (in.Size() > 0) out.CopyFrom(in, in.Size());
}

std::string NewTempName(const std::string& folder) {
  std::string name = fsys::CreateTempFile(folder, "QPK");
  if (name.empty()) throw std::runtime_error("Unable to create a temporary file in " + folder);
  return name;
}

int RunPack(const std::vector<std::string>& args) {
  WriteArgs a = ParseWriteArgs("pack", args, {"--user-folder"},
                               {"--stub", "--main", "--skin", "--output", "--level"}, 0);
  auto value = [&](const char* name) {
    auto it = a.values.find(name);
    return it == a.values.end() ? std::string() : it->second;
  };
  const std::string mainFile = value("--main"), skin = value("--skin");
  if (mainFile.empty())
    throw std::runtime_error("No main file; name one with --main (run `quillpack pack --help`)");
  std::string stub = value("--stub");
  if (stub.empty()) stub = OwnFolder() + std::string(1, fsys::Separator()) + "quillmere.exe";
  if (!fsys::FileExists(stub))
    throw std::runtime_error("Launcher stub " + stub +
                             " not found: build the launcher (quillmere.exe) or name one with --stub");
  if (!fsys::FileExists(mainFile)) throw std::runtime_error("Main file " + mainFile + " not found");
  if (!skin.empty() && !fsys::FileExists(skin)) throw std::runtime_error("Skin " + skin + " not found");
  for (const std::string& extra : a.positional)
    if (!fsys::FileExists(extra))
      throw std::runtime_error("Extra file " + extra + " not found (only files can be packed)");

  // Entry names must be unique: the launcher finds entries by name.
  const std::string mainEntry = ExtractFileName(mainFile);
  if (mainEntry.size() > 255) throw std::runtime_error("The main file's name is longer than 255 characters");
  std::vector<std::string> names = {mainEntry, "app.data"};
  if (!skin.empty()) names.push_back("skin.skn");
  for (const std::string& extra : a.positional) names.push_back(ExtractFileName(extra));
  for (size_t i = 0; i < names.size(); ++i)
    for (size_t j = 0; j < i; ++j)
      if (SameTextAscii(names[i], names[j]))
        throw std::runtime_error("Two payload entries would be named " + names[i]);

  // The default output is named after the main file but never like it: the launcher
  // unpacks the main entry next to itself under the entry's own name.
  std::string output = value("--output");
  if (output.empty()) {
    std::string base = mainEntry.substr(0, mainEntry.find_last_of('.'));
    output = fsys::CurrentFolder() + std::string(1, fsys::Separator()) + base + "-packed.exe";
  }
  const std::string outputKey = PathKey(output);
  std::vector<std::string> inputs = {stub, mainFile};
  if (!skin.empty()) inputs.push_back(skin);
  inputs.insert(inputs.end(), a.positional.begin(), a.positional.end());
  for (const std::string& input : inputs)
    if (PathKey(input) == outputKey)
      throw std::runtime_error("Refusing to overwrite the input " + input + " with the output");
  if (SameTextAscii(ExtractFileName(output), mainEntry))
    console::Err("warning: " + output +
                 " has the main entry's name; started from its own folder it would unpack over itself\n");

  // Staging folder for the descriptor and the skin under their entry names.
  TempItem stageName(NewTempName(""));
  fsys::RemoveFile(stageName.Path());
  TempItem stage(stageName.Path() + ".d", true);
  if (!fsys::CreateFolders(stage.Path()))
    throw std::runtime_error("Unable to create the folder " + stage.Path());
  const std::string sep = "\\";
  std::deque<std::string> items = {mainFile, stage.Path() + sep + "app.data"};
  WriteTextFile(items[1], Descriptor(mainEntry, a.flags.count("--user-folder") > 0));
  if (!skin.empty()) {
    CopyFile(skin, stage.Path() + sep + "skin.skn");
    items.push_back(stage.Path() + sep + "skin.skn");
  }
  items.insert(items.end(), a.positional.begin(), a.positional.end());

  // The payload is a stand-alone archive first: its offsets count from its own start,
  // so it stays valid behind the stub.
  const std::string outFolder = FolderOf(output);
  TempItem payload(NewTempName(outFolder));
  fsys::RemoveFile(payload.Path());
  TZLBArc2 arc;
  if (a.values.count("--level")) arc.CompressionLevel = ParseLevel(a.values["--level"]);
  arc.CreateArchive(payload.Path());
  bool complete = StoreFiles(arc, items);
  for (const std::string& needed :
       {mainEntry, std::string("app.data"), std::string(skin.empty() ? "" : "skin.skn")}) {
    if (!needed.empty() && (!arc.IsOpen() || arc.FindFile(needed) < 0))
      throw std::runtime_error("The payload could not be written; " + output + " was not created");
  }
  const int entries = arc.FileCount();
  arc.CloseArchive();

  TempItem packed(NewTempName(outFolder));
  int64_t stubSize = 0;
  {
    TFileStream out(packed.Path(), FileMode::Create);
    TFileStream launcher(stub, FileMode::Read);
    stubSize = launcher.Size();
    if (stubSize > 0) out.CopyFrom(launcher, stubSize);
    TFileStream archive(payload.Path(), FileMode::Read);
    out.CopyFrom(archive, archive.Size());
  }
  if (!fsys::MoveReplace(packed.Path(), output)) throw std::runtime_error("Unable to write " + output);

  // Read back as the launcher will: the archive must be found behind the stub.
  TZLBArc2 check;
  check.OpenArchive(output);
  if (check.ArchiveStart() != stubSize || check.FileCount() != entries)
    throw std::runtime_error("The written launcher " + output + " does not read back");
  console::Out("Packed " + output + ": launcher " + std::to_string(stubSize) + " bytes + payload of " +
               std::to_string(entries) + " entries, main entry " + mainEntry + "\n");
  return complete ? 0 : 1;
}
}  // namespace

extern const Command kCommandPack = {
    "pack", "build a single-file launcher around a program",
    "Usage: quillpack pack --main FILE [--stub LAUNCHER.exe] [--user-folder]\n"
    "                      [--skin SKIN.skn] [--output OUT.exe] [--level L] [EXTRA...]\n"
    "Writes OUT.exe: a copy of the launcher stub with a payload archive appended.\n"
    "The payload holds, in this order: the main file under its own name, the\n"
    "descriptor app.data, the skin as skin.skn (when given) and the EXTRA files,\n"
    "all without folders. The descriptor has five CR LF lines: the packer's name,\n"
    "its version, the date (YYYY-MM-DD), the main entry's name, and True or False\n"
    "for --user-folder.\n\n"
    "  --main FILE        the program (or document) the launcher starts\n"
    "  --stub LAUNCHER    the launcher to copy; by default quillmere.exe in the\n"
    "                     folder of quillpack itself\n"
    "  --user-folder      keep the program's work folder in the per-user folder\n"
    "                     instead of a fresh temporary folder saved after each run\n"
    "  --skin SKIN.skn    the skin of the launcher's window\n"
    "  --output OUT.exe   the file to write; by default the main file's base name\n"
    "                     + \"-packed.exe\" in the current folder. An existing OUT is\n"
    "                     replaced in one step; an input (the stub, the main file, the\n"
    "                     skin or an extra file) is never overwritten.\n"
    "  --level L          none, fastest, default (the default) or max\n\n"
    "Entry names must differ (case ignored). An extra file that cannot be read is\n"
    "reported as a warning and left out; without the main file, the descriptor or\n"
    "the skin nothing is written.\n"
    "Exit status 0 when everything was stored; 1 otherwise.\n",
    RunPack};
