// Value syntaxes of the skin description: colour triplets, RGB key triples and image
// names (portable; loading an image entry into a bitmap is the skin objects' job).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/colour.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_reader.h"

// "255 128 0", "255,128,0", "255;128;0" -> red + 256 green + 65536 blue (each mod 256).
// An empty value gives default_colour.
TColor ParseColour(const std::string& value, TColor default_colour);
// ReadString of key, then ParseColour.
TColor ReadColour(const TQuickIni& ini, std::string_view section, std::string_view key,
                  TColor default_colour);

// Keys name+"R", name+"G", name+"B" (default -1): when all three are 0 or more, target
// becomes their colour and true is returned; otherwise target keeps its value.
bool ReadRGB(const TQuickIni& ini, std::string_view section, const std::string& name, TColor& target);

// The entry name an image value names: the text after the last "\" or ":"; empty when
// that is empty or its extension is not exactly ".bmp" (lower case).
std::string SkinImageEntryName(const std::string& value);
// Fetches the entry an image value names (GetEntry folds it); empty when the value
// does not qualify or names no entry. Decoding it (and refusing a broken BMP) is
// DecodeBmp's job in framework/bmp_format.h.
void ReadSkinImageEntry(const TSkinReader& reader, const std::string& value,
                        TMemoryStream& output);
