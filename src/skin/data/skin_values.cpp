// Value syntaxes of the skin description: colour triplets, RGB key triples, image names.
#include "skin/data/skin_values.h"

#include "framework/path_text.h"

namespace {
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

TColor ParseColour(const std::string& value, TColor default_colour) {
  size_t begin = 0, end = value.size();
  while (begin < end && IsBlank(value[begin])) ++begin;
  while (end > begin && IsBlank(value[end - 1])) --end;
  if (begin == end) return default_colour;

  int components[3] = {0, 0, 0};
  int taken = 0;
  bool in_run = false;
  int run = 0;  // the run's value modulo 256
  for (size_t i = begin; i < end && taken < 3; ++i) {
    char c = value[i];
    if (c >= '0' && c <= '9') {
      run = (run * 10 + (c - '0')) % 256;
      in_run = true;
    } else if (in_run) {
      components[taken++] = run;
      run = 0;
      in_run = false;
    }
  }
  // A run still open at the end counts only as the third component.
  if (in_run && taken == 2) components[taken++] = run;
  return RgbColour(components[0], components[1], components[2]);
}

TColor ReadColour(const TQuickIni& ini, std::string_view section, std::string_view key,
                  TColor default_colour) {
  return ParseColour(ini.ReadString(section, key, ""), default_colour);
}

bool ReadRGB(const TQuickIni& ini, std::string_view section, const std::string& name, TColor& target) {
  int32_t r = ini.ReadInteger(section, name + "R", -1);
  int32_t g = ini.ReadInteger(section, name + "G", -1);
  int32_t b = ini.ReadInteger(section, name + "B", -1);
  if (r < 0 || g < 0 || b < 0) return false;
  target = RgbColour(r, g, b);
  return true;
}

std::string SkinImageEntryName(const std::string& value) {
  std::string name = NamePart(value);
  if (name.empty()) return std::string();
  size_t dot = name.rfind('.');
  if (dot == std::string::npos || name.compare(dot, std::string::npos, ".bmp") != 0) {
    return std::string();
  }
  return name;
}

void ReadSkinImageEntry(const TSkinReader& reader, const std::string& value,
                        TMemoryStream& output) {
  std::string name = SkinImageEntryName(value);
  if (name.empty()) {
    output.SetSize(0);
    output.Seek(0);
    return;
  }
  reader.GetEntry(name, output);
}
