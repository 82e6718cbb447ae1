// Combo-box wrapper under Wine: the skinned edge and button of every combo style in its
// states (normal, disabled, pressed until the button is released, focused), the
// right-to-left box with its button at the left, and the simple box without a button,
// read back from the window on a test skin whose SunkEdge and ComboButton cells each
// have their own colour.
#include <gtest/gtest.h>

#include <windows.h>

#include "control_fixture.h"
#include "framework/combo_box.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_messages.h"
#include "test_skins.h"

using namespace controltest;

namespace {
const TColor kEdge[4] = {RgbColour(200, 10, 10), RgbColour(10, 200, 10), RgbColour(10, 10, 200),
                         RgbColour(200, 200, 10)};
const TColor kButton[4] = {RgbColour(90, 20, 160), RgbColour(20, 160, 90), RgbColour(160, 90, 20),
                           RgbColour(20, 90, 160)};

SkinOptions ComboSkin() {
  SkinOptions o;
  o.extra =
      "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n"
      "[ComboButton]\nImage=cbtn.bmp\n";
  o.images = {{"sunk.bmp", testskin::Cells(32, 8, 4, {kEdge[0], kEdge[1], kEdge[2], kEdge[3]})},
              {"cbtn.bmp", testskin::Cells(32, 8, 4, {kButton[0], kButton[1], kButton[2], kButton[3]})}};
  return o;
}

class SkinComboTest : public ControlTest {
 protected:
  SkinComboTest() {
    options_ = ComboSkin();
    formHeight_ = 260;
  }
  TComboBox* Add(TComboBoxStyle style, int x, int y, bool rightToLeft = false) {
    auto* c = new TComboBox(form_.get());
    c->SetStyle(style);
    c->RightToLeft = rightToLeft;
    for (const char* item : {"One", "Two", "Three"}) c->AddItem(item);
    c->SetItemIndex(0);
    c->SetParent(form_.get());
    c->SetBounds(x, y, 140, style == csSimple ? 90 : 24);
    return c;
  }
  TSkinComBox* Wrap(TComboBox* c) {
    return static_cast<TSkinComBox*>(SkinFrameworkControl("TSkinComBox", c, &list_, skin_.get(), false));
  }
  // Middle of the button (at the right, or at the left when leftHanded).
  POINT ButtonPoint(TComboBox* c, bool leftHanded = false) {
    RECT r{};
    GetWindowRect(c->Handle(), &r);
    int h = r.bottom - r.top, w = r.right - r.left;
    return POINT{leftHanded ? buttonWidth_ / 2 : w - buttonWidth_ / 2 - 1, h / 2};
  }
  const int buttonWidth_ = GetSystemMetrics(SM_CXHSCROLL) + 2;
};
}  // namespace

TEST_F(SkinComboTest, EveryStyleShowsItsEdgeAndButtonCell) {
  auto* dropDown = Add(csDropDown, 10, 10);
  auto* dropList = Add(csDropDownList, 180, 10);
  auto* ownerDrawn = Add(csOwnerDrawFixed, 10, 50);
  auto* variable = Add(csOwnerDrawVariable, 180, 50);
  auto* disabled = Add(csDropDownList, 10, 90);
  disabled->SetEnabled(false);
  auto* rtl = Add(csDropDownList, 180, 90, true);
  auto* simple = Add(csSimple, 10, 130);
  for (auto* c : {dropDown, dropList, ownerDrawn, variable, disabled, rtl, simple}) ASSERT_TRUE(Wrap(c));
  SetFocus(form_->Handle());
  EXPECT_EQ(SendMessageW(dropDown->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);

  for (auto* c : {dropDown, dropList, ownerDrawn, variable}) {
    EXPECT_SHOWS(c, ButtonPoint(c), kButton[0]) << c->Left() << "," << c->Top();
    EXPECT_SHOWS(c, (POINT{0, ButtonPoint(c).y}), kEdge[0]);
  }
  EXPECT_SHOWS(disabled, ButtonPoint(disabled), kButton[2]);
  EXPECT_SHOWS(disabled, (POINT{0, ButtonPoint(disabled).y}), kEdge[2]);
  // Right to left: the mirrored strip puts the button at the left, the edge at the right,
  // in the same state (the mirrored strip holds its cells in reverse order).
  EXPECT_SHOWS(rtl, ButtonPoint(rtl, true), kButton[0]);
  POINT rightEdge{rtl->Width() - 1, ButtonPoint(rtl).y};
  EXPECT_SHOWS(rtl, rightEdge, kEdge[0]);
  // A simple box has no button; its list is known to the wrapper.
  auto* simpleWrapper = static_cast<TSkinComBox*>(list_.FindByHandle(simple->Handle()));
  ASSERT_TRUE(simpleWrapper);
  EXPECT_TRUE(simpleWrapper->ListWindow());
  ASSERT_TRUE(simpleWrapper->ListWrapper());
  EXPECT_STREQ(simpleWrapper->ListWrapper()->ClassName(), "TSkinScrollbarH");
  EXPECT_EQ(SendMessageW(simpleWrapper->ListWindow(), skinmsg::kQuerySkinned, 0, 0), 1);
  simple->Update();
  Capture shot(form_->Handle());
  for (int y = 0; y < simple->Height(); y += 3)
    for (int x = 0; x < simple->Width(); x += 3)
      for (TColor b : kButton) ASSERT_NE(shot.At(simple->Left() + x, simple->Top() + y), Rgb(b)) << x << "," << y;
}

TEST_F(SkinComboTest, PressedFrameStaysUntilTheButtonIsReleased) {
  auto* dropDown = Add(csDropDown, 10, 10);
  auto* dropList = Add(csDropDownList, 180, 10);
  auto* wrapper = Wrap(dropDown);
  Wrap(dropList);
  SetFocus(form_->Handle());
  EXPECT_SHOWS(dropDown, ButtonPoint(dropDown), kButton[0]);
  HWND edit = wrapper->EditWindow();
  ASSERT_TRUE(edit);
  // A press on the edit field: pressed until released, then focused.
  MoveTo(ScreenPoint(edit, 10, 5));
  LeftDown();
  EXPECT_SHOWS(dropDown, ButtonPoint(dropDown), kButton[1]);
  EXPECT_EQ(wrapper->DrawnState(), 2);
  Pump();
  EXPECT_SHOWS(dropDown, ButtonPoint(dropDown), kButton[1]);
  LeftUp();
  EXPECT_SHOWS(dropDown, ButtonPoint(dropDown), kButton[3]);
  EXPECT_SHOWS(dropDown, (POINT{0, ButtonPoint(dropDown).y}), kEdge[3]);
  // A press on the button of a drop-down list opens the list; once it is closed the
  // box is no longer drawn pressed.
  POINT b = ButtonPoint(dropList);
  MoveTo(ScreenPoint(form_->Handle(), dropList->Left() + b.x, dropList->Top() + b.y));
  LeftDown();
  LeftUp();
  ASSERT_TRUE(WaitFor([&] { return SendMessageW(dropList->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }));
  Key(VK_ESCAPE, true);
  Key(VK_ESCAPE, false);
  ASSERT_TRUE(WaitFor([&] { return SendMessageW(dropList->Handle(), CB_GETDROPPEDSTATE, 0, 0) == 0; }));
  EXPECT_SHOWS(dropList, b, kButton[3]);
}
