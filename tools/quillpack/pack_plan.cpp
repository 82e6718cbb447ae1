// Expanding and checking the extra files of `quillpack pack`.
#include "pack_plan.h"

#include <algorithm>
#include <map>
#include <memory>
#include <stdexcept>

#include "framework/file_system.h"
#include "framework/path_text.h"
#include "framework/stream.h"

namespace {
void CheckReadable(const std::string& file) {
  try {
    TFileStream probe(file, FileMode::Read);
  } catch (const std::exception&) {
    throw std::runtime_error("Extra file " + file + " cannot be read; nothing was written");
  }
}

void AddFolder(const std::string& folder, const std::string& storedPath, bool paths,
               std::vector<PlannedEntry>& out) {
  std::vector<FolderItem> items = fsys::ListFolder(folder);
  std::sort(items.begin(), items.end(), [](const FolderItem& a, const FolderItem& b) { return a.name < b.name; });
  const std::string sep(1, fsys::Separator());
  for (const FolderItem& item : items) {
    const std::string path = folder + sep + item.name;
    if (item.is_folder) {
      AddFolder(path, paths ? storedPath + item.name + "\\" : std::string(), paths, out);
    } else {
      CheckReadable(path);
      out.push_back({path, storedPath, item.name});
    }
  }
}

std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

// The stored form of an extra given on the command line (with --paths): a relative path
// as given ("data\maps" for data/maps, "./" dropped); an absolute one, or one that climbs
// with "..", by its last part only, so that nothing lands outside the start folder.
std::string StoredForm(const std::string& given) {
  std::string path = given;
  for (char& c : path)
    if (c == '/') c = '\\';
  path = CollapseBackslashes(path);
  while (path.compare(0, 2, ".\\") == 0) path.erase(0, 2);
  const bool absolute = path.empty() || path[0] == '\\' || path.find(':') != std::string::npos;
  const std::string wrapped = "\\" + path + "\\";
  if (absolute || wrapped.find("\\..\\") != std::string::npos || wrapped.find("\\.\\") != std::string::npos)
    return ExtractFileName(path);
  return path;
}
}  // namespace

std::vector<PlannedEntry> PlanExtras(const std::vector<std::string>& extras, bool recurse, bool paths) {
  std::vector<PlannedEntry> out;
  for (const std::string& given : extras) {
    const std::string extra = WithoutTrailingSeparators(given);
    if (fsys::FolderExists(extra)) {
      if (!recurse)
        throw std::runtime_error("Extra " + given +
                                 " is a folder; give --recurse to pack the files in it (and --paths to keep "
                                 "their folders); nothing was written");
      const std::string top = StoredForm(extra);
      const bool named = paths && !top.empty() && top != "." && top != "..";
      AddFolder(extra, named ? top + "\\" : std::string(), paths, out);
    } else if (fsys::FileExists(extra)) {
      CheckReadable(extra);
      const std::string stored = paths ? StoredForm(extra) : std::string();
      const size_t cut = stored.find_last_of('\\');
      out.push_back({extra, cut == std::string::npos ? std::string() : stored.substr(0, cut + 1), ExtractFileName(extra)});
    } else {
      throw std::runtime_error("Extra file " + given + " not found; nothing was written");
    }
  }
  return out;
}

void CheckUniqueEntries(const std::vector<PlannedEntry>& entries) {
  std::map<std::string, const PlannedEntry*> seen;
  for (const PlannedEntry& e : entries) {
    const std::string key = LowerAscii(e.storedPath + e.name);
    if (e.name.size() > 255 || e.storedPath.size() > 255)
      throw std::runtime_error("The entry " + e.storedPath + e.name + " has a name or folder longer than 255 characters");
    auto found = seen.emplace(key, &e);
    if (!found.second)
      throw std::runtime_error("Two payload entries would be named " + e.storedPath + e.name + " (" +
                               found.first->second->source + " and " + e.source + ")");
  }
}
