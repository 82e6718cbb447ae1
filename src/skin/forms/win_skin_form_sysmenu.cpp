// TWinSkinForm: the skinned system menu, opened by the icon button, a right click on the
// caption and Alt+Space (see win_skin_form.h). On the NT family before version 5 it
// holds fixed items; elsewhere it copies the window's system menu item by item.
#include <string>
#include <vector>

#include "framework/user_handles.h"
#include "skin/forms/menu_item_paint.h"
#include "skin/forms/platform_version.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"

namespace {

// The fixed items' tags: what choosing them does.
constexpr UINT kFixedRestore = 1, kFixedMaximise = 2, kFixedMinimise = 3, kFixedClose = 4;

// Appends an owner-drawn item; its data is its place in items (plus one).
void AddItem(HMENU menu, UINT id, std::vector<TSkinMenuItem>& items, TSkinMenuItem item) {
  const UINT flags = MF_OWNERDRAW | (item.enabled ? MF_ENABLED : MF_GRAYED) |
                     (item.checked ? MF_CHECKED : 0) | (item.IsSeparator() ? MF_DISABLED : 0);
  items.push_back(std::move(item));
  AppendMenuW(menu, flags, id, reinterpret_cast<LPCWSTR>(items.size()));
}

TSkinMenuItem Item(const wchar_t* caption, int image, bool enabled,
                   const wchar_t* shortcut = L"") {
  TSkinMenuItem item;
  item.caption = caption;
  item.imageIndex = image;
  item.enabled = enabled;
  item.shortcut = shortcut;
  return item;
}

}  // namespace

bool TWinSkinForm::OnMenuItem(UINT msg, LPARAM lParam, LRESULT& result) {
  if (!openMenuItems_ || !skin_) return false;
  auto valid = [this](ULONG_PTR data) { return data >= 1 && data <= openMenuItems_->size(); };
  if (msg == WM_MEASUREITEM) {
    auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (m->CtlType != ODT_MENU || !valid(m->itemData)) return false;
    const SIZE size = MeasureSkinMenuItem(*skin_, (*openMenuItems_)[m->itemData - 1]);
    m->itemWidth = static_cast<UINT>(size.cx);
    m->itemHeight = static_cast<UINT>(size.cy);
  } else {
    auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (d->CtlType != ODT_MENU || !valid(d->itemData)) return false;
    DrawSkinMenuItem(d->hDC, d->rcItem, *skin_, (*openMenuItems_)[d->itemData - 1],
                     (d->itemState & ODS_SELECTED) != 0, facts_.rightToLeft);
  }
  result = TRUE;
  return true;
}

void TWinSkinForm::OpenSystemMenu(POINT screen) {
  const DWORD now = GetTickCount();
  if (systemMenuOpened_ && now - lastSystemMenuTick_ <= doubleClickTime_) {
    // A second opening within the double-click time closes the window instead.
    if (hot_) {
      StopHoverTimer();
      PostMessageW(window_, WM_CLOSE, 0, 0);
    }
    return;
  }
  manager_.SetMenuKind(2);
  lastSystemMenuTick_ = now;
  systemMenuOpened_ = true;

  OwnedMenu menu(CreatePopupMenu());
  if (!menu.Get()) return;
  const bool normal = facts_.showState == ssNormal;
  const bool fixed = CurrentPlatform().IsNtBefore5();
  std::vector<TSkinMenuItem> items;
  if (fixed) {
    const struct {
      bool shown;
      UINT tag;
      const wchar_t* caption;
      int image;
      bool enabled;
      const wchar_t* shortcut;
    } fixedItems[] = {
        {true, kFixedRestore, L" Restore ", 0, !normal, L""},
        {facts_.Has(kHasMaximiseBox), kFixedMaximise, L" Maximize ", 1, true, L""},
        {facts_.Has(kHasMinimiseBox), kFixedMinimise, L" Minimize ", 2, true, L""},
        {true, 0, L"-", -1, true, L""},
        {true, kFixedClose, L" Close ", 3, true, L"ALT+F4"},
    };
    for (const auto& fixedItem : fixedItems) {
      if (fixedItem.shown) {
        AddItem(menu.Get(), fixedItem.tag, items,
                Item(fixedItem.caption, fixedItem.image, fixedItem.enabled, fixedItem.shortcut));
      }
    }
  } else {
    HMENU system = systemMenu_ ? systemMenu_ : GetSystemMenu(window_, FALSE);
    const int count = system ? GetMenuItemCount(system) : 0;
    for (int i = 0; i < count; ++i) {
      wchar_t text[256] = {};
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
      info.dwTypeData = text;
      info.cch = 255;
      if (!GetMenuItemInfoW(system, static_cast<UINT>(i), TRUE, &info)) continue;
      if ((info.fType & MFT_SEPARATOR) || text[0] == 0) {
        AddItem(menu.Get(), 0, items, Item(L"-", -1, true));
        continue;
      }
      const UINT command = info.wID & 0xFFF0;
      bool enabled = !((info.fState & MFS_DISABLED) && (info.fState & MFS_GRAYED));
      int image = -1;
      switch (command) {
        case SC_SIZE:
        case SC_MOVE: enabled = facts_.showState != ssMaximised; break;
        case SC_MINIMIZE:
          enabled = facts_.showState != ssMinimised && facts_.Has(kHasMinimiseBox);
          image = 2;
          break;
        case SC_MAXIMIZE:
          enabled = facts_.showState != ssMaximised && facts_.Has(kHasMaximiseBox);
          image = 1;
          break;
        case SC_RESTORE:
          enabled = !normal;
          image = 0;
          break;
        case SC_CLOSE: image = 3; break;
        default: break;
      }
      TSkinMenuItem item = Item(text, image, enabled);
      // The system's text holds the shortcut after a tab.
      const size_t tab = item.caption.find(L'\t');
      if (tab != std::wstring::npos) {
        item.shortcut = item.caption.substr(tab + 1);
        item.caption.resize(tab);
      }
      item.checked = (info.fState & MFS_CHECKED) != 0;
      item.isDefault = (info.fState & MFS_DEFAULT) != 0;
      AddItem(menu.Get(), info.wID, items, std::move(item));
    }
  }
  UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON;
  if (facts_.rightToLeft) flags |= TPM_RIGHTALIGN;
  openMenuItems_ = &items;
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.Get(), flags, screen.x, screen.y, 0, window_, nullptr));
  openMenuItems_ = nullptr;
  manager_.SetMenuKind(0);
  if (!chosen) return;
  if (!fixed) {
    PostMessageW(window_, WM_SYSCOMMAND, chosen, 0);
    return;
  }
  switch (chosen) {
    case kFixedRestore: Restore(); break;
    case kFixedMaximise: ToggleMaximise(); break;
    case kFixedMinimise: ToggleMinimise(); break;
    case kFixedClose:
      StopHoverTimer();
      PostMessageW(window_, WM_CLOSE, 0, 0);
      break;
    default: break;
  }
}
