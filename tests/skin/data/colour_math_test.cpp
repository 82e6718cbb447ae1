// Colour arithmetic: blending percentages and per-mille values, saturation rounding,
// gradient tables and the 16-slot gradient cache.
#include "skin/data/colour_math.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourMath, BlendPercentAndPerMille) {
  EXPECT_EQ(BlendRgb(0x000000, 0xFFFFFF, 150), 0xD9D9D9);  // 150 per mille of black
  EXPECT_EQ(BlendRgb(0x000000, 0xFFFFFF, 50), 0x808080);   // 50 percent
  EXPECT_EQ(BlendRgb(0x0000FF, 0xFF0000, 99), RgbColour(252, 0, 3));
  EXPECT_EQ(BlendRgb(0x123456, 0xABCDEF, 1000), 0x123456);
  EXPECT_EQ(BlendRgb(0x123456, 0xABCDEF, 0), 0xABCDEF);
  // Shares beyond the whole stay inside the channel range.
  EXPECT_EQ(BlendRgb(0xFFFFFF, 0x000000, 2000), 0xFFFFFF);
  EXPECT_EQ(BlendRgb(0x000000, 0xFFFFFF, 2000), 0x000000);
  EXPECT_EQ(BlendRgb(0xFFFFFF, 0x000000, -50), 0x000000);
}

TEST(ColourMath, Saturation) {
  EXPECT_EQ(ColourSaturation(0x0000FF), 255);
  EXPECT_EQ(ColourSaturation(0xC8C8C8), 0);
  EXPECT_EQ(ColourSaturation(0x9F9F00), 200);  // no channel above 159
  EXPECT_EQ(ColourSaturation(0x000000), 200);
  // 255·1/170 = 1.5 rounds to 2; 255·3/170 = 4.5 rounds to 4 (ties to even).
  EXPECT_EQ(ColourSaturation(RgbColour(170, 169, 170)), 2);
  EXPECT_EQ(ColourSaturation(RgbColour(170, 167, 170)), 4);
  EXPECT_EQ(ColourSaturation(RgbColour(200, 100, 50)), 191);  // 191.25
}

TEST(ColourMath, GradientTables) {
  EXPECT_TRUE(MakeGradientTable(0, 0, 0xFFFFFF).empty());
  EXPECT_EQ(MakeGradientTable(1, 0x000000, 0xFFFFFF), std::vector<TColor>{0x7F7F7F});
  EXPECT_EQ(MakeGradientTable(1, 0xFFFFFF, 0x000000), std::vector<TColor>{0x808080});
  auto up = MakeGradientTable(5, RgbColour(0, 100, 200), RgbColour(255, 0, 200));
  ASSERT_EQ(up.size(), 5u);
  EXPECT_EQ(up.front(), RgbColour(0, 100, 200));
  // Falling channels round toward zero, so they end one short of the last colour.
  EXPECT_EQ(up.back(), RgbColour(255, 1, 200));
  // d = 4: red (2 + 2·255) div 4 = 128, green 100 + (2 − 200) div 4 = 51 (toward zero).
  EXPECT_EQ(up[2], RgbColour(128, 51, 200));
  auto two = MakeGradientTable(2, 0x102030, 0x405060);
  EXPECT_EQ(two, (std::vector<TColor>{0x102030, 0x405060}));
}

TEST(ColourMath, GradientCacheKeepsSixteenTables) {
  TGradientCache cache;
  const auto& first = cache.Table(10, 0, 0xFFFFFF);
  EXPECT_EQ(first.size(), 10u);
  EXPECT_EQ(cache.Computed(), 1);
  cache.Table(10, 0, 0xFFFFFF);
  EXPECT_EQ(cache.Computed(), 1);  // found again
  cache.Table(10, 0xFFFFFF, 0);    // other colours: a new table
  cache.Table(11, 0, 0xFFFFFF);    // other length: a new table
  EXPECT_EQ(cache.Computed(), 3);
  for (int i = 0; i < 14; ++i) cache.Table(100 + i, 0, 0xFFFFFF);
  EXPECT_EQ(cache.Computed(), 17);  // the ring is full and has just wrapped over slot 0
  cache.Table(11, 0, 0xFFFFFF);     // still held
  EXPECT_EQ(cache.Computed(), 17);
  cache.Table(10, 0, 0xFFFFFF);     // the oldest was overwritten
  EXPECT_EQ(cache.Computed(), 18);
  EXPECT_EQ(cache.Table(10, 0, 0xFFFFFF).back(), 0xFFFFFF);
}

}  // namespace
