// Skinned menus under Wine with real input: a framework form's menu bar taken off the
// window and drawn in its band, a click opening a skinned drop-down with owner-drawn
// items and tidied separators, moving along the bar with keys and the mouse (wrapping,
// an empty caption skipped), Alt ending the tracking, an accelerator opening its menu,
// OnClick once per choice, a skinned context menu, and detach giving the menu back.
// The menu loops are modal: a driver thread makes the input and watches while the test
// thread pumps messages (gui::Drive).
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>

#include "framework/form.h"
#include "framework/menus.h"
#include "gui_support.h"
#include "skin/data/image_utils.h"
#include "skin/controls/skin_messages.h"
#include "skin/forms/win_skin_menu.h"

namespace {

using gui::Drive;
using gui::Key;
using gui::Poll;
using gui::VisiblePopupMenu;
using gui::WaitFor;

POINT Centre(HWND window, const RECT& r) {
  const RECT w = gui::WindowRect(window);
  return POINT{w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2};
}

struct MenuForm {
  TForm form{nullptr};
  TMainMenu* menu = new TMainMenu(&form);
  TPopupMenu* popup = new TPopupMenu(&form);
  TMenuItem* file = nullptr;
  std::atomic<int> copies{0};
  std::atomic<int> refreshes{0};

  MenuForm() {
    file = menu->Items().Add("&File");
    file->Add("-");
    file->Add("&Open");
    file->Add("-");
    file->Add("-");
    file->Add("-");
    file->Add("&Save");
    file->Add("-");
    TMenuItem* edit = menu->Items().Add("&Edit");
    edit->Add("&Copy", scCtrl | 'C', [this](TMenuItem&) { ++copies; });
    edit->Add("&Paste")->SetEnabled(false);
    menu->Items().Add("");  // an empty caption: never hit
    menu->Items().Add("&Help")->Add("&About");
    popup->Items().Add("&Refresh", VK_F5, [this](TMenuItem&) { ++refreshes; });
    form.SetMainMenu(menu);
    form.PopupMenu = popup;
    form.SetBounds(80, 80, 100, 100);
    form.SetClientSize(320, 200);
  }
};

// A right-to-left form.
class TRtlForm : public TForm {
 public:
  TRtlForm() : TForm(nullptr) {}

 protected:
  void CreateParams(TCreateParams& params) override {
    TForm::CreateParams(params);
    params.ExStyle |= WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT | WS_EX_RTLREADING;
  }
};

}  // namespace

TEST(WinSkinMenu, BarDropDownsNavigationAcceleratorsContextMenuAndDetach) {
  gui::SkinnedSession session;
  MenuForm f;
  HWND window = f.form.Handle();
  HMENU bar = f.form.Menu();
  ASSERT_TRUE(bar);
  f.form.Show();
  TWinSkinForm* skin = session.WaitSkinned(window);
  ASSERT_TRUE(skin);
  TWinSkinMenu* menus = WinSkinMenuOf(*skin);
  ASSERT_TRUE(menus && menus->HasBar());
  // The bar is off the window, the client size stays.
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(gui::ClientSize(window).cx, 320);
  EXPECT_EQ(gui::ClientSize(window).cy, 200);
  ASSERT_EQ(menus->Buttons().size(), 4u);

  // The band is filled with the bar colour; the buttons lie in it, the empty one is
  // never hit.
  const TColor barColour = ResolveColour(session.Data().Colours.Menubar);
  const int bandY = formskin::kTopHeight + 2;
  ASSERT_TRUE(WaitFor([&] { return gui::WindowPixel(window, formskin::kLeftWidth + 2, bandY) == barColour; }));
  const TMenuBtn& fileButton = *menus->Buttons()[0];
  EXPECT_GE(fileButton.Rect.top, formskin::kTopHeight);
  EXPECT_GT(fileButton.Rect.right, fileButton.Rect.left);
  const TMenuBtn& empty = *menus->Buttons()[2];
  EXPECT_EQ(empty.Rect.right, empty.Rect.left);
  EXPECT_NE(menus->HitTest(POINT{empty.Rect.left, empty.Rect.top + 2}), &empty);

  // Hover: a frame in ButtonHilight around the button.
  const TColor hilight = ResolveColour(session.Data().Colours.ButtonHilight);
  gui::MoveMouse(Centre(window, fileButton.Rect));
  EXPECT_TRUE(WaitFor([&] { return gui::WindowPixel(window, fileButton.Rect.left, fileButton.Rect.top + 3) == hilight; }));

  gui::InputSteps steps([] {
    return "open " + std::to_string(TWinSkinMenu::OpenIndex()) +
           (VisiblePopupMenu() ? ", a pop-up shows" : "");
  });
  Drive([&] {
    const RECT w = gui::WindowRect(window);
    // A click opens the drop-down, skinned, its items drawn by the skin and the
    // separators tidied (one between Open and Save, none at the ends).
    gui::Click(Centre(window, fileButton.Rect));
    HWND popup = nullptr;
    if (steps.Check(Poll([&] { return (popup = VisiblePopupMenu()) != nullptr; }), "drop-down opened") &&
        steps.Check(TWinSkinMenu::OpenIndex() == 0, "File is open")) {
      steps.Check(SendMessageW(popup, skinmsg::kQuerySkinned, 0, 0) == 1, "drop-down skinned");
      steps.Check(GetMenuItemCount(f.file->Handle()) == 3, "separators tidied");
      RECT p{};
      GetWindowRect(popup, &p);
      const TColor menuColour = formskin::kMenu;
      steps.Check(Poll([&] {
                    HDC dc = GetWindowDC(popup);
                    bool seen = false;
                    for (int y = 4; y < p.bottom - p.top - 4 && !seen; y += 2)
                      seen = GetPixel(dc, (p.right - p.left) - 8, y) == static_cast<COLORREF>(menuColour);
                    ReleaseDC(popup, dc);
                    return seen;
                  }),
                  "items drawn in the skin's menu colour");
    }
    // Right on a plain item: the next menu; the empty caption is skipped; right on the
    // last menu wraps to the first; left goes back.
    steps.Step([] { Key(VK_RIGHT); }, [] { return TWinSkinMenu::OpenIndex() == 1 && VisiblePopupMenu(); },
               "right opens Edit");
    steps.Step([] { Key(VK_RIGHT); }, [] { return TWinSkinMenu::OpenIndex() == 3 && VisiblePopupMenu(); },
               "right skips the empty button");
    steps.Step([] { Key(VK_RIGHT); }, [] { return TWinSkinMenu::OpenIndex() == 0 && VisiblePopupMenu(); },
               "right on the last wraps");
    steps.Step([] { Key(VK_LEFT); }, [] { return TWinSkinMenu::OpenIndex() == 3 && VisiblePopupMenu(); },
               "left from the first wraps");
    // The mouse moves to another button: its menu opens.
    const POINT edit = Centre(window, menus->Buttons()[1]->Rect);
    steps.Step([&] {
                 gui::MoveMouse(POINT{edit.x - 2, edit.y});
                 gui::MoveMouse(edit);
               },
               [] { return TWinSkinMenu::OpenIndex() == 1; }, "mouse moves to Edit", 4);
    // Alt ends the tracking.
    Key(VK_MENU);
    steps.Check(Poll([] { return TWinSkinMenu::OpenIndex() == -1 && !VisiblePopupMenu(); }), "Alt ends tracking");
    gui::MoveMouse(POINT{w.left + 200, w.top + 150});
    // Alt+E opens Edit; Enter chooses its first item: Copy's OnClick runs once.
    gui::KeyChord(VK_MENU, 'E');
    steps.Check(Poll([] { return TWinSkinMenu::OpenIndex() == 1 && VisiblePopupMenu(); }), "accelerator opens Edit");
    Key(VK_RETURN);
    steps.Check(Poll([&] { return TWinSkinMenu::OpenIndex() == -1 && f.copies == 1; }), "Copy chosen once");
    // A right click in the client area opens the context menu, skinned.
    gui::Click(POINT{w.left + 200, w.top + 150}, true);
    if (steps.Check(Poll([&] { return (popup = VisiblePopupMenu()) != nullptr; }), "context menu opened")) {
      steps.Check(SendMessageW(popup, skinmsg::kQuerySkinned, 0, 0) == 1, "context menu skinned");
      Key(VK_DOWN);
      Key(VK_RETURN);
      steps.Check(Poll([&] { return f.refreshes == 1 && !VisiblePopupMenu(); }), "Refresh chosen once");
    }
  });
  EXPECT_EQ(steps.Failure(), "");
  EXPECT_EQ(f.copies, 1);
  gui::PumpFor(50);
  EXPECT_EQ(f.copies, 1);

  // Detach: the window gets its menu again with the same client size.
  skin->DetachAndRestore();
  EXPECT_EQ(GetMenu(window), bar);
  EXPECT_EQ(gui::ClientSize(window).cx, 320);
  EXPECT_EQ(gui::ClientSize(window).cy, 200);
}

TEST(FrameworkMenus, SeparatorsTidyAcceleratorsShortcutsAndRadioGroups) {
  TPopupMenu menu(nullptr);
  TMenuItem& root = menu.Items();
  root.Add("-");
  TMenuItem* a = root.Add("&Alpha");
  root.Add("-");
  root.Add("-");
  TMenuItem* b = root.Add("B&eta", scCtrl | 'B');
  root.Add("-");
  root.TidySeparators();
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 3);
  EXPECT_EQ(AcceleratorOf(L"B&eta"), L'E');
  EXPECT_EQ(AcceleratorOf(L"A&&B"), 0);
  EXPECT_TRUE(IsAccel(L'e', L"B&eta"));
  EXPECT_EQ(ShortCutToText(scCtrl | 'B'), L"Ctrl+B");
  EXPECT_EQ(ShortCutToText(scShift | VK_F5), L"Shift+F5");
  wchar_t text[64] = {};
  GetMenuStringW(menu.Handle(), b->Command(), text, 64, MF_BYCOMMAND);
  EXPECT_EQ(std::wstring(text), L"B&eta\tCtrl+B");
  a->SetRadioItem(true);
  b->SetRadioItem(true);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_EQ(GetMenuState(menu.Handle(), b->Command(), MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
  EXPECT_EQ(FindMenuItem(b->Command()), b);
  const UINT command = b->Command();
  b->Free();
  EXPECT_EQ(FindMenuItem(command), nullptr);
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 2);
}

TEST(WinSkinMenu, RightToLeftBarFromTheMenuBarPictureKeysSwappedPopupBordered) {
  formskin::Options options;
  options.withMenus = true;
  gui::SkinnedSession session(options);
  TRtlForm form;
  auto* menu = new TMainMenu(&form);
  menu->RightToLeft = true;
  menu->Items().Add("&One")->Add("Item &a");
  menu->Items().Add("&Two")->Add("Item &b");
  form.SetMainMenu(menu);
  form.SetBounds(80, 80, 100, 100);
  form.SetClientSize(320, 160);
  HWND window = form.Handle();
  form.Show();
  TWinSkinForm* skin = session.WaitSkinned(window);
  ASSERT_TRUE(skin && WinSkinMenuOf(*skin) && WinSkinMenuOf(*skin)->HasBar());
  TWinSkinMenu& menus = *WinSkinMenuOf(*skin);
  // The band shows the active cell of the menu-bar picture; buttons run from the right.
  const int bandY = formskin::kTopHeight + 2;
  ASSERT_TRUE(WaitFor([&] { return gui::WindowPixel(window, formskin::kLeftWidth + 4, bandY) == formskin::kMenuBar1; }));
  const RECT one = menus.Buttons()[0]->Rect, two = menus.Buttons()[1]->Rect;
  EXPECT_GT(one.left, two.left);
  const RECT w = gui::WindowRect(window);
  EXPECT_GT(one.right, (w.right - w.left) / 2);

  std::string failure;
  Drive([&] {
    gui::Click(Centre(window, one));
    HWND popup = nullptr;
    if (!Poll([&] { return (popup = VisiblePopupMenu()) != nullptr && TWinSkinMenu::OpenIndex() == 0; })) {
      failure = "menu One opened";
    } else {
      // The pop-up's border comes from MenuBackground.
      if (!Poll([&] {
            HDC dc = GetWindowDC(popup);
            const COLORREF c = GetPixel(dc, 1, 6);
            ReleaseDC(popup, dc);
            return c == static_cast<COLORREF>(formskin::kMenuBack);
          })) {
        failure = "pop-up border from MenuBackground";
      }
      // Left moves on in a right-to-left bar.
      Key(VK_LEFT);
      if (failure.empty() && !Poll([] { return TWinSkinMenu::OpenIndex() == 1; })) failure = "left opens Two";
      Key(VK_ESCAPE);
      Poll([] { return TWinSkinMenu::OpenIndex() == -1 && !VisiblePopupMenu(); });
    }
  });
  EXPECT_EQ(failure, "");
}
