// The launcher's own resources as the system reads them: the icon (PNG images) at each
// size the shell asks for, drawn onto a plain background, and the packed side picture.
#include <gtest/gtest.h>

#include <vector>

#include "framework/bitmap.h"
#include "framework/user_handles.h"
#include "launcher/side_picture.h"

namespace {
constexpr TColor kBackground = 0xFF00FF;  // magenta

// The icon drawn at its own size onto the background, as colours, rows top first.
std::vector<TColor> DrawnIcon(HICON icon, int size) {
  TBitmap canvas(size, size);
  canvas.Fill(kBackground);
  DrawIconEx(canvas.Canvas(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  std::vector<TColor> out;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) out.push_back(canvas.GetPixel(x, y));
  return out;
}

TEST(LauncherResources, IconLoadsAndDrawsAtEverySize) {
  for (int size : {16, 32, 48}) {
    SCOPED_TRACE(size);
    OwnedIcon icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, size, size, 0)));
    ASSERT_TRUE(icon);
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon.Get(), &parts));
    OwnedBitmap colour(parts.hbmColor), mask(parts.hbmMask);
    BITMAP shape{};
    ASSERT_TRUE(GetObjectW(colour.Get(), sizeof shape, &shape));
    EXPECT_EQ(shape.bmWidth, size);  // an image of this size, not a scaled one
    const std::vector<TColor> drawn = DrawnIcon(icon.Get(), size);
    ASSERT_EQ(drawn.size(), static_cast<size_t>(size * size));
    // The rounded tile leaves its corners transparent and covers its middle.
    EXPECT_EQ(drawn[0], kBackground);
    EXPECT_EQ(drawn[size * size - 1], kBackground);
    int covered = 0;
    for (TColor c : drawn) covered += c != kBackground;
    EXPECT_GT(covered, size * size / 2);
    // Top middle: the tile's dark blue sky.
    const TColor sky = drawn[size / 8 * size + size / 2];
    EXPECT_LT(RedOf(sky), 60);
    EXPECT_GT(BlueOf(sky), RedOf(sky));
  }
}

TEST(LauncherResources, SidePictureUnpacks) {
  OwnedBitmap picture(LoadCompressedPicture(L"SIDEPICTURE"));
  ASSERT_TRUE(picture);
  BITMAP shape{};
  ASSERT_TRUE(GetObjectW(picture.Get(), sizeof shape, &shape));
  EXPECT_EQ(shape.bmWidth, 164);
  EXPECT_EQ(shape.bmHeight, 314);
  EXPECT_FALSE(LoadCompressedPicture(L"NOSUCHPICTURE"));
}
}  // namespace
