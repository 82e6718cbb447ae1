// The run record's text format (see run_record.h).
#include "launcher/run_record.h"

#include <cstdlib>

#include "framework/hex_text.h"

namespace {
const char kFirstLine[] = "Quillmere run record 1";

// Reads an unsigned decimal or (with hex) hexadecimal number ending at a blank or the
// end; moves at past it and one blank.
bool ReadNumber(const std::string& text, size_t& at, uint64_t& value, bool hex = false) {
  size_t end = text.find(' ', at);
  if (end == std::string::npos) end = text.size();
  if (end == at || end - at > 20) return false;
  value = 0;
  for (size_t i = at; i < end; ++i) {
    char c = text[i];
    int digit = c >= '0' && c <= '9' ? c - '0'
                : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                              : -1;
    if (digit < 0) return false;
    uint64_t base = hex ? 16 : 10;
    if (value > (UINT64_MAX - static_cast<uint64_t>(digit)) / base) return false;
    value = value * base + static_cast<uint64_t>(digit);
  }
  at = end < text.size() ? end + 1 : end;
  return true;
}

bool ReadProcess(const std::string& text, TProcessMark& mark) {
  size_t at = 0;
  uint64_t id = 0, start = 0;
  if (!ReadNumber(text, at, id) || id > UINT32_MAX || !ReadNumber(text, at, start) || at != text.size())
    return false;
  mark.Id = static_cast<uint32_t>(id);
  mark.Start = start;
  return true;
}

bool ReadFileLine(const std::string& text, TRestoredFile& file) {
  size_t at = 0;
  uint64_t size = 0, crc = 0, time = 0;
  if (!ReadNumber(text, at, size) || size > INT64_MAX || !ReadNumber(text, at, crc, true) ||
      crc > UINT32_MAX || !ReadNumber(text, at, time) || time > INT64_MAX || at >= text.size())
    return false;
  file.Size = static_cast<int64_t>(size);
  file.CRC = static_cast<uint32_t>(crc);
  file.WriteTime = static_cast<int64_t>(time);
  file.Path = text.substr(at);
  return true;
}

// Appends the number in decimal, as std::to_string writes it.
void AppendUnsigned(std::string& text, uint64_t value) {
  char digits[20];
  size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (count > 0) text += digits[--count];
}

void AppendSigned(std::string& text, int64_t value) {
  if (value < 0) text += '-';
  AppendUnsigned(text, value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value));
}

// "<key>=<id> <start time>" and the line's end.
void AppendProcessLine(std::string& text, const char* key, const TProcessMark& mark) {
  text += key;
  text += '=';
  AppendUnsigned(text, mark.Id);
  text += ' ';
  AppendUnsigned(text, mark.Start);
  text += '\n';
}
}  // namespace

// Each line is appended in place, piece by piece.
std::string FormatRunRecord(const TRunRecord& record) {
  std::string text = kFirstLine;
  text += "\nworkdir=";
  text += record.WorkDir;
  text += '\n';
  AppendProcessLine(text, "launcher", record.Launcher);
  AppendProcessLine(text, "program", record.Program);
  text += record.Restored ? "restored=1\n" : "restored=0\n";
  for (const TRestoredFile& f : record.Files) {
    text += "file=";
    AppendSigned(text, f.Size);
    text += ' ';
    text += UpperHex(f.CRC);
    text += ' ';
    AppendSigned(text, f.WriteTime);
    text += ' ';
    text += f.Path;
    text += '\n';
  }
  return text;
}

bool ParseRunRecord(const std::string& text, TRunRecord& record) {
  record = TRunRecord{};
  size_t at = 0;
  bool first = true;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) return false;  // a record cut short
    std::string line = text.substr(at, end - at);
    at = end + 1;
    if (first) {
      if (line != kFirstLine) return false;
      first = false;
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "workdir") {
      record.WorkDir = value;
    } else if (key == "launcher") {
      if (!ReadProcess(value, record.Launcher)) return false;
    } else if (key == "program") {
      if (!ReadProcess(value, record.Program)) return false;
    } else if (key == "restored") {
      if (value != "0" && value != "1") return false;
      record.Restored = value == "1";
    } else if (key == "file") {
      TRestoredFile file;
      if (!ReadFileLine(value, file)) return false;
      record.Files.push_back(std::move(file));
    } else {
      return false;
    }
  }
  return !first && !record.WorkDir.empty();
}
