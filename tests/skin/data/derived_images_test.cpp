// Derived skin objects on small hand-made skins: the combined combo strips (pixels of
// each part, mirror image, margins), the combo arrow in its three cases, and the
// toolbar gradient's end colours.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/data/derived_images.h"
#include "test_skins.h"

using testskin::Cells;
using testskin::Read;
using testskin::Solid;
using testskin::TestSkin;

namespace {

constexpr TColor kKey = kSkinKeyColour;
const std::vector<TColor> kSunk = {0x101010, 0x202020, 0x303030, 0x404040};
const std::vector<TColor> kButton = {0x000080, 0x0000A0, 0x0000C0, 0x0000E0};
const std::vector<TColor> kExtra = {0x008000, 0x00A000, 0x00C000, 0x00E000, 0x00F000};

TestSkin ComboSkin(bool withSunkEdge, bool withExtra) {
  TestSkin skin;
  skin.Text("[ComboButton]\nImage=cb.bmp\nLeftWidth=1\nRightWidth=1\n[Colours]\nButtonFace=100 100 100\n")
      .Image("cb.bmp", Cells(72, 21, 4, kButton));
  if (withSunkEdge) {
    skin.Text("[SunkEdge]\nImage=se.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=3\n")
        .Image("se.bmp", Cells(40, 21, 4, kSunk));
  }
  if (withExtra) {
    skin.Text("[ExtraImages]\nImage=ex.bmp\n").Image("ex.bmp", Cells(30, 6, 5, kExtra));
  }
  return skin;
}

TEST(ComboImages, StripCombinesSunkEdgeButtonAndExtraImage) {
  auto read = Read(ComboSkin(true, true));
  const TSkinObjects& s = read->objects;
  const int bw = GetSystemMetrics(SM_CXHSCROLL) + 2;
  ASSERT_TRUE(s.ComboButton);
  ASSERT_TRUE(s.SunkEdge);
  const TBitmap& strip = s.ComboButton->Image;
  ASSERT_EQ(strip.Width(), 200);
  ASSERT_EQ(strip.Height(), 21);
  for (int c = 0; c < 4; ++c) {
    const int x0 = 50 * c;
    EXPECT_EQ(strip.GetPixel(x0, 0), kSunk[c]) << c;           // sunk edge corner
    EXPECT_EQ(strip.GetPixel(x0 + 10, 20), kSunk[c]) << c;     // its bottom edge
    EXPECT_EQ(strip.GetPixel(x0 + 2, 2), kKey) << c;           // text part keyed out
    EXPECT_EQ(strip.GetPixel(x0 + 48 - bw, 17), kKey) << c;
    EXPECT_EQ(strip.GetPixel(x0 + 49 - bw, 10), kSunk[c]) << c;  // just right of it
    EXPECT_EQ(strip.GetPixel(x0 + 50 - bw, 1), kButton[c]) << c;  // button part
    EXPECT_EQ(strip.GetPixel(x0 + 49, 20), kButton[c]) << c;
    EXPECT_EQ(strip.GetPixel(x0 + 50 - bw / 2, 10), kExtra[c]) << c;  // centred glyph
  }
  EXPECT_EQ(s.ComboButton->Style, 2);
  EXPECT_EQ(s.ComboButton->LeftWidth, 2);
  EXPECT_EQ(s.ComboButton->RightWidth, bw + 2);
  EXPECT_EQ(s.ComboButton->TopHeight, 2);
  EXPECT_EQ(s.ComboButton->BottomHeight, 3);
  EXPECT_EQ(s.ComboButton->Frame, 4);

  // The sunk edge becomes the mirror image of the strip, button part on the left.
  ASSERT_EQ(s.SunkEdge->Image.Width(), 200);
  for (int x = 0; x < 200; x += 7) {
    for (int y = 0; y < 21; y += 5) {
      ASSERT_EQ(s.SunkEdge->Image.GetPixel(x, y), strip.GetPixel(199 - x, y)) << x << "," << y;
    }
  }
  EXPECT_EQ(s.SunkEdge->LeftWidth, bw + 2);
  EXPECT_EQ(s.SunkEdge->RightWidth, 2);

  // The arrow: a 17 x 17 square from each cell's right end.
  ASSERT_TRUE(s.ComboxArrow);
  ASSERT_EQ(s.ComboxArrow->Image.Width(), 68);
  ASSERT_EQ(s.ComboxArrow->Image.Height(), 17);
  EXPECT_EQ(s.ComboxArrow->Frame, 4);
  for (int i = 1; i <= 4; ++i) {
    for (int x = 0; x < 17; x += 4) {
      for (int y = 0; y < 17; y += 4) {
        ASSERT_EQ(s.ComboxArrow->Image.GetPixel(17 * (i - 1) + x, y),
                  strip.GetPixel(50 * i - 19 + x, 2 + y));
      }
    }
  }
}

TEST(ComboImages, ArrowWithoutSunkEdgeShowsMagentaAsButtonFace) {
  TestSkin skin;
  PixelImage button = Cells(72, 21, 4, kButton);
  button.At(5, 5) = PixelOf(kKey);
  skin.Text("[ComboButton]\nImage=cb.bmp\n[Colours]\nButtonFace=100 100 100\n")
      .Image("cb.bmp", button);
  auto read = Read(skin);
  const TSkinObjects& s = read->objects;
  ASSERT_TRUE(s.ComboxArrow);
  EXPECT_EQ(s.ComboxArrow->Frame, 4);
  EXPECT_EQ(s.ComboxArrow->Image.Width(), 72);
  EXPECT_EQ(s.ComboxArrow->Image.GetPixel(5, 5), RgbColour(100, 100, 100));
  EXPECT_EQ(s.ComboxArrow->Image.GetPixel(20, 5), kButton[1]);
  // The button itself is untouched, with its mirror image as the second image.
  EXPECT_EQ(s.ComboButton->Image.GetPixel(5, 5), kKey);
  EXPECT_EQ(s.ComboButton->Image2.GetPixel(0, 0), kButton[3]);
  EXPECT_EQ(s.ComboButton->Image2.GetPixel(66, 5), kKey);
}

TEST(ComboImages, ArrowIsKeptWhenTheNextSkinHasNoComboParts) {
  auto first = Read(ComboSkin(true, false));
  ASSERT_EQ(first->objects.ComboxArrow->Image.Width(), 68);
  TestSkin plain;
  plain.Text("[Colours]\nButtonFace=1 1 1\n");
  auto second = Read(plain, &first->objects);
  ASSERT_TRUE(second->objects.ComboxArrow);
  EXPECT_EQ(second->objects.ComboxArrow->Image.Width(), 68);
  EXPECT_EQ(second->objects.ComboxArrow->Frame, 4);
  EXPECT_EQ(second->objects.ComboxArrow->Image.GetPixel(16, 16),
            first->objects.ComboxArrow->Image.GetPixel(16, 16));
  EXPECT_FALSE(second->objects.ComboButton);

  // A skin with nothing before: the arrow exists, empty.
  auto fresh = Read(plain);
  ASSERT_TRUE(fresh->objects.ComboxArrow);
  EXPECT_TRUE(fresh->objects.ComboxArrow->Image.Empty());
}

// The gradient runs from the face colour lightened 150 per mille toward white to a
// colour that depends on the title colour's saturation.
TEST(ToolbarGradient, EndColours) {
  struct Case {
    TColor title;
    TColor bottom;
  } cases[] = {
      {0x0000FF, 0x8C8CFF},  // saturated red: blended 45 % toward white
      {0x808080, 0xBABABA},  // dark grey counts as saturation 200: 54 %
      {0xC0C0C0, 0xB6B6B6},  // light grey, saturation 0: grey 0x808080 150 per mille
  };
  for (const Case& c : cases) {
    TestSkin skin;
    skin.Text("[Personality]\nTop=t.bmp\n[Colours]\nButtonFace=100 100 100\n")
        .Image("t.bmp", Solid(30, 9, c.title));
    auto read = Read(skin);
    EXPECT_EQ(read->colours.TitleColour, c.title);
    const TGradientEnds ends = ToolbarGradientEnds(c.title, RgbColour(100, 100, 100));
    EXPECT_EQ(ends.top, 0xE8E8E8);
    EXPECT_EQ(ends.bottom, c.bottom) << std::hex << c.title;
    const TDataSkinObject& toolbar = *read->objects.Toolbar;
    ASSERT_EQ(toolbar.Image.Width(), 10);
    ASSERT_EQ(toolbar.Image.Height(), 40);
    EXPECT_EQ(toolbar.Frame, 1);
    EXPECT_EQ(toolbar.Image.GetPixel(0, 0), 0xE8E8E8);
    EXPECT_EQ(toolbar.Image.GetPixel(9, 0), 0xE8E8E8);
    // The last of 40 steps lands on the end colour, give or take rounding.
    const TColor last = toolbar.Image.GetPixel(5, 39);
    EXPECT_NEAR(RedOf(last), RedOf(c.bottom), 1);
    EXPECT_NEAR(GreenOf(last), GreenOf(c.bottom), 1);
    EXPECT_NEAR(BlueOf(last), BlueOf(c.bottom), 1);
  }
}

}  // namespace
