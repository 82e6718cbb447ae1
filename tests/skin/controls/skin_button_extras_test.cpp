// Push-button details under Wine: a "||" caption drawn as two lines on push and menu
// buttons, the disabled frame of a bit button's glyph strip, and the menu button's faces,
// arrow and drop-down press, read back from the window on a test skin with a distinct
// colour per frame.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "control_fixture.h"
#include "framework/bit_btn.h"
#include "framework/buttons.h"
#include "skin/controls/skin_bit_button.h"
#include "skin/controls/skin_button.h"

using namespace controltest;

namespace {
class SkinButtonExtrasTest : public ControlTest {
 protected:
  SkinButtonExtrasTest() { formHeight_ = 220; }
};

// Rows and columns of a button holding anything but its face colour.
struct Ink {
  std::vector<bool> rows;
  int left = 1 << 20, right = -1;
  // Runs of consecutive inked rows.
  int Bands() const {
    int bands = 0;
    for (size_t y = 0; y < rows.size(); ++y)
      if (rows[y] && (y == 0 || !rows[y - 1])) ++bands;
    return bands;
  }
  int RowCount() const {
    int n = 0;
    for (bool r : rows) n += r;
    return n;
  }
};
// Looks at the button's face less a border of 3 pixels and, at the right, less
// rightSkip pixels (a menu button's arrow).
Ink InkOf(HWND form, TControl* b, TColor face, int rightSkip = 0) {
  Capture shot(form);
  Ink ink;
  ink.rows.assign(b->Height(), false);
  for (int y = 3; y < b->Height() - 3; ++y)
    for (int x = 3; x < b->Width() - 3 - rightSkip; ++x)
      if (shot.At(b->Left() + x, b->Top() + y) != Rgb(face)) {
        ink.rows[y] = true;
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
      }
  return ink;
}
}  // namespace

TEST_F(SkinButtonExtrasTest, DoubleBarCaptionBreaksIntoTwoLines) {
  skin_->Options = WithOption(skin_->Options, xoNoFocusRect);
  // Push buttons in the first row, menu buttons (whose arrow is left out) in the second.
  for (const bool menu : {false, true}) {
    const int top = menu ? 110 : 20, arrow = menu ? 15 : 0;
    auto* single = Add<TButton>(20, top, 120, 70, "MW");
    auto* twoLines = Add<TButton>(180, top, 120, 70, "MW||MW");
    if (menu) {
      Wrap<TSkinMenuButton>(single);
      Wrap<TSkinMenuButton>(twoLines);
    } else {
      Wrap<TSkinButton>(single);
      Wrap<TSkinButton>(twoLines);
    }
    ASSERT_TRUE(Shows(single, 3, 3, kFace[0]));
    ASSERT_TRUE(Shows(twoLines, 3, 3, kFace[0]));
    Ink one = InkOf(form_->Handle(), single, kFace[0], arrow);
    Ink two = InkOf(form_->Handle(), twoLines, kFace[0], arrow);
    SCOPED_TRACE(menu ? "menu button" : "push button");
    ASSERT_EQ(one.Bands(), 1);
    EXPECT_EQ(two.Bands(), 2);                         // two lines of text
    EXPECT_EQ(two.RowCount(), 2 * one.RowCount());     // each as tall as the single line
    EXPECT_EQ(two.right - two.left, one.right - one.left);  // and as wide: no "||" drawn
  }
}

TEST_F(SkinButtonExtrasTest, DisabledBitButtonShowsTheDisabledGlyphFrame) {
  const TColor normal = RgbColour(200, 200, 200), disabledFrame = RgbColour(60, 60, 60),
               key = RgbColour(3, 3, 3);
  TBitBtn* buttons[2];
  for (int i = 0; i < 2; ++i) {
    auto* button = Add<TBitBtn>(20 + 130 * i, 20, 100, 60, "");
    button->Glyph.Bitmap.SetSize(32, 16);  // two frames: normal, disabled
    button->Glyph.Bitmap.Fill(normal);
    for (int y = 0; y < 16; ++y)
      for (int x = 16; x < 32; ++x) button->Glyph.Bitmap.SetPixel(x, y, disabledFrame);
    button->Glyph.Bitmap.SetPixel(0, 15, key);
    button->NumGlyphs = 2;
    button->Layout = blGlyphLeft;
    button->Margin = 4;
    buttons[i] = button;
  }
  buttons[1]->SetEnabled(false);
  Wrap<TSkinBitButton>(buttons[0]);
  Wrap<TSkinBitButton>(buttons[1]);
  EXPECT_SHOWS(buttons[0], 12, 30, normal);
  EXPECT_SHOWS(buttons[1], 12, 30, disabledFrame);
  EXPECT_SHOWS(buttons[1], 3, 3, kFace[2]);
  buttons[1]->SetEnabled(true);  // back to the first frame
  EXPECT_SHOWS(buttons[1], 12, 30, normal);
}

TEST_F(SkinButtonExtrasTest, MenuButtonFacesArrowAndDropDownPress) {
  auto* button = Add<TButton>(20, 20, 100, 30, "Menu");
  int clicks = 0;
  button->OnClick = [&] { ++clicks; };
  auto* disabled = Add<TButton>(20, 80, 100, 30, "Off");
  disabled->SetEnabled(false);
  auto* other = Add<TButton>(200, 20, 80, 30, "Other");
  Wrap<TSkinMenuButton>(button);
  Wrap<TSkinMenuButton>(disabled);
  SetFocus(other->Handle());
  const int w = button->Width(), h = button->Height();
  EXPECT_SHOWS(button, 3, 3, kFace[0]);
  EXPECT_SHOWS(disabled, 3, 3, kFace[2]);
  const TColor arrow = SystemColour(COLOR_WINDOWTEXT);
  EXPECT_SHOWS(button, w - 12, h / 2, arrow);
  EXPECT_SHOWS(disabled, w - 12, h / 2, SystemColour(COLOR_BTNSHADOW));
  EXPECT_SHOWS(button, w - 4, h / 2, kFace[0]);  // beside the arrow: face

  MoveTo(Centre(button));  // hot
  EXPECT_SHOWS(button, 3, 3, kFace[3]);
  LeftDown();  // the drop-down press: pressed face, arrow still drawn, no click yet
  EXPECT_SHOWS(button, 3, 3, kFace[1]);
  EXPECT_SHOWS(button, w - 12, h / 2, arrow);
  EXPECT_EQ(clicks, 0);
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return clicks == 1; }));
  MoveTo(kAway);  // focused uses the hot face, not the focused one
  EXPECT_TRUE(WaitFor([&] { return GetFocus() == button->Handle(); }));
  EXPECT_SHOWS(button, 3, 3, kFace[3]);
  MoveTo(Centre(disabled));  // a disabled menu button never turns hot
  EXPECT_SHOWS(disabled, 3, 3, kFace[2]);
}
