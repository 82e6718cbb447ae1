// The frame region on the tests' own skin: transparent corners cut, a rectangle when no
// piece is transparent, and many runs merged in blocks.
#include <gtest/gtest.h>

#include "form_test_skin.h"
#include "skin/forms/frame_region.h"

namespace {

using namespace formskin;

TEST(FrameRegion, TransparentCornersAreCut) {
  auto skin = Load();
  TWindowFacts f = Facts(*skin, 300, 200);
  OwnedRegion region = BuildFrameRegion(skin->Objects, f);
  ASSERT_TRUE(region);
  EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
  EXPECT_FALSE(PtInRegion(region.Get(), 5, 2));
  EXPECT_TRUE(PtInRegion(region.Get(), 2, 5));
  EXPECT_FALSE(PtInRegion(region.Get(), kLeftWidth + 1, 1));  // the top piece's own cut
  EXPECT_TRUE(PtInRegion(region.Get(), kLeftWidth + 4, 1));
  EXPECT_TRUE(PtInRegion(region.Get(), 299, 0));  // the right piece is opaque
  EXPECT_TRUE(PtInRegion(region.Get(), 150, 100));
  EXPECT_TRUE(PtInRegion(region.Get(), 299, 199));
  EXPECT_FALSE(PtInRegion(region.Get(), 300, 100));
}

TEST(FrameRegion, RectangularWithoutTransparentPieces) {
  Options o;
  o.transparent = false;
  auto skin = Load(o);
  EXPECT_FALSE(FrameHasTransparency(skin->Objects));
  TWindowFacts f = Facts(*skin, 300, 200);
  OwnedRegion region = BuildFrameRegion(skin->Objects, f);
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.Get(), &box), SIMPLEREGION);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, 300);
  EXPECT_EQ(box.bottom, 200);
}

TEST(FrameRegion, ManyRunsMergeInBlocks) {
  // A checkerboard of 120 x 120 holds 7200 runs: several merges of 2000.
  TBitmap b(120, 120);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 120; ++x) b.SetPixel(x, y, (x + y) % 2 ? kSkinKeyColour : RgbColour(1, 1, 1));
  // Near-key colours (within key..key+1) count as the key too.
  b.SetPixel(0, 0, RgbColour(254, 1, 254) | 0);
  b.SetPixel(2, 0, RgbColour(255, 1, 255));
  OwnedRegion region = RegionFromBitmap(b, 10, 20);
  EXPECT_TRUE(PtInRegion(region.Get(), 10 + 4, 20 + 0));
  EXPECT_FALSE(PtInRegion(region.Get(), 10 + 1, 20 + 0));
  EXPECT_FALSE(PtInRegion(region.Get(), 10 + 2, 20 + 0));
  EXPECT_TRUE(PtInRegion(region.Get(), 10 + 0, 20 + 0));  // 254 is below the key
  EXPECT_TRUE(PtInRegion(region.Get(), 10 + 119, 20 + 119));
  EXPECT_FALSE(PtInRegion(region.Get(), 10 + 118, 20 + 119));
  EXPECT_FALSE(PtInRegion(region.Get(), 9, 20));
}

}  // namespace
