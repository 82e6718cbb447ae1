// Text helpers (see text_utils.h).
#include "launcher/text_utils.h"

#include <cctype>

#include "framework/path_text.h"

std::string Joined(std::initializer_list<std::string_view> pieces) {
  size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  std::string text;
  text.reserve(size);
  for (std::string_view piece : pieces) text.append(piece.data(), piece.size());
  return text;
}

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  std::string result;
  size_t at = 0;
  for (;;) {
    size_t found = text.find(from, at);
    if (found == std::string::npos) break;
    result.append(text, at, found - at);
    result += to;
    at = found + from.size();
  }
  result.append(text, at, std::string::npos);
  return result;
}

std::string ExtractFileExt(const std::string& path) {
  size_t at = path.find_last_of(".\\/:");
  if (at == std::string::npos || path[at] != '.') return {};
  return path.substr(at);
}

std::string IncludeTrailingBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path;
  return path + "\\";
}

std::string ExcludeTrailingBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path.substr(0, path.size() - 1);
  return path;
}

bool TryStrToBool(const std::string& text, bool& value) {
  // An integer first: optional leading blanks, a sign, decimal or hexadecimal digits.
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  size_t digits = i;
  bool nonZero = false;
  while (i < text.size() && (base == 16 ? std::isxdigit(static_cast<unsigned char>(text[i]))
                                        : std::isdigit(static_cast<unsigned char>(text[i])))) {
    if (text[i] != '0') nonZero = true;
    ++i;
  }
  if (i > digits && i == text.size()) {
    value = nonZero;
    return true;
  }
  if (SameTextAscii(text, "True")) {
    value = true;
    return true;
  }
  if (SameTextAscii(text, "False")) {
    value = false;
    return true;
  }
  return false;
}
