// Readers that build skin objects from a skin description and its package.
#include "skin/data/skin_object_readers.h"

#include "skin/data/builtin_bitmaps.h"
#include "skin/data/skin_keys.h"
#include "skin/data/skin_values.h"

namespace {

// Plain objects and Buttons: a Tile above 1 means stretch.
void ClampTileToStretch(TDataSkinObject& object) {
  if (object.Tile > 1) object.Tile = 0;
}
// Borders, Progress and the menu bar: a Tile above 1 is taken as 1.
void ClampTileToOne(TDataSkinObject& object) {
  if (object.Tile > 1) object.Tile = 1;
}

void ReadMargins(const TSkinSource& src, std::string_view section, TDataSkinObject& object) {
  object.LeftWidth = src.Int(section, "LeftWidth", 0);
  object.RightWidth = src.Int(section, "RightWidth", 0);
  object.TopHeight = src.Int(section, "TopHeight", 0);
  object.BottomHeight = src.Int(section, "BottomHeight", 0);
}

void ReadTextColours(const TSkinSource& src, std::string_view section, TDataSkinObject& object) {
  object.NormalColour = src.Int(section, "NormalColour", -1);
  object.MouseOverColour = src.Int(section, "MouseOverColour", -1);
  object.PressedColour = src.Int(section, "PressedColour", -1);
  object.NormalColour2 = ReadColour(src.ini, section, "NormalColour2", src.buttonText);
  object.MouseOverColour2 = ReadColour(src.ini, section, "MouseOverColour2", src.buttonText);
  object.PressedColour2 = ReadColour(src.ini, section, "PressedColour2", src.buttonText);
}

// The keys every plain and two-image object shares (Frame excepted).
void ReadCommonKeys(const TSkinSource& src, std::string_view section, TDataSkinObject& object) {
  src.LoadImage(section, "Image", object.Image);
  object.Style = src.Int(section, "Style", 0);
  ReadMargins(src, section, object);
  object.Trans = src.Int(section, "Trans", 0);
  object.Tile = src.Int(section, "Tile", 0);
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
  ReadMargins(src, section, *object);
  object->Trans = src.Int(section, "Trans", 0);
  object->Tile = src.Int(section, "Tile", 0);
  ClampTileToOne(*object);
  return object;
}

std::unique_ptr<TDataSkinBoxLabel> ReadGroupBox(const TSkinSource& src) {
  constexpr std::string_view section = skinkeys::kGroupBox;
  if (src.Str(section, "Image").empty()) return nullptr;
  auto object = std::make_unique<TDataSkinBoxLabel>(std::string(section));
  ReadCommonKeys(src, section, *object);
  object->BackgroundAlignment = src.Int(section, "BackgroundAlignment", 0);
  object->BackgroundLeftShift = src.Int(section, "BackgroundLeftShift", 0);
  object->BackgroundRightShift = src.Int(section, "BackgroundRightShift", 0);
  return object;
}

std::unique_ptr<TDataSkinObject> ReadMenuBar(const TSkinSource& src) {
  constexpr std::string_view section = skinkeys::kPersonality;
  if (src.Str(section, "menuBar").empty()) return nullptr;
  auto object = std::make_unique<TDataSkinObject>(std::string(section));
  src.LoadImage(section, "menuBar", object->Image);
  object->TopHeight = 0;
  object->BottomHeight = 0;
  object->Tile = src.Int(section, "TileMenu", 1);
  object->LeftWidth = src.Int(section, "TileLeftMenu", 1);
  object->RightWidth = src.Int(section, "TileRightMenu", 1);
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
  title.LeftWidth = src.Int(section, "TextShift", 0);
  title.TopHeight = src.Int(section, "TextShiftVert", 0);
  title.RightWidth = src.Int(section, "TextRightClip", 0);
  title.BottomHeight = 0;
  title.TextAlignment = src.Int(section, "TextAlignment", 0);
  title.Textbackground = src.Int(section, "Textbackground", 0);
  title.FontHeight = src.Int(skinkeys::kFonts, skinkeys::kFontHeight, skinkeys::kFontHeightDefault);
  title.TXTBackleft = src.Int(section, "TXTBackleft", 0);
  title.TXTBackRight = src.Int(section, "TXTBackRight", 0);
  title.ActiveText = TDataSkinTitle::kNoTextColour;
  title.InActiveText = TDataSkinTitle::kNoTextColour;
  ReadRGB(src.ini, section, "ActiveText", title.ActiveText);
  ReadRGB(src.ini, section, "InActiveText", title.InActiveText);
}

void ReadButtons(const TSkinSource& src, TDataSkinButton& buttons) {
  constexpr std::string_view section = skinkeys::kButtons;
  ReadMargins(src, section, buttons);
  buttons.Trans = src.Int(section, "Trans", 0);
  src.LoadImage(section, "Bitmap", buttons.Image);
  buttons.Tile = src.Int(section, "Tile", 0);
  src.LoadImage(section, "CheckButton", buttons.CheckButton);
  src.LoadImage(section, "RadioButton", buttons.RadioButton);
  buttons.NormalColour = src.Int(section, "NormalColour", -1);
  buttons.MouseOverColour = src.Int(section, "MouseOverColour", -1);
  buttons.PressedColour = src.Int(section, "PressedColour", -1);
  buttons.RadioButtonFrame = src.Int(section, "RadioButtonFrame", 0);
  buttons.CheckButtonFrame = src.Int(section, "CheckButtonFrame", 0);
  ClampTileToStretch(buttons);
  buttons.HasNormalColour2 = !src.Str(section, "NormalColour2").empty();
  buttons.HasMouseOverColour2 = !src.Str(section, "MouseOverColour2").empty();
  buttons.HasPressedColour2 = !src.Str(section, "PressedColour2").empty();
  buttons.NormalColour2 = ReadColour(src.ini, section, "NormalColour2", src.buttonText);
  buttons.MouseOverColour2 = ReadColour(src.ini, section, "MouseOverColour2", src.buttonText);
  buttons.PressedColour2 = ReadColour(src.ini, section, "PressedColour2", src.buttonText);
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
