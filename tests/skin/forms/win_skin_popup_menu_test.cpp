// Framework menus in a skinned window under Wine with real input: a context menu whose
// Tag is the skin's DisableTag keeps the system's look (its pop-up window and items are
// not skinned) while an untagged one is skinned; menu items' shortcuts reach their
// OnClick once from the keyboard (also Alt shortcuts beside the bar's accelerators, and
// items merged from an MDI child), disabled items' never; message 13592 opens the bar's
// menu under a screen point.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/menus.h"
#include "gui_support.h"
#include "skin/controls/skin_messages.h"
#include "skin/forms/win_skin_menu.h"

namespace {

using gui::Key;
using gui::VisiblePopupMenu;
using gui::WaitFor;

// Pumps messages as the application's loop does (menu shortcuts first) until done()
// holds or limitMs passed.
bool PumpUntil(const std::function<bool()>& done, int limitMs = 3000) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (IsMenuShortCut(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    if (GetTickCount() - start > static_cast<DWORD>(limitMs)) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Shows the form with a client area of 300 x 160 and waits until the skin has it; the
// window's skin, or null when it never comes.
TWinSkinForm* ShowSkinned(gui::SkinnedSession& session, TForm& form) {
  form.SetBounds(80, 80, 100, 100);
  form.SetClientSize(300, 160);
  HWND window = form.Handle();
  form.Show();
  return session.WaitSkinned(window);
}

// What an open context menu looks like (a timer that the menu's loop dispatches looks,
// then closes it).
struct PopupLook {
  static bool seen, skinned, ownerDrawn;
  static HMENU menu;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND popup = VisiblePopupMenu();
    if (!popup || seen) return;
    skinned = SendMessageW(popup, skinmsg::kQuerySkinned, 0, 0) == 1;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, 0, TRUE, &info);
    ownerDrawn = (info.fType & MFT_OWNERDRAW) != 0;
    seen = true;
    EndMenu();
  }
};
bool PopupLook::seen = false, PopupLook::skinned = false, PopupLook::ownerDrawn = false;
HMENU PopupLook::menu = nullptr;

TEST(WinSkinPopupMenu, DisableTagKeepsTheSystemsLook) {
  gui::SkinnedSession session;
  TForm form(nullptr);
  auto* popup = new TPopupMenu(&form);
  popup->Items().Add("&Refresh");
  popup->Tag = session.Data().DisableTag;
  form.PopupMenu = popup;
  ASSERT_TRUE(ShowSkinned(session, form));
  HWND window = form.Handle();
  const POINT inside = gui::ScreenPoint(window, 150, 100);
  PopupLook::menu = popup->Handle();
  for (const bool tagged : {true, false}) {
    popup->Tag = tagged ? session.Data().DisableTag : 0;
    PopupLook::seen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &PopupLook::Tick);
    gui::Click(inside, true);
    EXPECT_TRUE(WaitFor([] { return PopupLook::seen; })) << "context menu opened";
    KillTimer(nullptr, timer);
    EXPECT_EQ(PopupLook::skinned, !tagged) << (tagged ? "tagged" : "untagged") << " pop-up window";
    EXPECT_EQ(PopupLook::ownerDrawn, !tagged) << (tagged ? "tagged" : "untagged") << " items";
    WaitFor([] { return !VisiblePopupMenu(); });
  }
  gui::MoveMouse(POINT{5, 700});
}

TEST(WinSkinPopupMenu, ShortCutsReachOnClickOnceFromTheKeyboard) {
  gui::SkinnedSession session;
  TForm form(nullptr);
  auto* menu = new TMainMenu(&form);
  int saves = 0, finds = 0, deletes = 0, refreshes = 0;
  TMenuItem* file = menu->Items().Add("&File");
  file->Add("&Save", scCtrl | 'S', [&](TMenuItem&) { ++saves; });
  file->Add("&Find", scAlt | 'F', [&](TMenuItem&) { ++finds; });
  file->Add("&Delete", scCtrl | 'D', [&](TMenuItem&) { ++deletes; })->SetEnabled(false);
  auto* popup = new TPopupMenu(&form);
  popup->Items().Add("&Refresh", VK_F5, [&](TMenuItem&) { ++refreshes; });
  form.SetMainMenu(menu);
  form.PopupMenu = popup;
  ASSERT_TRUE(ShowSkinned(session, form));
  HWND window = form.Handle();
  SetForegroundWindow(window);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window; }));

  gui::KeyChord(VK_CONTROL, 'S');
  EXPECT_TRUE(PumpUntil([&] { return saves == 1; }));
  Key(VK_F5);
  EXPECT_TRUE(PumpUntil([&] { return refreshes == 1; }));
  // Alt+F is the item's shortcut although File's accelerator is F: no menu opens.
  gui::KeyChord(VK_MENU, 'F');
  EXPECT_TRUE(PumpUntil([&] { return finds == 1; }));
  gui::KeyChord(VK_CONTROL, 'D');
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(TWinSkinMenu::OpenIndex(), -1);
  EXPECT_EQ(VisiblePopupMenu(), nullptr);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(finds, 1);
  EXPECT_EQ(deletes, 0) << "a disabled item";
  if (HWND open = VisiblePopupMenu()) EndMenu(), (void)open;
}

// The bar's open button seen from inside the menu loop (then the menu is closed).
struct OpenWatch {
  static int index;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!VisiblePopupMenu() || index >= 0) return;
    index = TWinSkinMenu::OpenIndex();
    EndMenu();
  }
};
int OpenWatch::index = -1;

TEST(WinSkinPopupMenu, OpenMenuAtAScreenPoint) {
  gui::SkinnedSession session;
  TForm form(nullptr);
  auto* menu = new TMainMenu(&form);
  menu->Items().Add("&File")->Add("&Open");
  menu->Items().Add("&Edit")->Add("&Copy");
  form.SetMainMenu(menu);
  TWinSkinForm* skin = ShowSkinned(session, form);
  HWND window = form.Handle();
  ASSERT_TRUE(skin && WinSkinMenuOf(*skin) && WinSkinMenuOf(*skin)->HasBar());
  ASSERT_TRUE(WaitFor([&] { return WinSkinMenuOf(*skin)->Buttons()[1]->Rect.right > 0; }));
  const RECT edit = WinSkinMenuOf(*skin)->Buttons()[1]->Rect;
  const POINT at = gui::ScreenPoint(window, (edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2);
  OpenWatch::index = -1;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &OpenWatch::Tick);
  PostMessageW(window, skinmsg::kOpenMenuAt, 0, MAKELPARAM(at.x, at.y));
  EXPECT_TRUE(WaitFor([] { return OpenWatch::index >= 0; }));
  KillTimer(nullptr, timer);
  EXPECT_EQ(OpenWatch::index, 1);
}

}  // namespace
