// A scroll box's scroll-bar overlays under Wine: placed exactly over its real bars and
// following a scroll made with real input (the wheel and a click on an overlay arrow).
#include <gtest/gtest.h>

#include <windows.h>

#include "control_fixture.h"
#include "framework/scroll_controls.h"
#include "skin/controls/skin_scrollbar.h"

using namespace controltest;

namespace {
class SkinScrollBoxTest : public ControlTest {
 protected:
  SkinScrollBoxTest() {
    formWidth_ = 400;
    formHeight_ = 300;
  }
};
}  // namespace

TEST_F(SkinScrollBoxTest, OverlaysSitOverTheBarsAndFollowAScroll) {
  auto* box = Add<TScrollBox>(20, 20, 200, 150);
  box->SetContentSize(800, 900);
  auto* wrapper = new TSkinScrollbar(box);
  wrapper->InitScrollbar(box, skin_.get(), &list_);
  Pump();
  TWScrollbar* vert = wrapper->VertOverlay();
  TWScrollbar* horz = wrapper->HorzOverlay();
  ASSERT_TRUE(vert && horz);
  ASSERT_TRUE(WaitFor([&] { return vert->Showing() && horz->Showing(); }));
  RECT v = ScrollBarOf(box->Handle(), OBJID_VSCROLL).rcScrollBar;
  RECT h = ScrollBarOf(box->Handle(), OBJID_HSCROLL).rcScrollBar;
  RECT ov = WindowRect(vert->Handle()), oh = WindowRect(horz->Handle());
  EXPECT_TRUE(EqualRect(&v, &ov)) << ov.left << "," << ov.top << " want " << v.left << "," << v.top;
  EXPECT_TRUE(EqualRect(&h, &oh)) << oh.left << "," << oh.top << " want " << h.left << "," << h.top;
  // The drawn thumb sits where the system has it.
  EXPECT_TRUE(ThumbDrawnAtSystemPlace(box->Handle(), vert->Handle()));

  // The wheel scrolls the box; the overlay's thumb follows.
  MoveTo(ScreenPoint(box->Handle(), 50, 50));
  Wheel(-WHEEL_DELTA);
  EXPECT_TRUE(WaitFor([&] { return box->ScrollY() > 0; }));
  EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), box->ScrollY());
  EXPECT_TRUE(ThumbDrawnAtSystemPlace(box->Handle(), vert->Handle()));

  // A click on the overlay's down arrow reaches the real bar.
  const int afterWheel = box->ScrollY();
  const int length = v.bottom - v.top, arrow = GetSystemMetrics(SM_CYVSCROLL);
  MoveTo(ScreenPoint(vert->Handle(), GetSystemMetrics(SM_CXVSCROLL) / 2, length - arrow / 2));
  LeftDown();
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return box->ScrollY() > afterWheel; }));
  EXPECT_TRUE(ThumbDrawnAtSystemPlace(box->Handle(), vert->Handle()));

  // Content that fits: both bars go, and their overlays with them.
  box->SetContentSize(50, 50);
  EXPECT_TRUE(WaitFor([&] { return !vert->Showing() && !horz->Showing(); }));
}
