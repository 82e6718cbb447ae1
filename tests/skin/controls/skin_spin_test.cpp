// Up-down and date-time picker wrappers under Wine: the up-down's halves in their cells
// (normal, the pressed half while the button is held, disabled in both halves, the
// horizontal arrows), an up-down inside an edit that leaves the edit's skinned border
// whole, and the picker's border and arrow button (normal, hot, a press that opens the
// calendar), read back from the window on test skins with a colour per cell.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "control_fixture.h"
#include "framework/date_time_picker.h"
#include "framework/memo.h"
#include "framework/up_down.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_date_time.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_up_down.h"
#include "test_skins.h"

using namespace controltest;

namespace {
TColor VertCell(int i) { return RgbColour(30 * i, 100, 250 - 20 * i); }
TColor HorzCell(int i) { return RgbColour(250 - 25 * i, 30 * i, 60); }
const TColor kArrow[4] = {RgbColour(0, 120, 240), RgbColour(0, 240, 120), RgbColour(120, 0, 240),
                          RgbColour(240, 0, 120)};
const TColor kShadow = RgbColour(10, 20, 30);
const TColor kWhite = RgbColour(255, 255, 255);

SkinOptions SpinSkin() {
  SkinOptions o;
  o.extra = "[UpDown.Vert]\nImage=udv.bmp\n[UpDown.Horz]\nImage=udh.bmp\n[ComboButton]\nImage=cbtn.bmp\n";
  std::vector<TColor> vert, horz;
  for (int i = 0; i < 8; ++i) {
    vert.push_back(VertCell(i + 1));
    horz.push_back(HorzCell(i + 1));
  }
  o.images = {{"udv.bmp", testskin::Cells(64, 8, 8, vert)},
              {"udh.bmp", testskin::Cells(64, 8, 8, horz)},
              {"cbtn.bmp", testskin::Cells(32, 8, 4, {kArrow[0], kArrow[1], kArrow[2], kArrow[3]})}};
  return o;
}

class SkinSpinTest : public ControlTest {
 protected:
  SkinSpinTest() {
    options_ = SpinSkin();
    formHeight_ = 260;
  }
};
}  // namespace

TEST_F(SkinSpinTest, UpDownHalvesShowTheirStates) {
  auto* vertical = Add<TUpDown>(20, 20, 20, 40);
  auto* disabled = Add<TUpDown>(60, 20, 20, 40);
  disabled->SetEnabled(false);
  auto* horizontal = new TUpDown(form_.get());
  horizontal->Orientation = udHorizontal;
  horizontal->SetParent(form_.get());
  horizontal->SetBounds(100, 20, 40, 20);
  for (auto* u : {vertical, disabled, horizontal})
    ASSERT_TRUE(SkinFrameworkControl("TSkinUpDown", u, &list_, skin_.get(), false));
  EXPECT_EQ(SendMessageW(vertical->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  // Up 1-4, down 5-8: normal is cell 1 and cell 5; disabled cell 3 and cell 7.
  EXPECT_SHOWS(vertical, 10, 5, VertCell(1));
  EXPECT_SHOWS(vertical, 10, 35, VertCell(5));
  EXPECT_SHOWS(disabled, 10, 5, VertCell(3));
  EXPECT_SHOWS(disabled, 10, 35, VertCell(7));
  // Horizontal: left 1-4, right 5-8.
  EXPECT_SHOWS(horizontal, 5, 10, HorzCell(1));
  EXPECT_SHOWS(horizontal, 35, 10, HorzCell(5));
  // The half under the mouse is pressed while the button is held.
  MoveTo(ScreenPoint(vertical->Handle(), 10, 5));
  LeftDown();
  EXPECT_SHOWS(vertical, 10, 5, VertCell(2));
  EXPECT_SHOWS(vertical, 10, 35, VertCell(5));
  LeftUp();
  EXPECT_SHOWS(vertical, 10, 5, VertCell(1));
  MoveTo(ScreenPoint(vertical->Handle(), 10, 35));
  LeftDown();
  EXPECT_SHOWS(vertical, 10, 35, VertCell(6));
  LeftUp();
  EXPECT_SHOWS(vertical, 10, 35, VertCell(5));
}

TEST_F(SkinSpinTest, UpDownInsideAnEditKeepsTheEditsBorder) {
  auto* edit = Add<TEdit>(20, 20, 120, 30);
  auto* spin = Add<TUpDown>(96, 0, 20, 26, edit);  // at the right of the edit's client area
  auto* wrapper = static_cast<TSkinEdit*>(SkinFrameworkControl("TSkinEdit", edit, &list_, skin_.get(), false));
  ASSERT_TRUE(wrapper);
  ASSERT_TRUE(WaitFor([&] {
    edit->Update();
    return wrapper->SpinWrapper() != nullptr;
  }));
  EXPECT_EQ(SendMessageW(spin->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  spin->Invalidate();
  // The edit's three frames stay at the right edge, above and below the up-down.
  EXPECT_SHOWS(edit, 119, 15, kShadow);
  EXPECT_SHOWS(edit, 118, 15, kWhite);
  EXPECT_SHOWS(edit, 117, 15, kWhite);
  EXPECT_SHOWS(edit, 105, 2, kWhite);
  EXPECT_SHOWS(edit, 105, 27, kWhite);
  // Inside that, the up-down's cells.
  EXPECT_SHOWS(edit, 105, 8, VertCell(1));
  EXPECT_SHOWS(edit, 105, 22, VertCell(5));
}

TEST_F(SkinSpinTest, DateTimePickerBorderAndArrowButton) {
  auto* picker = Add<TDateTimePicker>(20, 20, 160, 24);
  auto* disabled = Add<TDateTimePicker>(20, 60, 160, 24);
  disabled->SetEnabled(false);
  auto* time = new TDateTimePicker(form_.get());
  time->Kind = dtkTime;
  time->SetParent(form_.get());
  time->SetBounds(20, 100, 160, 24);
  auto* wrapper = static_cast<TSkinDateTime*>(SkinFrameworkControl("TSkinDateTime", picker, &list_, skin_.get(), false));
  auto* other = static_cast<TSkinDateTime*>(SkinFrameworkControl("TSkinDateTime", disabled, &list_, skin_.get(), false));
  ASSERT_TRUE(wrapper && other);
  ASSERT_TRUE(wrapper->ArrowButton());
  // A time picker keeps its up-down (skinned) and gets no arrow button over it.
  auto* timeWrapper = static_cast<TSkinDateTime*>(SkinFrameworkControl("TSkinDateTime", time, &list_, skin_.get(), false));
  ASSERT_TRUE(timeWrapper);
  EXPECT_FALSE(timeWrapper->ArrowButton());
  if (HWND spin = FindWindowExW(time->Handle(), nullptr, UPDOWN_CLASSW, nullptr)) {
    EXPECT_EQ(SendMessageW(spin, skinmsg::kQuerySkinned, 0, 0), 1);
  }
  EXPECT_SHOWS(picker, 0, 12, kShadow);
  EXPECT_SHOWS(picker, 1, 12, kWhite);
  // The middles of the two arrow buttons, read from the buttons.
  HWND arrow = wrapper->ArrowButton()->Handle(), otherArrow = other->ArrowButton()->Handle();
  const int x = wrapper->ArrowButton()->Width() / 2, y = wrapper->ArrowButton()->Height() / 2;
  EXPECT_SHOWS(arrow, x, y, kArrow[0]);
  EXPECT_SHOWS(otherArrow, x, y, kArrow[0]);
  // Over the disabled picker's button nothing turns hot.
  MoveTo(ScreenPoint(otherArrow, 3, 3));
  EXPECT_SHOWS(otherArrow, x, y, kArrow[0]);
  MoveTo(ScreenPoint(arrow, x, y));
  EXPECT_SHOWS(arrow, x, y, kArrow[3]);
  // A press on the arrow button opens the picker's calendar.
  LeftDown();
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return SendMessageW(picker->Handle(), DTM_GETMONTHCAL, 0, 0) != 0; }));
  Key(VK_ESCAPE, true);
  Key(VK_ESCAPE, false);
  Pump();
}
