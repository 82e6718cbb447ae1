// TWinSkinMenu: opening a menu-bar button's menu and moving between top-level menus
// while one is open (see win_skin_menu.h). The tracking values are process-wide, since
// one menu is tracked at a time; the WH_MSGFILTER hook lives only while TrackPopupMenu
// runs. A switch ends the open menu (EndMenu) and the loop in Open opens the next one.
#include <windows.h>

#include "framework/hook.h"
#include "framework/menus.h"
#include "skin/data/skin_data.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"
#include "skin/forms/win_skin_menu.h"

struct TMenuTracking {
  TWinSkinMenu* bar = nullptr;  // the bar whose menu is open
  int openIndex = -1;
  int target = -1;              // the button to open next (a switch), -1: none
  bool byKeyboard = false;      // the next menu selects its first item
  POINT lastMouse{-1, -1};
  DWORD altEndedAt = 0;         // when Alt last ended a tracking (0: not lately)
  TWindowsHook hook;

  bool OnFilter(int code, LPARAM lParam);
  void SwitchTo(int index, bool keyboard);
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
  if (index == openIndex || index < 0) return;
  target = index;
  byKeyboard = keyboard;
  EndMenu();
}

bool TMenuTracking::OnFilter(int code, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (!bar || !msg || code != MSGF_MENU) return false;
  const auto& buttons = bar->buttons_;
  const int count = static_cast<int>(buttons.size());
  if (count == 0) return false;
  // The next and previous visible, enabled button with a caption, wrapping round.
  auto step = [&](int from, int delta) {
    for (int i = 1; i <= count; ++i) {
      const int index = ((from + delta * i) % count + count) % count;
      const TMenuBtn& b = *buttons[static_cast<size_t>(index)];
      if (b.Visible && !b.Caption.empty() && b.Rect.right > b.Rect.left) return index;
    }
    return from;
  };
  switch (msg->message) {
    case WM_KEYDOWN: {
      WPARAM key = msg->wParam;
      if (key == VK_RETURN || key == VK_ESCAPE) {
        target = -1;
        return false;
      }
      // A right-to-left bar runs the other way.
      if (bar->RightToLeft() && (key == VK_LEFT || key == VK_RIGHT)) key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
      const HMENU open = buttons[static_cast<size_t>(openIndex)]->SubMenu;
      if (key == VK_LEFT) {
        // Only from the open menu's own level: deeper, left closes a sub-menu.
        if (!bar->selectedMenu_ || bar->selectedMenu_ == open || bar->selectedSubMenu_ == open) {
          SwitchTo(step(openIndex, -1), true);
          return true;
        }
      } else if (key == VK_RIGHT) {
        if (!bar->selectedHasSub) {
          SwitchTo(step(openIndex, 1), true);
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
      const TMenuBtn* under = bar->HitTest(POINT{screen.x - w.left, screen.y - w.top});
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

void TWinSkinMenu::Open(TMenuBtn& first, bool byKeyboard) {
  TMenuTracking& t = Tracking();
  if (t.bar) return;  // one menu at a time
  t.bar = this;
  int index = first.Index;
  bool keyboard = byKeyboard;
  while (index >= 0 && index < static_cast<int>(buttons_.size())) {
    t.target = -1;
    TrackOnce(*buttons_[static_cast<size_t>(index)], keyboard);
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
  selectedMenu_ = nullptr;
  selectedSubMenu_ = nullptr;
  selectedHasSub = false;
  const bool drawItems = skin_ && (HasControl(skin_->SkinControls, xcMenuItem) ||
                                   HasControl(skin_->SkinControls, xcMainMenu));
  if (drawItems) ownerDrawn_.Take(button.SubMenu, true);
  button.Press();
  windowSkin_.SetMenuTracking(true);
  manager_.SetMenuKind(1);
  manager_.SetMenuBarTracking(true);
  GetCursorPos(&t.lastMouse);
  t.hook.Install(WH_MSGFILTER, [](int code, WPARAM, LPARAM lParam, LRESULT& result) {
    if (!Tracking().OnFilter(code, lParam)) return false;
    result = 1;
    return true;
  });
  if (byKeyboard) PostMessageW(window_, WM_KEYDOWN, VK_DOWN, 0);  // selects the first item
  if (button.Enabled) {
    const POINT at = ScreenPointOfBottom(button);
    UINT flags = TPM_RIGHTBUTTON | (rightToLeft_ ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
    TrackPopupMenu(button.SubMenu, flags, at.x, at.y, 0, window_, nullptr);
  }
  t.hook.Uninstall();
  manager_.SetMenuBarTracking(false);
  manager_.SetMenuKind(0);
  windowSkin_.SetMenuTracking(false);
  t.openIndex = -1;
  ownerDrawn_.RestoreAll();
  if (button.State == ncPressed) button.Leave();
}
