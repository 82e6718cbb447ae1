// Tab wrappers under Wine: the tab strip and pane of tab controls with their tabs on top,
// at the bottom (flipped images) and at the left (composed lying down and turned), the
// scroll arrows left to their up-down wrapper, page controls with skinned sheets and an
// old-style tab set, read back from the window on a test skin whose Tabs cells have a
// top band and a body of their own colours.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "control_fixture.h"
#include "framework/gdi.h"
#include "framework/tab_controls.h"
#include "framework/tab_set.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skin_tab_pages.h"
#include "skin/controls/skin_up_down.h"
#include "test_skins.h"

using namespace controltest;

namespace {
TColor TopBand(int cell) { return RgbColour(240, 30 * cell, 20); }
TColor Body(int cell) { return RgbColour(20, 30 * cell, 240); }
const TColor kPane = RgbColour(60, 200, 60);
TColor Arrow(int cell) { return RgbColour(25 * cell, 250 - 25 * cell, 120); }

// Five 20 x 20 cells: 4 rows of the top band, then the body.
PixelImage TabsImage() {
  PixelImage image = testskin::Cells(100, 20, 5, {Body(1), Body(2), Body(3), Body(4), Body(5)});
  for (int cell = 0; cell < 5; ++cell)
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 20; ++x) image.At(cell * 20 + x, y) = PixelOf(TopBand(cell + 1));
  return image;
}

SkinOptions TabSkin() {
  SkinOptions o;
  o.extra = "[Tabs]\nImage=tabs.bmp\nBorder=pane.bmp\nLeftWidth=3\nTopHeight=4\nRightWidth=3\nBottomHeight=3\n"
            "[UpDown.Horz]\nImage=udh.bmp\n";
  std::vector<TColor> arrows;
  for (int i = 1; i <= 8; ++i) arrows.push_back(Arrow(i));
  o.images = {{"tabs.bmp", TabsImage()},
              {"pane.bmp", testskin::Solid(12, 12, kPane)},
              {"udh.bmp", testskin::Cells(64, 8, 8, arrows)}};
  return o;
}

class SkinTabTest : public ControlTest {
 protected:
  SkinTabTest() {
    options_ = TabSkin();
    formWidth_ = 460;
    formHeight_ = 330;
  }
  TTabControl* AddTabs(TTabPosition position, int x, int y, int w, int h, int count) {
    auto* tabs = new TTabControl(form_.get());
    tabs->TabPosition = position;
    for (int i = 0; i < count; ++i) tabs->AddTab("Tab " + std::to_string(i + 1));
    tabs->SetParent(form_.get());
    tabs->SetBounds(x, y, w, h);
    tabs->SetTabIndex(1);
    return tabs;
  }
  TSkinTab* Wrap(TControl* c, const char* wrapper = "TSkinTab") {
    return static_cast<TSkinTab*>(SkinFrameworkControl(wrapper, c, &list_, skin_.get(), false));
  }
  // The item rectangle of a tab as the control reports it (window coordinates).
  RECT ItemRect(TWinControl* c, int index) {
    RECT r{};
    SendMessageW(c->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }
};
}  // namespace

TEST_F(SkinTabTest, TopAndBottomTabsAndThePane) {
  auto* top = AddTabs(tpTop, 10, 10, 200, 120, 3);
  auto* bottom = AddTabs(tpBottom, 230, 10, 200, 120, 3);
  auto* topWrapper = Wrap(top);
  auto* bottomWrapper = Wrap(bottom);
  ASSERT_TRUE(topWrapper && bottomWrapper);
  EXPECT_EQ(topWrapper->Position(), TSkinTab::kTop);
  EXPECT_EQ(bottomWrapper->Position(), TSkinTab::kBottom);
  EXPECT_EQ(SendMessageW(top->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  // Top: drawn one pixel down; the band at the top, the selected tab in cell 2.
  RECT first = ItemRect(top, 0), selected = ItemRect(top, 1);
  EXPECT_SHOWS(top, first.left + 1, first.top + 2, TopBand(1));
  EXPECT_SHOWS(top, first.left + 1, first.top + 8, Body(1));
  EXPECT_SHOWS(top, selected.left + 1, selected.top + 2, TopBand(2));
  // The pane over the display area.
  EXPECT_SHOWS(top, 100, 80, kPane);
  // Bottom: the flipped image puts the band at the bottom of each tab.
  RECT low = ItemRect(bottom, 0);
  EXPECT_SHOWS(bottom, low.left + 1, low.bottom - 3, TopBand(1));
  EXPECT_SHOWS(bottom, low.left + 1, low.top + 3, Body(1));
  EXPECT_SHOWS(bottom, 100, 40, kPane);
}

TEST_F(SkinTabTest, LeftTabsAreComposedLyingAndTurned) {
  auto* left = AddTabs(tpLeft, 10, 10, 200, 200, 3);
  auto* wrapper = Wrap(left);
  ASSERT_TRUE(wrapper);
  EXPECT_EQ(wrapper->Position(), TSkinTab::kLeft);
  RECT first = ItemRect(left, 0);
  ASSERT_GT(first.bottom - first.top, 20) << "the tabs do not lie at the left";
  // The band faces left, away from the pane.
  EXPECT_SHOWS(left, first.left + 1, first.top + 2, TopBand(1));
  EXPECT_SHOWS(left, first.right - 2, first.top + 2, Body(1));
  EXPECT_SHOWS(left, 150, 100, kPane);
}

TEST_F(SkinTabTest, ScrollArrowsAreLeftToTheirUpDown) {
  auto* narrow = AddTabs(tpTop, 10, 10, 140, 80, 10);
  auto* wrapper = Wrap(narrow);
  ASSERT_TRUE(wrapper);
  HWND arrows = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    narrow->Update();
    arrows = FindWindowExW(narrow->Handle(), nullptr, UPDOWN_CLASSW, nullptr);
    return arrows && IsWindowVisible(arrows) && wrapper->ScrollArrows();
  }));
  EXPECT_EQ(SendMessageW(arrows, skinmsg::kQuerySkinned, 0, 0), 1);
  RECT a{};
  GetWindowRect(arrows, &a);
  MapWindowPoints(nullptr, narrow->Handle(), reinterpret_cast<POINT*>(&a), 2);
  // Left arrow cell 1, right arrow cell 5, where the strip would otherwise be.
  EXPECT_SHOWS(narrow, a.left + 3, (a.top + a.bottom) / 2, Arrow(1));
  EXPECT_SHOWS(narrow, a.right - 3, (a.top + a.bottom) / 2, Arrow(5));
}

TEST_F(SkinTabTest, PageSheetsAndOldStyleTabSets) {
  auto* pages = Add<TPageControl>(10, 10, 200, 140);
  auto* sheet = new TTabSheet(form_.get());
  sheet->SetCaption("Page");
  sheet->SetPageControl(pages);
  auto* other = new TTabSheet(form_.get());
  other->SetCaption("Other");
  other->SetPageControl(pages);
  ASSERT_TRUE(Wrap(pages));
  ASSERT_TRUE(SkinFrameworkControl("TSkinTabSheet", sheet, &list_, skin_.get(), false));
  EXPECT_EQ(pages->ActivePage(), sheet);
  EXPECT_SHOWS(sheet, 50, 50, kButtonFace);
  RECT selected = ItemRect(pages, 0);
  EXPECT_SHOWS(pages, selected.left + 1, selected.top + 2, TopBand(2));

  auto* set = Add<TTabSet>(10, 200, 300, 22);
  for (const char* caption : {"First", "Second", "Third"}) set->AddTab(caption);
  set->SetTabIndex(1);
  ASSERT_TRUE(SkinFrameworkControl("TSkinTab31", set, &list_, skin_.get(), false));
  // First tab from the start margin: cell 1; the second (selected) cell 2; past the
  // last tab the face.
  EXPECT_SHOWS(set, set->StartMargin + 1, 1, TopBand(1));
  WindowDC dc(set->Handle());
  SelectGuard font(dc.Get(), set->Font().Handle());
  int second = set->StartMargin + set->TabWidth(dc.Get(), "First");
  EXPECT_SHOWS(set, second + 1, 1, TopBand(2));
  EXPECT_SHOWS(set, 295, 10, kButtonFace);
}

TEST_F(SkinTabTest, ButtonTabsShowButtonFaces) {
  auto* buttons = new TTabControl(form_.get());
  buttons->Style = tsButtons;
  for (const char* caption : {"One", "Two"}) buttons->AddTab(caption);
  buttons->SetParent(form_.get());
  buttons->SetBounds(10, 10, 220, 80);
  buttons->SetTabIndex(1);
  ASSERT_TRUE(Wrap(buttons, "TSkinTabBtn"));
  RECT first = ItemRect(buttons, 0), selected = ItemRect(buttons, 1);
  EXPECT_SHOWS(buttons, first.left + 1, first.top + 3, kFace[0]);
  EXPECT_SHOWS(buttons, selected.left + 1, selected.top + 3, kFace[1]);
  EXPECT_SHOWS(buttons, 100, 70, kButtonFace);
}

namespace {
// A page control of another library: it takes its tab backgrounds as properties.
class TForeignPages : public TWinControl {
 public:
  explicit TForeignPages(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TForeignPages"; }
  void DefineProperties(TPropList& list) const override {
    TWinControl::DefineProperties(list);
    list.Object<TForeignPages>("TabBackGround", [](TForeignPages& p) { return p.background; },
                               [](TForeignPages& p, TPersistent* v) { p.background = v; });
    list.Object<TForeignPages>("TabBackGroundActive", [](TForeignPages& p) { return p.active; },
                               [](TForeignPages& p, TPersistent* v) { p.active = v; });
  }
  TPersistent* background = nullptr;
  TPersistent* active = nullptr;
};
}  // namespace

TEST_F(SkinTabTest, ForeignPagesTakeRenderedTabBackgrounds) {
  auto* pages = Add<TForeignPages>(10, 10, 100, 60);
  auto* wrapper = new TSkinAdvPage(pages);
  wrapper->Kind = TSkinAdvPage::kSkinnedBackgrounds;
  wrapper->InitSkin(&list_, skin_.get(), false);
  auto* normal = dynamic_cast<TBitmapObject*>(pages->background);
  auto* active = dynamic_cast<TBitmapObject*>(pages->active);
  ASSERT_TRUE(normal && active);
  ASSERT_EQ(normal->Bitmap.Width(), 100);
  ASSERT_EQ(normal->Bitmap.Height(), 21);
  EXPECT_EQ(normal->Bitmap.GetPixel(1, 1), TopBand(1));
  EXPECT_EQ(active->Bitmap.GetPixel(1, 1), TopBand(2));
  EXPECT_EQ(active->Bitmap.GetPixel(50, 10), Body(2));
  wrapper->Unskin();
  EXPECT_EQ(pages->background, nullptr);
  EXPECT_EQ(pages->active, nullptr);
}
