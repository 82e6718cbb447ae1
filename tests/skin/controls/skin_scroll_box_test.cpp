// Scroll-bar overlays of boxes under Wine: a scroll box's placed exactly over its real
// bars and following a scroll made with real input (the wheel and a click on an overlay
// arrow); a list box's made only once its bar shows, then following the bar as items
// come and go.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "control_fixture.h"
#include "framework/list_controls.h"
#include "framework/scroll_controls.h"
#include "skin/controls/skin_scrollbar.h"

using namespace controltest;

namespace {
const TColor kUpArrow = CellColour(3, 8);  // cell 9 of the Scrollbar strip

class SkinScrollBoxTest : public ControlTest {
 protected:
  SkinScrollBoxTest() {
    formWidth_ = 400;
    formHeight_ = 300;
  }

  // Gives the control a scroll-bar wrapper (the wrapper list owns it) and notes the
  // wrapper's two overlays in vert_ and horz_.
  void WrapScrollBars(TControl* control) {
    auto* wrapper = new TSkinScrollbar(control);
    wrapper->InitScrollbar(control, skin_.get(), &list_);
    Pump();
    vert_ = wrapper->VertOverlay();
    horz_ = wrapper->HorzOverlay();
  }

  TWScrollbar* vert_ = nullptr;
  TWScrollbar* horz_ = nullptr;
};
}  // namespace

TEST_F(SkinScrollBoxTest, OverlaysSitOverTheBarsAndFollowAScroll) {
  auto* box = Add<TScrollBox>(20, 20, 200, 150);
  box->SetContentSize(800, 900);
  WrapScrollBars(box);
  ASSERT_TRUE(vert_ && horz_);
  ASSERT_TRUE(WaitFor([&] { return vert_->Showing() && horz_->Showing(); }));
  RECT v = ScrollBarOf(box->Handle(), OBJID_VSCROLL).rcScrollBar;
  RECT h = ScrollBarOf(box->Handle(), OBJID_HSCROLL).rcScrollBar;
  RECT ov = WindowRect(vert_->Handle()), oh = WindowRect(horz_->Handle());
  EXPECT_TRUE(EqualRect(&v, &ov)) << ov.left << "," << ov.top << " want " << v.left << "," << v.top;
  EXPECT_TRUE(EqualRect(&h, &oh)) << oh.left << "," << oh.top << " want " << h.left << "," << h.top;
  // The drawn thumb sits where the system has it.
  EXPECT_TRUE(ThumbDrawnAtSystemPlace(box->Handle(), vert_->Handle()));

  // The wheel scrolls the box; the overlay's thumb follows.
  MoveTo(ScreenPoint(box->Handle(), 50, 50));
  Wheel(-WHEEL_DELTA);
  EXPECT_TRUE(WaitFor([&] { return box->ScrollY() > 0; }));
  EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), box->ScrollY());
  EXPECT_TRUE(ThumbDrawnAtSystemPlace(box->Handle(), vert_->Handle()));

  // A click on the overlay's down arrow reaches the real bar.
  const int afterWheel = box->ScrollY();
  const int length = v.bottom - v.top, arrow = GetSystemMetrics(SM_CYVSCROLL);
  MoveTo(ScreenPoint(vert_->Handle(), GetSystemMetrics(SM_CXVSCROLL) / 2, length - arrow / 2));
  LeftDown();
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return box->ScrollY() > afterWheel; }));
  EXPECT_TRUE(ThumbDrawnAtSystemPlace(box->Handle(), vert_->Handle()));

  // Content that fits: both bars go, and their overlays with them.
  box->SetContentSize(50, 50);
  EXPECT_TRUE(WaitFor([&] { return !vert_->Showing() && !horz_->Showing(); }));
}

TEST_F(SkinScrollBoxTest, ListBarOverlayIsMadeWhenTheBarShowsAndFollowsIt) {
  auto* box = Add<TListBox>(20, 20, 150, 100);
  box->AddItem("The only item");
  WrapScrollBars(box);
  ASSERT_TRUE(vert_ && horz_);
  // The item fits: no bar, and no overlay window made for it.
  ASSERT_TRUE(ScrollBarOf(box->Handle(), OBJID_VSCROLL).rgstate[0] & STATE_SYSTEM_INVISIBLE);
  EXPECT_FALSE(vert_->Showing());
  EXPECT_FALSE(vert_->HandleAllocated());
  EXPECT_FALSE(horz_->HandleAllocated());

  const int mid = GetSystemMetrics(SM_CXVSCROLL) / 2;
  for (int round = 0; round < 2; ++round) {
    // Items beyond the height: the bar shows, and the overlay over it, above the list
    // (the skin's up arrow shows on the form there).
    for (int i = 0; i < 30; ++i) box->AddItem("Item " + std::to_string(i));
    ASSERT_TRUE(WaitFor([&] { return vert_->Showing(); })) << "round " << round;
    RECT v = ScrollBarOf(box->Handle(), OBJID_VSCROLL).rcScrollBar;
    RECT ov = WindowRect(vert_->Handle());
    EXPECT_TRUE(EqualRect(&v, &ov)) << ov.left << "," << ov.top << " want " << v.left << "," << v.top;
    POINT arrow{v.left + mid, v.top + mid};
    ScreenToClient(form_->Handle(), &arrow);
    EXPECT_SHOWS(arrow.x, arrow.y, kUpArrow);
    // Back to one item: the bar goes, and the overlay with it.
    box->Clear();
    box->AddItem("The only item");
    EXPECT_TRUE(WaitFor([&] { return !vert_->Showing() && !IsWindowVisible(vert_->Handle()); }))
        << "round " << round;
  }
  // The horizontal bar never showed: its overlay never got a window.
  EXPECT_FALSE(horz_->HandleAllocated());
}
