// TQuickIni: the in-memory reader of a skin description: sections in brackets,
// key=value lines, ";" comment lines. Built once from a stream, then only queried.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/stream.h"

class TQuickIni {
 public:
  // Reads from the stream's position to its end (8-bit text; a NUL ends it).
  void LoadFromStream(TStream& stream);
  void LoadFromText(const std::string& text);

  // Line index of the first header "[section]" (ASCII case-insensitive); -1 if none.
  int SectionIndex(std::string_view section) const;
  // Every header's name (brackets removed, trimmed), in text order, duplicates kept.
  void ReadSectionNames(std::vector<std::string>& names) const;
  // The value of the first line of key in the first section of that name; the
  // default when the section or key is missing or that first value is empty.
  // (Views, so that the many calls with literal keys build no strings.)
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value) const;
  // ReadString converted as an integer: optional sign, decimal digits, or "$" / "0x"
  // and hexadecimal digits (up to 32 bits); anything else gives the default.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t default_value) const;

  size_t LineCount() const { return lines_.size(); }
  const std::string& Line(size_t index) const { return lines_[index].text; }

 private:
  struct IniLine {
    std::string text;   // trimmed
    std::string key;    // lower case, trimmed; empty without "="
    std::string value;  // trimmed
    bool header = false;
  };
  std::vector<IniLine> lines_;
  std::vector<size_t> sections_;  // indexes of header lines
};

// Integer conversion of the run-time library ("$" hexadecimal), as ReadInteger uses.
bool ParseSkinInteger(const std::string& text, int32_t& value);
