// Progress-bar wrapper under Wine: the fill of ordinary bars (a quarter, none, a range
// that does not start at 0) and the chunk block of a marquee bar moving on the control's
// own marquee timer, read back from the window on test skins with a colour per piece.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "control_fixture.h"
#include "framework/progress_bar.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_progress.h"
#include "test_skins.h"

using namespace controltest;

namespace {
const TColor kTrack = RgbColour(30, 200, 40);
const TColor kFill = RgbColour(200, 30, 40);
const TColor kChunkTrack = RgbColour(120, 60, 10);
const TColor kChunk = RgbColour(40, 40, 220);

SkinOptions TwoCellSkin() {
  SkinOptions o;
  o.extra = "[Progress]\nBitmap=progress.bmp\n";
  o.images = {{"progress.bmp", testskin::Cells(16, 10, 2, {kTrack, kFill})}};
  return o;
}

SkinOptions ChunkSkin() {
  SkinOptions o;
  o.extra = "[Progress]\nBitmap=progress.bmp\nStyle=1\n[Progress.Chunk]\nImage=chunk.bmp\nTile=1\n";
  o.images = {{"progress.bmp", testskin::Solid(8, 10, kChunkTrack)},
              {"chunk.bmp", testskin::Solid(6, 8, kChunk)}};
  return o;
}

class SkinProgressTest : public ControlTest {
 protected:
  SkinProgressTest() {
    formWidth_ = 300;
    formHeight_ = 200;
  }
  TProgressBar* AddBar(int y, int min, int max, int position) {
    auto* bar = Add<TProgressBar>(20, y, 200, 20);
    bar->SetRange(min, max);
    bar->SetPosition(position);
    return bar;
  }
  // First column of the bar showing colour (-1: none).
  int FirstColumn(TProgressBar* bar, TColor colour) {
    bar->Update();
    Capture shot(form_->Handle());
    for (int x = 0; x < bar->Width(); ++x)
      if (shot.At(bar->Left() + x, bar->Top() + 10) == Rgb(colour)) return x;
    return -1;
  }
};
}  // namespace

TEST_F(SkinProgressTest, FillFollowsPositionWithinTheRange) {
  ASSERT_TRUE(UseSkin(TwoCellSkin()));
  auto* quarter = AddBar(10, 0, 200, 50);
  auto* empty = AddBar(40, 0, 100, 0);
  auto* offsetRange = AddBar(70, 100, 300, 150);  // a quarter of a range not starting at 0
  auto* full = AddBar(100, 0, 10, 10);
  for (auto* bar : {quarter, empty, offsetRange, full}) Wrap<TSkinProgress>(bar);
  EXPECT_EQ(SendMessageW(quarter->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  for (auto* bar : {quarter, offsetRange}) {
    EXPECT_SHOWS(bar, 2, 10, kFill);
    EXPECT_SHOWS(bar, 47, 10, kFill);
    EXPECT_SHOWS(bar, 53, 10, kTrack);
    EXPECT_SHOWS(bar, 197, 10, kTrack);
  }
  EXPECT_SHOWS(empty, 2, 10, kTrack);
  EXPECT_SHOWS(empty, 100, 10, kTrack);
  EXPECT_SHOWS(full, 2, 10, kFill);
  EXPECT_SHOWS(full, 197, 10, kFill);
  // A new position repaints the fill.
  quarter->SetPosition(150);
  EXPECT_SHOWS(quarter, 147, 10, kFill);
  EXPECT_SHOWS(quarter, 153, 10, kTrack);
}

TEST_F(SkinProgressTest, MarqueeBlockMovesOnTheControlsTimer) {
  ASSERT_TRUE(UseSkin(ChunkSkin()));
  auto* plain = AddBar(10, 0, 100, 0);
  auto* marquee = AddBar(40, 0, 100, 0);
  SetWindowLongW(marquee->Handle(), GWL_STYLE, GetWindowLongW(marquee->Handle(), GWL_STYLE) | 0x08);
  Wrap<TSkinProgress>(plain);
  auto* wrapper = Wrap<TSkinProgress>(marquee);
  // An ordinary bar at 0 shows only its track.
  EXPECT_SHOWS(plain, 10, 10, kChunkTrack);
  EXPECT_EQ(FirstColumn(plain, kChunk), -1);
  SendMessageW(marquee->Handle(), WM_USER + 10, 1, 20);  // set marquee: on, 20 ms
  int first = -1;
  ASSERT_TRUE(WaitFor([&] { return (first = FirstColumn(marquee, kChunk)) >= 0; }));
  int offset = wrapper->MarqueeOffset();
  int moved = -1;
  EXPECT_TRUE(WaitFor([&] {
    moved = FirstColumn(marquee, kChunk);
    return wrapper->MarqueeOffset() != offset && moved >= 0 && moved != first;
  })) << "block stayed at " << first;
  // The block is shorter than the bar: the track shows beside it.
  Capture shot(form_->Handle());
  int track = 0;
  for (int x = 0; x < marquee->Width(); ++x)
    if (shot.At(marquee->Left() + x, marquee->Top() + 10) == Rgb(kChunkTrack)) ++track;
  EXPECT_GT(track, marquee->Width() / 2);
  SendMessageW(marquee->Handle(), WM_USER + 10, 0, 0);
}

TEST(SkinProgressFill, LengthIsTheShareOfTheRange) {
  EXPECT_EQ(TSkinProgress::FillLength(200, 50, 0, 200), 50);
  EXPECT_EQ(TSkinProgress::FillLength(200, 150, 100, 300), 50);
  EXPECT_EQ(TSkinProgress::FillLength(200, 0, 0, 200), 0);
  EXPECT_EQ(TSkinProgress::FillLength(200, 500, 0, 200), 200);  // beyond the top: full
  EXPECT_EQ(TSkinProgress::FillLength(200, 5, 10, 10), 0);       // empty range
  EXPECT_EQ(TSkinProgress::FillLength(200, -5, -10, 10), 50);
}
