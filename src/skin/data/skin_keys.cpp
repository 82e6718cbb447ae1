// The skin description's key catalogue and section-name rules.
#include "skin/data/skin_keys.h"

#include <array>

#include "framework/path_text.h"

namespace skinkeys {

namespace {
constexpr KeyKind kInt = KeyKind::Integer;
constexpr KeyKind kColour = KeyKind::Colour;
constexpr KeyKind kImage = KeyKind::Image;
constexpr KeyKind kRgb = KeyKind::RgbTriple;
// Colour keys whose default is the skin's ButtonText colour carry this marker.
constexpr int32_t kButtonTextDefault = SystemColour(kColorButtonText);

template <size_t N>
using Keys = std::array<KeyDef, N>;

// One table made of groups of keys, in the order given.
template <size_t... N>
constexpr Keys<(N + ...)> Join(const Keys<N>&... groups) {
  Keys<(N + ...)> all{};
  size_t at = 0;
  auto append = [&all, &at](const auto& group) {
    for (const KeyDef& key : group) all[at++] = key;
  };
  (append(groups), ...);
  return all;
}

// Groups of keys that several sections share, with the same defaults.
constexpr Keys<4> kMarginKeys = {{
    {"LeftWidth", kInt, 0},
    {"RightWidth", kInt, 0},
    {"TopHeight", kInt, 0},
    {"BottomHeight", kInt, 0},
}};
constexpr Keys<2> kTransTileKeys = {{
    {"Trans", kInt, 0},
    {"Tile", kInt, 0},
}};
constexpr Keys<6> kTextColourKeys = {{
    {"NormalColour", kInt, -1},
    {"MouseOverColour", kInt, -1},
    {"PressedColour", kInt, -1},
    {"NormalColour2", kColour, kButtonTextDefault},
    {"MouseOverColour2", kColour, kButtonTextDefault},
    {"PressedColour2", kColour, kButtonTextDefault},
}};

constexpr auto kButtonsTable = Join(
    Keys<3>{{{"Bitmap", kImage, 0}, {"CheckButton", kImage, 0}, {"RadioButton", kImage, 0}}},
    kMarginKeys, kTransTileKeys, kTextColourKeys,
    Keys<2>{{{"RadioButtonFrame", kInt, 0}, {"CheckButtonFrame", kInt, 0}}});
constexpr auto kPlainObjectTable =
    Join(Keys<2>{{{"Image", kImage, 0, true}, {"Style", kInt, 0}}}, kMarginKeys,
         Keys<1>{{{"Frame", kInt, 0}}}, kTransTileKeys, kTextColourKeys);
constexpr auto kProgressTable =
    Join(Keys<2>{{{"Bitmap", kImage, 0, true}, {"Style", kInt, 0}}}, kMarginKeys, kTransTileKeys);
}  // namespace

const KeyDef kPersonalityKeys[] = {
    {"TextBack", kImage, 0},
    {"TextShift", kInt, 0},
    {"TextShiftVert", kInt, 0},
    {"TextRightClip", kInt, 0},
    {"TextAlignment", kInt, 0},
    {"Textbackground", kInt, 0},
    {"TXTBackleft", kInt, 0},
    {"TXTBackRight", kInt, 0},
    {"ActiveText", kRgb, kTitleColourUnset},
    {"InActiveText", kRgb, kTitleColourUnset},
    {"menuBar", kImage, 0, true},
    {"TileMenu", kInt, 1},
    {"TileLeftMenu", kInt, 1},
    {"TileRightMenu", kInt, 1},
};
const size_t kPersonalityKeyCount = sizeof kPersonalityKeys / sizeof kPersonalityKeys[0];

const ColourKeyDef kColourKeys[16] = {
    {"WindowText", kColorWindowText},
    {"ButtonFace", kColorButtonFace},
    {"Scrollbar", kColorScrollbar},
    {"HilightText", kColorHighlightText},
    {"Hilight", kColorHighlight},
    {"Menubar", kDefaultIsButtonFace},
    {"Menu", kColorMenu},
    {"MenuText", kColorMenuText},
    {"ButtonText", kColorButtonText},
    {"ButtonHilight", kColorButtonHighlight},
    {"Buttonlight", kColorButtonHighlight},
    {"ButtonShadow", kColorButtonShadow},
    {"ButtonDkShadow", kColor3DDarkShadow},
    {"MenuBarText", kColorMenuText},
    {"TitleTextActive", kColorCaptionText},
    {"TitleTextNoActive", kColorInactiveCaptionText},
};

const KeyDef kCaptionButtonKeys[] = {
    {"ButtonImage", kImage, 0},
    {"Action", kInt, 0},
    {"Align", kInt, 0},
    {"Xcoord", kInt, 0},
    {"Ycoord", kInt, 0},
    {"Visibility", kInt, 0},
    {"Visibility1", kInt, 0},  // -1 when Action is -1
    {"CombineOp", kInt, -1},
    {"frame", kInt, 0},
};
const size_t kCaptionButtonKeyCount = sizeof kCaptionButtonKeys / sizeof kCaptionButtonKeys[0];

const KeyDef* const kButtonsKeys = kButtonsTable.data();
const size_t kButtonsKeyCount = kButtonsTable.size();

const char* const kPlainObjectSections[] = {
    "Progress.Chunk",     "GroupBoxEdge",       "StatusBarEdges",     "Tab.Pane",
    "ToolBars",           "SunkEdge",           "ExtraImages",        "Headerbar",
    "MenuItem",           "MenuBackground",     "Scrollbar",          "HorzScroll",
    "VertScroll",         "HorzScrollThumb",    "VertScrollThumb",    "Trackbar.ThumbHorz",
    "Trackbar.ThumbVert", "Trackbar.ThumbLeft", "Trackbar.ThumbRight", "Trackbar.ThumbUp",
    "Trackbar.ThumbDown", "Track",              "TRACKVERT",
};
const size_t kPlainObjectSectionCount =
    sizeof kPlainObjectSections / sizeof kPlainObjectSections[0];

const KeyDef* const kPlainObjectKeys = kPlainObjectTable.data();
const size_t kPlainObjectKeyCount = kPlainObjectTable.size();

const TwoImageSection kTwoImageSections[4] = {
    {"Tabs", "Border"},
    {"UpDown.Horz", "GlyphImage"},
    {"UpDown.Vert", "GlyphImage"},
    {"ComboButton", "****"},
};

const KeyDef* const kProgressKeys = kProgressTable.data();
const size_t kProgressKeyCount = kProgressTable.size();

const KeyDef kGroupBoxExtraKeys[] = {
    {"BackgroundAlignment", kInt, 0},
    {"BackgroundLeftShift", kInt, 0},
    {"BackgroundRightShift", kInt, 0},
};
const size_t kGroupBoxExtraKeyCount = sizeof kGroupBoxExtraKeys / sizeof kGroupBoxExtraKeys[0];

bool IsColourSection(const std::string& section) {
  std::string upper = UpperAscii(section);
  return upper.compare(0, 6, "COLOUR") == 0 && upper != "COLOURS";
}

bool IsCaptionButtonName(const std::string& section) {
  std::string upper = UpperAscii(section);
  return upper.compare(0, 6, "BUTTON") == 0 && upper != "BUTTON" && upper != "BUTTONS" &&
         upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
}

bool IsCaptionButtonSection(const TQuickIni& ini, const std::string& section) {
  if (!IsCaptionButtonName(section)) return false;
  return !(ini.ReadInteger(section, "Action", 0) == -1 &&
           ini.ReadInteger(section, "Visibility", -1) != 0);
}

std::vector<std::string> CaptionButtonSections(const TQuickIni& ini) {
  std::vector<std::string> names;
  ini.ReadSectionNames(names);
  std::vector<std::string> result;
  for (const std::string& name : names) {
    if (IsCaptionButtonSection(ini, name)) result.push_back(name);
  }
  return result;
}

const KeyDef* FindKey(const KeyDef* table, size_t count, const std::string& name) {
  for (size_t i = 0; i < count; ++i) {
    if (SameTextAscii(table[i].name, name)) return &table[i];
  }
  return nullptr;
}

}  // namespace skinkeys
