// libFuzzer target for the skin description reader and the value syntaxes.
// Longer run: BUILD_DIR/native/bin/quick_ini_fuzzer -max_total_time=600 -rss_limit_mb=1024 CORPUS_DIR tests/data/skin_seeds/SEEDS
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/quick_ini.h"
#include "skin/data/skin_keys.h"
#include "skin/data/skin_values.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TQuickIni ini;
  ini.LoadFromText(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<std::string> sections;
  ini.ReadSectionNames(sections);
  skinkeys::CaptionButtonSections(ini);
  for (size_t s = 0; s < sections.size() && s < 64; ++s) {
    for (size_t i = 0; i < skinkeys::kPlainObjectKeyCount; ++i) {
      const skinkeys::KeyDef& key = skinkeys::kPlainObjectKeys[i];
      std::string value = ini.ReadString(sections[s], key.name, "");
      ini.ReadInteger(sections[s], key.name, key.default_value);
      ParseColour(value, 0);
      SkinImageEntryName(value);
    }
    TColor colour = 0;
    ReadRGB(ini, sections[s], "ActiveText", colour);
  }
  for (size_t i = 0; i < ini.LineCount(); ++i) {
    const std::string& line = ini.Line(i);
    int32_t value;
    ParseSkinInteger(line, value);
    ParseColour(line, 0);
    SkinImageEntryName(line);
  }
  return 0;
}
