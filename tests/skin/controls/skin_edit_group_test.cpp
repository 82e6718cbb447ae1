// Edit and group-box wrappers under Wine: the skinned edit border (and an edit without
// border left alone), and a group box whose caption covers its rounded frame line, read
// back from the window on the test skin (ButtonShadow 10,20,30; ButtonFace 250,250,5).
#include <gtest/gtest.h>

#include <windows.h>

#include "control_fixture.h"
#include "framework/group_box.h"
#include "framework/memo.h"
#include "framework/speed_button.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_messages.h"

using namespace controltest;

namespace {
const TColor kShadow = RgbColour(10, 20, 30);
const TColor kWhite = RgbColour(255, 255, 255);

using SkinEditGroupTest = ControlTest;
}  // namespace

TEST_F(SkinEditGroupTest, EditBorderIsSkinnedAndStaysWhileTyping) {
  auto* edit = Add<TEdit>(20, 20, 120, 24);
  auto* plain = new TEdit(form_.get());
  plain->BorderSingle = false;  // read when the window is made
  plain->SetParent(form_.get());
  plain->SetBounds(20, 60, 120, 24);
  Wrap<TSkinEdit>(edit);
  Wrap<TSkinEdit>(plain);
  EXPECT_EQ(SendMessageW(edit->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  EXPECT_SHOWS(edit, 0, 0, kShadow);
  EXPECT_SHOWS(edit, 119, 23, kShadow);
  EXPECT_SHOWS(edit, 1, 12, kWhite);
  EXPECT_SHOWS(edit, 60, 1, kWhite);
  // Clicked into and typed in: the border is still the skin's.
  MoveTo(ScreenPoint(form_->Handle(), edit->Left() + 30, edit->Top() + 12));
  LeftDown();
  LeftUp();
  ASSERT_TRUE(WaitFor([&] { return GetFocus() == edit->Handle(); }));
  Key('A', true);
  Key('A', false);
  ASSERT_TRUE(WaitFor([&] { return edit->Text() == "a"; }));
  EXPECT_SHOWS(edit, 0, 0, kShadow);
  EXPECT_SHOWS(edit, 1, 12, kWhite);
  // Without a border nothing is drawn: the edit's own white reaches its edge.
  EXPECT_SHOWS(plain, 0, 0, kWhite);
  EXPECT_SHOWS(plain, 119, 23, kWhite);
}

TEST_F(SkinEditGroupTest, GroupBoxCaptionCoversItsFrameLine) {
  auto* box = Add<TGroupBox>(20, 20, 200, 120);
  box->SetCaption("Group caption");
  auto* glyph = new TSpeedButton(box);  // a windowless child painted on top
  glyph->SetParent(box);
  glyph->SetBounds(60, 60, 30, 30);
  Wrap<TSkinGroupBox>(box);
  EXPECT_SHOWS(box, 100, 118, kShadow);  // bottom line (height - 2)
  EXPECT_SHOWS(box, 1, 60, kShadow);     // left line
  EXPECT_SHOWS(box, 40, 40, kButtonFace);
  // The frame line's row, found at the right where no caption is.
  int line = -1;
  ASSERT_TRUE(WaitFor([&] {
    box->Update();
    Capture shot(form_->Handle());
    for (int y = 0; y < 30 && line < 0; ++y)
      if (shot.At(box->Left() + 180, box->Top() + y) == Rgb(kShadow)) line = y;
    return line >= 0;
  }));
  Capture shot(form_->Handle());
  int shadowUnderCaption = 0, faceUnderCaption = 0;
  for (int x = 9; x < 40; ++x) {
    COLORREF c = shot.At(box->Left() + x, box->Top() + line);
    if (c == Rgb(kShadow)) ++shadowUnderCaption;
    if (c == Rgb(kButtonFace)) ++faceUnderCaption;
  }
  EXPECT_EQ(shadowUnderCaption, 0);
  EXPECT_GT(faceUnderCaption, 0);
  // The windowless child is painted over the face.
  EXPECT_NE(shot.At(box->Left() + 61, box->Top() + 61), Rgb(kButtonFace));
}
