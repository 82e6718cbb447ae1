// A scroll box's scroll-bar overlays under Wine: placed exactly over its real bars and
// following a scroll made with real input (the wheel and a click on an overlay arrow).
#include <gtest/gtest.h>

#include <windows.h>

#include "control_test_support.h"
#include "framework/scroll_controls.h"
#include "skin/controls/skin_control_list.h"
#include "skin/controls/skin_scrollbar.h"

using namespace controltest;

namespace {
const POINT kAway{900, 700};
const TColor kVertTrack = CellColour(4, 0);
const TColor kVertThumb = CellColour(6, 0);
const TColor kVertGrip = CellColour(3, 19);

SCROLLBARINFO Bar(HWND window, LONG id) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  GetScrollBarInfo(window, id, &info);
  return info;
}
RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}
}  // namespace

TEST(SkinScrollBoxTest, OverlaysSitOverTheBarsAndFollowAScroll) {
  MoveTo(kAway);
  auto skin = MakeSkin();
  ASSERT_TRUE(skin);
  TSkinControlList list;
  auto form = MakeForm(400, 300);
  auto* box = new TScrollBox(form.get());
  box->SetBounds(20, 20, 200, 150);
  box->SetParent(form.get());
  box->SetContentSize(800, 900);
  auto* wrapper = new TSkinScrollbar(box);
  wrapper->InitScrollbar(box, skin.get(), &list);
  Pump();
  TWScrollbar* vert = wrapper->VertOverlay();
  TWScrollbar* horz = wrapper->HorzOverlay();
  ASSERT_TRUE(vert && horz);
  ASSERT_TRUE(WaitFor([&] { return vert->Showing() && horz->Showing(); }));
  RECT v = Bar(box->Handle(), OBJID_VSCROLL).rcScrollBar, h = Bar(box->Handle(), OBJID_HSCROLL).rcScrollBar;
  RECT ov = WindowRect(vert->Handle()), oh = WindowRect(horz->Handle());
  EXPECT_TRUE(EqualRect(&v, &ov)) << ov.left << "," << ov.top << " want " << v.left << "," << v.top;
  EXPECT_TRUE(EqualRect(&h, &oh)) << oh.left << "," << oh.top << " want " << h.left << "," << h.top;

  // The drawn thumb sits where the system has it.
  const int mid = GetSystemMetrics(SM_CXVSCROLL) / 2, arrow = GetSystemMetrics(SM_CYVSCROLL);
  COLORREF last = 0;
  auto thumbDrawnAtSystemPlace = [&] {
    return WaitFor([&] {
      vert->Update();
      SCROLLBARINFO info = Bar(box->Handle(), OBJID_VSCROLL);
      auto at = [&](int y) {
        POINT p{mid, y};
        MapWindowPoints(vert->Handle(), form->Handle(), &p, 1);
        return PixelOf(form->Handle(), p.x, p.y);
      };
      last = at(info.xyThumbTop + 1);
      if (last != Rgb(kVertThumb) && last != Rgb(kVertGrip)) return false;
      return info.xyThumbTop - 2 <= arrow || at(info.xyThumbTop - 2) == Rgb(kVertTrack);
    }, 2000);
  };
  EXPECT_TRUE(thumbDrawnAtSystemPlace()) << std::hex << last;

  // The wheel scrolls the box; the overlay's thumb follows.
  MoveTo(ScreenPoint(box->Handle(), 50, 50));
  Wheel(-WHEEL_DELTA);
  EXPECT_TRUE(WaitFor([&] { return box->ScrollY() > 0; }));
  EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), box->ScrollY());
  EXPECT_TRUE(thumbDrawnAtSystemPlace()) << std::hex << last;

  // A click on the overlay's down arrow reaches the real bar.
  const int afterWheel = box->ScrollY();
  const int length = v.bottom - v.top;
  MoveTo(ScreenPoint(vert->Handle(), mid, length - arrow / 2));
  LeftDown();
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return box->ScrollY() > afterWheel; }));
  EXPECT_TRUE(thumbDrawnAtSystemPlace()) << std::hex << last;

  // Content that fits: both bars go, and their overlays with them.
  box->SetContentSize(50, 50);
  EXPECT_TRUE(WaitFor([&] { return !vert->Showing() && !horz->Showing(); }));
  form.reset();
  MoveTo(kAway);
}
