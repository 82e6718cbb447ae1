// Entry name helpers and extraction path checks.
#include "archive/entry_names.h"

namespace zlbnames {
namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
bool HasControl(const std::string& s) {
  for (unsigned char c : s)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}
}  // namespace

std::string LookupText(const std::string& name, bool savePaths) {
  std::string folder = FolderPart(name);
  if (savePaths) folder = WithoutDrive(folder);
  return folder + NamePart(name);
}

bool DotsAndBlanksOnly(const std::string& component) {
  return component.find_first_not_of(". ") == std::string::npos;
}

bool IsPlainFileName(const std::string& name) {
  if (DotsAndBlanksOnly(name) || HasControl(name)) return false;
  return name.find_first_of("\\/:") == std::string::npos;
}

bool IsSafeStoredPath(const std::string& path, const std::string& destFolder) {
  if (path.empty()) return true;
  if (HasControl(path) || path.find(':') != std::string::npos) return false;
  bool bareDest = destFolder.empty() || destFolder.back() == ':';
  if (IsSeparator(path[0]) && bareDest) return false;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    // Empty components (doubled or outer separators) collapse; others must be names.
    if (end > start && DotsAndBlanksOnly(path.substr(start, end - start))) return false;
    start = end + 1;
  }
  return true;
}
}  // namespace zlbnames
