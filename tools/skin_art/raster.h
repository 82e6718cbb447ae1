// Pixel drawing for the skin artwork (portable): solid and gradient fills, rounded
// shapes with magenta (transparent) outside, small glyphs from text patterns, and
// assembling state frames into strips.
#pragma once
#include <string>
#include <vector>

#include "framework/bmp_format.h"
#include "framework/colour.h"

namespace skin_art {

struct Rgb {
  int r = 0, g = 0, b = 0;
  TColor Colour() const { return RgbColour(r, g, b); }
  Pixel32 Pixel() const { return PixelOf(Colour()); }
};
constexpr Rgb kMagenta{255, 0, 255};

Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
Rgb Lighter(Rgb c, double t);     // towards white
Rgb Darker(Rgb c, double t);      // towards black

class Raster {
 public:
  Raster(int width, int height, Rgb fill = kMagenta);
  explicit Raster(PixelImage image) : image_(std::move(image)) {}

  int Width() const { return image_.width; }
  int Height() const { return image_.height; }
  const PixelImage& Image() const { return image_; }
  Rgb Get(int x, int y) const;
  void Set(int x, int y, Rgb c);  // outside: ignored

  void Fill(int left, int top, int right, int bottom, Rgb c);
  void HLine(int left, int right, int y, Rgb c) { Fill(left, y, right, y + 1, c); }
  void VLine(int x, int top, int bottom, Rgb c) { Fill(x, top, x + 1, bottom, c); }
  // Rows from top (colour a) to bottom (colour b) inside the rectangle.
  void VGradient(int left, int top, int right, int bottom, Rgb a, Rgb b);
  void HGradient(int left, int top, int right, int bottom, Rgb a, Rgb b);
  void Frame(int left, int top, int right, int bottom, Rgb c);

  // A rounded rectangle at (left, top) of w x h with corner radius r: pixels outside
  // become magenta (unless clearOutside is false), edge pixels `edge`, inside pixels keep
  // what is there (fill first).
  void RoundOutline(int left, int top, int w, int h, double r, Rgb edge, bool clearOutside = true);
  // True when (x, y) of a w x h rounded rectangle of radius r is inside it.
  static bool InsideRounded(int x, int y, int w, int h, double r);

  // Draws a glyph: rows of text where '#' is colour c and any other character is left
  // alone; (x, y) is the glyph's top-left corner.
  void Glyph(int x, int y, const std::vector<std::string>& rows, Rgb c);
  // The same glyph centred in the rectangle (offsets rounded down).
  void GlyphCentred(int left, int top, int right, int bottom, const std::vector<std::string>& rows,
                    Rgb c);

  // Copies all of source to (x, y).
  void Blit(const Raster& source, int x, int y);
  // A part of this raster as a new one.
  Raster Crop(int left, int top, int right, int bottom) const;

 private:
  PixelImage image_;
};

// Frames of equal size side by side, or one above the other.
Raster SideBySide(const std::vector<Raster>& frames);
Raster Stacked(const std::vector<Raster>& frames);

// Glyph pattern transforms.
std::vector<std::string> FlipRows(const std::vector<std::string>& rows);     // upside down
std::vector<std::string> Transpose(const std::vector<std::string>& rows);    // swap axes
std::vector<std::string> MirrorRows(const std::vector<std::string>& rows);   // left-right

}  // namespace skin_art
