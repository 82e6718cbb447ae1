// Readers that build skin objects from a skin description and its package (Windows
// only): plain, two-image, Progress, GroupBox, the four borders, the title, Buttons,
// the menu bar, the built-in track fallbacks, and the fixed frame counts; and the reading
// of integer keys into fields from a table.
// Per-skin readers return nothing when the section does not define the object.
#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/bitmap.h"
#include "framework/colour.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_objects.h"
#include "skin/data/skin_reader.h"

// Told about an image key whose value names no usable image: the section, the key,
// the value and what is wrong ("not a .bmp name", "missing", "not a readable BMP").
using TImageProblemEvent = std::function<void(const std::string& section, const std::string& key,
                                              const std::string& value, const char* problem)>;

// What a reader reads from: the description, the package holding the images, the
// default of the *Colour2 keys (the skin's ButtonText colour), and who hears about
// unusable images (may be null).
struct TSkinSource {
  const TQuickIni& ini;
  const TSkinReader& package;
  TColor buttonText;
  const TImageProblemEvent* onImageProblem = nullptr;

  int Int(std::string_view section, std::string_view key, int fallback) const {
    return ini.ReadInteger(section, key, fallback);
  }
  std::string Str(std::string_view section, std::string_view key) const {
    return ini.ReadString(section, key, "");
  }
  // Loads the image that key names into target; an empty or unusable value, a missing
  // entry or a broken BMP empties target. Returns whether target holds an image.
  bool LoadImage(std::string_view section, std::string_view key, TBitmap& target) const;
};

// An integer key of a section and the field of Object it sets.
template <typename Object>
struct IntKey {
  const char* key;
  int fallback;
  int Object::*field;
};

// Sets every field of a key table from section, in table order.
template <typename Object, size_t N>
void ReadIntKeys(const TSkinSource& src, std::string_view section, const IntKey<Object> (&keys)[N],
                 Object& object) {
  for (const IntKey<Object>& key : keys) object.*key.field = src.Int(section, key.key, key.fallback);
}

// Sections Progress.Chunk, GroupBoxEdge, ... TRACKVERT: exists when Image is set.
std::unique_ptr<TDataSkinObject> ReadPlainObject(const TSkinSource& src, std::string_view section);
// Tabs, UpDown.Horz, UpDown.Vert, ComboButton: plain keys but Frame, plus Image2 from
// secondKey.
std::unique_ptr<TDataSkinBorder> ReadTwoImageObject(const TSkinSource& src, std::string_view section,
                                                    std::string_view secondKey);
// Section Progress: exists when Bitmap is set; Tile above 1 becomes 1; no colours.
std::unique_ptr<TDataSkinBorder> ReadProgress(const TSkinSource& src);
// Section GroupBox: plain keys but Frame, plus the background keys.
std::unique_ptr<TDataSkinBoxLabel> ReadGroupBox(const TSkinSource& src);
// Personality key menuBar: the menu bar object, named "Personality".
std::unique_ptr<TDataSkinObject> ReadMenuBar(const TSkinSource& src);

// The always-present objects, overwritten field by field.
void ReadBorder(const TSkinSource& src, TDataSkinBorder& border);  // by border.Name
void ReadTitle(const TSkinSource& src, TDataSkinTitle& title);
void ReadButtons(const TSkinSource& src, TDataSkinButton& buttons);

// The built-in "TRACK" or "TRACKVERT" object: margins 3, Tile 0, Frame 1.
std::unique_ptr<TDataSkinObject> BuiltinTrackObject(std::string_view name);

// Cells in a Buttons check or radio image when the skin gives no count: width div 13
// for images under 16 pixels high, else width div 16; at least 4.
int DerivedButtonCells(const TBitmap& image);
