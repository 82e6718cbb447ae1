// Helpers of the launcher's Windows tests (see test_support.h).
#include "test_support.h"

#include "process_windows.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "framework/wide.h"
#include "launcher/command_line.h"
#include "launcher/random_name.h"

namespace qmtest {
std::string BuiltProgram(const char* path) {
  std::string p = path;
  if (!p.empty() && p[0] == '/') {
    std::replace(p.begin(), p.end(), '/', '\\');
    p = "Z:" + p;
  }
  return p;
}
std::string LauncherExe() { return BuiltProgram(QM_LAUNCHER_EXE); }
std::string QuillpackExe() { return BuiltProgram(QM_QUILLPACK_EXE); }
std::string RecorderExe() { return BuiltProgram(QM_RECORDER_EXE); }
std::string ThreadlessLauncherExe() { return BuiltProgram(QM_THREADLESS_EXE); }
std::string DefaultSkinPath() {
  std::string launcher = LauncherExe();
  return launcher.substr(0, launcher.find_last_of('\\') + 1) + "classic.skn";
}

ScratchFolder::ScratchFolder(const std::string& label) {
  path_ = fsys::TempFolder() + "qm-" + label + "-" + RandomName(6);
  fsys::CreateFolders(path_);
}
ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

TempFolderOverride::TempFolderOverride(const std::string& folder) {
  fsys::CreateFolders(folder);
  for (const wchar_t* name : {L"TMP", L"TEMP"}) {
    std::vector<wchar_t> buffer(32768);
    DWORD n = GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
    bool set = n > 0 && n < buffer.size();
    saved_.push_back({name, set, set ? std::wstring(buffer.data(), n) : std::wstring()});
    SetEnvironmentVariableW(name, Widen(folder).c_str());
  }
}
TempFolderOverride::~TempFolderOverride() {
  for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
    SetEnvironmentVariableW(it->name, it->set ? it->value.c_str() : nullptr);
}

void WriteFile(const std::string& path, const std::string& text) {
  FileHandle f = FileHandle::Open(path, FileMode::Create);
  f.Write(text.data(), text.size());
}

std::string ReadFile(const std::string& path) {
  FileHandle f = FileHandle::Open(path, FileMode::Read);
  if (!f.IsOpen()) return {};
  std::string text(static_cast<size_t>(std::max<int64_t>(f.Size(), 0)), '\0');
  if (!text.empty()) f.Read(&text[0], text.size());
  return text;
}

bool Exists(const std::string& path) { return fsys::PathExists(path); }

void RemoveTree(const std::string& path) {
  for (const FolderItem& item : fsys::ListFolder(path)) {
    std::string child = path + "\\" + item.name;
    if (item.is_folder) {
      RemoveTree(child);
    } else {
      SetFileAttributesW(Widen(child).c_str(), FILE_ATTRIBUTE_NORMAL);
      fsys::RemoveFile(child);
    }
  }
  fsys::RemoveFolder(path);
}

void CopyTo(const std::string& from, const std::string& to) {
  CopyFileW(Widen(from).c_str(), Widen(to).c_str(), FALSE);
}

RunResult Run(const std::string& program, const std::vector<std::string>& args,
              const std::string& folder, const std::map<std::string, std::string>& env,
              DWORD limitMs) {
  StartedProgram started(program, args, folder, env);
  RunResult result = started.Wait(limitMs);
  if (started.Started() && !result.finished) {
    started.Kill();
    result.exitCode = started.Wait(0).exitCode;
  }
  return result;
}

std::vector<std::string> ArchiveNames(const std::string& archivePath) {
  std::vector<std::string> names;
  if (!Exists(archivePath)) return names;
  TZLBArc2 arc;
  arc.OpenArchive(archivePath);
  for (int i = 0; i < arc.FileCount(); ++i) {
    TZLBEntry e;
    arc.GetFileEntry(i, e);
    names.push_back(e.StoredPath + e.Name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

double MillisecondsNow() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Record ReadRecord(const std::string& path) {
  Record record;
  std::string text = ReadFile(path);
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    size_t eq = line.find('=');
    if (eq != std::string::npos) record.emplace(line.substr(0, eq), line.substr(eq + 1));
    at = end + 1;
  }
  return record;
}

std::vector<std::string> Values(const Record& record, const std::string& key) {
  std::vector<std::string> values;
  auto range = record.equal_range(key);
  for (auto it = range.first; it != range.second; ++it) values.push_back(it->second);
  return values;
}

std::string Value(const Record& record, const std::string& key) {
  auto it = record.find(key);
  return it == record.end() ? std::string() : it->second;
}

bool Pack(const std::string& output, const std::string& main, const std::vector<std::string>& extras,
          bool userFolder, const std::string& skin, const std::string& stub) {
  std::vector<std::string> args = {"pack", "--stub", stub.empty() ? LauncherExe() : stub, "--main", main,
                                   "--output", output};
  if (userFolder) args.push_back("--user-folder");
  if (!skin.empty()) {
    args.push_back("--skin");
    args.push_back(skin);
  }
  args.insert(args.end(), extras.begin(), extras.end());
  RunResult r = Run(QuillpackExe(), args, "");
  return r.finished && r.exitCode == 0 && Exists(output);
}

void BuildLauncher(const std::string& output, const std::vector<std::string>& files,
                   const std::string& descriptor, const std::map<std::string, std::string>& renames) {
  ScratchFolder stage("stage");
  WriteFile(stage / "app.data", descriptor);
  std::string archive = stage / "payload.arc";
  {
    TZLBArc2 arc;
    arc.OnFileAddUpdate = [&](std::string&, std::string& name) {
      auto renamed = renames.find(name);
      if (renamed != renames.end()) name = renamed->second;
    };
    arc.CreateArchive(archive);
    std::vector<std::string> list(files.begin(), files.end());
    list.push_back(stage / "app.data");
    arc.AddFiles(list, false);
    arc.CloseArchive();
  }
  FileHandle out = FileHandle::Open(output, FileMode::Create);
  for (const std::string& part : {LauncherExe(), archive}) {
    std::string bytes = ReadFile(part);
    out.Write(bytes.data(), bytes.size());
  }
}

std::vector<std::string> NumberedTempFolders() {
  std::vector<std::string> folders;
  for (const FolderItem& item : fsys::ListFolder(fsys::TempFolder()))
    if (item.is_folder && item.name.find_first_not_of("0123456789") == std::string::npos)
      folders.push_back(item.name);
  std::sort(folders.begin(), folders.end());
  return folders;
}
}  // namespace qmtest
