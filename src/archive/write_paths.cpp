// Text helpers of the write side.
#include "archive/write_paths.h"

#include <algorithm>
#include <vector>

namespace zlbpaths {
std::string WithBackslashes(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string FolderPart(const std::string& path) {
  size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string NamePart(const std::string& path) {
  size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string WithoutDrive(const std::string& path) {
  size_t colon = path.find(':');
  return colon == std::string::npos ? path : path.substr(colon + 1);
}

namespace {
// ".", "..", "... " and the like: Windows shortens them to a parent or to nothing.
bool DotsAndBlanksOnly(const std::string& part) {
  return !part.empty() && part.find_first_not_of(". ") == std::string::npos;
}
}  // namespace

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
    } else if (!DotsAndBlanksOnly(part) && !(part.empty() && !kept.empty() && end != std::string::npos)) {
      kept.push_back(part);
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  std::string result;
  for (size_t i = 0; i < kept.size(); ++i) result += (i ? "\\" : "") + kept[i];
  return result;
}

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string RemoveAllNoCase(const std::string& text, const std::string& what) {
  if (what.empty()) return text;
  const std::string lowText = LowerAscii(text), lowWhat = LowerAscii(what);
  std::string result;
  size_t from = 0;
  for (;;) {
    size_t at = lowText.find(lowWhat, from);
    if (at == std::string::npos) break;
    result.append(text, from, at - from);
    from = at + what.size();
  }
  result.append(text, from, std::string::npos);
  return result;
}

std::string Cut255(const std::string& text) {
  if (text.size() <= 255) return text;
  // Cut before a character, not inside one (UTF-8 continuation bytes are 10xxxxxx).
  size_t cut = 255;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut);
}

std::string LookupText(const std::string& name, bool savePaths) {
  std::string folder = FolderPart(name);
  if (savePaths) folder = WithoutDrive(folder);
  return folder + NamePart(name);
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
