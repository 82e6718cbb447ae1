// The built-in bitmaps, drawn pixel by pixel: track-bar grooves (a sunken channel in
// classic greys) and the system-menu glyphs (black on white).
#include "skin/data/builtin_bitmaps.h"

#include "framework/path_text.h"

namespace {

constexpr TColor kShadow = 0x808080, kDarkShadow = 0x404040, kLight = 0xE3E3E3,
                 kHighlight = 0xFFFFFF, kChannel = 0xF4F4F4, kGlyph = 0x000000,
                 kGlyphBack = 0xFFFFFF;

void FillRect(PixelImage& image, int left, int top, int right, int bottom, TColor colour) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (x >= 0 && y >= 0 && x < image.width && y < image.height)
        image.At(x, y) = PixelOf(colour);
}

// A sunken channel: shadow lines outside top and left, dark shadow inside them,
// light and highlight lines at the bottom and right; 2 pixels of edge, so 3-pixel
// margins keep the corners whole.
PixelImage Groove(int width, int height) {
  PixelImage image(width, height);
  FillRect(image, 0, 0, width, height, kChannel);
  FillRect(image, 0, 0, width, 1, kShadow);
  FillRect(image, 0, 0, 1, height, kShadow);
  FillRect(image, 1, 1, width - 1, 2, kDarkShadow);
  FillRect(image, 1, 1, 2, height - 1, kDarkShadow);
  FillRect(image, 1, height - 2, width - 1, height - 1, kLight);
  FillRect(image, width - 2, 1, width - 1, height - 1, kLight);
  FillRect(image, 0, height - 1, width, height, kHighlight);
  FillRect(image, width - 1, 0, width, height, kHighlight);
  return image;
}

PixelImage MenuGlyphs() {
  PixelImage image(16 * mgCount, 16);
  FillRect(image, 0, 0, image.width, image.height, kGlyphBack);
  auto cell = [](int index) { return 16 * index; };
  // Restore: two overlapping window outlines, the front one with a thick title line.
  {
    const int x = cell(mgRestore);
    FillRect(image, x + 6, 3, x + 13, 5, kGlyph);    // back window title
    FillRect(image, x + 12, 3, x + 13, 10, kGlyph);  // back window right side
    FillRect(image, x + 10, 9, x + 13, 10, kGlyph);  // back window bottom stub
    FillRect(image, x + 6, 3, x + 7, 6, kGlyph);     // back window left stub
    FillRect(image, x + 3, 6, x + 10, 8, kGlyph);    // front window title
    FillRect(image, x + 3, 6, x + 4, 13, kGlyph);
    FillRect(image, x + 9, 6, x + 10, 13, kGlyph);
    FillRect(image, x + 3, 12, x + 10, 13, kGlyph);
  }
  // Maximise: one window outline with a thick title line.
  {
    const int x = cell(mgMaximize);
    FillRect(image, x + 3, 3, x + 13, 5, kGlyph);
    FillRect(image, x + 3, 3, x + 4, 13, kGlyph);
    FillRect(image, x + 12, 3, x + 13, 13, kGlyph);
    FillRect(image, x + 3, 12, x + 13, 13, kGlyph);
  }
  // Minimise: a bar at the bottom.
  FillRect(image, cell(mgMinimize) + 4, 11, cell(mgMinimize) + 11, 13, kGlyph);
  // Close: a two-pixel-wide cross.
  {
    const int x = cell(mgClose);
    for (int i = 0; i < 8; ++i) {
      FillRect(image, x + 4 + i, 4 + i, x + 6 + i, 5 + i, kGlyph);
      FillRect(image, x + 10 - i, 4 + i, x + 12 - i, 5 + i, kGlyph);
    }
  }
  return image;
}

}  // namespace

bool LoadBuiltinBitmap(const std::string& name, TBitmap& target) {
  const std::string key = UpperAscii(name);
  if (key == "TRACK") return target.AssignImage(Groove(24, 8));
  if (key == "TRACKVERT") return target.AssignImage(Groove(8, 24));
  if (key == "MORVANEMENU") return target.AssignImage(MenuGlyphs());
  target.Clear();
  return false;
}
