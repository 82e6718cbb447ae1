// Overlays for the bars of a bare window (TSkinScrollbarH on a system list box): placed
// exactly over the bars, the size box between them in the skin's face colour, a press
// handed to the real bar, hidden and shown with the window, gone with the wrapper; a
// bare size grip (TSkinSizer); and the glyph strips TSkinObjImage gives foreign check
// boxes and radio buttons in their own frame order.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "control_fixture.h"
#include "framework/bitmap_object.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_obj_image.h"
#include "skin/controls/skin_scrollbar_h.h"

using namespace controltest;

namespace {
TColor ScrollCell(int cell) { return CellColour(3, cell - 1); }

class SkinBareScrollTest : public ControlTest {
 protected:
  HWND ListBox() {
    HWND list = CreateWindowExW(0, L"LISTBOX", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_BORDER |
                                    LBS_NOINTEGRALHEIGHT,
                                20, 20, 200, 150, form_->Handle(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 60; ++i)
      SendMessageW(list, LB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>((L"Item " + std::to_wstring(i)).c_str()));
    SendMessageW(list, LB_SETHORIZONTALEXTENT, 600, 0);
    return list;
  }
  // The colour at a screen point of the form, as shown.
  bool ScreenShows(POINT screen, TColor colour) {
    ScreenToClient(form_->Handle(), &screen);
    return Shows(screen.x, screen.y, colour);
  }
  int OverlayCount() {
    int count = 0;
    for (HWND w = GetWindow(form_->Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
      wchar_t name[64] = {};
      GetClassNameW(w, name, 64);
      if (std::wstring(name) == L"TWScrollbar") ++count;
    }
    return count;
  }

  const int arrow_ = GetSystemMetrics(SM_CXHSCROLL);
};
}  // namespace

TEST_F(SkinBareScrollTest, ListOverlaysFollowTheBarsOfABareWindow) {
  HWND list = ListBox();
  auto* w = dynamic_cast<TSkinScrollbarH*>(SkinBareWindow("TSkinScrollbarH", list, &list_, skin_.get()));
  ASSERT_TRUE(w);
  ASSERT_TRUE(WaitFor([&] { return w->VertOverlay()->Showing() && w->HorzOverlay()->Showing(); }));
  RECT v = ScrollBarOf(list, OBJID_VSCROLL).rcScrollBar, h = ScrollBarOf(list, OBJID_HSCROLL).rcScrollBar;
  RECT ov = WindowRect(w->VertOverlay()->Handle()), oh = WindowRect(w->HorzOverlay()->Handle());
  EXPECT_TRUE(EqualRect(&v, &ov));
  EXPECT_TRUE(EqualRect(&h, &oh));
  EXPECT_TRUE(ScreenShows(POINT{v.left + arrow_ / 2, v.top + arrow_ / 2}, ScrollCell(9))) << Seen();
  EXPECT_TRUE(ScreenShows(POINT{h.left + arrow_ / 2, h.top + arrow_ / 2}, ScrollCell(1))) << Seen();
  // The size box between the two bars takes the skin's face colour.
  InvalidateRect(list, nullptr, TRUE);
  EXPECT_TRUE(ScreenShows(POINT{v.left + 3, h.top + 3}, kButtonFace)) << Seen();

  // A click on the down arrow goes to the real bar.
  MoveTo(POINT{v.left + arrow_ / 2, v.bottom - arrow_ / 2});
  LeftDown();
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return GetScrollPos(list, SB_VERT) == 1; }));

  ShowWindow(list, SW_HIDE);
  Pump();
  EXPECT_FALSE(IsWindowVisible(w->VertOverlay()->Handle()));
  EXPECT_FALSE(IsWindowVisible(w->HorzOverlay()->Handle()));
  SetWindowPos(list, nullptr, 40, 30, 220, 160, SWP_NOZORDER | SWP_SHOWWINDOW);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(w->VertOverlay()->Handle()) != FALSE; }));
  v = ScrollBarOf(list, OBJID_VSCROLL).rcScrollBar;
  ov = WindowRect(w->VertOverlay()->Handle());
  EXPECT_TRUE(EqualRect(&v, &ov));

  EXPECT_EQ(OverlayCount(), 2);
  w->Free();
  EXPECT_EQ(OverlayCount(), 0);
  DestroyWindow(list);
}

TEST_F(SkinBareScrollTest, DestroyedListHidesItsOverlays) {
  HWND list = ListBox();
  auto* w = dynamic_cast<TSkinScrollbarH*>(SkinBareWindow("TSkinScrollbarH", list, &list_, skin_.get()));
  ASSERT_TRUE(w);
  ASSERT_TRUE(WaitFor([&] { return w->VertOverlay()->Showing(); }));
  DestroyWindow(list);
  EXPECT_EQ(w->State(), TSkinControl::kStateDead);
  EXPECT_FALSE(IsWindowVisible(w->VertOverlay()->Handle()));
  w->Free();
  EXPECT_EQ(OverlayCount(), 0);
}

TEST_F(SkinBareScrollTest, SizeGripTakesTheFaceColour) {
  HWND grip = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP,
                              300, 200, 20, 20, form_->Handle(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(grip);
  TSkinControl* w = SkinBareWindow("TSkinSizer", grip, &list_, skin_.get());
  ASSERT_TRUE(w);
  InvalidateRect(grip, nullptr, TRUE);
  EXPECT_SHOWS(grip, 14, 14, kButtonFace);
  EXPECT_EQ(PixelOf(grip, 2, 2), Rgb(kButtonFace));
  w->Free();
  DestroyWindow(grip);
}

// ---- TSkinObjImage ----
namespace {
// A check box of a foreign library that draws itself from custom glyphs.
class TForeignCheck : public TGraphicControl {
 public:
  TForeignCheck(TComponent* owner, const char* className) : TGraphicControl(owner), name_(className) {}
  const char* ClassName() const override { return name_; }
  void DefineProperties(TPropList& list) const override {
    TGraphicControl::DefineProperties(list);
    list.Object<TForeignCheck>("CustomGlyphs", [](TForeignCheck& c) -> TPersistent* { return &c.Glyphs; });
    list.Boolean<TForeignCheck>("UseCustomGlyphs", [](TForeignCheck& c) { return c.Use; },
                                [](TForeignCheck& c, bool v) {
                                  c.Use = v;
                                  c.Switches.push_back(v);
                                });
    list.Integer<TForeignCheck>("TransparentColor", [](TForeignCheck& c) { return c.Transparent; },
                                [](TForeignCheck& c, int64_t v) { c.Transparent = v; });
  }
  void Paint(HDC) override {}
  TBitmapObject Glyphs;
  bool Use = false;
  std::vector<bool> Switches;
  int64_t Transparent = 0;

 private:
  const char* name_;
};

class TGlyphProperties : public TPersistent {
 public:
  const char* ClassName() const override { return "TGlyphProperties"; }
  void DefineProperties(TPropList& list) const override {
    list.Object<TGlyphProperties>("Glyph", [](TGlyphProperties& p) -> TPersistent* { return &p.Glyph; });
  }
  TBitmapObject Glyph;
};

// A check box whose glyph lives in its "Properties" object.
class TForeignPropertiesCheck : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  const char* ClassName() const override { return "TForeignPropertiesCheck"; }
  void DefineProperties(TPropList& list) const override {
    TGraphicControl::DefineProperties(list);
    list.Object<TForeignPropertiesCheck>("Properties",
                                         [](TForeignPropertiesCheck& c) -> TPersistent* { return &c.Props; });
  }
  void Paint(HDC) override {}
  TGlyphProperties Props;
};

// Expects the strip's frames to be the source cells in order (-1: transparent).
void ExpectFrames(const TBitmap& strip, int sourceStrip, const std::vector<int>& order) {
  ASSERT_EQ(strip.Width(), 13 * static_cast<int>(order.size()));
  ASSERT_EQ(strip.Height(), 13);
  for (size_t i = 0; i < order.size(); ++i) {
    TColor want = order[i] < 0 ? RgbColour(255, 0, 255) : CellColour(sourceStrip, order[i]);
    EXPECT_EQ(strip.GetPixel(static_cast<int>(i) * 13 + 6, 6), want) << "frame " << i;
  }
}
}  // namespace

TEST_F(SkinBareScrollTest, ObjImageGivesGlyphStripsInTheLibrarysOrder) {
  TSkinControlList list;
  auto* check = new TForeignCheck(form_.get(), "TRzCheckBox");
  auto* image = new TSkinObjImage(check);
  image->InitSkin(&list, skin_.get(), true);
  EXPECT_EQ(image->ImageKind, 1);
  EXPECT_TRUE(list.Contains(image));
  ExpectFrames(check->Glyphs.Bitmap, 1, {0, 1, -1, 0, 1, -1, 2, 3, -1});
  EXPECT_EQ(check->Transparent, 0xFF00FF);
  EXPECT_EQ(check->Switches, (std::vector<bool>{false, true}));
  image->Unskin();
  EXPECT_FALSE(check->Use);

  auto* radio = new TForeignCheck(form_.get(), "TRzRadioButton");
  auto* radioImage = new TSkinObjImage(radio);
  radioImage->InitSkin(&list, skin_.get(), true);
  EXPECT_EQ(radioImage->ImageKind, 2);
  ExpectFrames(radio->Glyphs.Bitmap, 2, {0, 1, 0, 1, 2, 3});
  EXPECT_TRUE(radio->Use);

  auto* cx = new TForeignPropertiesCheck(form_.get());
  auto* cxImage = new TSkinObjImage(cx);
  cxImage->InitSkin(&list, skin_.get(), true);
  EXPECT_EQ(cxImage->ImageKind, 3);
  ExpectFrames(cx->Props.Glyph.Bitmap, 1, {0, 1, -1, 0, 1, -1});
  cxImage->Unskin();
  EXPECT_TRUE(cx->Props.Glyph.Bitmap.Empty());
  delete check;  // frees its wrapper, which leaves the list
  EXPECT_FALSE(list.Contains(image));
}

TEST(SkinObjImageStrip, FiveFrameStripFillsTheMixedFrames) {
  SkinOptions options;
  options.checkFrames = 5;
  options.checkFrameKey = true;
  auto skin = MakeSkin(options);
  ASSERT_TRUE(skin);
  ExpectFrames(TSkinObjImage::BuildStrip(skin.get(), 1), 1, {0, 1, 4, 0, 1, 4, 2, 3, 4});
  ExpectFrames(TSkinObjImage::BuildStrip(skin.get(), 3), 1, {0, 1, 4, 0, 1, 4});
  EXPECT_TRUE(TSkinObjImage::BuildStrip(nullptr, 1).Empty());
}
