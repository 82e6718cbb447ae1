// Text and path helpers (see path_text.h).
#include "framework/path_text.h"

namespace {
char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::string LowerAscii(std::string text) {
  for (char& c : text) c = LowerChar(c);
  return text;
}

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerChar(a[i]) != LowerChar(b[i])) return false;
  return true;
}

std::string RemoveAllNoCase(const std::string& text, const std::string& what) {
  if (what.empty()) return text;
  // Case folding keeps every byte in place, so positions found in the folded copies
  // hold in the original text.
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

std::string ExtractFileName(const std::string& path) {
  size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderOf(const std::string& path) {
  size_t cut = path.find_last_of("\\/");
  if (cut == std::string::npos) return ".";
  return cut == 0 ? path.substr(0, 1) : path.substr(0, cut);
}

std::string CollapseBackslashes(const std::string& text) {
  // A leading pair names a network share (\\server\share): it stays a pair.
  const size_t keep = text.compare(0, 2, "\\\\") == 0 ? 2 : 0;
  std::string out = text.substr(0, keep);
  out.reserve(text.size());
  for (size_t i = keep; i < text.size(); ++i)
    if (!(text[i] == '\\' && !out.empty() && out.back() == '\\')) out += text[i];
  return out;
}
