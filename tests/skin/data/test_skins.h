// Small hand-made skins for the skin object and skin data tests: a description text
// plus BMP images, packed into a skin file, and a reader over it.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/bmp_format.h"
#include "framework/colour.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_colours.h"
#include "skin/data/skin_object_set.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_reader.h"

namespace testskin {

// A w x h image whose n cells (side by side) are filled with colours[i] (the last
// colour repeats when there are fewer colours than cells).
PixelImage Cells(int w, int h, int n, const std::vector<TColor>& colours);
inline PixelImage Solid(int w, int h, TColor colour) { return Cells(w, h, 1, {colour}); }

struct TestSkin {
  std::string ini;                       // the description text
  std::string iniName = "skin.ini";      // its entry name
  std::vector<TSkinEntrySource> entries;  // images and other entries

  TestSkin& Text(const std::string& text) {
    ini += text;
    return *this;
  }
  TestSkin& Image(const std::string& name, const PixelImage& image);
  TestSkin& Raw(const std::string& name, std::vector<uint8_t> bytes);
  std::vector<uint8_t> Package() const;  // description first, then the entries
  std::vector<uint8_t> File() const;     // the skin file
};

// A skin read into objects, as the skin data component reads it.
struct ReadSkin {
  TSkinReader reader;
  TQuickIni ini;
  TSkinObjects objects;
  TSkinColourTable colours;
};
// The path of a file beside the running program (classic.skn, pictures to look at).
std::string BesideProgram(const std::string& name);

// Reads skin on top of previous (for the objects kept between skins; may be null).
std::unique_ptr<ReadSkin> Read(const TestSkin& skin, const TSkinObjects* previous = nullptr);

}  // namespace testskin
