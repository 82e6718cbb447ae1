// Panel, system-dialog and media-player wrappers under Wine, read back from the window
// on the test skin (a colour per Buttons cell, ButtonFace 250,250,5): a panel takes the
// face colour while skinned and gets its own back; a dialog window inside a form is
// filled with the face, its static text too; the media-player bar shows one skinned
// button per visible kind in its state (normal, disabled, hot, pressed) with a glyph,
// and a click on it reaches the control.
#include <gtest/gtest.h>

#include <windows.h>

#include "control_fixture.h"
#include "framework/media_player.h"
#include "framework/panel.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_media_player.h"
#include "skin/controls/skin_messages.h"

using namespace controltest;

namespace {
const TColor kWhite = RgbColour(255, 255, 255);

using SkinBoxMediaTest = ControlTest;
}  // namespace

TEST_F(SkinBoxMediaTest, PanelTakesTheFaceColourWhileSkinned) {
  auto* panel = Add<TPanel>(20, 20, 100, 60);
  panel->BevelOuter = bvNone;
  panel->SetColor(kWhite);
  EXPECT_SHOWS(50, 50, kWhite);
  auto* box = new TSkinBox(panel);
  box->InitSkin(&list_, skin_.get(), true);
  EXPECT_TRUE(list_.Contains(box));
  EXPECT_SHOWS(50, 50, kButtonFace);
  box->Unskin();
  EXPECT_EQ(box->State(), TSkinBox::kStateUnskinned);
  EXPECT_SHOWS(50, 50, kWhite);
  box->Free();
}

TEST_F(SkinBoxMediaTest, DialogWindowAndItsStaticTextTakeTheFace) {
  HWND dialog = CreateWindowExW(0, L"#32770", L"", WS_CHILD | WS_VISIBLE, 20, 20, 200, 120,
                                form_->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(dialog, nullptr);
  HWND label = CreateWindowExW(0, L"STATIC", L"    ", WS_CHILD | WS_VISIBLE, 10, 10, 120, 20, dialog,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(label, nullptr);
  TSkinControl* wrapper = SkinBareWindow("TSkinBoxH", dialog, &list_, skin_.get());
  ASSERT_NE(wrapper, nullptr);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_SHOWS(20 + 150, 20 + 100, kButtonFace);  // the dialog's background
  EXPECT_SHOWS(20 + 10 + 60, 20 + 10 + 10, kButtonFace);  // the static's background
  wrapper->Free();
  DestroyWindow(dialog);
}

TEST_F(SkinBoxMediaTest, MediaPlayerBarShowsSkinnedButtonsAndPassesClicks) {
  auto* player = Add<TMediaPlayer>(20, 20, 240, 40);
  player->SetVisibleButtons((1u << btPlay) | (1u << btPause) | (1u << btStop));
  player->SetEnabledButtons((1u << btPlay) | (1u << btStop));  // pause disabled
  TMPBtnType clicked = btEject;
  int clicks = 0;
  player->OnClick = [&](TMPBtnType kind) {
    clicked = kind;
    ++clicks;
  };
  auto* wrapper = Wrap<TSkinMP>(player);
  ASSERT_NE(wrapper->Panel(), nullptr);
  EXPECT_EQ(SendMessageW(player->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  // Three buttons of 80 pixels: normal, disabled, normal; a glyph in the middle of each.
  EXPECT_SHOWS(20 + 3, 20 + 3, kFace[0]);
  EXPECT_SHOWS(20 + 83, 20 + 3, kFace[2]);
  EXPECT_SHOWS(20 + 163, 20 + 3, kFace[0]);
  form_->Update();
  EXPECT_NE(PixelOf(form_->Handle(), 20 + 40, 20 + 20), Rgb(kFace[0]));
  // Hot under the mouse, pressed while the button is held; a release clicks the control.
  MoveTo(ScreenPoint(form_->Handle(), 20 + 200, 20 + 20));
  EXPECT_SHOWS(20 + 163, 20 + 3, kFace[3]);
  LeftDown();
  EXPECT_SHOWS(20 + 163, 20 + 3, kFace[1]);
  LeftUp();
  ASSERT_TRUE(WaitFor([&] { return clicks == 1; }));
  EXPECT_EQ(clicked, btStop);
  // The disabled button takes no click.
  MoveTo(ScreenPoint(form_->Handle(), 20 + 120, 20 + 20));
  LeftDown();
  LeftUp();
  Pump();
  EXPECT_EQ(clicks, 1);
  // The panel follows the control's size; switched off, the control's own bar shows.
  player->SetBounds(20, 20, 120, 40);
  EXPECT_TRUE(WaitFor([&] { return wrapper->Panel()->Width() == player->ClientWidth(); }));
  wrapper->Unskin();
  EXPECT_EQ(wrapper->Panel(), nullptr);
  EXPECT_NE(PixelOf(form_->Handle(), 20 + 3, 20 + 3), Rgb(kFace[0]));
  wrapper->Free();
}
