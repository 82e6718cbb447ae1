// BMP codec: every supported layout decodes to the right pixels; malformed files,
// truncated or lying, decode to nothing.
#include "framework/bmp_format.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

// A BMP file with an info header of infoSize bytes, then `extra` (masks or palette),
// then pixel bytes.
std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, int bits, uint32_t compression,
                             const std::vector<uint8_t>& extra, const std::vector<uint8_t>& pixels,
                             uint32_t infoSize = 40, uint32_t colours = 0) {
  std::vector<uint8_t> b(14 + infoSize);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 10, static_cast<uint32_t>(14 + infoSize + extra.size()));
  Put32(b, 14, infoSize);
  Put32(b, 18, static_cast<uint32_t>(width));
  Put32(b, 22, static_cast<uint32_t>(height));
  Put16(b, 26, 1);
  Put16(b, 28, bits);
  Put32(b, 30, compression);
  Put32(b, 46, colours);
  b.insert(b.end(), extra.begin(), extra.end());
  b.insert(b.end(), pixels.begin(), pixels.end());
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  return b;
}

std::vector<uint8_t> Palette(std::initializer_list<TColor> colours) {
  std::vector<uint8_t> p;
  for (TColor c : colours) p.insert(p.end(), {uint8_t(BlueOf(c)), uint8_t(GreenOf(c)), uint8_t(RedOf(c)), 0});
  return p;
}

TColor At(const PixelImage& image, int x, int y) { return ColourOf(image.At(x, y)); }

// The colours of a decoded file row by row, top row first; no rows when it does not decode.
using Rows = std::vector<std::vector<TColor>>;
Rows DecodedRows(const std::vector<uint8_t>& file) {
  PixelImage image;
  if (!DecodeBmp(file.data(), file.size(), image)) return {};
  Rows rows(static_cast<size_t>(image.height), std::vector<TColor>(static_cast<size_t>(image.width)));
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) rows[y][x] = At(image, x, y);
  return rows;
}

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

TEST(BmpFormat, Encode24RoundTripsOddWidths) {
  for (int w : {1, 2, 3, 5, 7}) {
    PixelImage image(w, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < w; ++x) image.At(x, y) = PixelOf(RgbColour(x * 30, y * 70, 200 - x));
    std::vector<uint8_t> file = EncodeBmp24(image);
    PixelImage back;
    ASSERT_TRUE(DecodeBmp(file.data(), file.size(), back)) << w;
    EXPECT_EQ(back.width, w);
    EXPECT_EQ(back.height, 3);
    EXPECT_EQ(back.pixels, image.pixels);
  }
}

TEST(BmpFormat, PalettedDepthsAndRowOrder) {
  // 1 bit, 2 x 2, bottom-up: bottom row "1 0", top row "0 1"; rows padded to 4 bytes.
  auto one = MakeBmp(2, 2, 1, 0, Palette({kRed, kGreen}), {0x80, 0, 0, 0, 0x40, 0, 0, 0});
  EXPECT_EQ(DecodedRows(one), (Rows{{kRed, kGreen}, {kGreen, kRed}}));
  // 4 bits, 3 x 1: indexes 2 0 1.
  auto four = MakeBmp(3, 1, 4, 0, Palette({kRed, kGreen, kBlue}), {0x20, 0x10, 0, 0});
  EXPECT_EQ(DecodedRows(four), (Rows{{kBlue, kRed, kGreen}}));
  // 8 bits, top-down (negative height), 1 x 2, with a palette of 2 declared colours.
  auto eight = MakeBmp(1, -2, 8, 0, Palette({kWhite, kBlue}), {1, 0, 0, 0, 0, 0, 0, 0}, 40, 2);
  EXPECT_EQ(DecodedRows(eight), (Rows{{kBlue}, {kWhite}}));
  // An index past the palette the file holds reads black rather than outside it.
  auto past = MakeBmp(1, 1, 8, 0, Palette({kWhite}), {200, 0, 0, 0}, 40, 1);
  EXPECT_EQ(DecodedRows(past), (Rows{{0}}));
}

TEST(BmpFormat, CoreHeaderWithThreeBytePalette) {
  std::vector<uint8_t> b(26);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 14, 12);
  Put16(b, 18, 2);
  Put16(b, 20, 1);
  Put16(b, 22, 1);
  Put16(b, 24, 8);
  std::vector<uint8_t> palette = {0, 0, 255, 0, 255, 0};  // red, green (blue, green, red)
  b.insert(b.end(), palette.begin(), palette.end());
  Put32(b, 10, static_cast<uint32_t>(b.size()));
  b.insert(b.end(), {1, 0, 0, 0});
  EXPECT_EQ(DecodedRows(b), (Rows{{kGreen, kRed}}));
}

TEST(BmpFormat, SixteenAndThirtyTwoBits) {
  // 16-bit default 5-5-5: pure red 0x7C00, white 0x7FFF.
  auto rgb555 = MakeBmp(2, 1, 16, 0, {}, {0x00, 0x7C, 0xFF, 0x7F});
  EXPECT_EQ(DecodedRows(rgb555), (Rows{{kRed, kWhite}}));
  // 16-bit 5-6-5 bit fields: pure green 0x07E0, then blue 0x001F.
  std::vector<uint8_t> masks(12);
  Put32(masks, 0, 0xF800);
  Put32(masks, 4, 0x07E0);
  Put32(masks, 8, 0x001F);
  auto rgb565 = MakeBmp(2, 1, 16, 3, masks, {0xE0, 0x07, 0x1F, 0x00});
  EXPECT_EQ(DecodedRows(rgb565), (Rows{{kGreen, kBlue}}));
  // 32 bits with an alpha byte that is ignored.
  auto argb = MakeBmp(1, 1, 32, 0, {}, {0x10, 0x20, 0x30, 0xFF});
  EXPECT_EQ(DecodedRows(argb), (Rows{{RgbColour(0x30, 0x20, 0x10)}}));
  // A V5 header (124 bytes) carries its masks inside.
  std::vector<uint8_t> v5 = MakeBmp(1, 1, 32, 3, {}, {0x11, 0x22, 0x33, 0x44}, 124);
  Put32(v5, 54, 0x000000FF);  // red in the lowest byte
  Put32(v5, 58, 0x0000FF00);
  Put32(v5, 62, 0x00FF0000);
  EXPECT_EQ(DecodedRows(v5), (Rows{{RgbColour(0x11, 0x22, 0x33)}}));
}

TEST(BmpFormat, RunLengthEncodings) {
  // RLE8, 4 x 3 bottom-up: row 0 (bottom) run of 4 x index 1; end of line; delta (1, 1)
  // skips to row 2, x 1; absolute run of 3 (padded); end of bitmap. Skipped pixels keep
  // index 0.
  auto rle8 = MakeBmp(4, 3, 8, 1, Palette({kWhite, kRed, kGreen, kBlue}),
                      {4, 1, 0, 0, 0, 2, 1, 1, 0, 3, 2, 3, 1, 0, 0, 1});
  EXPECT_EQ(DecodedRows(rle8), (Rows{{kWhite, kGreen, kBlue, kRed},
                                     {kWhite, kWhite, kWhite, kWhite},
                                     {kRed, kRed, kRed, kRed}}));
  // RLE4, 3 x 1: a run of 3 alternating indexes 1 and 2.
  auto rle4 = MakeBmp(3, 1, 4, 2, Palette({kWhite, kRed, kGreen}), {3, 0x12, 0, 1});
  EXPECT_EQ(DecodedRows(rle4), (Rows{{kRed, kGreen, kRed}}));
  // Runs that overflow the row or the image are cut, never written outside.
  auto wide = MakeBmp(2, 1, 8, 1, Palette({kWhite, kRed}), {255, 1, 0, 2, 255, 255, 255, 1});
  const Rows rows = DecodedRows(wide);
  ASSERT_EQ(rows.size(), 1u);
  ASSERT_EQ(rows[0].size(), 2u);
  EXPECT_EQ(rows[0][1], kRed);
}

TEST(BmpFormat, MalformedFilesDecodeToNothing) {
  const auto good = MakeBmp(3, 2, 24, 0, {}, std::vector<uint8_t>(12 + 12, 0x55));
  PixelImage image;
  ASSERT_TRUE(DecodeBmp(good.data(), good.size(), image));

  struct Case {
    const char* what;
    std::vector<uint8_t> file;
  };
  auto edit = [&](size_t at, uint32_t v, bool wide = true) {
    auto b = good;
    wide ? Put32(b, at, v) : Put16(b, at, v);
    return b;
  };
  std::vector<Case> cases = {
      {"empty", {}},
      {"not BM", edit(0, 0x4142, false)},
      {"header cut", std::vector<uint8_t>(good.begin(), good.begin() + 30)},
      {"last row cut", std::vector<uint8_t>(good.begin(), good.begin() + 54 + 12 + 8)},
      {"info size past the end", edit(14, 4000)},
      {"info size too small", edit(14, 20)},
      {"zero width", edit(18, 0)},
      {"negative width", edit(18, 0xFFFFFFFF)},
      {"huge width", edit(18, 100000)},
      {"huge height", edit(22, 0x7FFFFFFF)},
      {"most negative height", edit(22, 0x80000000)},
      {"too many pixels", [&] { auto b = edit(18, 16384); Put32(b, 22, 16384); return b; }()},
      {"two planes", edit(26, 2, false)},
      {"7 bits per pixel", edit(28, 7, false)},
      {"JPEG compression", edit(30, 4)},
      {"pixel offset past the end", edit(10, 0x7FFFFFF0)},
      {"pixel offset near the end", edit(10, static_cast<uint32_t>(good.size() - 2))},
      {"RLE top-down",
       MakeBmp(2, -2, 8, 1, Palette({kWhite}), {2, 0, 0, 1})},
      {"bit fields masks missing", MakeBmp(1, 1, 16, 3, {}, {})},
  };
  for (const Case& c : cases) {
    PixelImage out(1, 1);
    EXPECT_FALSE(DecodeBmp(c.file.data(), c.file.size(), out)) << c.what;
    EXPECT_TRUE(out.Empty()) << c.what;
  }
  // Every prefix that cuts into the pixels is refused (the last row needs no padding).
  for (size_t n = 0; n < 54 + 12 + 9; ++n) {
    PixelImage out;
    EXPECT_FALSE(DecodeBmp(good.data(), n, out)) << n;
  }
  EXPECT_FALSE(DecodeBmp(nullptr, 10, image));
}

}  // namespace
