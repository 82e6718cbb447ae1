// Reading a skin file as far as its description, for the pack command's input checks.
#include "skin_check.h"

#include <memory>
#include <stdexcept>
#include <vector>

#include "framework/file_system.h"
#include "framework/stream.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_reader.h"

namespace {
constexpr int64_t kMaxSkin = 64 << 20;
}

void CheckSkinFile(const std::string& path) {
  const std::string who = "Skin " + path;
  if (fsys::FolderExists(path)) throw std::runtime_error(who + " is a folder, not a skin file");
  std::unique_ptr<TFileStream> file;
  try {
    file = std::make_unique<TFileStream>(path, FileMode::Read);
  } catch (const std::exception&) {
    throw std::runtime_error(who + (fsys::PathExists(path) ? " cannot be read" : " not found"));
  }
  const int64_t size = file->Size();
  if (size > kMaxSkin) throw std::runtime_error(who + " is too large for a skin file");
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (size > 0) file->ReadBuffer(bytes.data(), bytes.size());
  TSkinReader reader;
  if (!reader.LoadPackage(bytes.data(), bytes.size())) {
    std::string message = reader.Message();
    for (char& c : message)
      if (c == '\r' || c == '\n') c = ' ';
    throw std::runtime_error(who + " is not a skin file that reads: " + message);
  }
  TMemoryStream description;
  std::string entry;
  if (!reader.FindEntry(".ini", description, entry) || description.Size() == 0)
    throw std::runtime_error(who + " holds no skin description (no .ini entry)");
  TQuickIni ini;
  ini.LoadFromStream(description);
  std::vector<std::string> sections;
  ini.ReadSectionNames(sections);
  if (sections.empty()) throw std::runtime_error(who + ": its description " + entry + " has no sections");
}
