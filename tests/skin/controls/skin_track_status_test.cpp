// Track-bar and status-bar wrappers under Wine: the channel and the thumb of a lying and
// a standing track bar (the thumb following the position), and a status bar's panels in
// their edge cells (lowered, raised, none; the last reaching the right edge), a
// right-aligned panel text, the simple panel and the size grip, read back from the window
// on a test skin with a colour per piece.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "control_fixture.h"
#include "framework/status_bar.h"
#include "framework/track_bar.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_messages.h"
#include "test_skins.h"

using namespace controltest;

namespace {
const TColor kTrack = RgbColour(200, 120, 30);
const TColor kTrackVert = RgbColour(30, 120, 200);
TColor ThumbH(int cell) { return RgbColour(250, 20 * cell, 200); }
TColor ThumbV(int cell) { return RgbColour(20 * cell, 250, 200); }
TColor Edge(int cell) { return RgbColour(60 * cell, 180, 90); }
TColor Extra(int cell) { return RgbColour(180, 90, 40 * cell); }
const TColor kText = RgbColour(0, 0, 160);

SkinOptions BarSkin() {
  SkinOptions o;
  o.extra = "[Track]\nImage=track.bmp\nLeftWidth=2\nRightWidth=2\n[TRACKVERT]\nImage=trackv.bmp\nTopHeight=2\nBottomHeight=2\n"
            "[Trackbar.ThumbHorz]\nImage=th.bmp\n[Trackbar.ThumbVert]\nImage=tv.bmp\n"
            "[StatusBarEdges]\nImage=edges.bmp\nLeftWidth=1\nTopHeight=1\nRightWidth=1\nBottomHeight=1\n"
            "NormalColour=" + std::to_string(kText) + "\n[ExtraImages]\nImage=extra.bmp\n";
  std::vector<TColor> th, tv, extra;
  for (int i = 1; i <= 5; ++i) {
    th.push_back(ThumbH(i));
    tv.push_back(ThumbV(i));
    extra.push_back(Extra(i));
  }
  o.images = {{"track.bmp", testskin::Solid(12, 4, kTrack)},
              {"trackv.bmp", testskin::Solid(4, 12, kTrackVert)},
              {"th.bmp", testskin::Cells(50, 10, 5, th)},
              {"tv.bmp", testskin::Cells(50, 10, 5, tv)},
              {"edges.bmp", testskin::Cells(30, 10, 3, {Edge(1), Edge(2), Edge(3)})},
              {"extra.bmp", testskin::Cells(60, 12, 5, extra)}};
  return o;
}

class SkinBarsTest : public ControlTest {
 protected:
  SkinBarsTest() {
    options_ = BarSkin();
    formWidth_ = 400;
    formHeight_ = 300;
  }
  RECT Thumb(TTrackBar* t) {
    RECT r{};
    SendMessageW(t->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
};
}  // namespace

TEST_F(SkinBarsTest, TrackBarChannelAndThumbInBothOrientations) {
  auto* lying = Add<TTrackBar>(10, 10, 200, 40);
  auto* standing = new TTrackBar(form_.get());
  standing->Orientation = trVertical;
  standing->SetParent(form_.get());
  standing->SetBounds(250, 10, 40, 200);
  for (auto* t : {lying, standing}) {
    t->SetPosition(2);
    ASSERT_TRUE(SkinFrameworkControl("TSkinTrackBar", t, &list_, skin_.get(), false));
  }
  EXPECT_EQ(SendMessageW(lying->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  RECT t = Thumb(lying);
  EXPECT_SHOWS(lying, (t.left + t.right) / 2, (t.top + t.bottom) / 2, ThumbH(2));
  RECT c{};
  SendMessageW(lying->Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
  int channelY = c.top + ((c.bottom - c.top) > 4 ? (c.bottom - c.top) / 2 : 0) + 1;
  EXPECT_SHOWS(lying, c.right - 20, channelY, kTrack);
  // The thumb follows the position.
  lying->SetPosition(8);
  RECT moved = Thumb(lying);
  ASSERT_GT(moved.left, t.right);
  EXPECT_SHOWS(lying, (moved.left + moved.right) / 2, (moved.top + moved.bottom) / 2, ThumbH(2));
  EXPECT_SHOWS(lying, (t.left + t.right) / 2, channelY, kTrack);
  // Standing: the vertical thumb and the standing channel.
  RECT v = Thumb(standing);
  EXPECT_SHOWS(standing, (v.left + v.right) / 2, (v.top + v.bottom) / 2, ThumbV(2));
  SendMessageW(standing->Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
  // Some systems report a standing channel lying, some standing.
  RECT vc = c.right - c.left > c.bottom - c.top ? RECT{c.top, c.left, c.bottom, c.right} : c;
  EXPECT_SHOWS(standing, (vc.left + vc.right) / 2, vc.bottom - 20, kTrackVert);
}

TEST_F(SkinBarsTest, StatusBarPanelsSimpleTextAndSizeGrip) {
  auto* bar = new TStatusBar(form_.get());
  bar->AddPanel({"Lowered", 100, taLeftJustify, pbLowered, psText});
  bar->AddPanel({"Right", 120, taRightJustify, pbRaised, psText});
  bar->AddPanel({"", 50, taLeftJustify, pbNone, psText});
  bar->SetParent(form_.get());
  bar->SetBounds(0, 260, 400, 24);
  ASSERT_TRUE(SkinFrameworkControl("TSkinStatusBar", bar, &list_, skin_.get(), false));
  EXPECT_SHOWS(bar, 2, 5, Edge(1));
  RECT second{};
  SendMessageW(bar->Handle(), SB_GETRECT, 1, reinterpret_cast<LPARAM>(&second));
  EXPECT_SHOWS(bar, second.left + 2, 5, Edge(2));
  // The last panel reaches the right edge; the size grip is in the corner.
  EXPECT_SHOWS(bar, 330, 5, Edge(3));
  EXPECT_SHOWS(bar, 396, 20, Extra(5));
  // The right-aligned text lies in the right part of its panel.
  bar->Update();
  Capture shot(form_->Handle());
  int leftmost = 10000, rightmost = -1;
  for (int x = second.left; x < second.right; ++x)
    for (int y = 2; y < 22; ++y)
      if (shot.At(bar->Left() + x, bar->Top() + y) == Rgb(kText)) {
        leftmost = std::min(leftmost, x);
        rightmost = std::max(rightmost, x);
      }
  ASSERT_GE(rightmost, 0) << "no text";
  EXPECT_GT(leftmost, (second.left + second.right) / 2);
  EXPECT_GE(rightmost, second.right - 12);
  // The simple panel: one lowered cell over the whole bar.
  bar->SetSimpleText("Simple");
  bar->SetSimplePanel(true);
  EXPECT_SHOWS(bar, second.left + 2, 5, Edge(1));
  EXPECT_SHOWS(bar, 330, 5, Edge(1));
}
