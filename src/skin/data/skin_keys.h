// The catalogue of skin description sections and keys with their kinds and defaults,
// and the section-name rules (caption buttons, colour sections). Names compare
// without regard to case, as TQuickIni does.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/colour.h"
#include "skin/data/quick_ini.h"

namespace skinkeys {

enum class KeyKind { Integer, Colour, Image, RgbTriple };

// One key: name, kind, default (integers; for colours a TColor; unused for images),
// and whether its non-empty value is what makes the object exist. The text-colour
// keys of objects (NormalColour2, ...) default to the skin's ButtonText colour as read
// from Colours; their default_value holds ButtonText's own system-colour default.
struct KeyDef {
  const char* name;
  KeyKind kind;
  int32_t default_value;
  bool makes_object = false;
};

// Default "unset" text colour of the title (ActiveText, InActiveText).
constexpr TColor kTitleColourUnset = 0x1FFFFFFF;

// ---- Section Personality: borders, title, menu bar --------------------------------
constexpr const char* kPersonality = "Personality";
// The four border objects in reading order; each N has keys N (image), N+"TopHeight",
// N+"BotHeight" (int 0), N+"Frame", N+"Stretch", N+"Trans" (int 1).
constexpr const char* kBorderNames[4] = {"Left", "Right", "Top", "Bottom"};
constexpr int32_t kBorderMarginDefault = 0;
constexpr int32_t kBorderFrameDefault = 1;
constexpr int32_t kBorderStretchDefault = 1;
constexpr int32_t kBorderTransDefault = 1;
extern const KeyDef kPersonalityKeys[];  // every Personality key except the borders
extern const size_t kPersonalityKeyCount;

// ---- Section Fonts -----------------------------------------------------------------
constexpr const char* kFonts = "Fonts";
constexpr const char* kFontHeight = "FontHeight";
constexpr int32_t kFontHeightDefault = 14;

// ---- Section Colours: the skin colour table ----------------------------------------
constexpr const char* kColours = "Colours";
// key and the Win32 COLOR_ index of its default system colour; Menubar's default is the
// ButtonFace value just read (kDefaultIsButtonFace).
constexpr int kDefaultIsButtonFace = -1;
struct ColourKeyDef {
  const char* name;
  int system_index;
};
extern const ColourKeyDef kColourKeys[16];  // in reading order

// Win32 COLOR_ indexes used by the defaults.
enum SystemColourIndex {
  kColorScrollbar = 0, kColorMenu = 4, kColorMenuText = 7, kColorWindowText = 8,
  kColorCaptionText = 9, kColorHighlight = 13, kColorHighlightText = 14, kColorButtonFace = 15,
  kColorButtonShadow = 16, kColorButtonText = 18, kColorInactiveCaptionText = 19,
  kColorButtonHighlight = 20, kColor3DDarkShadow = 21,
};

// ---- Sections COLOUR*: one colour each ----------------------------------------------
constexpr const char* kColourSectionKey = "color";
// Upper-cased name begins with "COLOUR" and is not "COLOURS".
bool IsColourSection(const std::string& section);

// ---- Caption button sections ---------------------------------------------------------
extern const KeyDef kCaptionButtonKeys[];  // ButtonImage, Action, Align, ... frame
extern const size_t kCaptionButtonKeyCount;
// Upper-cased name begins with "BUTTON" and is none of BUTTON, BUTTONS, BUTTON.RADIO,
// BUTTON.CHECKBOX.
bool IsCaptionButtonName(const std::string& section);
// IsCaptionButtonName, and not (Action = -1 while Visibility, read with default -1,
// is not 0).
bool IsCaptionButtonSection(const TQuickIni& ini, const std::string& section);
// The section names that are caption buttons, in text order.
std::vector<std::string> CaptionButtonSections(const TQuickIni& ini);

// ---- Section MDICONTROLS -------------------------------------------------------------
constexpr const char* kMdiControls = "MDICONTROLS";
constexpr const char* kMdiControlsImage = "Image";

// ---- Section Buttons -------------------------------------------------------------------
constexpr const char* kButtons = "Buttons";
extern const KeyDef* const kButtonsKeys;
extern const size_t kButtonsKeyCount;

// ---- Plain skin objects ----------------------------------------------------------------
extern const char* const kPlainObjectSections[];  // Progress.Chunk ... TRACKVERT
extern const size_t kPlainObjectSectionCount;
extern const KeyDef* const kPlainObjectKeys;  // Image (makes the object), Style, margins, ...
extern const size_t kPlainObjectKeyCount;
constexpr const char* kFrameCount = "FrameCount";  // HorzScrollThumb, VertScrollThumb
constexpr int32_t kFrameCountDefault = 3;

// ---- Two-image skin objects: plain keys except Frame, plus a second image key ---------
struct TwoImageSection {
  const char* section;
  const char* second_image_key;
};
extern const TwoImageSection kTwoImageSections[4];  // Tabs, UpDown.Horz, UpDown.Vert, ComboButton

// ---- Section Progress ------------------------------------------------------------------
constexpr const char* kProgress = "Progress";
extern const KeyDef* const kProgressKeys;  // Bitmap (makes the object), Style, margins, Trans, Tile
extern const size_t kProgressKeyCount;

// ---- Section GroupBox: plain keys except Frame, plus the background keys ---------------
constexpr const char* kGroupBox = "GroupBox";
extern const KeyDef kGroupBoxExtraKeys[];  // BackgroundAlignment, ...LeftShift, ...RightShift
extern const size_t kGroupBoxExtraKeyCount;

// Finds a key of a table by name (ASCII case-insensitive); nullptr when absent.
const KeyDef* FindKey(const KeyDef* table, size_t count, const std::string& name);

}  // namespace skinkeys
