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

bool IsDeviceName(const std::string& component) {
  // Windows looks at the part before the first dot, without trailing blanks.
  std::string base = component.substr(0, component.find('.'));
  size_t end = base.find_last_not_of(' ');
  base = UpperAscii(end == std::string::npos ? std::string() : base.substr(0, end + 1));
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" ||
      base == "CONOUT$")
    return true;
  if (base.compare(0, 3, "COM") != 0 && base.compare(0, 3, "LPT") != 0) return false;
  std::string digit = base.substr(3);
  // 1 to 9, and the superscript digits one to three that Windows takes as well.
  return (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '9') || digit == "\xC2\xB9" ||
         digit == "\xC2\xB2" || digit == "\xC2\xB3";
}

bool IsPlainFileName(const std::string& name) {
  if (DotsAndBlanksOnly(name) || HasControl(name) || IsDeviceName(name)) return false;
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
    if (end > start) {
      std::string component = path.substr(start, end - start);
      if (DotsAndBlanksOnly(component) || IsDeviceName(component)) return false;
    }
    start = end + 1;
  }
  return true;
}
}  // namespace zlbnames
