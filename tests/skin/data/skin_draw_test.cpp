// Skin drawing routines, checked pixel by pixel on small hand-made bitmaps: frame
// cutting, nine-slice (margins, dropped margins, tiling, empty centres, stacked
// frames), three-part pieces, strip frames and the keyed copy.
#include "skin/data/skin_draw.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kKey = kSkinKeyColour;
constexpr TColor kBack = 0x204060;  // what the destination holds before drawing

void FillRect(TBitmap& b, int l, int t, int r, int bo, TColor c) {
  for (int y = t; y < bo; ++y)
    for (int x = l; x < r; ++x) b.SetPixel(x, y, c);
}

// A 9 x 9 frame with margins 3: each of the nine regions has its own colour.
const TColor kRegion[3][3] = {{0x000011, 0x000022, 0x000033},
                              {0x001100, 0x002200, 0x003300},
                              {0x110000, 0x220000, 0x330000}};
TBitmap NineRegions(int frames = 1, TColor frame2Shift = 0) {
  TBitmap b(9 * frames, 9);
  for (int f = 0; f < frames; ++f)
    for (int ry = 0; ry < 3; ++ry)
      for (int rx = 0; rx < 3; ++rx)
        FillRect(b, 9 * f + 3 * rx, 3 * ry, 9 * f + 3 * rx + 3, 3 * ry + 3,
                 kRegion[ry][rx] + (f ? frame2Shift : 0));
  return b;
}

// Which of the three bands (0 left/top margin, 1 middle, 2 right/bottom) a coordinate
// falls in for a target of size n with margins of 3.
int Band(int v, int n) { return v < 3 ? 0 : v >= n - 3 ? 2 : 1; }

TEST(SkinDraw, FrameRects) {
  TBitmap strip(40, 20);
  RECT r = FrameRect(strip, false, 4, 3);
  EXPECT_EQ(r.left, 20);
  EXPECT_EQ(r.right, 30);
  EXPECT_EQ(r.bottom, 20);
  r = FrameRect(strip, true, 2, 2);  // stacked: frame 2 starts at half the height
  EXPECT_EQ(r.top, 10);
  EXPECT_EQ(r.bottom, 20);
  EXPECT_EQ(r.right, 40);
  r = FrameRect(strip, false, 4, 9);  // clamped to the last frame
  EXPECT_EQ(r.left, 30);
  r = FrameRect(strip, false, 0, 0);  // no count: the whole bitmap
  EXPECT_EQ(r.right, 40);
  r = FrameRect(TBitmap(), false, 1, 1);
  EXPECT_EQ(r.right, 0);
}

TEST(SkinDraw, NineSliceKeepsCornersAndStretchesTheRest) {
  TBitmap source = NineRegions();
  auto out = NineSliceBitmap(20, 14, source, RECT{3, 3, 3, 3}, false, false, 1, 1);
  ASSERT_TRUE(out);
  ASSERT_EQ(out->Width(), 20);
  ASSERT_EQ(out->Height(), 14);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(out->GetPixel(x, y), kRegion[Band(y, 14)][Band(x, 20)]) << x << "," << y;
}

TEST(SkinDraw, NineSliceDropsMarginsThatDoNotFit) {
  TBitmap source = NineRegions();
  // 5 wide < 3 + 3: no side margins; the top edge and the centre span the whole width
  // and carry the source's full rows, corners included, squeezed.
  auto out = NineSliceBitmap(5, 12, source, RECT{3, 3, 3, 3}, false, false, 1, 1);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->GetPixel(0, 0), kRegion[0][0]);
  EXPECT_EQ(out->GetPixel(4, 0), kRegion[0][2]);
  EXPECT_EQ(out->GetPixel(0, 6), kRegion[1][0]);
  EXPECT_EQ(out->GetPixel(4, 6), kRegion[1][2]);
  EXPECT_EQ(out->GetPixel(4, 11), kRegion[2][2]);
  // Both axes too small: the whole frame is stretched.
  out = NineSliceBitmap(4, 4, source, RECT{3, 3, 3, 3}, false, false, 1, 1);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->GetPixel(0, 0), kRegion[0][0]);
  EXPECT_EQ(out->GetPixel(3, 3), kRegion[2][2]);
}

TEST(SkinDraw, NineSliceTilesTheCentre) {
  // 8 x 8 frame, margins 3, a 2 x 2 centre of four colours.
  TBitmap source(8, 8);
  source.Fill(0x777777);
  const TColor centre[2][2] = {{0x0000A0, 0x00A000}, {0xA00000, 0xA0A0A0}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) source.SetPixel(3 + x, 3 + y, centre[y][x]);
  auto out = NineSliceBitmap(16, 13, source, RECT{3, 3, 3, 3}, false, true, 1, 1);
  ASSERT_TRUE(out);
  for (int y = 3; y < 10; ++y)
    for (int x = 3; x < 13; ++x)
      ASSERT_EQ(out->GetPixel(x, y), centre[(y - 3) % 2][(x - 3) % 2]) << x << "," << y;
  // Tiles stop at the margins: the right and bottom edges keep their own pixels.
  EXPECT_EQ(out->GetPixel(13, 5), 0x777777);
  EXPECT_EQ(out->GetPixel(5, 10), 0x777777);
}

TEST(SkinDraw, TiledEmptyCentreDrawsNothing) {
  TBitmap source(6, 6);
  source.Fill(0x5A5A5A);
  auto out = NineSliceBitmap(12, 12, source, RECT{3, 3, 3, 3}, false, true, 1, 1);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->GetPixel(0, 0), 0x5A5A5A);    // corners stand alone
  EXPECT_EQ(out->GetPixel(11, 11), 0x5A5A5A);
  EXPECT_EQ(out->GetPixel(6, 6), 0x000000);    // the centre is left as it was
}

TEST(SkinDraw, NineSliceTakesTheChosenFrame) {
  // Two frames side by side, and the same two stacked one above the other.
  TBitmap side = NineRegions(2, 0x040404);
  auto out = NineSliceBitmap(12, 12, side, RECT{3, 3, 3, 3}, false, false, 2, 2);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->GetPixel(0, 0), kRegion[0][0] + 0x040404);
  EXPECT_EQ(out->GetPixel(6, 6), kRegion[1][1] + 0x040404);
  TBitmap stacked(9, 18);
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < 9; ++x) stacked.SetPixel(x, y, y < 9 ? 0x111111 : 0x222222);
  out = NineSliceBitmap(10, 10, stacked, RECT{2, 2, 2, 2}, true, false, 2, 2);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->GetPixel(0, 0), 0x222222);
  EXPECT_EQ(out->GetPixel(9, 9), 0x222222);
}

// A destination bitmap filled with kBack.
TBitmap Destination(int w, int h) {
  TBitmap d(w, h);
  d.Fill(kBack);
  return d;
}

TEST(SkinDraw, TransparentCopyLeavesKeyedPixelsAlone) {
  TBitmap source(6, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) source.SetPixel(x, y, (x + y) % 2 ? kKey : RgbColour(x * 40, y * 60, 7));
  TBitmap dest = Destination(10, 8);
  TransparentCopy(dest.Canvas(), RECT{2, 1, 10, 8}, source, kKey);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      const int sx = x - 2, sy = y - 1;
      TColor want = kBack;
      if (sx >= 0 && sy >= 0 && sx < 6 && sy < 4 && (sx + sy) % 2 == 0) want = RgbColour(sx * 40, sy * 60, 7);
      ASSERT_EQ(dest.GetPixel(x, y), want) << x << "," << y;
    }
  // The rectangle limits the copy.
  TBitmap small = Destination(10, 8);
  TransparentCopy(small.Canvas(), RECT{0, 0, 2, 1}, source, kKey);
  EXPECT_EQ(small.GetPixel(0, 0), RgbColour(0, 0, 7));
  EXPECT_EQ(small.GetPixel(2, 0), kBack);
  EXPECT_EQ(small.GetPixel(0, 2), kBack);
}

TEST(SkinDraw, NineSliceToDcOpaqueAndKeyed) {
  TBitmap source = NineRegions();
  FillRect(source, 0, 0, 3, 3, kKey);  // a transparent top-left corner
  TBitmap dest = Destination(30, 20);
  DrawNineSlice(dest.Canvas(), RECT{5, 4, 25, 18}, source, RECT{3, 3, 3, 3}, false, false, 1, 1, true);
  EXPECT_EQ(dest.GetPixel(5, 4), kBack);   // keyed corner
  EXPECT_EQ(dest.GetPixel(7, 6), kBack);
  EXPECT_EQ(dest.GetPixel(8, 4), kRegion[0][1]);
  EXPECT_EQ(dest.GetPixel(24, 17), kRegion[2][2]);
  EXPECT_EQ(dest.GetPixel(25, 18), kBack);  // outside
  EXPECT_EQ(dest.GetPixel(4, 4), kBack);
  DrawNineSlice(dest.Canvas(), RECT{5, 4, 25, 18}, source, RECT{3, 3, 3, 3}, false, false, 1, 1, false);
  EXPECT_EQ(dest.GetPixel(5, 4), kKey);    // opaque copies the key colour too
}

TEST(SkinDraw, ThreePartRepeatsTheMiddle) {
  // One 7 x 2 frame: left cap 2 (red), middle 3 (green, blue, white), right cap 2 (key).
  TBitmap source(7, 2);
  const TColor row[7] = {0x0000FF, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, kKey, kKey};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 7; ++x) source.SetPixel(x, y, row[x]);
  TBitmap dest = Destination(14, 4);
  DrawThreePart(dest.Canvas(), RECT{0, 0, 12, 4}, source, false, true, 1, 1, 2, 2);
  const TColor middle[3] = {0x00FF00, 0xFF0000, 0xFFFFFF};
  for (int y = 0; y < 4; ++y) {  // stretched to the rectangle's height
    EXPECT_EQ(dest.GetPixel(0, y), 0x0000FF);
    EXPECT_EQ(dest.GetPixel(1, y), 0x0000FF);
    for (int x = 2; x < 10; ++x) EXPECT_EQ(dest.GetPixel(x, y), middle[(x - 2) % 3]) << x;
    EXPECT_EQ(dest.GetPixel(10, y), kBack);  // keyed right cap
    EXPECT_EQ(dest.GetPixel(12, y), kBack);  // outside
  }
  // Stacked frames pick the lower half for frame 2.
  TBitmap two(3, 4);
  FillRect(two, 0, 0, 3, 2, 0x111111);
  FillRect(two, 0, 2, 3, 4, 0x222222);
  DrawThreePart(dest.Canvas(), RECT{0, 0, 6, 2}, two, true, false, 2, 2, 1, 1);
  EXPECT_EQ(dest.GetPixel(3, 1), 0x222222);
}

TEST(SkinDraw, ThreePartStretch) {
  TBitmap source(6, 3);
  FillRect(source, 0, 0, 2, 3, 0x0000FF);
  FillRect(source, 2, 0, 4, 3, 0x00FF00);
  FillRect(source, 4, 0, 6, 3, 0xFF0000);
  TBitmap dest = Destination(20, 6);
  DrawThreePartStretch(dest.Canvas(), RECT{0, 0, 20, 6}, source, false, 1, 1, 2, 2);
  EXPECT_EQ(dest.GetPixel(1, 5), 0x0000FF);
  EXPECT_EQ(dest.GetPixel(2, 0), 0x00FF00);
  EXPECT_EQ(dest.GetPixel(17, 3), 0x00FF00);
  EXPECT_EQ(dest.GetPixel(18, 3), 0xFF0000);
  // Narrower than the frame: the whole frame is squeezed into the rectangle.
  TBitmap narrow = Destination(3, 3);
  DrawThreePartStretch(narrow.Canvas(), RECT{0, 0, 3, 3}, source, false, 1, 1, 2, 2);
  EXPECT_EQ(narrow.GetPixel(0, 0), 0x0000FF);
  EXPECT_EQ(narrow.GetPixel(2, 0), 0xFF0000);
}

TEST(SkinDraw, StripFrames) {
  // Three 4 x 4 frames: red, key-centred green, blue.
  TBitmap strip(12, 4);
  FillRect(strip, 0, 0, 4, 4, 0x0000FF);
  FillRect(strip, 4, 0, 8, 4, 0x00FF00);
  FillRect(strip, 5, 1, 7, 3, kKey);
  FillRect(strip, 8, 0, 12, 4, 0xFF0000);
  TBitmap dest = Destination(16, 16);
  DrawStripFrame(dest.Canvas(), RECT{0, 0, 8, 8}, strip, false, 3, 3);
  EXPECT_EQ(dest.GetPixel(0, 0), 0xFF0000);
  EXPECT_EQ(dest.GetPixel(7, 7), 0xFF0000);
  EXPECT_EQ(dest.GetPixel(8, 8), kBack);
  DrawStripFrame(dest.Canvas(), RECT{8, 8, 16, 16}, strip, true, 3, 2);
  EXPECT_EQ(dest.GetPixel(8, 8), 0x00FF00);
  EXPECT_EQ(dest.GetPixel(11, 11), kBack);  // keyed centre, stretched
  EXPECT_EQ(dest.GetPixel(15, 15), 0x00FF00);

  // Centred: a rectangle 11 wide puts the 4-wide frame at offset 3.
  TBitmap centred = Destination(11, 9);
  DrawStripFrameCentred(centred.Canvas(), RECT{0, 0, 11, 9}, strip, true, 3, 2);
  EXPECT_EQ(centred.GetPixel(2, 2), kBack);
  EXPECT_EQ(centred.GetPixel(3, 2), 0x00FF00);
  EXPECT_EQ(centred.GetPixel(6, 5), 0x00FF00);
  EXPECT_EQ(centred.GetPixel(7, 5), kBack);
  EXPECT_EQ(centred.GetPixel(4, 3), kBack);  // keyed
  // A rectangle narrower than the frame: offset (2 − 4) / 2 = −1, and nothing leaks out.
  TBitmap tight = Destination(6, 6);
  DrawStripFrameCentred(tight.Canvas(), RECT{2, 2, 4, 4}, strip, false, 3, 2);
  EXPECT_EQ(tight.GetPixel(2, 2), kKey);  // frame pixel (1, 1)
  EXPECT_EQ(tight.GetPixel(1, 1), kBack);
  EXPECT_EQ(tight.GetPixel(4, 4), kBack);
}

TEST(SkinDraw, EmptyInputsDrawNothing) {
  TBitmap dest = Destination(4, 4);
  TBitmap empty;
  DrawNineSlice(dest.Canvas(), RECT{0, 0, 4, 4}, empty, RECT{1, 1, 1, 1}, false, true, 1, 1, true);
  DrawStripFrame(dest.Canvas(), RECT{0, 0, 4, 4}, empty, false, 1, 1);
  TBitmap one(1, 1);
  DrawNineSlice(dest.Canvas(), RECT{3, 3, 1, 1}, one, RECT{}, false, false, 1, 1, false);
  EXPECT_FALSE(NineSliceBitmap(0, 5, one, RECT{}, false, false, 1, 1));
  // More frames than pixels: frames have no width and nothing is drawn.
  DrawStripFrame(dest.Canvas(), RECT{0, 0, 4, 4}, one, false, 5, 1);
  EXPECT_EQ(dest.GetPixel(0, 0), kBack);
}

}  // namespace
