// The launcher's own resources as the system reads them: the icon (PNG images) at each
// size the shell asks for, drawn onto a plain background, and the packed side picture.
#include <gtest/gtest.h>

#include <vector>

#include "framework/gdi.h"
#include "framework/user_handles.h"
#include "launcher/side_picture.h"

namespace {
constexpr COLORREF kBackground = RGB(255, 0, 255);

// The icon drawn at its own size onto the background, as COLORREFs, rows top first.
std::vector<COLORREF> DrawnIcon(HICON icon, int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  OwnedBitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryDC dc;
  if (!dib || !dc.SelectBitmap(dib.Get())) return {};
  OwnedBrush brush(CreateSolidBrush(kBackground));
  RECT all{0, 0, size, size};
  FillRect(dc.Get(), &all, brush.Get());
  DrawIconEx(dc.Get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  GdiFlush();
  std::vector<COLORREF> out;
  for (int i = 0; i < size * size; ++i) {
    const uint32_t p = static_cast<const uint32_t*>(bits)[i];
    out.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  }
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
    const std::vector<COLORREF> drawn = DrawnIcon(icon.Get(), size);
    ASSERT_EQ(drawn.size(), static_cast<size_t>(size * size));
    // The rounded tile leaves its corners transparent and covers its middle.
    EXPECT_EQ(drawn[0], kBackground);
    EXPECT_EQ(drawn[size * size - 1], kBackground);
    int covered = 0;
    for (COLORREF c : drawn) covered += c != kBackground;
    EXPECT_GT(covered, size * size / 2);
    // Top middle: the tile's dark blue sky.
    const COLORREF sky = drawn[size / 8 * size + size / 2];
    EXPECT_LT(GetRValue(sky), 60);
    EXPECT_GT(GetBValue(sky), GetRValue(sky));
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
