// MDI menus of a skinned framework frame under Wine: the active child's main menu merged
// into the frame's bar by GroupIndex (its items reach their OnClick through the frame),
// a maximised child's icon opening the child's system menu (by a click, and as a stop of
// the left and right keys and of the mouse moving along the open bar) and its minimise,
// restore and close buttons drawn in the bar, the bar back to the frame's own items when
// the child goes, and the frame's menu given back without the system's MDI items.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/form.h"
#include "framework/menus.h"
#include "gui_support.h"
#include "skin/forms/win_skin_menu.h"

namespace {

using gui::WaitFor;

std::vector<std::wstring> Captions(const TWinSkinMenu& menus) {
  std::vector<std::wstring> captions;
  for (const auto& button : menus.Buttons()) {
    if (!button->Caption.empty()) captions.push_back(button->Caption);
  }
  return captions;
}

bool HasIcon(const TWinSkinMenu& menus) {
  const RECT r = menus.ChildIconRect();
  return r.right > r.left;
}

// The menu a pop-up menu window shows when one opens in a menu loop (a timer that the
// loop dispatches looks, then closes it).
struct PopupWatch {
  static HMENU shown;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND popup = gui::VisiblePopupMenu();
    if (!popup) return;
    shown = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    EndMenu();
  }
};
HMENU PopupWatch::shown = nullptr;

TEST(WinSkinMdiMenu, ChildMenuMergedAndMaximisedChildInTheBar) {
  formskin::Options options;
  options.withMenus = true;
  gui::SkinnedSession session(options);
  TForm frame(nullptr);
  frame.FormStyle = fsMDIForm;
  auto* frameMenu = new TMainMenu(&frame);
  frameMenu->Items().Add("&File")->Add("&New");
  TMenuItem* windowItem = frameMenu->Items().Add("&Window");
  windowItem->SetGroupIndex(9);
  windowItem->Add("&Cascade");
  frame.SetMainMenu(frameMenu);
  frame.SetBounds(40, 40, 560, 420);
  HWND frameWindow = frame.Handle();
  frame.Show();
  TWinSkinForm* frameSkin = session.WaitSkinned(frameWindow);
  ASSERT_TRUE(frameSkin && WinSkinMenuOf(*frameSkin) && WinSkinMenuOf(*frameSkin)->HasBar());
  TWinSkinMenu& bar = *WinSkinMenuOf(*frameSkin);
  EXPECT_EQ(Captions(bar), (std::vector<std::wstring>{L"&File", L"&Window"}));

  // The active child's menu shows between the frame's items by GroupIndex.
  int copies = 0;
  auto* child = new TForm(nullptr);
  child->FormStyle = fsMDIChild;
  child->MDIFrame = &frame;
  auto* childMenu = new TMainMenu(child);
  TMenuItem* edit = childMenu->Items().Add("&Edit");
  edit->SetGroupIndex(1);
  TMenuItem* copy = edit->Add("&Copy", 0, [&](TMenuItem&) { ++copies; });
  child->SetMainMenu(childMenu);
  child->SetBounds(10, 10, 240, 160);
  HWND childWindow = child->Handle();
  ASSERT_TRUE(session.WaitSkinned(childWindow));
  ASSERT_TRUE(WaitFor([&] { return Captions(bar).size() == 3; }));
  EXPECT_EQ(Captions(bar), (std::vector<std::wstring>{L"&File", L"&Edit", L"&Window"}));
  EXPECT_EQ(GetMenu(frameWindow), nullptr);
  PostMessageW(frameWindow, WM_COMMAND, copy->Command(), 0);
  EXPECT_TRUE(WaitFor([&] { return copies == 1; }));

  // Maximised: the child's icon leads the bar, its buttons sit at the bar's end.
  HWND client = frame.ClientHandle();
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(childWindow), 0);
  ASSERT_TRUE(WaitFor([&] { return session.Manager().MdiMaximised() && HasIcon(bar); }));
  const RECT icon = bar.ChildIconRect();
  EXPECT_GE(bar.Buttons()[0]->Rect.left, icon.right);
  const RECT w = gui::WindowRect(frameWindow);
  const int barMiddle = (bar.BarRect().top + bar.BarRect().bottom) / 2;
  const int closeX = (w.right - w.left) - formskin::kRightWidth - 16 + 6;  // the close button's middle
  EXPECT_TRUE(WaitFor([&] { return gui::WindowPixel(frameWindow, closeX, barMiddle) == formskin::kMdiButton[2]; }));
  // The client sets the frame's menu again (adding its items for the maximised child):
  // the bar keeps the menu's own items only.
  SendMessageW(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(frameMenu->Handle()), 0);
  EXPECT_EQ(GetMenu(frameWindow), nullptr);
  EXPECT_EQ(bar.Buttons().size(), 3u);
  EXPECT_EQ(GetMenuItemCount(frameMenu->Handle()), 3) << "no items of the system's for the child";

  // A click on the icon opens the child's system menu.
  PopupWatch::shown = nullptr;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &PopupWatch::Tick);
  gui::Click(POINT{w.left + (icon.left + icon.right) / 2, w.top + (icon.top + icon.bottom) / 2});
  EXPECT_TRUE(WaitFor([] { return PopupWatch::shown != nullptr; }));
  KillTimer(nullptr, timer);
  EXPECT_EQ(PopupWatch::shown, GetSystemMenu(childWindow, FALSE));

  // Along the open bar the icon is the stop before File: left from File opens the
  // child's system menu, left again the last menu; right from the last menu comes back
  // to the icon and right again to File. The mouse moving onto the icon opens it too.
  constexpr int kIcon = TWinSkinMenu::kChildIconIndex;
  const HMENU childSystem = GetSystemMenu(childWindow, FALSE);
  auto opened = [](int index, HMENU menu) {
    return [index, menu] {
      HWND popup = gui::VisiblePopupMenu();
      return TWinSkinMenu::OpenIndex() == index && popup &&
             (!menu || reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)) == menu);
    };
  };
  gui::InputSteps steps([] { return "open " + std::to_string(TWinSkinMenu::OpenIndex()); });
  gui::Drive([&] {
    const RECT file = bar.Buttons()[0]->Rect;
    gui::Click(POINT{w.left + (file.left + file.right) / 2, w.top + (file.top + file.bottom) / 2});
    steps.Check(gui::Poll(opened(0, nullptr)), "File opened");
    steps.Step([] { gui::Key(VK_LEFT); }, opened(kIcon, childSystem), "left from File opens the icon's menu");
    steps.Step([] { gui::Key(VK_LEFT); }, opened(2, nullptr), "left from the icon opens Window");
    steps.Step([] { gui::Key(VK_RIGHT); }, opened(kIcon, childSystem), "right from Window opens the icon's menu");
    steps.Step([] { gui::Key(VK_RIGHT); }, opened(0, nullptr), "right from the icon opens File");
    const POINT middle{w.left + (icon.left + icon.right) / 2, w.top + (icon.top + icon.bottom) / 2};
    steps.Step([&] {
                 gui::MoveMouse(POINT{middle.x + 2, middle.y});
                 gui::MoveMouse(middle);
               },
               opened(kIcon, childSystem), "the mouse onto the icon opens its menu", 4);
    gui::Key(VK_ESCAPE);
    steps.Check(gui::Poll([] { return TWinSkinMenu::OpenIndex() == -1 && !gui::VisiblePopupMenu(); }),
                "Escape closes the menu");
  });
  EXPECT_EQ(steps.Failure(), "");
  EXPECT_TRUE(IsWindow(childWindow)) << "no command reached the child";

  // The close button in the bar closes the child: the bar has the frame's items again.
  gui::Click(POINT{w.left + closeX, w.top + barMiddle});
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(childWindow); }));
  EXPECT_TRUE(WaitFor([&] { return Captions(bar).size() == 2; }));
  EXPECT_TRUE(WaitFor([&] { return !HasIcon(bar); }));
  delete child;

  frameSkin->DetachAndRestore();
  EXPECT_EQ(GetMenu(frameWindow), frameMenu->Handle());
  EXPECT_EQ(GetMenuItemCount(frameMenu->Handle()), 2);
  gui::MoveMouse(POINT{5, 700});
}

}  // namespace

namespace {

// The items a system adds to a frame's menu for a maximised child go; the menu's own
// items (a sub-menu with a close command among them) stay.
TEST(WinSkinMdiMenu, SystemItemsForAMaximisedChildAreTakenOut) {
  HMENU menu = CreateMenu();
  HMENU childSystem = CreatePopupMenu();
  AppendMenuW(childSystem, MF_STRING, SC_RESTORE, L"&Restore");
  AppendMenuW(childSystem, MF_STRING, SC_CLOSE, L"&Close");
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, SC_CLOSE, L"E&xit");
  HBITMAP picture = CreateBitmap(16, 16, 1, 32, nullptr);
  AppendMenuW(menu, MF_POPUP | MF_BITMAP, reinterpret_cast<UINT_PTR>(childSystem),
              reinterpret_cast<LPCWSTR>(picture));
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(menu, MF_STRING, 7, L"&Plain");
  AppendMenuW(menu, MF_HELP | MF_BITMAP, SC_CLOSE, reinterpret_cast<LPCWSTR>(HBMMENU_MBAR_CLOSE));
  AppendMenuW(menu, MF_HELP | MF_BITMAP, SC_RESTORE, reinterpret_cast<LPCWSTR>(HBMMENU_MBAR_RESTORE));
  AppendMenuW(menu, MF_HELP | MF_BITMAP, SC_MINIMIZE, reinterpret_cast<LPCWSTR>(HBMMENU_MBAR_MINIMIZE));
  RemoveMdiFrameItems(menu);
  ASSERT_EQ(GetMenuItemCount(menu), 2);
  EXPECT_EQ(GetSubMenu(menu, 0), file);
  EXPECT_EQ(GetMenuItemID(menu, 1), 7u);
  EXPECT_EQ(GetObjectType(picture), 0u) << "the icon picture is freed";
  EXPECT_TRUE(IsMenu(childSystem)) << "the child's system menu is the child's";
  DestroyMenu(childSystem);
  DestroyMenu(menu);
}

}  // namespace
