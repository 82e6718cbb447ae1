// Shared pieces of the "Quillmere Classic" artwork: the palette, the description
// writer and the drawing helpers that several parts use.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "classic_skin.h"
#include "raster.h"

namespace skin_art {

// A calm palette: slate-blue title, light-grey faces.
namespace palette {
constexpr Rgb kFace{232, 233, 236};
constexpr Rgb kWindow{255, 255, 255};
constexpr Rgb kText{24, 26, 32};
constexpr Rgb kShadow{146, 152, 164};
constexpr Rgb kDkShadow{92, 98, 110};
constexpr Rgb kLight{245, 245, 247};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kSlate{74, 95, 138};
constexpr Rgb kSlateDark{48, 64, 98};
constexpr Rgb kMenu{250, 250, 251};
constexpr Rgb kLine{140, 148, 162};       // control outlines
constexpr Rgb kLineSoft{196, 199, 206};   // disabled outlines
constexpr Rgb kGlyph{56, 62, 76};         // arrows and marks
constexpr Rgb kGlyphOff{168, 172, 180};   // disabled glyphs
constexpr Rgb kTitleTop{108, 132, 176};
constexpr Rgb kTitleBottom{70, 92, 136};
constexpr Rgb kTitleTopOff{184, 189, 200};
constexpr Rgb kTitleBottomOff{152, 159, 172};
constexpr Rgb kFrameEdge{40, 52, 78};
constexpr Rgb kFrameEdgeOff{112, 118, 130};
}  // namespace palette

// Collects the images and the description text, section by section.
class SkinWriter {
 public:
  // Stores the image under its file name and returns that name (for a key value).
  std::string Image(const std::string& file, const Raster& raster);
  void Comment(const std::string& text);
  void Section(const std::string& name);
  void Key(const std::string& key, const std::string& value);
  void Key(const std::string& key, int value);
  void Colour(const std::string& key, Rgb c);  // "r g b"
  void Margins(int left, int top, int right, int bottom);  // LeftWidth, TopHeight, ...
  SkinFolder Finish();

 private:
  SkinFolder folder_;
};

// The four looks of a face: normal, pressed, disabled, hot.
enum class Look { Normal, Pressed, Disabled, Hot, Focused };

// A rounded, gently shaded face of w x h (magenta outside the corners).
Raster Face(int w, int h, Look look, double radius = 3);
// A face inset by `inset` pixels of magenta on every side.
Raster InsetFace(int w, int h, int inset, Look look, double radius = 2);
// Colour of glyphs drawn on a face of that look.
Rgb GlyphColour(Look look);

// A shape given by an inside test, filled with a vertical gradient and outlined.
Raster Shape(int w, int h, const std::function<bool(int, int)>& inside, Rgb top, Rgb bottom,
             Rgb edge);

// Raster transforms.
Raster TransposeRaster(const Raster& r);
Raster FlipRaster(const Raster& r);
Raster MirrorRaster(const Raster& r);

// Glyph patterns ('#' set).
extern const std::vector<std::string> kArrowUp;     // 7 x 4
extern const std::vector<std::string> kArrowSmall;  // 5 x 3, pointing down
extern const std::vector<std::string> kCheckMark;   // 7 x 7

// The parts of the skin, each writing its images and sections.
void WriteFrameParts(SkinWriter& w);     // borders, title, caption buttons, menus
void WriteControlParts(SkinWriter& w);   // buttons, check and radio, tabs, progress, ...
void WriteScrollParts(SkinWriter& w);    // scroll bars, track bars, up-down, combo

}  // namespace skin_art
