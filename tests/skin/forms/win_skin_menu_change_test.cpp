// The skinned menu bar following the window's menu under Wine: a menu set after the
// window was skinned gets a band (the window keeps its size, as without the skin), items
// added and captions changed show, MenuUpdate off keeps the bar, a new skin redraws the
// bar from its picture, a removed menu takes the band away, and detach gives back the
// menu with the client size the window had; a plain window's SetMenu is taken too.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

#include "framework/form.h"
#include "framework/menus.h"
#include "gui_support.h"
#include "skin/data/image_utils.h"
#include "skin/forms/win_skin_menu.h"

namespace {

using gui::WaitFor;

int BarBackgroundY() { return formskin::kTopHeight + 2; }

TEST(WinSkinMenuChange, BarFollowsTheFormsMenuAndTheSkin) {
  gui::SkinnedSession session;
  TForm form(nullptr);
  form.SetBounds(80, 80, 100, 100);
  form.SetClientSize(300, 180);
  HWND window = form.Handle();
  form.Show();
  TWinSkinForm* skin = session.WaitSkinned(window);
  ASSERT_TRUE(skin && WinSkinMenuOf(*skin));
  TWinSkinMenu& menus = *WinSkinMenuOf(*skin);
  EXPECT_FALSE(menus.HasBar());
  const RECT outer = gui::WindowRect(window);
  const int band = GetSystemMetrics(SM_CYMENU);

  // A menu set after skinning: drawn by the skin in a new band, off the window; the
  // window keeps its size and the client area gives the band.
  auto* menu = new TMainMenu(&form);
  menu->Items().Add("&File")->Add("&Open");
  form.SetMainMenu(menu);
  ASSERT_TRUE(menus.HasBar());
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(skin->Facts().menuBarHeight, band);
  const RECT now = gui::WindowRect(window);
  EXPECT_EQ(now.bottom - now.top, outer.bottom - outer.top);
  EXPECT_EQ(gui::ClientSize(window).cy, 180 - band);
  const TColor barColour = ResolveColour(session.Data().Colours.Menubar);
  EXPECT_TRUE(WaitFor([&] { return gui::WindowPixel(window, formskin::kLeftWidth + 2, BarBackgroundY()) == barColour; }));

  // Items added and captions changed show at once.
  menu->Items().Add("&View")->Add("&Zoom");
  ASSERT_EQ(menus.Buttons().size(), 2u);
  EXPECT_TRUE(WaitFor([&] { return menus.Buttons()[1]->Rect.right > menus.Buttons()[1]->Rect.left; }));
  menu->Items().Items(0)->SetCaption("&Document");
  EXPECT_EQ(menus.Buttons()[0]->Caption, L"&Document");

  // MenuUpdate off: the bar stays as built and the menu stays off the window.
  session.Data().MenuUpdate = false;
  menu->Items().Add("&Help")->Add("&About");
  EXPECT_EQ(menus.Buttons().size(), 2u);
  EXPECT_EQ(GetMenu(window), nullptr);
  session.Data().MenuUpdate = true;

  // A new skin: the bar is built again and drawn from its menu-bar picture.
  formskin::Options withMenus;
  withMenus.withMenus = true;
  const std::string file = formskin::WriteFile(withMenus);
  int changes = 0;
  session.Data().OnSkinChanged = [&](TSkinData*) { ++changes; };
  session.Data().SetSkinFile(file);
  ASSERT_TRUE(WaitFor([&] { return changes == 1; }));
  std::remove(file.c_str());
  EXPECT_EQ(menus.Buttons().size(), 3u);
  EXPECT_TRUE(WaitFor([&] { return gui::WindowPixel(window, formskin::kLeftWidth + 2, BarBackgroundY()) == formskin::kMenuBar1; }));
  EXPECT_EQ(gui::ClientSize(window).cy, 180 - band);

  // Detach: the window shows its menu again with the client size it had.
  const SIZE client = gui::ClientSize(window);
  skin->DetachAndRestore();
  EXPECT_EQ(GetMenu(window), menu->Handle());
  EXPECT_EQ(gui::ClientSize(window).cx, client.cx);
  EXPECT_EQ(gui::ClientSize(window).cy, client.cy);
}

TEST(WinSkinMenuChange, RemovedMenuTakesTheBandAway) {
  gui::SkinnedSession session;
  TForm form(nullptr);
  auto* menu = new TMainMenu(&form);
  menu->Items().Add("&File")->Add("&Open");
  form.SetMainMenu(menu);
  form.SetBounds(80, 80, 100, 100);
  form.SetClientSize(300, 180);
  HWND window = form.Handle();
  form.Show();
  TWinSkinForm* skin = session.WaitSkinned(window);
  ASSERT_TRUE(skin && WinSkinMenuOf(*skin) && WinSkinMenuOf(*skin)->HasBar());
  form.SetMainMenu(nullptr);
  EXPECT_FALSE(WinSkinMenuOf(*skin)->HasBar());
  EXPECT_EQ(skin->Facts().menuBarHeight, 0);
  EXPECT_EQ(gui::ClientSize(window).cy, 180 + GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(GetMenu(window), nullptr);
}

TEST(WinSkinMenuChange, PlainWindowsMenuSetAfterSkinningIsTaken) {
  gui::SkinnedSession session;
  gui::TestWindow window(L"Menu later", 80, 80, 260, 140);
  window.ShowActive();
  TWinSkinForm* skin = session.WaitSkinned(window.Get());
  ASSERT_TRUE(skin && WinSkinMenuOf(*skin));
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 100, L"&Open");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  SetMenu(window.Get(), bar);  // the window owns the menu from here on
  ASSERT_TRUE(WaitFor([&] { return WinSkinMenuOf(*skin)->HasBar(); }));
  EXPECT_EQ(GetMenu(window.Get()), nullptr);
  EXPECT_EQ(skin->Facts().menuBarHeight, GetSystemMetrics(SM_CYMENU));
  ASSERT_EQ(WinSkinMenuOf(*skin)->Buttons().size(), 1u);
  EXPECT_EQ(WinSkinMenuOf(*skin)->Buttons()[0]->Caption, L"&File");
}

}  // namespace
