// Menus of skinned windows under Wine: the system menu opened by a right click on the
// caption, Alt+Space and the icon button, with its items drawn by the skin; the
// double-click rule; the fixed system menu of the old NT family; the menu bar in its
// band; window skins without the menus part (the launcher's) keep the skinned system
// menu and leave a menu bar to the system.
#include <gtest/gtest.h>

#include "gui_support.h"
#include "skin/forms/platform_version.h"

namespace {

using namespace formskin;
using gui::ScreenPoint;
using gui::SkinnedSession;
using gui::TestWindow;
using gui::WaitFor;

// Watches for the pop-up menu window while a menu's own loop runs (from a timer, which
// that loop dispatches): records what it shows, then closes it.
struct MenuWatch {
  static bool seen;
  static TColor itemBackground;  // the right end of the first item
  static RECT where;             // the pop-up window on screen
  static int count;              // its items
  static void Reset() {
    seen = false;
    itemBackground = 0;
    where = RECT{};
    count = -1;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = gui::VisiblePopupMenu();
    if (!menu) return;
    RECT r{};
    GetClientRect(menu, &r);
    itemBackground = gui::WindowPixel(menu, r.right - 4, 8);
    GetWindowRect(menu, &where);
    HMENU shown = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
    count = shown ? GetMenuItemCount(shown) : -2;
    seen = true;
    EndMenu();
  }
};
bool MenuWatch::seen = false;
TColor MenuWatch::itemBackground = 0;
RECT MenuWatch::where{};
int MenuWatch::count = -1;

// Gives the window a menu bar with a File menu (the window owns it from then on).
HMENU SetFileMenu(HWND window) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 100, L"&Open");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  SetMenu(window, bar);
  return bar;
}

TEST(WinSkinMenu, SystemMenuByRightClickAltSpaceAndDoubleClickRule) {
  SkinnedSession session;
  TestWindow window(L"Menus", 80, 80, 300, 160);
  window.ShowActive();
  TWinSkinForm* skin = session.WaitSkinned(window.Get());
  ASSERT_TRUE(skin);
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &MenuWatch::Tick);

  MenuWatch::Reset();
  gui::Click(ScreenPoint(window.Get(), 120, 12), true);
  EXPECT_TRUE(WaitFor([] { return MenuWatch::seen; })) << "right click on the caption";
  EXPECT_EQ(MenuWatch::itemBackground, kMenu) << "skinned menu items";
  gui::PumpFor(GetDoubleClickTime() + 50);

  MenuWatch::Reset();
  gui::KeyChord(VK_MENU, VK_SPACE);
  EXPECT_TRUE(WaitFor([] { return MenuWatch::seen; })) << "Alt+Space";
  KillTimer(nullptr, timer);

  // A second opening within the double-click time while a caption button is hot closes
  // the window instead.
  gui::PumpFor(GetDoubleClickTime() + 50);
  const UINT_PTR timer2 = SetTimer(nullptr, 0, 20, &MenuWatch::Tick);
  MenuWatch::Reset();
  gui::Click(ScreenPoint(window.Get(), 16, 12));  // the icon button opens the menu
  EXPECT_TRUE(WaitFor([] { return MenuWatch::seen; })) << "icon button";
  KillTimer(nullptr, timer2);
  gui::MoveMouse(ScreenPoint(window.Get(), 16, 12));
  gui::MouseButton(MOUSEEVENTF_LEFTDOWN);
  gui::MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(window.Get()); })) << "double-click rule";
  gui::MoveMouse(POINT{5, 700});
}

TEST(WinSkinMenu, MenuBarShowsInItsBandAndOpensItsMenus) {
  SkinnedSession session;
  TestWindow window(L"With a menu", 80, 80, 300, 150);
  SetFileMenu(window.Get());
  window.ShowActive();
  TWinSkinForm* skin = session.WaitSkinned(window.Get());
  ASSERT_TRUE(skin);
  const int band = skin->Facts().menuBarHeight;
  EXPECT_EQ(band, GetSystemMetrics(SM_CYMENU));
  POINT origin{0, 0};
  ClientToScreen(window.Get(), &origin);
  const RECT w = gui::WindowRect(window.Get());
  EXPECT_EQ(origin.y - w.top, kTopHeight + band) << "the client area starts below the band";
  EXPECT_EQ(gui::ClientSize(window.Get()).cy, 150 - band) << "the menu takes its band from the client";
  const POINT item = ScreenPoint(window.Get(), kLeftWidth + 12, kTopHeight + band / 2);
  EXPECT_EQ(SendMessageW(window.Get(), WM_NCHITTEST, 0, MAKELPARAM(item.x, item.y)), HTMENU);
  MenuWatch::Reset();
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &MenuWatch::Tick);
  gui::Click(item);
  EXPECT_TRUE(WaitFor([] { return MenuWatch::where.bottom > 0; })) << "the File menu opened";
  KillTimer(nullptr, timer);
  EXPECT_NEAR(MenuWatch::where.top, w.top + kTopHeight + band, 3) << "below the band";
  gui::MoveMouse(POINT{5, 700});
}

TEST(WinSkinMenu, OldNtShowsTheFixedSystemMenu) {
  TPlatformVersion nt4;
  nt4.versionWord = 4;  // NT family, major 4
  SetPlatformVersion(nt4);
  {
    SkinnedSession session;
    TestWindow window(L"NT 4", 80, 80, 240, 120, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_POPUP);
    window.ShowActive();
    ASSERT_TRUE(session.WaitSkinned(window.Get()));
    MenuWatch::Reset();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &MenuWatch::Tick);
    gui::KeyChord(VK_MENU, VK_SPACE);
    EXPECT_TRUE(WaitFor([] { return MenuWatch::count >= 0; }));
    KillTimer(nullptr, timer);
    // Restore, Minimize (no maximise box), a separator and Close.
    EXPECT_EQ(MenuWatch::count, 4);
  }
  ResetPlatformVersion();
}

TEST(WinSkinMenu, WithoutTheMenusPartTheSystemMenuStaysSkinned) {
  static const TWindowSkinParts noMenus{};
  SkinnedSession session({}, noMenus);
  TestWindow window(L"No menus part", 80, 80, 300, 150);
  HMENU bar = SetFileMenu(window.Get());
  window.ShowActive();
  TWinSkinForm* skin = session.WaitSkinned(window.Get());
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->Menus(), nullptr);
  // The menu stays on the window, in its band under the skinned title bar.
  EXPECT_EQ(GetMenu(window.Get()), bar);
  const int band = skin->Facts().menuBarHeight;
  EXPECT_EQ(band, GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(gui::ClientSize(window.Get()).cy, 150 - band);

  MenuWatch::Reset();
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &MenuWatch::Tick);
  gui::KeyChord(VK_MENU, VK_SPACE);
  EXPECT_TRUE(WaitFor([] { return MenuWatch::seen; })) << "Alt+Space";
  KillTimer(nullptr, timer);
  EXPECT_EQ(MenuWatch::itemBackground, kMenu) << "skinned menu items";
  EXPECT_GT(MenuWatch::count, 0);
}

}  // namespace
