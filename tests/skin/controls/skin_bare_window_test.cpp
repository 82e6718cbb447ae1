// Wrappers on bare windows (system buttons that no framework control owns) under Wine:
// the skinned face and one whole click by real input, the glyph of a bare check box,
// and the window procedure put back whatever goes first (wrapper, window, a subclass
// stacked above, a switched-off wrapper), with no subclass, thunk or GDI object left.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "control_fixture.h"
#include "framework/subclass.h"
#include "framework/thunk_pool.h"
#include "framework/wide.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_messages.h"

using namespace controltest;

namespace {
class SkinBareWindowTest : public ControlTest {
 protected:
  SkinBareWindowTest() {
    formWidth_ = 300;
    formHeight_ = 160;
  }
  void SetUp() override {
    ControlTest::SetUp();
    subclasses_ = TWindowSubclass::LiveCount();
    thunks_ = thunks::LiveCount();
  }
  // A system control of the form that no framework control owns.
  HWND Child(const wchar_t* text, DWORD style, int x, int y, int w = 90, int h = 30) {
    return CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                           form_->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  void ExpectNothingLeft() {
    EXPECT_EQ(TWindowSubclass::LiveCount(), subclasses_);
    EXPECT_EQ(thunks::LiveCount(), thunks_);
  }

  int subclasses_ = 0;
  size_t thunks_ = 0;
};
}  // namespace

TEST_F(SkinBareWindowTest, BareButtonIsSkinnedAndClicksOnce) {
  HWND button = Child(L"OK", BS_PUSHBUTTON, 20, 20);
  ASSERT_TRUE(button);
  int clicks = 0;
  TWindowSubclass counter;  // the form hears the button's clicks
  counter.Attach(form_->Handle(), [&](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT&) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && reinterpret_cast<HWND>(lParam) == button)
      ++clicks;
    return false;
  });
  EXPECT_EQ(SendMessageW(button, skinmsg::kQuerySkinned, 0, 0), 0);
  TSkinControl* wrapper = SkinBareWindow("TSkinButton", button, &list_, skin_.get());
  ASSERT_TRUE(wrapper);
  EXPECT_EQ(wrapper->State(), TSkinControl::kStateAttached);
  EXPECT_TRUE(list_.Contains(wrapper));
  EXPECT_EQ(list_.FindByHandle(button), wrapper);
  EXPECT_EQ(SendMessageW(button, skinmsg::kQuerySkinned, 0, 0), 1);
  // Skinned once only.
  EXPECT_EQ(SkinBareWindow("TSkinButton", button, &list_, skin_.get()), nullptr);
  EXPECT_EQ(SkinBareWindow("TNoSuchWrapper", Child(L"", 0, 20, 60), &list_, skin_.get()), nullptr);

  EXPECT_SHOWS(button, 3, 3, kFace[0]);
  MoveTo(ScreenPoint(button, 45, 15));
  EXPECT_SHOWS(button, 3, 3, kFace[3]);
  LeftDown();
  EXPECT_SHOWS(button, 3, 3, kFace[1]);
  EXPECT_EQ(clicks, 0);
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return clicks == 1; }));
  Pump();
  EXPECT_EQ(clicks, 1);

  // Switched off: the system draws the button again; switched on: skinned at once.
  SendMessageW(button, skinmsg::kControlSkinSwitch, 0, 0);
  EXPECT_FALSE(wrapper->Active());
  EXPECT_EQ(SendMessageW(button, skinmsg::kQuerySkinned, 0, 0), 0);
  SendMessageW(button, skinmsg::kControlSkinSwitch, 1, 0);
  EXPECT_TRUE(wrapper->Active());
  MoveTo(kAway);
  EXPECT_SHOWS(button, 3, 3, kFace[4]);  // focused by the press

  wrapper->Free();
  EXPECT_FALSE(list_.Contains(wrapper));
  EXPECT_EQ(SendMessageW(button, skinmsg::kQuerySkinned, 0, 0), 0);
  counter.Detach();
  ExpectNothingLeft();
}

TEST_F(SkinBareWindowTest, BareCheckBoxShowsItsGlyphFrame) {
  HWND box = Child(L"Check", BS_AUTOCHECKBOX, 20, 20, 120, 20);
  TSkinControl* wrapper = SkinBareWindow("TSkinCheckBox", box, &list_, skin_.get());
  ASSERT_TRUE(wrapper);
  EXPECT_EQ(wrapper->Kind, 0);  // the system keeps drawing the caption
  const int glyphY = 10;
  EXPECT_SHOWS(box, 6, glyphY, CellColour(1, 0));
  MoveTo(ScreenPoint(box, 6, glyphY));
  LeftDown();
  LeftUp();
  EXPECT_TRUE(WaitFor([&] { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  EXPECT_SHOWS(box, 6, glyphY, CellColour(1, 1));
  wrapper->Free();
  ExpectNothingLeft();
}

TEST_F(SkinBareWindowTest, UndoneInAnyOrder) {
  const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  // Wrapper first: the original procedure is back.
  {
    HWND button = Child(L"A", 0, 10, 10);
    const LONG_PTR original = GetWindowLongPtrW(button, GWLP_WNDPROC);
    TSkinControl* wrapper = SkinBareWindow("TSkinButton", button, &list_, skin_.get());
    ASSERT_TRUE(wrapper);
    EXPECT_NE(GetWindowLongPtrW(button, GWLP_WNDPROC), original);
    wrapper->Free();
    EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), original);
    DestroyWindow(button);
  }
  // Window first: the wrapper is dead and leaves later without touching the window.
  {
    HWND button = Child(L"B", 0, 10, 10);
    TSkinControl* wrapper = SkinBareWindow("TSkinButton", button, &list_, skin_.get());
    ASSERT_TRUE(wrapper);
    DestroyWindow(button);
    EXPECT_EQ(wrapper->State(), TSkinControl::kStateDead);
    EXPECT_FALSE(wrapper->Active());
    EXPECT_TRUE(list_.Contains(wrapper));  // for the window skin's sweep
    wrapper->Free();
    EXPECT_FALSE(list_.Contains(wrapper));
  }
  // A switched-off wrapper still learns that its window is gone.
  {
    HWND button = Child(L"C", 0, 10, 10);
    TSkinControl* wrapper = SkinBareWindow("TSkinCheckBox", button, &list_, skin_.get());
    ASSERT_TRUE(wrapper);
    SendMessageW(button, skinmsg::kControlSkinSwitch, 0, 0);
    DestroyWindow(button);
    EXPECT_EQ(wrapper->State(), TSkinControl::kStateDead);
    wrapper->Free();
  }
  // A subclass stacked above the wrapper: freeing the wrapper first keeps the chain
  // working; the window still answers and everything goes once the upper one lets go.
  {
    HWND button = Child(L"D", 0, 10, 10);
    const LONG_PTR original = GetWindowLongPtrW(button, GWLP_WNDPROC);
    TSkinControl* wrapper = SkinBareWindow("TSkinButton", button, &list_, skin_.get());
    ASSERT_TRUE(wrapper);
    auto above = std::make_unique<TWindowSubclass>();
    int seen = 0;
    above->Attach(button, [&](UINT msg, WPARAM, LPARAM, LRESULT&) {
      if (msg == WM_GETTEXTLENGTH) ++seen;
      return false;
    });
    wrapper->Free();
    EXPECT_EQ(SendMessageW(button, skinmsg::kQuerySkinned, 0, 0), 0);
    EXPECT_EQ(SendMessageW(button, WM_GETTEXTLENGTH, 0, 0), 1);
    EXPECT_EQ(seen, 1);
    above.reset();
    EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), original);
    DestroyWindow(button);
  }
  // An owner frees its bare wrappers (the window skin's component).
  {
    HWND one = Child(L"E", 0, 10, 10), two = Child(L"F", BS_AUTORADIOBUTTON, 10, 50);
    auto* owner = new TComponent(nullptr);
    ASSERT_TRUE(SkinBareWindow("TSkinButton", one, &list_, skin_.get(), owner));
    ASSERT_TRUE(SkinBareWindow("TSkinRadioButton", two, &list_, skin_.get(), owner));
    EXPECT_EQ(list_.Items().size(), 2u);
    owner->Free();
    EXPECT_TRUE(list_.Items().empty());
    EXPECT_EQ(SendMessageW(two, skinmsg::kQuerySkinned, 0, 0), 0);
    DestroyWindow(one);
    DestroyWindow(two);
  }
  Pump();
  ExpectNothingLeft();
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
}

TEST_F(SkinBareWindowTest, AnsiWindowStaysAnsi) {
  HWND button = CreateWindowExA(0, "BUTTON", "Ansi", WS_CHILD | WS_VISIBLE, 20, 20, 90, 30,
                                form_->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(button);
  const bool unicode = IsWindowUnicode(button) != FALSE;
  TSkinControl* wrapper = SkinBareWindow("TSkinButton", button, &list_, skin_.get());
  ASSERT_TRUE(wrapper);
  EXPECT_EQ(IsWindowUnicode(button) != FALSE, unicode);
  EXPECT_EQ(WideWindowText(button), L"Ansi");
  SetWindowTextA(button, "Changed");
  char text[16] = {};
  GetWindowTextA(button, text, sizeof(text));
  EXPECT_STREQ(text, "Changed");
  EXPECT_SHOWS(button, 3, 3, kFace[0]);
  wrapper->Free();
  DestroyWindow(button);
  ExpectNothingLeft();
}
