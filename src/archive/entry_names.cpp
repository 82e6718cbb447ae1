// Entry name helpers and extraction path checks.
#include "archive/entry_names.h"

namespace zlbnames {
namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool HasControl(const std::string& s) {
  for (unsigned char c : s)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}
// "", ".", "..", " .", "..." and similar: after Windows trims trailing dots and
// blanks nothing or a relative step remains.
bool DotsAndBlanksOnly(const std::string& component) {
  return component.find_first_not_of(". ") == std::string::npos;
}
}  // namespace

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

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

std::string CollapseBackslashes(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!(c == '\\' && !out.empty() && out.back() == '\\')) out += c;
  return out;
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
