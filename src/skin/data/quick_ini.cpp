// TQuickIni: the skin description parsed once into trimmed lines with their keys and
// values, and the section headers' line indexes.
#include "skin/data/quick_ini.h"

#include <algorithm>
#include <cstring>

#include "framework/path_text.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view Trim(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool ParseSkinInteger(const std::string& text, int32_t& value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size()) return false;
  if (text[i] == '$') {
    // Hexadecimal: up to 32 bits, taken as a signed value (as the run-time library does).
    ++i;
    if (i >= text.size()) return false;
    uint64_t v = 0;
    for (; i < text.size(); ++i) {
      int d = HexDigit(text[i]);
      if (d < 0) return false;
      v = v * 16 + static_cast<uint64_t>(d);
      if (v > 0xFFFFFFFFull) return false;
    }
    uint32_t bits = static_cast<uint32_t>(v);
    if (negative) bits = 0u - bits;
    value = static_cast<int32_t>(bits);
    return true;
  }
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > int64_t{2147483648}) return false;
  }
  if (negative) v = -v;
  if (v > 2147483647) return false;
  value = static_cast<int32_t>(v);
  return true;
}

void TQuickIni::LoadFromStream(TStream& stream) {
  std::string text;
  char buffer[4096];
  for (;;) {
    size_t got = stream.Read(buffer, sizeof buffer);
    if (got == 0) break;
    text.append(buffer, got);
  }
  LoadFromText(text);
}

void TQuickIni::LoadFromText(const std::string& raw) {
  std::vector<IniLine> lines;
  std::vector<size_t> sections;
  const size_t size = std::min(raw.size(), std::strlen(raw.c_str()));  // a NUL ends the text
  const std::string_view text(raw.data(), size);
  size_t i = 0;
  while (i < size) {
    size_t start = i;
    while (i < size && raw[i] != '\r' && raw[i] != '\n') ++i;
    const std::string_view line = Trim(text.substr(start, i - start));
    if (i < size && raw[i] == '\r') {
      ++i;
      if (i < size && raw[i] == '\n') ++i;
    } else if (i < size && raw[i] == '\n') {
      ++i;
    }
    if (line.empty() || line[0] == ';') continue;
    IniLine entry;
    entry.text = std::string(line);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      entry.header = true;
      sections.push_back(lines.size());
    }
    size_t eq = line.find('=');
    if (eq != std::string_view::npos) {
      entry.key = LowerAscii(std::string(Trim(line.substr(0, eq))));
      entry.value = std::string(Trim(line.substr(eq + 1)));
    }
    lines.push_back(std::move(entry));
  }
  lines_ = std::move(lines);
  sections_ = std::move(sections);
}

int TQuickIni::SectionIndex(std::string_view section) const {
  for (size_t index : sections_) {
    const std::string& header = lines_[index].text;  // "[" + name + "]"
    if (SameTextAscii(std::string_view(header).substr(1, header.size() - 2), section))
      return static_cast<int>(index);
  }
  return -1;
}

void TQuickIni::ReadSectionNames(std::vector<std::string>& names) const {
  names.clear();
  for (size_t index : sections_) {
    const std::string& text = lines_[index].text;
    names.push_back(std::string(Trim(std::string_view(text).substr(1, text.size() - 2))));
  }
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view default_value) const {
  int start = SectionIndex(section);
  if (start < 0) return std::string(default_value);
  const std::string wanted = LowerAscii(std::string(key));
  for (size_t i = static_cast<size_t>(start) + 1; i < lines_.size() && !lines_[i].header; ++i) {
    if (lines_[i].key != wanted) continue;
    return lines_[i].value.empty() ? std::string(default_value) : lines_[i].value;
  }
  return std::string(default_value);
}

int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key, int32_t default_value) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text = "$" + text.substr(2);
  }
  int32_t value;
  return ParseSkinInteger(text, value) ? value : default_value;
}
