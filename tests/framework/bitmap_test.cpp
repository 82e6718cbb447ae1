// TBitmap under Wine: size limits, canvas drawing seen through the pixel accessors,
// BMP loading (good and malformed), deep copies and moves.
#include "framework/bitmap.h"

#include <gtest/gtest.h>

#include "framework/stream.h"

namespace {

TEST(Bitmap, SizesAndPixels) {
  TBitmap b;
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Canvas(), nullptr);
  EXPECT_EQ(b.ScanLine(0), nullptr);
  ASSERT_TRUE(b.SetSize(5, 3));
  EXPECT_EQ(b.Width(), 5);
  EXPECT_EQ(b.GetPixel(4, 2), 0);
  b.SetPixel(4, 2, 0x123456);
  EXPECT_EQ(b.GetPixel(4, 2), 0x123456);
  EXPECT_EQ(b.ScanLine(2)[4], 0x563412u);  // blue in the low byte
  b.SetPixel(5, 0, 0xFFFFFF);              // outside: ignored
  EXPECT_EQ(b.GetPixel(-1, 0), 0);
  EXPECT_FALSE(b.SetSize(0, 3));
  EXPECT_TRUE(b.Empty());
  EXPECT_FALSE(b.SetSize(100000, 1));
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, CanvasDrawingIsSeenByPixelAccess) {
  TBitmap b(8, 8);
  HDC dc = b.Canvas();
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(b.Canvas(), dc);  // one DC for the bitmap's life
  OwnedBrush brush(CreateSolidBrush(RGB(10, 200, 30)));
  RECT r = {2, 2, 6, 6};
  FillRect(dc, &r, brush.Get());
  EXPECT_EQ(b.GetPixel(3, 3), RgbColour(10, 200, 30));
  EXPECT_EQ(b.GetPixel(1, 1), 0);
  // Pixels written in memory are seen by GDI.
  b.SetPixel(0, 0, 0x0000FF);
  EXPECT_EQ(::GetPixel(dc, 0, 0), RGB(255, 0, 0));
}

TEST(Bitmap, LoadsBmpBytesAndRefusesBadOnes) {
  PixelImage image(3, 2);
  image.At(2, 1) = PixelOf(0x00FF00);
  std::vector<uint8_t> file = EncodeBmp24(image);
  TBitmap b;
  ASSERT_TRUE(b.LoadFromBmp(file));
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.GetPixel(2, 1), 0x00FF00);
  // Round trip through SaveToBmp.
  TBitmap again;
  ASSERT_TRUE(again.LoadFromBmp(b.SaveToBmp()));
  EXPECT_EQ(again.GetPixel(2, 1), 0x00FF00);
  // From a stream, starting at its position.
  std::vector<uint8_t> prefixed = {1, 2, 3};
  prefixed.insert(prefixed.end(), file.begin(), file.end());
  TMemoryStream stream(prefixed);
  stream.Seek(3);
  TBitmap fromStream;
  ASSERT_TRUE(fromStream.LoadFromStream(stream));
  EXPECT_EQ(fromStream.Height(), 2);
  // Truncated, or claiming a huge size: the bitmap ends up empty.
  std::vector<uint8_t> cut(file.begin(), file.end() - 4);
  EXPECT_FALSE(b.LoadFromBmp(cut));
  EXPECT_TRUE(b.Empty());
  std::vector<uint8_t> huge = file;
  huge[18] = 0xFF, huge[19] = 0xFF, huge[20] = 0xFF, huge[21] = 0x00;
  EXPECT_FALSE(again.LoadFromBmp(huge));
  EXPECT_TRUE(again.Empty());
  EXPECT_FALSE(again.LoadFromBmp(nullptr, 0));
}

TEST(Bitmap, AssignCopiesAndMoveTransfers) {
  TBitmap a(2, 2);
  a.SetPixel(1, 1, 0xABCDEF);
  HDC dc = a.Canvas();
  ASSERT_NE(dc, nullptr);
  TBitmap copy;
  copy.Assign(a);
  a.SetPixel(1, 1, 0);
  EXPECT_EQ(copy.GetPixel(1, 1), 0xABCDEF);
  TBitmap moved(std::move(copy));
  EXPECT_TRUE(copy.Empty());
  EXPECT_EQ(moved.GetPixel(1, 1), 0xABCDEF);
  ASSERT_NE(moved.Canvas(), nullptr);
  moved = std::move(a);
  EXPECT_EQ(moved.Canvas(), dc);  // the canvas moves with the bitmap it holds
  EXPECT_EQ(a.Canvas(), nullptr);
  EXPECT_EQ(moved.Width(), 2);
  EXPECT_EQ(moved.GetPixel(1, 1), 0);
  TBitmap empty;
  moved.Assign(empty);
  EXPECT_TRUE(moved.Empty());
}

}  // namespace
