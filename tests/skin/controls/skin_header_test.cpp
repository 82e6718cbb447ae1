// Header controls drawn from the skin's Headerbar object under Wine: each item's cell,
// the hot item under the real mouse, a right-aligned caption ending 2 pixels before the
// item's edge, the space after the last item; and a report list view whose column
// header gets its TSkinHeader with the list's wrapper (and loses it with it).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "control_fixture.h"
#include "framework/header_control.h"
#include "framework/list_controls.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_scrollbar.h"
#include "test_skins.h"

using namespace controltest;

namespace {
const int kHeaderStrip = 8;
TColor HeaderCell(int cell) { return CellColour(kHeaderStrip, cell - 1); }

class SkinHeaderTest : public ControlTest {
 protected:
  SkinHeaderTest() {
    options_.extra = "[Headerbar]\nImage=hb.bmp\nFrame=2\n";
    options_.images.push_back({"hb.bmp", testskin::Cells(16, 8, 2, {HeaderCell(1), HeaderCell(2)})});
  }
  static RECT ItemRect(HWND header, int index) {
    RECT r{};
    SendMessageW(header, HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
  }
};
}  // namespace

TEST_F(SkinHeaderTest, ItemsCaptionsAndTheHotItem) {
  auto* header = Add<THeaderControl>(10, 10, 300, 24);
  header->AddSection("Name", 100);
  header->AddSection("Size", 120, taRightJustify);
  auto* wrapper =
      dynamic_cast<TSkinHeader*>(SkinFrameworkControl("TSkinHeader", header, &list_, skin_.get(), false));
  ASSERT_TRUE(wrapper);
  HWND h = header->Handle();
  EXPECT_EQ(SendMessageW(h, skinmsg::kQuerySkinned, 0, 0), 1);
  EXPECT_EQ(wrapper->HotItem(), -1);
  RECT size = ItemRect(h, 1);
  ASSERT_EQ(size.right - size.left, 120);
  EXPECT_SHOWS(h, 1, 1, HeaderCell(1));
  EXPECT_SHOWS(h, 290, 12, HeaderCell(1));  // the space after the last item

  // The right-aligned caption: its ink ends 2 pixels before the item's edge at the
  // latest and stays in the item's right half.
  Capture pixels(h);
  int leftInk = -1, rightInk = -1;
  for (int x = size.left; x < size.right; ++x)
    for (int y = 0; y < 24; ++y)
      if (pixels.At(x, y) != Rgb(HeaderCell(1))) {
        if (leftInk < 0) leftInk = x;
        rightInk = x;
      }
  ASSERT_GE(leftInk, 0) << "no caption drawn";
  EXPECT_GT(leftInk, (size.left + size.right) / 2);
  EXPECT_LE(rightInk, size.right - 3);
  EXPECT_GE(rightInk, size.right - 10);

  // The mouse over the first item makes it hot; leaving makes it normal again.
  MoveTo(ScreenPoint(h, 50, 12));
  EXPECT_SHOWS(h, 5, 2, HeaderCell(2));
  EXPECT_EQ(wrapper->HotItem(), 0);
  MoveTo(kAway);
  EXPECT_SHOWS(h, 5, 2, HeaderCell(1));
  EXPECT_EQ(wrapper->HotItem(), -1);
}

TEST_F(SkinHeaderTest, ListViewColumnHeaderGoesWithTheListWrapper) {
  auto* view = Add<TListView>(10, 10, 300, 150);
  view->AddColumn("First", 100);
  view->AddColumn("Second", 100);
  view->AddItem({"a", "b"});
  auto* wrapper =
      dynamic_cast<TSkinListView*>(SkinFrameworkControl("TSkinListView", view, &list_, skin_.get(), false));
  ASSERT_TRUE(wrapper);
  HWND header = wrapper->HeaderWindow();
  ASSERT_TRUE(header);
  ASSERT_TRUE(wrapper->Header());
  EXPECT_EQ(SendMessageW(header, skinmsg::kQuerySkinned, 0, 0), 1);
  EXPECT_SHOWS(header, 1, 1, HeaderCell(1));
  EXPECT_TRUE(list_.Contains(wrapper->Header()));
  wrapper->Free();
  EXPECT_EQ(SendMessageW(header, skinmsg::kQuerySkinned, 0, 0), 0);
  EXPECT_EQ(list_.Items().size(), 0u);
}
