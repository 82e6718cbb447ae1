// Button, check-box, radio-button and speed-button wrappers under Wine: each face
// state and glyph frame read back from the window while real input (SendInput) drives
// the control, on a test skin with a distinct colour per frame.
#include <gtest/gtest.h>

#include <windows.h>

#include "control_fixture.h"
#include "framework/bit_btn.h"
#include "framework/buttons.h"
#include "framework/speed_button.h"
#include "skin/controls/skin_bit_button.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_messages.h"

using namespace controltest;

namespace {
class SkinButtonsTest : public ControlTest {
 protected:
  SkinButtonsTest() { formHeight_ = 220; }
};
}  // namespace

TEST_F(SkinButtonsTest, PushButtonFacesFollowMouseKeyboardAndFocus) {
  auto* button = Add<TButton>(20, 20, 90, 30, "OK");
  int clicks = 0;
  button->OnClick = [&] { ++clicks; };
  Wrap<TSkinButton>(button);
  EXPECT_EQ(SendMessageW(button->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  EXPECT_SHOWS(button, 3, 3, kFace[0]);
  MoveTo(Centre(button));  // hot
  EXPECT_SHOWS(button, 3, 3, kFace[3]);
  LeftDown();  // pressed; the control has not seen a click yet
  EXPECT_SHOWS(button, 3, 3, kFace[1]);
  EXPECT_EQ(clicks, 0);
  LeftUp();  // one whole click reaches the control at the release
  EXPECT_TRUE(WaitFor([&] { return clicks == 1; }));
  EXPECT_SHOWS(button, 3, 3, kFace[3]);
  MoveTo(kAway);  // the press gave it the focus
  EXPECT_SHOWS(button, 3, 3, kFace[4]);

  // Pressed, then released outside after the mouse left: no click.
  MoveTo(Centre(button));
  LeftDown();
  EXPECT_SHOWS(button, 3, 3, kFace[1]);
  MoveTo(kAway);
  LeftUp();
  EXPECT_SHOWS(button, 3, 3, kFace[4]);
  EXPECT_EQ(clicks, 1);

  // Space held shows the pressed face; the release clicks.
  SetFocus(button->Handle());
  Key(VK_SPACE, true);
  EXPECT_SHOWS(button, 3, 3, kFace[1]);
  Key(VK_SPACE, false);
  EXPECT_TRUE(WaitFor([&] { return clicks == 2; }));
  EXPECT_SHOWS(button, 3, 3, kFace[4]);
}

TEST_F(SkinButtonsTest, DisabledAndDefaultButtons) {
  auto* disabled = Add<TButton>(20, 20, 90, 30, "Off");
  disabled->SetEnabled(false);
  auto* byDefault = Add<TButton>(20, 70, 90, 30, "Default");
  byDefault->SetDefault(true);
  auto* other = Add<TButton>(20, 120, 90, 30, "Other");
  Wrap<TSkinButton>(disabled);
  Wrap<TSkinButton>(byDefault);
  Wrap<TSkinButton>(other);
  SetFocus(other->Handle());
  EXPECT_SHOWS(disabled, 3, 3, kFace[2]);
  EXPECT_SHOWS(byDefault, 3, 3, kFace[0]);  // the skin has no default face: normal
  EXPECT_SHOWS(other, 3, 3, kFace[4]);
  MoveTo(Centre(disabled));  // a disabled button never turns hot
  EXPECT_SHOWS(disabled, 3, 3, kFace[2]);
  disabled->SetEnabled(true);
  POINT moved = Centre(disabled);
  MoveTo(POINT{moved.x + 2, moved.y});
  EXPECT_SHOWS(disabled, 3, 3, kFace[3]);
}

TEST_F(SkinButtonsTest, FocusRectangleUnlessTheSkinSaysNo) {
  // A caption of spaces: every pixel that is not the face is the focus rectangle.
  auto countOther = [&](TButton* b) {
    b->Update();
    Capture shot(form_->Handle());
    int other = 0;
    for (int y = 2; y < b->Height() - 2; ++y)
      for (int x = 2; x < b->Width() - 2; ++x)
        if (shot.At(b->Left() + x, b->Top() + y) != Rgb(kFace[4])) ++other;
    return other;
  };
  auto* button = Add<TButton>(20, 20, 90, 30, "      ");
  Wrap<TSkinButton>(button);
  SetFocus(button->Handle());
  ASSERT_TRUE(Shows(button, 3, 3, kFace[4]));
  EXPECT_GT(countOther(button), 10);
  skin_->Options = WithOption(skin_->Options, xoNoFocusRect);
  list_.SkinChanged();
  EXPECT_EQ(countOther(button), 0);
}

TEST_F(SkinButtonsTest, SwitchedOffTheControlPaintsItself) {
  auto* button = Add<TButton>(20, 20, 90, 30, "OK");
  Wrap<TSkinButton>(button);
  ASSERT_TRUE(Shows(button, 3, 3, kFace[0]));
  SendMessageW(button->Handle(), skinmsg::kControlSkinSwitch, 0, 0);
  InvalidateRect(button->Handle(), nullptr, TRUE);
  EXPECT_TRUE(WaitFor([&] {
    button->Update();
    return PixelOf(form_->Handle(), 23, 23) != Rgb(kFace[0]);
  }));
  SendMessageW(button->Handle(), skinmsg::kControlSkinSwitch, 1, 0);
  EXPECT_SHOWS(button, 3, 3, kFace[0]);
}

class SkinCheckTest : public SkinButtonsTest,
                      public ::testing::WithParamInterface<std::tuple<int, bool>> {
 protected:
  void SetUp() override {
    options_.checkFrames = std::get<0>(GetParam());
    options_.checkFrameKey = std::get<1>(GetParam());
    SkinButtonsTest::SetUp();
  }
};

TEST_P(SkinCheckTest, CheckBoxGlyphFrameForEveryState) {
  const bool twelve = options_.checkFrames == 12;
  struct Case {
    TCheckBoxState state;
    bool enabled;
    int cell4, cell12;  // expected 0-based cell in a 4- and a 12-frame strip
  } cases[] = {
      {cbUnchecked, true, 0, 0}, {cbChecked, true, 1, 4}, {cbUnchecked, false, 2, 3},
      {cbChecked, false, 3, 7},  {cbGrayed, true, 3, 8},  {cbGrayed, false, 3, 11},
  };
  int y = 10;
  std::vector<std::pair<TCheckBox*, int>> boxes;
  for (const Case& c : cases) {
    auto* box = Add<TCheckBox>(10, y, 150, 20, "Check");
    box->AllowGrayed = true;
    box->SetState(c.state);
    box->SetEnabled(c.enabled);
    Wrap<TSkinCheckBox>(box);
    boxes.push_back({box, twelve ? c.cell12 : c.cell4});
    y += 30;
  }
  for (auto& [box, cell] : boxes)
    EXPECT_SHOWS(box, 6, 10, CellColour(1, cell)) << "state " << box->State() << " enabled " << box->Enabled();
  // A click (real input) checks the first box: the glyph follows.
  TCheckBox* first = boxes[0].first;
  MoveTo(ScreenPoint(form_->Handle(), first->Left() + 6, first->Top() + 10));
  LeftDown();
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return first->State() == cbGrayed; }));
  EXPECT_SHOWS(first, 6, 10, CellColour(1, twelve ? 8 : 3));
}

INSTANTIATE_TEST_SUITE_P(Strips, SkinCheckTest,
                         ::testing::Values(std::make_tuple(4, false), std::make_tuple(12, false),
                                           std::make_tuple(12, true)));

TEST_F(SkinButtonsTest, RadioButtonGlyphFramesInFourAndEightFrameStrips) {
  for (int frames : {4, 8}) {
    options_.radioFrames = frames;
    ASSERT_TRUE(UseSkin(options_));
    auto* off = Add<TRadioButton>(10, 10, 150, 20, "Off");
    auto* on = Add<TRadioButton>(10, 40, 150, 20, "On");
    on->SetChecked(true);
    auto* offDisabled = Add<TRadioButton>(10, 70, 150, 20, "Off, disabled");
    offDisabled->SetEnabled(false);
    Wrap<TSkinRadioButton>(off);
    Wrap<TSkinRadioButton>(on);
    Wrap<TSkinRadioButton>(offDisabled);
    EXPECT_SHOWS(off, 6, 10, CellColour(2, 0));
    EXPECT_SHOWS(on, 6, 10, CellColour(2, frames == 8 ? 4 : 1));
    EXPECT_SHOWS(offDisabled, 6, 10, CellColour(2, frames == 8 ? 3 : 2));
    // A click on the first checks it and unchecks the second.
    MoveTo(ScreenPoint(form_->Handle(), off->Left() + 6, off->Top() + 10));
    LeftDown();
    LeftUp();
    EXPECT_SHOWS(off, 6, 10, CellColour(2, frames == 8 ? 4 : 1));
    EXPECT_SHOWS(on, 6, 10, CellColour(2, 0));
    delete off;
    delete on;
    delete offDisabled;
  }
}

TEST_F(SkinButtonsTest, BitButtonGlyphLayouts) {
  const TColor glyphColour = RgbColour(1, 200, 100), key = RgbColour(3, 3, 3);
  struct Case {
    TButtonLayout layout;
    int x, y;  // expected top-left of the 16 x 16 glyph in a 100 x 60 button
  } cases[] = {{blGlyphLeft, 4, 22}, {blGlyphRight, 80, 22}, {blGlyphTop, 42, 4}, {blGlyphBottom, 42, 40}};
  for (const Case& c : cases) {
    auto* button = Add<TBitBtn>(20, 20, 100, 60, "");
    button->Glyph.Bitmap.SetSize(16, 16);
    button->Glyph.Bitmap.Fill(glyphColour);
    button->Glyph.Bitmap.SetPixel(0, 15, key);  // the transparent colour
    button->Layout = c.layout;
    button->Margin = 4;
    Wrap<TSkinBitButton>(button);
    EXPECT_SHOWS(button, c.x + 8, c.y + 8, glyphColour) << "layout " << c.layout;
    EXPECT_SHOWS(button, c.x + 15, c.y + 1, glyphColour);
    EXPECT_SHOWS(button, c.x, c.y + 15, kFace[0]);  // keyed out
    EXPECT_SHOWS(button, c.layout == blGlyphLeft || c.layout == blGlyphRight ? c.x - 1 : c.x + 8,
                 c.layout == blGlyphLeft || c.layout == blGlyphRight ? c.y + 8 : c.y - 1, kFace[0]);
    delete button;
  }
}

TEST_F(SkinButtonsTest, FlatSpeedButtonShowsItsFaceOnlyWhenHotOrDown) {
  auto* flat = Add<TSpeedButton>(20, 20, 60, 30, "");
  flat->Flat = true;
  flat->GroupIndex = 1;
  auto* plain = Add<TSpeedButton>(120, 20, 60, 30, "");
  Wrap<TSkinSpeedButton>(flat);
  Wrap<TSkinSpeedButton>(plain);
  EXPECT_SHOWS(flat, 3, 3, kButtonFace);
  EXPECT_SHOWS(plain, 3, 3, kFace[0]);
  MoveTo(Centre(flat));
  EXPECT_SHOWS(flat, 3, 3, kFace[3]);
  LeftDown();
  EXPECT_SHOWS(flat, 3, 3, kFace[1]);
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return flat->Down(); }));
  MoveTo(kAway);
  EXPECT_SHOWS(flat, 3, 3, kFace[1]);  // down
  EXPECT_SHOWS(plain, 3, 3, kFace[0]);
}
