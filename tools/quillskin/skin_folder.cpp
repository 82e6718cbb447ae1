// Gathering a skin folder for `quillskin build`.
#include "skin_folder.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "framework/bmp_format.h"
#include "framework/file_system.h"
#include "framework/path_text.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_values.h"
#include "tool_files.h"

namespace {

bool EndsWithBmpAnyCase(const std::string& value) {
  return value.size() >= 4 && LowerAscii(value.substr(value.size() - 4)) == ".bmp";
}

// Images the description names that no entry holds, and image names that cannot load.
void CheckDescription(const TSkinEntrySource& description,
                      const std::vector<TSkinEntrySource>& entries,
                      std::vector<std::string>& warnings) {
  TQuickIni ini;
  ini.LoadFromText(std::string(description.bytes.begin(), description.bytes.end()));
  std::string section;
  for (size_t i = 0; i < ini.LineCount(); ++i) {
    const std::string& line = ini.Line(i);
    if (line.front() == '[' && line.back() == ']') {
      section = line;
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string value = line.substr(eq + 1);
    value.erase(0, value.find_first_not_of(" \t"));
    if (!EndsWithBmpAnyCase(value)) continue;
    std::string key = line.substr(0, eq);
    key.erase(key.find_last_not_of(" \t") + 1);
    std::string where = "The description's " + (section.empty() ? "" : section + " ") + key + " ";
    std::string name = SkinImageEntryName(value);
    if (name.empty()) {
      warnings.push_back(where + "names \"" + value +
                         "\": only a lower-case .bmp extension loads, so it shows no image");
      continue;
    }
    std::string folded = LowerAscii(name);
    bool found = std::any_of(entries.begin(), entries.end(),
                             [&](const TSkinEntrySource& e) { return e.name == folded; });
    if (!found) warnings.push_back(where + "names \"" + name + "\", which the folder lacks");
  }
}

}  // namespace

SkinFolderContent CollectSkinFolder(const std::string& folder) {
  if (!fsys::FolderExists(folder)) throw std::runtime_error("Cannot open the folder \"" + folder + "\"");
  SkinFolderContent content;
  std::map<std::string, std::string> file_of_entry;  // folded name -> file name
  std::vector<TSkinEntrySource> descriptions, others;
  for (const FolderItem& item : fsys::ListFolder(folder)) {
    if (item.is_folder) continue;
    std::string name = LowerAscii(item.name);
    if (name.find_first_of("\r\n") != std::string::npos) {
      throw std::runtime_error("The file name \"" + item.name + "\" holds a line break");
    }
    auto clash = file_of_entry.find(name);
    if (clash != file_of_entry.end()) {
      throw std::runtime_error("\"" + clash->second + "\" and \"" + item.name +
                               "\" would both become the entry \"" + name + "\"");
    }
    file_of_entry[name] = item.name;
    TSkinEntrySource entry{name, ReadWholeFile(JoinPath(folder, item.name), skinpkg::kMaxPackageSize)};
    (name.find(".ini") != std::string::npos ? descriptions : others).push_back(std::move(entry));
  }
  if (descriptions.empty()) {
    throw std::runtime_error("The folder \"" + folder + "\" holds no skin description (a .ini file)");
  }
  if (descriptions.size() > 1) {
    throw std::runtime_error("The folder \"" + folder + "\" holds more than one description (\"" +
                             descriptions[0].name + "\", \"" + descriptions[1].name + "\")");
  }
  std::sort(others.begin(), others.end(),
            [](const TSkinEntrySource& a, const TSkinEntrySource& b) { return a.name < b.name; });
  content.entries.push_back(std::move(descriptions[0]));
  for (TSkinEntrySource& e : others) content.entries.push_back(std::move(e));

  for (const TSkinEntrySource& e : content.entries) {
    if (e.name.size() < 4 || e.name.compare(e.name.size() - 4, 4, ".bmp") != 0) continue;
    PixelImage image;
    if (!DecodeBmp(e.bytes.data(), e.bytes.size(), image)) {
      content.warnings.push_back("\"" + file_of_entry[e.name] +
                                 "\" is not a usable BMP image; the skin shows nothing for it");
    }
  }
  CheckDescription(content.entries.front(), content.entries, content.warnings);
  return content;
}
