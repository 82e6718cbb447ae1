// quillpack pack: the single-file launcher, a copy of the launcher stub with the payload
// archive (main entry, descriptor app.data, optional skin.skn, extra files) appended.
#include <ctime>
#include <stdexcept>
#include <string>

#include "archive/zlb_archive.h"
#include "command.h"
#include "common/command_table.h"
#include "console.h"
#include "framework/file_system.h"
#include "framework/path_text.h"
#include "framework/stream.h"
#include "launcher_stub.h"
#include "pack_plan.h"
#include "skin_check.h"
#include "write_options.h"

#ifdef _WIN32
#include <windows.h>

#include "framework/wide.h"
#else
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
const char* const kPackerName = "quillpack";
const char* const kPackerVersion = cmdtable::kToolsVersion;

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

// The main file must be a readable file (a folder or a missing file stops here).
void CheckMainFile(const std::string& mainFile) {
  if (mainFile.empty())
    throw std::runtime_error("No main file; name one with --main (run `quillpack pack --help`)");
  if (fsys::FolderExists(mainFile))
    throw std::runtime_error("Main file " + mainFile + " is a folder; --main names the program file");
  if (!fsys::FileExists(mainFile)) throw std::runtime_error("Main file " + mainFile + " not found");
  try {
    TFileStream probe(mainFile, FileMode::Read);
  } catch (const std::exception&) {
    throw std::runtime_error("Main file " + mainFile + " cannot be read");
  }
}

void MakeExecutable(const std::string& path) {
#ifndef _WIN32
  const mode_t mask = umask(0);
  umask(mask);
  chmod(path.c_str(), 0777 & ~mask);
#else
  (void)path;
#endif
}

int RunPack(const std::vector<std::string>& args) {
  WriteArgs a = ParseWriteArgs("pack", args, {"--user-folder", "--recurse", "--paths", "--keep-launcher-resources"},
                               {"--stub", "--main", "--skin", "--output", "--level", "--icon", "--version-from"}, 0);
  auto value = [&](const char* name) {
    auto it = a.values.find(name);
    return it == a.values.end() ? std::string() : it->second;
  };
  // Every input is checked before anything is written.
  const std::string mainFile = value("--main"), skin = value("--skin");
  CheckMainFile(mainFile);
  std::string stubPath = value("--stub");
  if (stubPath.empty()) stubPath = stub::FindDefault();
  if (!skin.empty()) CheckSkinFile(skin);
  const std::vector<PlannedEntry> extras =
      PlanExtras(a.positional, a.flags.count("--recurse") > 0, a.flags.count("--paths") > 0);

  const std::string mainEntry = ExtractFileName(mainFile);
  std::vector<PlannedEntry> plan = {{mainFile, "", mainEntry}, {"", "", "app.data"}};
  if (!skin.empty()) plan.push_back({skin, "", "skin.skn"});
  plan.insert(plan.end(), extras.begin(), extras.end());
  CheckUniqueEntries(plan);

  // The default output is named after the main file but never like it: the launcher
  // unpacks the main entry next to itself under the entry's own name.
  std::string output = value("--output");
  if (output.empty()) {
    std::string base = mainEntry.substr(0, mainEntry.find_last_of('.'));
    output = fsys::CurrentFolder() + std::string(1, fsys::Separator()) + base + "-packed.exe";
  }
  if (fsys::FolderExists(output)) throw std::runtime_error("Output " + output + " is a folder");
  const std::string outputKey = PathKey(output);
  for (const std::string& input : {stubPath, mainFile, skin, value("--icon"), value("--version-from")})
    if (!input.empty() && PathKey(input) == outputKey)
      throw std::runtime_error("Refusing to overwrite the input " + input + " with the output");
  for (const PlannedEntry& e : extras)
    if (PathKey(e.source) == outputKey)
      throw std::runtime_error("Refusing to overwrite the input " + e.source + " with the output");
  if (SameTextAscii(ExtractFileName(output), mainEntry))
    console::Err("warning: " + output +
                 " has the main entry's name; started from its own folder it would unpack over itself\n");

  stub::IdentityOptions identity;
  identity.mainFile = mainFile;
  identity.iconFile = value("--icon");
  identity.versionFrom = value("--version-from");
  identity.keepLauncherResources = a.flags.count("--keep-launcher-resources") > 0;
  std::vector<std::string> notes;
  const std::vector<uint8_t> launcher = stub::Prepare(stubPath, identity, notes);

  // Staging folder for the descriptor and the skin under their entry names.
  TempItem stageName(NewTempName(""));
  fsys::RemoveFile(stageName.Path());
  TempItem stage(stageName.Path() + ".d", true);
  if (!fsys::CreateFolders(stage.Path()))
    throw std::runtime_error("Unable to create the folder " + stage.Path());
  plan[1].source = stage.Path() + "\\app.data";
  WriteTextFile(plan[1].source, Descriptor(mainEntry, a.flags.count("--user-folder") > 0));
  if (!skin.empty()) {
    plan[2].source = stage.Path() + "\\skin.skn";
    CopyFile(skin, plan[2].source);
  }

  // The payload is a stand-alone archive first: its offsets count from its own start,
  // so it stays valid behind the stub. Each entry gets the stored path of its plan.
  const std::string outFolder = FolderOf(output);
  TempItem payload(NewTempName(outFolder));
  fsys::RemoveFile(payload.Path());
  TZLBArc2 arc;
  if (a.values.count("--level")) arc.CompressionLevel = ParseLevel(a.values["--level"]);
  arc.SavePaths = true;  // stored paths come from the plan, set as each entry is stored
  size_t next = 0;
  arc.OnFileAddUpdate = [&](std::string& path, std::string& name) {
    while (next < plan.size() && plan[next].name != name) ++next;
    path = next < plan.size() ? plan[next++].storedPath : std::string();
  };
  arc.CreateArchive(payload.Path());
  std::vector<std::string> items;
  for (const PlannedEntry& e : plan) items.push_back(e.source);
  const bool complete = StoreFiles(arc, items);
  if (!complete || !arc.IsOpen() || arc.FileCount() != static_cast<int>(plan.size()))
    throw std::runtime_error("The payload could not be written; " + output + " was not created");
  const int entries = arc.FileCount();
  arc.CloseArchive();

  TempItem packed(NewTempName(outFolder));
  {
    TFileStream out(packed.Path(), FileMode::Create);
    out.Write(launcher.data(), launcher.size());
    TFileStream archive(payload.Path(), FileMode::Read);
    out.CopyFrom(archive, archive.Size());
  }
  stub::StoreChecksum(packed.Path());
  MakeExecutable(packed.Path());
  if (!fsys::MoveReplace(packed.Path(), output)) throw std::runtime_error("Unable to write " + output);

  // Read back as the launcher will: the archive must be found behind the stub.
  TZLBArc2 check;
  check.OpenArchive(output);
  if (check.ArchiveStart() != static_cast<int64_t>(launcher.size()) || check.FileCount() != entries)
    throw std::runtime_error("The written launcher " + output + " does not read back");
  console::Out("Packed " + output + ": launcher " + std::to_string(launcher.size()) + " bytes + payload of " +
               std::to_string(entries) + " entries, main entry " + mainEntry + "\n");
  for (const std::string& note : notes) console::Out("  " + note + "\n");
  return 0;
}
}  // namespace

extern const Command kCommandPack = {
    "pack", "build a single-file launcher around a program",
    "Usage: quillpack pack --main FILE [--stub LAUNCHER.exe] [--user-folder]\n"
    "                      [--skin SKIN.skn] [--output OUT.exe] [--level L]\n"
    "                      [--icon FILE.ico] [--version-from FILE.exe]\n"
    "                      [--keep-launcher-resources] [--recurse] [--paths] [EXTRA...]\n"
    "Writes OUT.exe: a copy of the launcher stub with a payload archive appended.\n"
    "The payload holds, in this order: the main file under its own name, the\n"
    "descriptor app.data, the skin as skin.skn (when given) and the EXTRA files.\n"
    "The descriptor has five CR LF lines: the packer's name, its version, the date\n"
    "(YYYY-MM-DD), the main entry's name, and True or False for --user-folder.\n"
    "OUT.exe shows the main program's icon and version information (file\n"
    "description, product name, versions, copyright) instead of the launcher's.\n\n"
    "  --main FILE        the program (or document) the launcher starts\n"
    "  --stub LAUNCHER    the launcher to copy: a 32-bit Windows GUI program without\n"
    "                     a payload. By default quillmere.exe next to quillpack, else\n"
    "                     ../../win/bin/quillmere.exe from quillpack's folder (the\n"
    "                     build puts it in build/win/bin/quillmere.exe, beside\n"
    "                     build/native/bin/quillpack)\n"
    "  --user-folder      keep the program's work folder in the per-user folder\n"
    "                     instead of a fresh temporary folder saved after each run\n"
    "  --skin SKIN.skn    the skin of the launcher's window; it must unpack and hold\n"
    "                     a skin description\n"
    "  --output OUT.exe   the file to write; by default the main file's base name\n"
    "                     + \"-packed.exe\" in the current folder. An existing OUT is\n"
    "                     replaced in one step; an input (the stub, the main file, the\n"
    "                     skin or an extra file) is never overwritten.\n"
    "  --level L          none, fastest, default (the default) or max\n"
    "  --icon FILE.ico    the icon of OUT.exe instead of the main program's\n"
    "  --version-from F   the version information of program F instead of the main\n"
    "                     program's\n"
    "  --keep-launcher-resources\n"
    "                     keep the launcher's own icon and version information (the\n"
    "                     two options above still apply)\n"
    "  --recurse          an EXTRA folder stands for all files below it\n"
    "  --paths            store the EXTRA files with their folders: data\\ and\n"
    "                     data\\sub\\ for a folder data, data\\maps\\ for data/maps/x;\n"
    "                     an EXTRA given absolutely or with \"..\" keeps only its last\n"
    "                     part. The launcher unpacks them with their folders into the\n"
    "                     folder it is started in\n\n"
    "A main program without an icon or version information keeps the launcher's.\n"
    "Entry names (with their folders) must differ, case ignored. Every input is\n"
    "checked before anything is written: a missing or unreadable main file, skin or\n"
    "extra file, a folder given without --recurse, or a stub that is not a plain\n"
    "launcher stops with its name and exit status 1. To sign OUT.exe, sign it after\n"
    "packing; `quillpack add` onto a signed launcher drops the signature.\n"
    "Exit status 0 when OUT.exe was written.\n",
    RunPack};
