// Text helpers of the write side.
#include "archive/write_paths.h"

#include <algorithm>
#include <vector>

#include "archive/entry_names.h"
#include "framework/path_text.h"

namespace zlbpaths {
std::string WithBackslashes(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string WithoutDotFolders(const std::string& folder) {
  if (folder.find('.') == std::string::npos) return folder;
  // Split at "\": an empty first part is the root, an empty last part the final "\".
  std::vector<std::string> kept;
  size_t start = 0;
  for (;;) {
    size_t end = folder.find('\\', start);
    std::string part = folder.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (part == "..") {
      if (!kept.empty() && !kept.back().empty()) kept.pop_back();
    } else if (part.empty() ? kept.empty() || end == std::string::npos
                            : !zlbnames::DotsAndBlanksOnly(part)) {
      kept.push_back(part);
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  std::string result;
  for (size_t i = 0; i < kept.size(); ++i) result += (i ? "\\" : "") + kept[i];
  return result;
}

std::string Cut255(const std::string& text) {
  if (text.size() <= 255) return text;
  // Cut before a character, not inside one (UTF-8 continuation bytes are 10xxxxxx).
  size_t cut = 255;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut);
}

std::string AddCandidate(const std::string& file, bool savePaths) {
  return (savePaths ? WithoutDrive(FolderPart(file)) : std::string()) + NamePart(file);
}

std::string FileSystemKey(const std::string& path) {
  std::string key = WithBackslashes(path);
  while (key.size() > 1 && key.back() == '\\') key.pop_back();
  while (key.size() > 2 && key.compare(0, 2, ".\\") == 0) key.erase(0, 2);
#ifdef _WIN32
  key = LowerAscii(key);
#endif
  return key;
}
}  // namespace zlbpaths
