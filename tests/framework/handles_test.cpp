// Handle owners under Wine: menus, icons and image lists freed once and moved, and the
// movable memory DC that puts its own bitmap back before deletion.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "framework/gdi.h"
#include "framework/user_handles.h"

TEST(Handles, MenusIconsAndImageListsAreFreedOnce) {
  HMENU raw = CreatePopupMenu();
  {
    OwnedMenu menu(raw);
    OwnedMenu moved(std::move(menu));
    EXPECT_FALSE(menu);
    EXPECT_EQ(moved.Get(), raw);
    EXPECT_TRUE(IsMenu(raw));
  }
  EXPECT_FALSE(IsMenu(raw));
  OwnedMenu given(CreateMenu());
  HMENU released = given.Release();  // for instance to SetMenu
  EXPECT_FALSE(given);
  EXPECT_TRUE(IsMenu(released));
  DestroyMenu(released);

  BYTE andMask[32 * 4], xorMask[32 * 4];
  FillMemory(andMask, sizeof(andMask), 0xFF);
  ZeroMemory(xorMask, sizeof(xorMask));
  OwnedIcon icon(CreateIcon(nullptr, 32, 32, 1, 1, andMask, xorMask));
  ASSERT_TRUE(icon);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon.Get(), &info));
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  OwnedIcon other;
  other = std::move(icon);
  EXPECT_TRUE(other);
  other.Reset();
  EXPECT_FALSE(other);

  OwnedImageList list(ImageList_Create(16, 16, ILC_COLOR32, 1, 1));
  ASSERT_TRUE(list);
  EXPECT_EQ(ImageList_GetImageCount(list.Get()), 0);
  list.Reset();
  EXPECT_FALSE(list);
}

TEST(Handles, MemoryDcMovesAndGivesItsBitmapBack) {
  OwnedBitmap bitmap(CreateBitmap(4, 4, 1, 32, nullptr));
  ASSERT_TRUE(bitmap);
  MemoryDC empty = MemoryDC::Unset();
  EXPECT_FALSE(empty);
  EXPECT_FALSE(empty.SelectBitmap(bitmap.Get()));
  HDC raw = nullptr;
  {
    MemoryDC dc;
    ASSERT_TRUE(dc.SelectBitmap(bitmap.Get()));
    raw = dc.Get();
    empty = std::move(dc);
    EXPECT_FALSE(dc);
    EXPECT_EQ(empty.Get(), raw);
    EXPECT_EQ(GetCurrentObject(raw, OBJ_BITMAP), bitmap.Get());
  }
  EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_MEMDC));  // moved, not deleted
  empty.Reset();
  EXPECT_EQ(GetObjectType(raw), 0u);
  // The bitmap left the DC before the DC went, so it can be deleted.
  EXPECT_TRUE(DeleteObject(bitmap.Release()));
}
