// The frame painter, the caption-text placement, caption-button visibility and layout,
// on the tests' own skin, painted into memory bitmaps (no window).
#include <gtest/gtest.h>

#include "form_test_skin.h"
#include "skin/forms/frame_painter.h"

namespace {

using namespace formskin;

constexpr TColor kBackground = RgbColour(1, 2, 3);

class NoHost : public TNCHost {
 public:
  TNCObject* HotObject() const override { return hot; }
  void SetHotObject(TNCObject* object) override { hot = object; }
  void RepaintObject(TNCObject&) override { ++repaints; }
  TNCObject* hot = nullptr;
  int repaints = 0;
};

struct Painted {
  TBitmap bitmap;
  RECT text{};
};

Painted Paint(const TSkinData& skin, const TWindowFacts& f, TCaptionButtons* buttons = nullptr) {
  Painted p;
  p.bitmap.SetSize(f.width, f.height);
  p.bitmap.Fill(kBackground);
  TFramePaintInput in;
  in.skin = &skin;
  in.facts = &f;
  in.buttons = buttons;
  p.text = PaintSkinFrame(p.bitmap.Canvas(), in);
  return p;
}

// Leftmost and rightmost column in the title bar holding the colour (-1 when none).
std::pair<int, int> ColumnsOf(const TBitmap& b, TColor colour, int top, int bottom) {
  int first = -1, last = -1;
  for (int x = 0; x < b.Width(); ++x)
    for (int y = top; y < bottom; ++y)
      if (b.GetPixel(x, y) == colour) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

TEST(FramePaint, WidthsComeFromOneCellOfEachPiece) {
  auto skin = Load();
  TFrameWidths w = FrameWidthsOf(skin->Objects, bkSizeable);
  EXPECT_EQ(w.left, kLeftWidth);
  EXPECT_EQ(w.right, kRightWidth);
  EXPECT_EQ(w.top, kTopHeight);
  EXPECT_EQ(w.bottom, kBottomHeight);
  TFrameWidths none = FrameWidthsOf(skin->Objects, bkNoCaption);
  EXPECT_EQ(none.left + none.top + none.right + none.bottom, 0);
}

TEST(FramePaint, BorderPiecesInPlaceActiveAndInactive) {
  auto skin = Load();
  TWindowFacts f = Facts(*skin, 300, 200);
  for (bool active : {true, false}) {
    SCOPED_TRACE(active ? "active" : "inactive");
    f.active = active;
    Painted p = Paint(*skin, f);
    const TBitmap& b = p.bitmap;
    EXPECT_EQ(b.GetPixel(2, 120), active ? kLeft1 : kLeft2);
    EXPECT_EQ(b.GetPixel(297, 120), active ? kRight1 : kRight2);
    EXPECT_EQ(b.GetPixel(150, 197), active ? kBottom1 : kBottom2);
    // The left piece's top margin stays unscaled as a corner; its cut rows are not drawn.
    EXPECT_EQ(b.GetPixel(2, 5), kLeftCorner);
    EXPECT_EQ(b.GetPixel(2, 8), active ? kLeft1 : kLeft2);
    EXPECT_EQ(b.GetPixel(2, 1), kBackground);
    EXPECT_EQ(b.GetPixel(297, 1), kLeftCorner);  // the right piece is opaque
    // The top piece: caps at both ends, the middle tiled in 28-pixel steps.
    EXPECT_EQ(b.GetPixel(kLeftWidth + 4, 20), kTopCap);
    EXPECT_EQ(b.GetPixel(300 - kRightWidth - 3, 20), kTopCap);
    const TColor first = active ? kTop1 : kTop2, second = active ? kTop1b : kTop2b;
    const int middle = kLeftWidth + 6;
    EXPECT_EQ(b.GetPixel(middle + 2, 22), first);
    EXPECT_EQ(b.GetPixel(middle + 16, 22), second);
    EXPECT_EQ(b.GetPixel(middle + kTopMiddle * 6 + 2, 22), first);
    EXPECT_EQ(b.GetPixel(middle + kTopMiddle * 6 + 16, 22), second);
    // The client area is not touched.
    EXPECT_EQ(b.GetPixel(150, 100), kBackground);
  }
}

TEST(FramePaint, NarrowPieceDropsItsMargins) {
  auto skin = Load();
  // Window 10 wide: the top piece gets a 0-pixel area; the bottom piece (no margins)
  // and a left piece taller than its margin still draw; 5 rows high drops the left
  // piece's 8-row corner.
  TWindowFacts f = Facts(*skin, 40, 5);
  Painted p = Paint(*skin, f);
  EXPECT_EQ(p.bitmap.GetPixel(2, 2), kLeft1);
}

TEST(FramePaint, CaptionTextByAlignmentAndRightToLeft) {
  for (int alignment : {0, 1, 2}) {
    for (bool rtl : {false, true}) {
      SCOPED_TRACE("alignment " + std::to_string(alignment) + (rtl ? " rtl" : ""));
      Options o;
      o.textAlignment = alignment;
      o.withButtons = false;
      auto skin = Load(o);
      TWindowFacts f = Facts(*skin, 400, 100);
      f.rightToLeft = rtl;
      Painted p = Paint(*skin, f);
      auto cols = ColumnsOf(p.bitmap, kTextActive, 0, kTopHeight);
      ASSERT_GE(cols.first, 0) << "no caption text drawn";
      const int areaLeft = kLeftWidth, areaRight = 400 - kRightWidth;
      if (rtl || alignment == 2) {
        EXPECT_LE(cols.second, areaRight - 70);  // TextRightClip
        EXPECT_GT(cols.second, areaRight - 70 - 20);
      } else if (alignment == 1) {
        const int centre = (cols.first + cols.second) / 2;
        EXPECT_NEAR(centre, (areaLeft + areaRight) / 2, 12);
      } else {
        EXPECT_GE(cols.first, areaLeft + 30);  // TextShift, then two spaces
        EXPECT_LT(cols.first, areaLeft + 30 + 20);
      }
      EXPECT_EQ(p.text.top, (kTopHeight - (p.text.bottom - p.text.top)) / 2);
    }
  }
}

TEST(FramePaint, InactiveCaptionColourAndClipping) {
  auto skin = Load();
  TWindowFacts f = Facts(*skin, 160, 100);
  f.active = false;
  f.caption = L"A caption far too long for a window of this width";
  Painted p = Paint(*skin, f);
  auto cols = ColumnsOf(p.bitmap, kTextInactive, 0, kTopHeight);
  ASSERT_GE(cols.first, 0);
  EXPECT_LT(cols.second, 160 - kRightWidth - 70);  // clipped at TextRightClip
  EXPECT_EQ(ColumnsOf(p.bitmap, kTextActive, 0, kTopHeight).first, -1);
}

TEST(FramePaint, CaptionButtonsPlacedAndPaintedByAlign) {
  auto skin = Load();
  NoHost host;
  TBitmap icon(16, 16);
  icon.Fill(RgbColour(9, 99, 199));
  TCaptionButtons buttons;
  buttons.Rebuild(host, *skin, icon);
  ASSERT_EQ(buttons.Count(), 4u + 3u);  // four of the skin, three MDI child buttons
  TWindowFacts f = Facts(*skin, 300, 200);
  Painted p = Paint(*skin, f, &buttons);
  EXPECT_EQ(p.bitmap.GetPixel(280 + 8, 4 + 8), kClose[0]);
  EXPECT_EQ(p.bitmap.GetPixel(260 + 8, 4 + 8), kMax[0]);
  EXPECT_EQ(p.bitmap.GetPixel(240 + 8, 4 + 8), kMin[0]);
  EXPECT_EQ(p.bitmap.GetPixel(8 + 8, 4 + 8), RgbColour(9, 99, 199));  // the icon button
  EXPECT_EQ(buttons.RightLimit(), 280);
  EXPECT_EQ(buttons.HitTest(POINT{285, 10})->Action(), 0);
  EXPECT_EQ(buttons.HitTest(POINT{245, 10})->Action(), 2);
  EXPECT_EQ(buttons.HitTest(POINT{150, 10}), nullptr);

  // Without a maximise box the maximise button is hidden (third test); a dialog frame
  // hides the icon button.
  f.buttonFlags = kHasSystemMenu | kHasMinimiseBox;
  f.borderKind = bkDialog;
  p = Paint(*skin, f, &buttons);
  EXPECT_NE(p.bitmap.GetPixel(260 + 8, 12), kMax[0]);
  EXPECT_EQ(buttons.HitTest(POINT{265, 10}), nullptr);
  EXPECT_NE(p.bitmap.GetPixel(16, 12), RgbColour(9, 99, 199));
}

TEST(FramePaint, ButtonsBesideTheTextAndInTheMenuBar) {
  Options o;
  o.extra = "[ButtonLeftOfText]\nButtonImage=close.bmp\nAction=40\nAlign=2\nXcoord=4\nYcoord=2\n"
            "[ButtonRightOfText]\nButtonImage=close.bmp\nAction=41\nAlign=3\nXcoord=5\nYcoord=3\n"
            "[ButtonInMenuBar]\nButtonImage=close.bmp\nAction=42\nAlign=100\nXcoord=30\n"
            "[ButtonNowhere]\nButtonImage=close.bmp\nAction=43\nAlign=7\nXcoord=30\nYcoord=9\n";
  auto skin = Load(o);
  NoHost host;
  TBitmap icon(16, 16);
  TCaptionButtons buttons;
  buttons.Rebuild(host, *skin, icon);
  TWindowFacts f = Facts(*skin, 300, 200);
  f.menuBarHeight = 20;
  auto rectOf = [&](int action) {
    for (size_t i = 0; i < buttons.Count(); ++i)
      if (buttons.At(i).Action() == action) return buttons.At(i).Rect;
    return RECT{-1, -1, -1, -1};
  };
  const RECT text{100, 4, 180, 20};
  buttons.Layout(f, text, nullptr, nullptr);
  EXPECT_EQ(rectOf(40).left, 100 - 16 - 4);
  EXPECT_EQ(rectOf(40).top, 2);
  EXPECT_EQ(rectOf(41).left, 180 + 5);
  EXPECT_EQ(rectOf(41).top, 3);
  EXPECT_EQ(rectOf(42).left, 300 - 30 - kRightWidth);
  EXPECT_EQ(rectOf(42).top, kTopHeight + (20 - 16) / 2);
  EXPECT_EQ(rectOf(43).left, 0);  // an unknown Align stays at the corner
  EXPECT_EQ(rectOf(43).top, 0);
  // A right-to-left window places menu-bar buttons from the left; a menu-bar object's
  // LeftWidth moves them further in.
  f.rightToLeft = true;
  TDataSkinObject menuBar("Personality");
  menuBar.LeftWidth = 7;
  buttons.Layout(f, text, &menuBar, nullptr);
  EXPECT_EQ(rectOf(42).left, 30 + kLeftWidth + 7);
  f.rightToLeft = false;
  buttons.Layout(f, text, &menuBar, nullptr);
  EXPECT_EQ(rectOf(42).left, 300 - 30 - kRightWidth - 7);
}

TEST(FramePaint, ButtonStatesRepaintThroughTheHost) {
  auto skin = Load();
  NoHost host;
  TBitmap icon(16, 16);
  TCaptionButtons buttons;
  buttons.Rebuild(host, *skin, icon);
  TWindowFacts f = Facts(*skin, 300, 200);
  buttons.Layout(f, RECT{}, nullptr, nullptr);
  TWinSysButton* close = buttons.HitTest(POINT{285, 10});
  TWinSysButton* max = buttons.HitTest(POINT{265, 10});
  ASSERT_TRUE(close && max);
  close->Press();
  EXPECT_EQ(host.hot, close);
  EXPECT_EQ(close->State, ncPressed);
  max->Enter();  // moving onto another button makes it the hot one
  EXPECT_EQ(host.hot, max);
  EXPECT_EQ(close->State, ncNormal);
  EXPECT_EQ(max->State, ncHot);
  max->Leave();
  EXPECT_EQ(host.hot, nullptr);
  // Painting a state uses that state's cell.
  TBitmap target(300, 30);
  close->State = ncHot;
  close->Paint(target.Canvas());
  EXPECT_EQ(target.GetPixel(288, 12), kClose[2]);
  close->State = ncPressed;
  close->Paint(target.Canvas());
  EXPECT_EQ(target.GetPixel(288, 12), kClose[1]);
}

TEST(FramePaint, VisibilityTests) {
  TDataSkinSysButton b("B");
  TWindowFacts f;
  f.buttonFlags = kHasSystemMenu | kHasMaximiseBox;
  struct Case {
    int action, visibility, visibility1;
    TShowState show;
    bool active, shown;
  } cases[] = {
      {5, 0, 0, ssNormal, true, true},      {5, 1, 0, ssNormal, true, false},
      {5, 1, 0, ssMaximised, true, true},   {5, 2, 0, ssMaximised, true, false},
      {5, 3, 0, ssNormal, false, false},    {5, 4, 0, ssNormal, false, true},
      {5, 6, 0, ssNormal, true, true},      {5, 8, 0, ssNormal, true, false},
      {5, 9, 0, ssNormal, true, true},      {5, 500, 0, ssNormal, true, true},
      {5, -1, 0, ssNormal, true, false},    {5, 0, 200, ssNormal, true, false},
      {5, 0, 100, ssNormal, true, true},    {5, 0, 2, ssMaximised, true, false},
      {2, 0, 0, ssNormal, true, false},     {1, 0, 0, ssNormal, true, true},
      {5, 100, 100, ssNormal, true, false},
  };
  for (const Case& c : cases) {
    b.Action = c.action;
    b.Visibility = c.visibility;
    b.Visibility1 = c.visibility1;
    f.showState = c.show;
    f.active = c.active;
    EXPECT_EQ(CaptionButtonShown(b, f, nullptr), c.shown)
        << "action " << c.action << " visibility " << c.visibility << "/" << c.visibility1;
  }
  // 1000..2000 ask the window.
  b.Action = 42;
  b.Visibility = 1500;
  b.Visibility1 = 0;
  int asked = 0;
  EXPECT_TRUE(CaptionButtonShown(b, f, [&](int v, int a) -> LRESULT {
    asked = v * 100 + a;
    return 1;
  }));
  EXPECT_EQ(asked, 150042);
  EXPECT_FALSE(CaptionButtonShown(b, f, [](int, int) -> LRESULT { return 0; }));
}

TEST(FramePaint, MinimisedPaintsOnlyTheTitleOnButtonFace) {
  auto skin = Load();
  TWindowFacts f = Facts(*skin, 160, 40);
  f.showState = ssMinimised;
  Painted p = Paint(*skin, f);
  EXPECT_EQ(p.bitmap.GetPixel(80, 35), kFace);
  EXPECT_EQ(p.bitmap.GetPixel(2, 35), kFace);  // no left piece
  EXPECT_EQ(p.bitmap.GetPixel(2, 20), kTopCap);  // the top piece runs across the full width
}

}  // namespace
