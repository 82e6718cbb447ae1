// Image utilities and built-in bitmaps under Wine: blending with system colours,
// gradients (end colours, clipping, the cache), magenta replacement, grey, mirror,
// flip, rotations, copying, wide text.
#include "skin/data/image_utils.h"

#include <gtest/gtest.h>

#include "skin/data/builtin_bitmaps.h"

namespace {

TEST(ImageUtils, BlendResolvesSystemColours) {
  EXPECT_EQ(BlendColours(0x000000, 0xFFFFFF, 150), 0xD9D9D9);
  EXPECT_EQ(BlendColours(0x000000, 0xFFFFFF, 50), 0x808080);
  const TColor face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ResolveColour(SystemColour(COLOR_BTNFACE)), face);
  EXPECT_EQ(BlendColours(SystemColour(COLOR_BTNFACE), 0x000000, 1000), face);
}

TEST(ImageUtils, GradientEndsAndDirections) {
  TBitmap b(6, 10);
  FillGradient(b.Canvas(), RECT{0, 0, 6, 10}, 0x000000, true, 0xFFFFFF);
  EXPECT_EQ(b.GetPixel(0, 0), 0x000000);
  EXPECT_EQ(b.GetPixel(5, 9), 0xFFFFFF);
  EXPECT_EQ(b.GetPixel(3, 0), b.GetPixel(5, 0));  // rows are solid
  EXPECT_EQ(b.GetPixel(0, 3), 0x555555);          // (4 + 3·255) div 9 = 85
  FillGradient(b.Canvas(), RECT{0, 0, 6, 10}, 0x0000FF, false, 0xFF0000);
  EXPECT_EQ(b.GetPixel(0, 7), 0x0000FF);
  EXPECT_EQ(b.GetPixel(5, 2), 0xFF0001);  // the falling red channel ends at 1
  EXPECT_EQ(b.GetPixel(2, 0), b.GetPixel(2, 9));  // columns are solid
}

TEST(ImageUtils, GradientSkipsClippedLinesAndUsesTheCache) {
  TBitmap b(4, 8);
  b.Fill(0x123456);
  HDC dc = b.Canvas();
  OwnedRegion clip(CreateRectRgn(0, 2, 4, 5));
  SelectClipRgn(dc, clip.Get());
  const int before = GradientCache().Computed();
  FillGradient(dc, RECT{0, 0, 4, 8}, 0x000000, true, 0x707070);
  EXPECT_EQ(b.GetPixel(0, 1), 0x123456);
  EXPECT_EQ(b.GetPixel(0, 2), 0x202020);
  EXPECT_EQ(b.GetPixel(0, 5), 0x123456);
  FillGradient(dc, RECT{0, 0, 4, 8}, 0x000000, true, 0x707070);
  EXPECT_EQ(GradientCache().Computed(), before + 1);  // the second fill found its table
  // A rectangle outside the clip region is not touched at all.
  FillGradient(dc, RECT{0, 6, 4, 8}, 0xFFFFFF, true, 0xFFFFFF);
  EXPECT_EQ(b.GetPixel(0, 7), 0x123456);
  SelectClipRgn(dc, nullptr);
}

// A 3 x 2 bitmap with a different colour in every pixel: value 0x10·(y·3 + x) + 1.
TBitmap Numbered() {
  TBitmap b(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) b.SetPixel(x, y, 0x10 * (y * 3 + x) + 1);
  return b;
}
TColor N(int x, int y) { return 0x10 * (y * 3 + x) + 1; }

TEST(ImageUtils, MirrorFlipAndRotations) {
  TBitmap b = Numbered();
  MirrorBitmap(b);
  EXPECT_EQ(b.GetPixel(0, 0), N(2, 0));
  EXPECT_EQ(b.GetPixel(2, 1), N(0, 1));
  b = Numbered();
  FlipBitmap(b);
  EXPECT_EQ(b.GetPixel(0, 0), N(0, 1));
  EXPECT_EQ(b.GetPixel(2, 1), N(2, 0));
  b = Numbered();
  RotateAnticlockwise(b);  // (x, y) -> (y, 2 − x)
  ASSERT_EQ(b.Width(), 2);
  ASSERT_EQ(b.Height(), 3);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.GetPixel(y, 2 - x), N(x, y));
  b = Numbered();
  RotateClockwise(b);  // (x, y) -> (1 − y, x)
  ASSERT_EQ(b.Width(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.GetPixel(1 - y, x), N(x, y));
  RotateAnticlockwise(b);  // and back
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.GetPixel(x, y), N(x, y));
  TBitmap empty;
  RotateClockwise(empty);
  MirrorBitmap(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(ImageUtils, MagentaGreyAndCopy) {
  TBitmap b(3, 1);
  b.SetPixel(0, 0, kSkinKeyColour);
  b.SetPixel(1, 0, RgbColour(10, 20, 60));
  b.SetPixel(2, 0, RgbColour(254, 0, 255));  // near magenta stays
  ReplaceMagenta(b, 0x00C000);
  EXPECT_EQ(b.GetPixel(0, 0), 0x00C000);
  EXPECT_EQ(b.GetPixel(2, 0), RgbColour(254, 0, 255));
  MakeGrey(b);
  EXPECT_EQ(b.GetPixel(0, 0), 0x404040);  // 192 / 3
  EXPECT_EQ(b.GetPixel(1, 0), 0x1E1E1E);  // 90 / 3
  TBitmap copy;
  CopyBitmap(b, copy);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.GetPixel(1, 0), 0x1E1E1E);
  b.SetPixel(1, 0, 0);
  EXPECT_EQ(copy.GetPixel(1, 0), 0x1E1E1E);  // a deep copy
}

TEST(ImageUtils, WideText) {
  EXPECT_EQ(AnsiToUnicode("Quill 1"), L"Quill 1");
  EXPECT_EQ(AnsiToUnicode(""), L"");
  TBitmap b(80, 20);
  b.Fill(0xFFFFFF);
  RECT r = {0, 0, 80, 20};
  SetTextColor(b.Canvas(), 0);
  SetBkMode(b.Canvas(), TRANSPARENT);
  EXPECT_GT(DrawTextUnicode(b.Canvas(), L"\u00C9t\u00E9 W", r, DT_SINGLELINE | DT_VCENTER), 0);
  int dark = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 80; ++x) dark += b.GetPixel(x, y) != 0xFFFFFF;
  EXPECT_GT(dark, 10);
}

TEST(BuiltinBitmaps, GroovesAndMenuGlyphs) {
  TBitmap track, vert, menu, none;
  ASSERT_TRUE(LoadBuiltinBitmap("TRACK", track));
  ASSERT_TRUE(LoadBuiltinBitmap("trackvert", vert));
  ASSERT_TRUE(LoadBuiltinBitmap("MORVANEMENU", menu));
  EXPECT_FALSE(LoadBuiltinBitmap("NOSUCH", none));
  EXPECT_TRUE(none.Empty());
  // Grooves are at least 7 pixels across, so 3-pixel margins leave a middle.
  EXPECT_GE(track.Width(), 7);
  EXPECT_GE(track.Height(), 7);
  EXPECT_EQ(vert.Width(), track.Height());
  EXPECT_EQ(vert.Height(), track.Width());
  // The middle column of the horizontal groove is the same anywhere along it.
  for (int y = 0; y < track.Height(); ++y)
    EXPECT_EQ(track.GetPixel(3, y), track.GetPixel(track.Width() - 4, y));
  // Menu glyphs: 16 x 16 cells on white, each with some dark pixels.
  ASSERT_EQ(menu.Height(), 16);
  ASSERT_EQ(menu.Width(), 16 * mgCount);
  EXPECT_EQ(menu.GetPixel(0, 0), 0xFFFFFF);
  for (int g = 0; g < mgCount; ++g) {
    int dark = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) dark += menu.GetPixel(16 * g + x, y) == 0;
    EXPECT_GT(dark, 8) << g;
  }
}

}  // namespace
