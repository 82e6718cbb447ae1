// Readers that build skin objects from a skin description and its package.
#include "skin/data/skin_object_readers.h"

#include "skin/data/builtin_bitmaps.h"
#include "skin/data/skin_keys.h"
#include "skin/data/skin_values.h"

namespace {

// A colour-triplet key and the field it sets; its default is the skin's ButtonText.
struct TextColourKey {
  const char* key;
  TColor TDataSkinObject::*field;
};

constexpr IntKey<TDataSkinObject> kMarginKeys[] = {
    {"LeftWidth", 0, &TDataSkinObject::LeftWidth},
    {"RightWidth", 0, &TDataSkinObject::RightWidth},
    {"TopHeight", 0, &TDataSkinObject::TopHeight},
    {"BottomHeight", 0, &TDataSkinObject::BottomHeight},
};
constexpr IntKey<TDataSkinObject> kTransTileKeys[] = {
    {"Trans", 0, &TDataSkinObject::Trans},
    {"Tile", 0, &TDataSkinObject::Tile},
};
constexpr IntKey<TDataSkinObject> kTextColourNumberKeys[] = {
    {"NormalColour", -1, &TDataSkinObject::NormalColour},
    {"MouseOverColour", -1, &TDataSkinObject::MouseOverColour},
    {"PressedColour", -1, &TDataSkinObject::PressedColour},
};
constexpr TextColourKey kTextColourKeys[] = {
    {"NormalColour2", &TDataSkinObject::NormalColour2},
    {"MouseOverColour2", &TDataSkinObject::MouseOverColour2},
    {"PressedColour2", &TDataSkinObject::PressedColour2},
};
constexpr IntKey<TDataSkinBoxLabel> kGroupBoxBackgroundKeys[] = {
    {"BackgroundAlignment", 0, &TDataSkinBoxLabel::BackgroundAlignment},
    {"BackgroundLeftShift", 0, &TDataSkinBoxLabel::BackgroundLeftShift},
    {"BackgroundRightShift", 0, &TDataSkinBoxLabel::BackgroundRightShift},
};
// The title's Personality keys; the base margins carry the text shifts.
constexpr IntKey<TDataSkinTitle> kTitleKeys[] = {
    {"TextShift", 0, &TDataSkinTitle::LeftWidth},
    {"TextShiftVert", 0, &TDataSkinTitle::TopHeight},
    {"TextRightClip", 0, &TDataSkinTitle::RightWidth},
    {"TextAlignment", 0, &TDataSkinTitle::TextAlignment},
    {"Textbackground", 0, &TDataSkinTitle::Textbackground},
};
constexpr IntKey<TDataSkinTitle> kTitleBackKeys[] = {
    {"TXTBackleft", 0, &TDataSkinTitle::TXTBackleft},
    {"TXTBackRight", 0, &TDataSkinTitle::TXTBackRight},
};
constexpr IntKey<TDataSkinObject> kMenuBarKeys[] = {
    {"TileMenu", 1, &TDataSkinObject::Tile},
    {"TileLeftMenu", 1, &TDataSkinObject::LeftWidth},
    {"TileRightMenu", 1, &TDataSkinObject::RightWidth},
};
constexpr IntKey<TDataSkinButton> kButtonFrameKeys[] = {
    {"RadioButtonFrame", 0, &TDataSkinButton::RadioButtonFrame},
    {"CheckButtonFrame", 0, &TDataSkinButton::CheckButtonFrame},
};

// Plain objects and Buttons: a Tile above 1 means stretch.
void ClampTileToStretch(TDataSkinObject& object) {
  if (object.Tile > 1) object.Tile = 0;
}
// Borders, Progress and the menu bar: a Tile above 1 is taken as 1.
void ClampTileToOne(TDataSkinObject& object) {
  if (object.Tile > 1) object.Tile = 1;
}

void ReadTextColours(const TSkinSource& src, std::string_view section, TDataSkinObject& object) {
  ReadIntKeys(src, section, kTextColourNumberKeys, object);
  for (const TextColourKey& key : kTextColourKeys) {
    object.*key.field = ReadColour(src.ini, section, key.key, src.buttonText);
  }
}

// The keys every plain and two-image object shares (Frame excepted).
void ReadCommonKeys(const TSkinSource& src, std::string_view section, TDataSkinObject& object) {
  src.LoadImage(section, "Image", object.Image);
  object.Style = src.Int(section, "Style", 0);
  ReadIntKeys(src, section, kMarginKeys, object);
  ReadIntKeys(src, section, kTransTileKeys, object);
  ReadTextColours(src, section, object);
  ClampTileToStretch(object);
}

}  // namespace

bool TSkinSource::LoadImage(std::string_view section, std::string_view key, TBitmap& target) const {
  target.Clear();
  const std::string value = Str(section, key);
  if (value.empty()) return false;
  const char* problem = nullptr;
  TMemoryStream entry;
  if (SkinImageEntryName(value).empty()) {
    problem = "not a .bmp name";
  } else {
    ReadSkinImageEntry(package, value, entry);
    if (entry.Size() == 0) {
      problem = "missing";
    } else if (!target.LoadFromBmp(entry.Bytes())) {
      problem = "not a readable BMP";
    }
  }
  if (problem) {
    target.Clear();
    if (onImageProblem && *onImageProblem)
      (*onImageProblem)(std::string(section), std::string(key), value, problem);
    return false;
  }
  return true;
}

std::unique_ptr<TDataSkinObject> ReadPlainObject(const TSkinSource& src, std::string_view section) {
  if (src.Str(section, "Image").empty()) return nullptr;
  auto object = std::make_unique<TDataSkinObject>(std::string(section));
  ReadCommonKeys(src, section, *object);
  object->Frame = src.Int(section, "Frame", 0);
  return object;
}

std::unique_ptr<TDataSkinBorder> ReadTwoImageObject(const TSkinSource& src, std::string_view section,
                                                    std::string_view secondKey) {
  if (src.Str(section, "Image").empty()) return nullptr;
  auto object = std::make_unique<TDataSkinBorder>(std::string(section));
  ReadCommonKeys(src, section, *object);
  src.LoadImage(section, secondKey, object->Image2);
  return object;
}

std::unique_ptr<TDataSkinBorder> ReadProgress(const TSkinSource& src) {
  constexpr std::string_view section = skinkeys::kProgress;
  if (src.Str(section, "Bitmap").empty()) return nullptr;
  auto object = std::make_unique<TDataSkinBorder>(std::string(section));
  src.LoadImage(section, "Bitmap", object->Image);
  object->Style = src.Int(section, "Style", 0);
  ReadIntKeys<TDataSkinObject>(src, section, kMarginKeys, *object);
  ReadIntKeys<TDataSkinObject>(src, section, kTransTileKeys, *object);
  ClampTileToOne(*object);
  return object;
}

std::unique_ptr<TDataSkinBoxLabel> ReadGroupBox(const TSkinSource& src) {
  constexpr std::string_view section = skinkeys::kGroupBox;
  if (src.Str(section, "Image").empty()) return nullptr;
  auto object = std::make_unique<TDataSkinBoxLabel>(std::string(section));
  ReadCommonKeys(src, section, *object);
  ReadIntKeys(src, section, kGroupBoxBackgroundKeys, *object);
  return object;
}

std::unique_ptr<TDataSkinObject> ReadMenuBar(const TSkinSource& src) {
  constexpr std::string_view section = skinkeys::kPersonality;
  if (src.Str(section, "menuBar").empty()) return nullptr;
  auto object = std::make_unique<TDataSkinObject>(std::string(section));
  src.LoadImage(section, "menuBar", object->Image);
  object->TopHeight = 0;
  object->BottomHeight = 0;
  ReadIntKeys(src, section, kMenuBarKeys, *object);
  ClampTileToOne(*object);
  return object;
}

void ReadBorder(const TSkinSource& src, TDataSkinBorder& border) {
  constexpr std::string_view section = skinkeys::kPersonality;
  const std::string& n = border.Name;
  const int before = src.Int(section, n + "TopHeight", skinkeys::kBorderMarginDefault);
  const int after = src.Int(section, n + "BotHeight", skinkeys::kBorderMarginDefault);
  if (n == "Left" || n == "Right") {
    border.TopHeight = before;
    border.BottomHeight = after;
    border.LeftWidth = border.RightWidth = 0;
  } else {
    border.LeftWidth = before;
    border.RightWidth = after;
    border.TopHeight = border.BottomHeight = 0;
  }
  border.Frame = src.Int(section, n + "Frame", skinkeys::kBorderFrameDefault);
  border.Tile = src.Int(section, n + "Stretch", skinkeys::kBorderStretchDefault);
  border.Trans = src.Int(section, n + "Trans", skinkeys::kBorderTransDefault);
  src.LoadImage(section, n, border.Image);
  ClampTileToOne(border);
}

void ReadTitle(const TSkinSource& src, TDataSkinTitle& title) {
  constexpr std::string_view section = skinkeys::kPersonality;
  src.LoadImage(section, "TextBack", title.Image);
  ReadIntKeys(src, section, kTitleKeys, title);
  title.BottomHeight = 0;
  title.FontHeight = src.Int(skinkeys::kFonts, skinkeys::kFontHeight, skinkeys::kFontHeightDefault);
  ReadIntKeys(src, section, kTitleBackKeys, title);
  title.ActiveText = TDataSkinTitle::kNoTextColour;
  title.InActiveText = TDataSkinTitle::kNoTextColour;
  ReadRGB(src.ini, section, "ActiveText", title.ActiveText);
  ReadRGB(src.ini, section, "InActiveText", title.InActiveText);
}

void ReadButtons(const TSkinSource& src, TDataSkinButton& buttons) {
  constexpr std::string_view section = skinkeys::kButtons;
  ReadIntKeys<TDataSkinObject>(src, section, kMarginKeys, buttons);
  src.LoadImage(section, "Bitmap", buttons.Image);
  src.LoadImage(section, "CheckButton", buttons.CheckButton);
  src.LoadImage(section, "RadioButton", buttons.RadioButton);
  ReadIntKeys<TDataSkinObject>(src, section, kTransTileKeys, buttons);
  ReadIntKeys(src, section, kButtonFrameKeys, buttons);
  ClampTileToStretch(buttons);
  buttons.HasNormalColour2 = !src.Str(section, "NormalColour2").empty();
  buttons.HasMouseOverColour2 = !src.Str(section, "MouseOverColour2").empty();
  buttons.HasPressedColour2 = !src.Str(section, "PressedColour2").empty();
  ReadTextColours(src, section, buttons);
}

std::unique_ptr<TDataSkinObject> BuiltinTrackObject(std::string_view name) {
  auto object = std::make_unique<TDataSkinObject>(std::string(name));
  LoadBuiltinBitmap(object->Name, object->Image);
  object->LeftWidth = object->TopHeight = object->RightWidth = object->BottomHeight = 3;
  object->Tile = 0;
  object->Frame = 1;
  return object;
}

int DerivedButtonCells(const TBitmap& image) {
  const int cells = image.Height() < 16 ? image.Width() / 13 : image.Width() / 16;
  return cells < 4 ? 4 : cells;
}
