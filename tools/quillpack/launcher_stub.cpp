// Locating, checking and preparing the launcher stub for `quillpack pack`.
#include "launcher_stub.h"

#include <memory>
#include <stdexcept>

#include "archive/zlb_archive.h"
#include "framework/file_system.h"
#include "framework/path_text.h"
#include "framework/stream.h"
#include "own_folder.h"
#include "pe/icon_version.h"
#include "pe/le_bytes.h"
#include "pe/stub_resources.h"

namespace stub {
namespace {
constexpr int64_t kMaxStub = 256 << 20;
constexpr int64_t kMaxIcon = 16 << 20;

std::vector<uint8_t> ReadAll(const std::string& path, const std::string& role, int64_t limit) {
  if (fsys::FolderExists(path)) throw std::runtime_error(role + " " + path + " is a folder, not a file");
  std::unique_ptr<TFileStream> file;
  try {
    file = std::make_unique<TFileStream>(path, FileMode::Read);
  } catch (const std::exception&) {
    throw std::runtime_error(role + " " + path + (fsys::PathExists(path) ? " cannot be read" : " not found"));
  }
  const int64_t size = file->Size();
  if (size > limit) throw std::runtime_error(role + " " + path + " is too large (" + std::to_string(size) + " bytes)");
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (size > 0) file->ReadBuffer(bytes.data(), bytes.size());
  return bytes;
}

// Reads bytes of an open file for the PE parsers, within its size.
pe::ReadAt StreamReader(TStream& file) {
  const int64_t size = file.Size();
  return [&file, size](int64_t offset, uint8_t* out, size_t count) {
    if (offset < 0 || offset > size || static_cast<int64_t>(count) > size - offset) return false;
    file.Seek(offset);
    file.ReadBuffer(out, count);
    return true;
  };
}

// The resources of a program read through a file stream (a large program is not loaded
// whole); throws pe::FormatError when it is no PE image or its resources are damaged.
std::vector<pe::Resource> ProgramResources(const std::string& path) {
  if (fsys::FolderExists(path)) throw pe::FormatError("a folder, not a program");
  std::unique_ptr<TFileStream> opened;
  try {
    opened = std::make_unique<TFileStream>(path, FileMode::Read);
  } catch (const std::exception&) {
    throw pe::FormatError(fsys::PathExists(path) ? "unreadable" : "not found");
  }
  TFileStream& file = *opened;
  const int64_t size = file.Size();
  const pe::ReadAt read = StreamReader(file);
  return pe::ReadResources(read, pe::ParseImage(read, size));
}

bool IsType(const pe::Resource& r, uint32_t type) { return r.type == pe::ResourceId::Number(type); }
}  // namespace

std::vector<std::string> DefaultCandidates() {
  const std::string own = OwnFolder(), sep(1, fsys::Separator());
  return {own + sep + "quillmere.exe",
          own + sep + ".." + sep + ".." + sep + "win" + sep + "bin" + sep + "quillmere.exe"};
}

std::string FindDefault() {
  std::string looked;
  for (const std::string& candidate : DefaultCandidates()) {
    if (fsys::FileExists(candidate)) return candidate;
    looked += "\n  " + candidate;
  }
  throw std::runtime_error("Launcher stub quillmere.exe not found; looked at:" + looked +
                           "\nBuild the Windows tree (tools/setup.sh) or name the launcher with --stub");
}

std::vector<uint8_t> Prepare(const std::string& stubPath, const IdentityOptions& options,
                             std::vector<std::string>& notes) {
  std::vector<uint8_t> bytes = ReadAll(stubPath, "Launcher stub", kMaxStub);
  try {
    pe::CheckLauncherStub(pe::ParseImage(pe::MemoryReader(bytes), static_cast<int64_t>(bytes.size())));
  } catch (const pe::FormatError& e) {
    throw std::runtime_error("Launcher stub " + stubPath + " is " + e.what() +
                             "; the stub must be the 32-bit Windows GUI launcher quillmere.exe");
  }
  try {
    TZLBArc2 payload;
    payload.OpenArchive(stubPath);
    throw std::runtime_error("Launcher stub " + stubPath + " already carries a payload of " +
                             std::to_string(payload.FileCount()) +
                             " entries (a packed launcher); name the plain launcher quillmere.exe");
  } catch (const EZLBError&) {
    // No archive behind the stub: a plain launcher.
  }
  bytes = pe::WithoutSignature(bytes);

  // Icon: --icon, else the main program's (unless the launcher's are kept); version
  // information: --version-from, else the main program's (likewise).
  std::vector<pe::Resource> icon, version;
  if (!options.iconFile.empty()) {
    try {
      icon = pe::IconsFromIcoFile(ReadAll(options.iconFile, "Icon", kMaxIcon));
    } catch (const pe::FormatError& e) {
      throw std::runtime_error("Icon " + options.iconFile + " is " + e.what());
    }
    notes.push_back("icon from " + options.iconFile);
  }
  if (!options.versionFrom.empty()) {
    try {
      version = pe::FirstVersion(ProgramResources(options.versionFrom));
    } catch (const pe::FormatError& e) {
      throw std::runtime_error("Version source " + options.versionFrom + " is " + e.what());
    }
    if (version.empty()) throw std::runtime_error("Version source " + options.versionFrom + " has no version information");
    notes.push_back("version information from " + options.versionFrom);
  }
  if (!options.keepLauncherResources && (icon.empty() || version.empty())) {
    try {
      const std::vector<pe::Resource> program = ProgramResources(options.mainFile);
      if (icon.empty()) {
        icon = pe::FirstIconGroup(program);
        notes.push_back(icon.empty() ? "no icon in " + options.mainFile + ": the launcher's kept"
                                     : "icon from " + options.mainFile);
      }
      if (version.empty()) {
        version = pe::FirstVersion(program);
        notes.push_back(version.empty() ? "no version information in " + options.mainFile + ": the launcher's kept"
                                        : "version information from " + options.mainFile);
      }
    } catch (const pe::FormatError& e) {
      // A document, or a program with damaged resources, keeps the launcher's identity.
      notes.push_back("the launcher's icon and version information kept (" + options.mainFile + ": " + e.what() + ")");
    }
  }
  if (icon.empty() && version.empty()) return bytes;

  std::vector<pe::Resource> resources;
  try {
    resources = pe::ReadResources(pe::MemoryReader(bytes), pe::ParseImage(pe::MemoryReader(bytes), static_cast<int64_t>(bytes.size())));
  } catch (const pe::FormatError& e) {
    throw std::runtime_error("Launcher stub " + stubPath + " has damaged resources: " + e.what());
  }
  std::vector<pe::Resource> kept;
  for (pe::Resource& r : resources) {
    const bool replaced = (!icon.empty() && (IsType(r, pe::kTypeIcon) || IsType(r, pe::kTypeGroupIcon))) ||
                          (!version.empty() && IsType(r, pe::kTypeVersion));
    if (!replaced) kept.push_back(std::move(r));
  }
  kept.insert(kept.end(), icon.begin(), icon.end());
  kept.insert(kept.end(), version.begin(), version.end());
  try {
    return pe::WithResources(bytes, kept);
  } catch (const pe::FormatError& e) {
    throw std::runtime_error("Launcher stub " + stubPath + ": " + e.what());
  }
}

void StoreChecksum(const std::string& path) {
  TFileStream file(path, FileMode::ReadWrite);
  const int64_t size = file.Size();
  pe::ReadAt read = StreamReader(file);
  const pe::Image image = pe::ParseImage(read, size);
  pe::ChecksumBuilder sum(image.ChecksumOffset());
  std::vector<uint8_t> chunk(1 << 20);
  file.Seek(0);
  while (size_t got = file.Read(chunk.data(), chunk.size())) sum.Add(chunk.data(), got);
  uint8_t value[4];
  pe::le::Put32(value, sum.Finish());
  file.Seek(image.ChecksumOffset());
  file.Write(value, 4);
}

bool ClearSignatureEntry(const std::string& path) {
  try {
    {
      TFileStream file(path, FileMode::ReadWrite);
      const int64_t size = file.Size();
      const pe::ReadAt read = StreamReader(file);
      const pe::Image image = pe::ParseImage(read, size);
      if (image.directories.size() <= pe::kSecurityDirectory) return false;
      const uint8_t zero[8] = {};
      file.Seek(image.DirectoryEntryOffset(pe::kSecurityDirectory));
      file.Write(zero, sizeof zero);
    }
    StoreChecksum(path);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}
}  // namespace stub
