// TWinSkinMenu: opening a menu-bar button's menu and moving between top-level menus
// while one is open (see win_skin_menu.h). The tracking values are process-wide, since
// one menu is tracked at a time; the WH_MSGFILTER hook lives only while TrackPopupMenu
// runs. A switch ends the open menu (EndMenu) and the loop in Track opens the next one.
// The stops along the bar are a maximised MDI child's icon (its system menu), then the
// buttons; the keys move round them, wrapping at either end.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/hook.h"
#include "framework/menus.h"
#include "skin/data/skin_data.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"
#include "skin/forms/win_skin_menu.h"

struct TMenuTracking {
  TWinSkinMenu* bar = nullptr;  // the bar whose menu is open
  int openIndex = -1;           // a button's index, or the child's icon
  HMENU openMenu = nullptr;     // the menu open at the bar's level
  int target = -1;              // the stop to open next (a switch), -1: none
  bool byKeyboard = false;      // the next menu selects its first item
  POINT lastMouse{-1, -1};
  DWORD altEndedAt = 0;         // when Alt last ended a tracking (0: not lately)
  TWindowsHook hook;

  bool OnFilter(int code, LPARAM lParam);
  void SwitchTo(int index, bool keyboard);
  // The next (delta 1) or previous (-1) stop from the stop from, wrapping round.
  int NextStop(int from, int delta) const;
  // Around one TrackPopupMenu: the open stop and menu, the filter hook, and with
  // byKeyboard the first item selected.
  void Begin(int index, HMENU menu, bool byKeyboard);
  void End();
};

namespace {
TMenuTracking& Tracking() {
  static TMenuTracking tracking;
  return tracking;
}
}  // namespace

int TWinSkinMenu::OpenIndex() { return Tracking().openIndex; }

bool TWinSkinMenu::AltJustEndedTracking() {
  // The Alt release that follows the press which closed a menu must not start the
  // system's menu mode.
  TMenuTracking& t = Tracking();
  const bool recent = t.altEndedAt && GetTickCount() - t.altEndedAt < 1000;
  t.altEndedAt = 0;
  return recent;
}

void TMenuTracking::SwitchTo(int index, bool keyboard) {
  if (index == openIndex || (index < 0 && index != TWinSkinMenu::kChildIconIndex)) return;
  target = index;
  byKeyboard = keyboard;
  EndMenu();
}

int TMenuTracking::NextStop(int from, int delta) const {
  // The child's icon, then every visible button with a caption (and the one at from).
  std::vector<int> stops;
  if (bar->HasChildIcon()) stops.push_back(TWinSkinMenu::kChildIconIndex);
  const auto& buttons = bar->buttons_;
  for (size_t i = 0; i < buttons.size(); ++i) {
    const TMenuBtn& b = *buttons[i];
    const int index = static_cast<int>(i);
    if (index == from || (b.Visible && !b.Caption.empty() && b.Rect.right > b.Rect.left))
      stops.push_back(index);
  }
  const auto at = std::find(stops.begin(), stops.end(), from);
  if (at == stops.end()) return from;
  const int count = static_cast<int>(stops.size());
  const int position = static_cast<int>(at - stops.begin());
  return stops[static_cast<size_t>(((position + delta) % count + count) % count)];
}

void TMenuTracking::Begin(int index, HMENU menu, bool keyboard) {
  openIndex = index;
  openMenu = menu;
  bar->selectedMenu_ = nullptr;
  bar->selectedSubMenu_ = nullptr;
  bar->selectedHasSub = false;
  GetCursorPos(&lastMouse);
  hook.Install(WH_MSGFILTER, [](int code, WPARAM, LPARAM lParam, LRESULT& result) {
    if (!Tracking().OnFilter(code, lParam)) return false;
    result = 1;
    return true;
  });
  if (keyboard) PostMessageW(bar->window_, WM_KEYDOWN, VK_DOWN, 0);  // selects the first item
}

void TMenuTracking::End() {
  hook.Uninstall();
  openIndex = -1;
  openMenu = nullptr;
}

bool TMenuTracking::OnFilter(int code, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (!bar || !msg || code != MSGF_MENU) return false;
  switch (msg->message) {
    case WM_KEYDOWN: {
      WPARAM key = msg->wParam;
      if (key == VK_RETURN || key == VK_ESCAPE) {
        target = -1;
        return false;
      }
      // A right-to-left bar runs the other way.
      if (bar->RightToLeft() && (key == VK_LEFT || key == VK_RIGHT)) key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
      if (key == VK_LEFT) {
        // Only from the open menu's own level: deeper, left closes a sub-menu. The
        // child's system menu has no deeper level.
        if (openIndex == TWinSkinMenu::kChildIconIndex || !bar->selectedMenu_ ||
            bar->selectedMenu_ == openMenu || bar->selectedSubMenu_ == openMenu) {
          SwitchTo(NextStop(openIndex, -1), true);
          return true;
        }
      } else if (key == VK_RIGHT) {
        if (!bar->selectedHasSub) {
          SwitchTo(NextStop(openIndex, 1), true);
          return true;
        }
      }
      return false;
    }
    case WM_SYSKEYDOWN:
      if (msg->wParam == VK_MENU) {
        target = -1;
        altEndedAt = GetTickCount() | 1;
        EndMenu();
        return true;
      }
      return false;
    case WM_MOUSEMOVE: {
      // The cursor as it is now: a move queued before a switch carries an old point.
      POINT screen = msg->pt;
      GetCursorPos(&screen);
      if (screen.x == lastMouse.x && screen.y == lastMouse.y) return false;
      lastMouse = screen;
      RECT w{};
      GetWindowRect(bar->window_, &w);
      const POINT p{screen.x - w.left, screen.y - w.top};
      if (bar->HasChildIcon() && PtInRect(&bar->childIcon_, p)) {
        SwitchTo(TWinSkinMenu::kChildIconIndex, false);
        return false;
      }
      const TMenuBtn* under = bar->HitTest(p);
      if (under && under->Index != openIndex) SwitchTo(under->Index, false);
      return false;
    }
    default:
      return false;
  }
}

POINT TWinSkinMenu::ScreenPointOfBottom(const TMenuBtn& button) const {
  RECT w{};
  GetWindowRect(window_, &w);
  return POINT{w.left + (rightToLeft_ ? button.Rect.right : button.Rect.left), w.top + button.Rect.bottom};
}

void TWinSkinMenu::Open(TMenuBtn& first, bool byKeyboard) { Track(first.Index, byKeyboard); }

void TWinSkinMenu::Track(int index, bool byKeyboard) {
  TMenuTracking& t = Tracking();
  if (t.bar) return;  // one menu at a time
  t.bar = this;
  bool keyboard = byKeyboard;
  for (;;) {
    t.target = -1;
    if (index == kChildIconIndex && HasChildIcon())
      TrackChildSystemMenu(keyboard);
    else if (index >= 0 && index < static_cast<int>(buttons_.size()))
      TrackOnce(*buttons_[static_cast<size_t>(index)], keyboard);
    else
      break;
    index = t.target;
    keyboard = t.byKeyboard;
  }
  t.bar = nullptr;
  t.openIndex = -1;
  t.target = -1;
}

void TWinSkinMenu::TrackOnce(TMenuBtn& button, bool byKeyboard) {
  TMenuTracking& t = Tracking();
  // The button's own command first (a framework item's Click, or a plain item's choice);
  // an item with a sub-menu of another window has no command of its own.
  if (button.Command && (!button.SubMenu || button.Item)) {
    PostMessageW(window_, WM_COMMAND, button.Command, 0);
  }
  if (!button.SubMenu) {
    button.Press();
    button.Release();
    return;
  }
  t.openIndex = button.Index;
  const bool drawItems = skin_ && (HasControl(skin_->SkinControls, xcMenuItem) ||
                                   HasControl(skin_->SkinControls, xcMainMenu));
  if (drawItems) ownerDrawn_.Take(button.SubMenu, true);
  button.Press();
  windowSkin_.SetMenuTracking(true);
  manager_.SetMenuKind(1);
  manager_.SetMenuBarTracking(true);
  t.Begin(button.Index, button.SubMenu, byKeyboard);
  if (button.Enabled) {
    const POINT at = ScreenPointOfBottom(button);
    UINT flags = TPM_RIGHTBUTTON | (rightToLeft_ ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
    TrackPopupMenu(button.SubMenu, flags, at.x, at.y, 0, window_, nullptr);
  }
  t.End();
  manager_.SetMenuBarTracking(false);
  manager_.SetMenuKind(0);
  windowSkin_.SetMenuTracking(false);
  ownerDrawn_.RestoreAll();
  if (button.State == ncPressed) button.Leave();
}

void TWinSkinMenu::TrackChildSystemMenu(bool byKeyboard) {
  TMenuTracking& t = Tracking();
  HWND child = mdiChild_;
  HMENU system = GetSystemMenu(child, FALSE);
  if (!system) return;
  windowSkin_.SetMenuTracking(true);
  t.Begin(kChildIconIndex, system, byKeyboard);
  const UINT command = RunChildSystemMenu(system);
  t.End();
  windowSkin_.SetMenuTracking(false);
  if (command && IsWindow(child)) PostMessageW(child, WM_SYSCOMMAND, command, 0);
}
