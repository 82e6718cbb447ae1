// Reading the skin colour table from the description.
#include "skin/data/skin_colours.h"

#include "framework/path_text.h"
#include "skin/data/skin_keys.h"
#include "skin/data/skin_values.h"

namespace {

TColor TSkinColourTable::*FieldNamed(const char* name) {
  for (const TSkinColourField& f : SkinColourFields()) {
    if (SameTextAscii(f.name, name)) return f.field;
  }
  return nullptr;
}

}  // namespace

const std::vector<TSkinColourField>& SkinColourFields() {
  static const std::vector<TSkinColourField> fields = {
      {"WindowText", &TSkinColourTable::WindowText},
      {"TitleTextActive", &TSkinColourTable::TitleTextActive},
      {"TitleTextNoActive", &TSkinColourTable::TitleTextNoActive},
      {"ButtonFace", &TSkinColourTable::ButtonFace},
      {"ButtonText", &TSkinColourTable::ButtonText},
      {"ButtonHilight", &TSkinColourTable::ButtonHilight},
      {"Buttonlight", &TSkinColourTable::Buttonlight},
      {"ButtonShadow", &TSkinColourTable::ButtonShadow},
      {"ButtonDkShadow", &TSkinColourTable::ButtonDkShadow},
      {"HilightText", &TSkinColourTable::HilightText},
      {"Hilight", &TSkinColourTable::Hilight},
      {"Menubar", &TSkinColourTable::Menubar},
      {"MenuBarText", &TSkinColourTable::MenuBarText},
      {"MenuText", &TSkinColourTable::MenuText},
      {"Menu", &TSkinColourTable::Menu},
      {"TitleColour", &TSkinColourTable::TitleColour},
      {"Scrollbar", &TSkinColourTable::Scrollbar},
  };
  return fields;
}

void ReadSkinColours(const TQuickIni& ini, TSkinColourTable& table) {
  // Keys are read in catalogue order, so Menubar's default is the ButtonFace just read.
  for (const skinkeys::ColourKeyDef& key : skinkeys::kColourKeys) {
    TColor TSkinColourTable::*field = FieldNamed(key.name);
    if (!field) continue;
    const TColor fallback = key.system_index == skinkeys::kDefaultIsButtonFace
                                ? table.ButtonFace
                                : SystemColour(key.system_index);
    table.*field = ReadColour(ini, skinkeys::kColours, key.name, fallback);
  }

  table.ColourSections.clear();
  std::vector<std::string> sections;
  ini.ReadSectionNames(sections);
  for (const std::string& section : sections) {
    if (!skinkeys::IsColourSection(section)) continue;
    table.ColourSections.push_back(ReadColour(ini, section, skinkeys::kColourSectionKey,
                                              SystemColour(skinkeys::kColorWindowText)));
  }
}
