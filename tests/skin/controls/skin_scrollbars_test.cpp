// Scroll-bar overlays under Wine: placed exactly over the real bars, following wheel,
// keys and thumb drags made with real input, the arrows of a short bar, the thickness
// rule, hiding and showing with the control, a bar switched on after attaching, and
// the overlay of a scroll-bar control.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "control_fixture.h"
#include "framework/memo.h"
#include "framework/scroll_controls.h"
#include "skin/controls/skin_scrollbar.h"

using namespace controltest;

namespace {
// Cells of the 23-cell Scrollbar strip (strip 3 of the test skin), 1-based.
TColor ScrollCell(int cell) { return CellColour(3, cell - 1); }
const TColor kVertThumbPressed = CellColour(6, 1);

std::function<void()>& DragCheck() {
  static std::function<void()> check;
  return check;
}
void CALLBACK CheckTimer(HWND, UINT, UINT_PTR, DWORD) { DragCheck()(); }

class SkinScrollbarsTest : public ControlTest {
 protected:
  SkinScrollbarsTest() {
    formWidth_ = 400;
    formHeight_ = 300;
  }
  TMemo* AddMemo(int x, int y, int w, int h, TScrollStyle bars, int lines = 60) {
    auto* memo = new TMemo(form_.get());
    memo->SetBounds(x, y, w, h);
    memo->WordWrap = false;
    memo->SetScrollBars(bars);
    memo->SetParent(form_.get());
    std::string text;
    for (int i = 0; i < lines; ++i)
      text += "Line " + std::to_string(i) + " of a text that is wider than the memo\r\n";
    memo->SetText(text);
    return memo;
  }
  TSkinScrollbar* Wrap(TMemo* memo) {
    auto* w = new TSkinScrollbar(memo);
    w->InitScrollbar(memo, skin_.get(), &list_);
    Pump();
    return w;
  }
  const int arrow_ = GetSystemMetrics(SM_CXHSCROLL);
};
}  // namespace

TEST_F(SkinScrollbarsTest, OverlaysSitExactlyOverTheBarsAndPaintTheSkin) {
  TMemo* memo = AddMemo(20, 20, 200, 150, ssBoth);
  TSkinScrollbar* w = Wrap(memo);
  ASSERT_TRUE(w->VertOverlay() && w->HorzOverlay());
  ASSERT_TRUE(WaitFor([&] { return w->VertOverlay()->Showing() && w->HorzOverlay()->Showing(); }));
  RECT v = ScrollBarOf(memo->Handle(), OBJID_VSCROLL).rcScrollBar;
  RECT h = ScrollBarOf(memo->Handle(), OBJID_HSCROLL).rcScrollBar;
  RECT ov = WindowRect(w->VertOverlay()->Handle()), oh = WindowRect(w->HorzOverlay()->Handle());
  EXPECT_TRUE(EqualRect(&v, &ov)) << ov.left << "," << ov.top << " " << v.left << "," << v.top;
  EXPECT_TRUE(EqualRect(&h, &oh));
  EXPECT_TRUE(IsWindowVisible(w->VertOverlay()->Handle()));
  int length = v.bottom - v.top;
  EXPECT_SHOWS(w->VertOverlay(), arrow_ / 2, arrow_ / 2, ScrollCell(9));
  EXPECT_SHOWS(w->VertOverlay(), arrow_ / 2, length - arrow_ / 2, ScrollCell(13));
  EXPECT_SHOWS(w->HorzOverlay(), arrow_ / 2, arrow_ / 2, ScrollCell(1));
  EXPECT_TRUE(ThumbDrawnAtSystemPlace(memo->Handle(), w->VertOverlay()->Handle()));
  // The mouse over the down arrow makes it hot.
  MoveTo(ScreenPoint(w->VertOverlay()->Handle(), arrow_ / 2, length - arrow_ / 2));
  EXPECT_SHOWS(w->VertOverlay(), arrow_ / 2, length - arrow_ / 2, ScrollCell(16));
  // A click on it hands the press to the real bar: the text scrolls one line.
  LeftDown();
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return GetScrollPos(memo->Handle(), SB_VERT) == 1; }));
}

TEST_F(SkinScrollbarsTest, ThumbFollowsWheelKeysAndDragPastTheEnd) {
  TMemo* memo = AddMemo(20, 20, 200, 150, ssVertical);
  TSkinScrollbar* w = Wrap(memo);
  TWScrollbar* overlay = w->VertOverlay();
  ASSERT_TRUE(WaitFor([&] { return overlay->Showing(); }));
  MoveTo(ScreenPoint(memo->Handle(), 50, 50));
  Wheel(-WHEEL_DELTA);
  EXPECT_TRUE(WaitFor([&] { return GetScrollPos(memo->Handle(), SB_VERT) > 0; }));
  EXPECT_TRUE(ThumbDrawnAtSystemPlace(memo->Handle(), overlay->Handle()));
  SetFocus(memo->Handle());
  for (int i = 0; i < 2; ++i) {
    Key(VK_NEXT, true);
    Key(VK_NEXT, false);
  }
  int afterWheel = GetScrollPos(memo->Handle(), SB_VERT);
  EXPECT_TRUE(WaitFor([&] { return GetScrollPos(memo->Handle(), SB_VERT) > afterWheel + 3; }));
  EXPECT_TRUE(ThumbDrawnAtSystemPlace(memo->Handle(), overlay->Handle()));

  // Drag the thumb below the end of the bar. The system's scrolling loop runs inside
  // the press; a timer that fires inside that loop moves the cursor, looks at the
  // overlay and releases the button.
  SCROLLBARINFO info = ScrollBarOf(memo->Handle(), OBJID_VSCROLL);
  const int length = info.rcScrollBar.bottom - info.rcScrollBar.top;
  const int thumbLength = info.xyThumbBottom - info.xyThumbTop;
  MoveTo(ScreenPoint(overlay->Handle(), arrow_ / 2, (info.xyThumbTop + info.xyThumbBottom) / 2));
  const HWND host = memo->Handle();
  const POINT below = ScreenPoint(overlay->Handle(), arrow_ / 2, length + 30);
  int step = 0, ticks = 0;
  bool drawnAtEnd = false;
  DragCheck() = [&] {
    auto at = [&](int y) {
      overlay->Update();
      POINT p{arrow_ / 2, y};
      MapWindowPoints(overlay->Handle(), form_->Handle(), &p, 1);
      return Capture(form_->Handle()).At(p.x, p.y);
    };
    if (step == 0 && GetCapture() == host) {
      SendMoveTo(below);
      step = 1;
    } else if (step == 1) {
      // The pressed thumb (cell 2) ends one arrow before the end, the track above it.
      drawnAtEnd = at(length - arrow_ - 2) == Rgb(kVertThumbPressed) &&
                   at(length - arrow_ - thumbLength - 2) == Rgb(kVertTrack);
      if (drawnAtEnd || ++ticks > 100) {
        LeftUp();
        step = 2;
      }
    }
  };
  UINT_PTR timer = SetTimer(nullptr, 0, 20, &CheckTimer);
  LeftDown();
  EXPECT_TRUE(WaitFor([&] { return step == 2 && GetCapture() == nullptr; }, 8000));
  KillTimer(nullptr, timer);
  DragCheck() = nullptr;
  EXPECT_TRUE(drawnAtEnd);
  SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(memo->Handle(), SB_VERT, &si);
  EXPECT_EQ(si.nPos, si.nMax - static_cast<int>(si.nPage) + 1);
  EXPECT_TRUE(ThumbDrawnAtSystemPlace(memo->Handle(), overlay->Handle()));
}

TEST_F(SkinScrollbarsTest, ShortBarGetsTwoHalfArrowsAndNoTrack) {
  TMemo* memo = AddMemo(20, 20, 200, arrow_ + 12, ssVertical);
  TSkinScrollbar* w = Wrap(memo);
  ASSERT_TRUE(WaitFor([&] { return w->VertOverlay()->Showing(); }));
  SCROLLBARINFO info = ScrollBarOf(memo->Handle(), OBJID_VSCROLL);
  int length = info.rcScrollBar.bottom - info.rcScrollBar.top;
  ASSERT_LT(length, 2 * arrow_);
  EXPECT_SHOWS(w->VertOverlay(), arrow_ / 2, length / 2 - 1, ScrollCell(9));
  EXPECT_SHOWS(w->VertOverlay(), arrow_ / 2, length / 2 + 1, ScrollCell(13));
}

class ThicknessTest : public SkinScrollbarsTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    options_.scrollThickness = GetSystemMetrics(SM_CXHSCROLL) - GetParam();
    SkinScrollbarsTest::SetUp();
  }
};

TEST_P(ThicknessTest, ImageHeightIsTheThicknessUnlessItDiffersByMoreThanTwo) {
  TMemo* memo = AddMemo(20, 20, 200, 150, ssVertical);
  TSkinScrollbar* w = Wrap(memo);
  ASSERT_TRUE(WaitFor([&] { return w->VertOverlay()->Showing(); }));
  int thickness = GetParam() > 2 ? arrow_ : arrow_ - GetParam();
  EXPECT_SHOWS(w->VertOverlay(), thickness - 1, arrow_ / 2, ScrollCell(9));
  if (thickness < arrow_) {
    EXPECT_SHOWS(w->VertOverlay(), arrow_ - 1, arrow_ / 2, kButtonFace);
  }
}

INSTANTIATE_TEST_SUITE_P(Differences, ThicknessTest, ::testing::Values(2, 3));

TEST_F(SkinScrollbarsTest, OverlaysHideAndShowWithTheControl) {
  TMemo* memo = AddMemo(20, 20, 200, 150, ssBoth);
  TSkinScrollbar* w = Wrap(memo);
  ASSERT_TRUE(WaitFor([&] { return w->VertOverlay()->Showing(); }));
  memo->Hide();
  EXPECT_FALSE(IsWindowVisible(w->VertOverlay()->Handle()));
  EXPECT_FALSE(IsWindowVisible(w->HorzOverlay()->Handle()));
  memo->SetBounds(40, 30, 220, 160);
  memo->Show();
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(w->VertOverlay()->Handle()) != FALSE; }));
  RECT v = ScrollBarOf(memo->Handle(), OBJID_VSCROLL).rcScrollBar;
  RECT ov = WindowRect(w->VertOverlay()->Handle());
  EXPECT_TRUE(EqualRect(&v, &ov));
}

TEST_F(SkinScrollbarsTest, BarSwitchedOnAfterAttachingGetsItsOverlay) {
  TMemo* memo = AddMemo(20, 20, 200, 150, ssNone);
  TSkinScrollbar* w = Wrap(memo);
  EXPECT_FALSE(w->VertOverlay()->Showing());
  // The application shows the bar itself: the overlay comes at the next paint.
  ShowScrollBar(memo->Handle(), SB_VERT, TRUE);
  memo->Invalidate();
  ASSERT_TRUE(WaitFor([&] { return w->VertOverlay()->Showing(); }));
  RECT v = ScrollBarOf(memo->Handle(), OBJID_VSCROLL).rcScrollBar;
  RECT ov = WindowRect(w->VertOverlay()->Handle());
  EXPECT_TRUE(EqualRect(&v, &ov));
  EXPECT_SHOWS(w->VertOverlay(), arrow_ / 2, arrow_ / 2, ScrollCell(9));
}

TEST_F(SkinScrollbarsTest, ScrollBarControlOverlayFollowsThePosition) {
  auto* bar = new TScrollBar(form_.get());
  bar->Kind = sbVertical;
  bar->SetParent(form_.get());
  bar->SetBounds(300, 20, arrow_, 200);
  bar->SetParams(0, 0, 100, 10);
  auto* w = new TSkinScControl(bar);
  w->InitSkin(&list_, skin_.get(), false);
  ASSERT_TRUE(WaitFor([&] { return w->Overlay()->Showing(); }));
  RECT b = WindowRect(bar->Handle()), o = WindowRect(w->Overlay()->Handle());
  EXPECT_TRUE(EqualRect(&b, &o));
  EXPECT_SHOWS(w->Overlay(), arrow_ / 2, arrow_ + 1, kVertThumb);
  // A click on the lower arrow scrolls through the real control.
  MoveTo(ScreenPoint(w->Overlay()->Handle(), arrow_ / 2, 200 - arrow_ / 2));
  LeftDown();
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return bar->Position() == 1; }));
  bar->SetPosition(90);
  // Thumb start a + MulDiv(L - 2a, 90, 100).
  int start = arrow_ + MulDiv(200 - 2 * arrow_, 90, 100);
  EXPECT_SHOWS(w->Overlay(), arrow_ / 2, start + 1, kVertThumb);
  EXPECT_SHOWS(w->Overlay(), arrow_ / 2, start - 2, kVertTrack);
}
