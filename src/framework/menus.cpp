// Framework menus: items, their command numbers and menu handles, menus and pop-up
// menus (see menus.h).
#include "framework/menus.h"

#include <algorithm>
#include <map>

#include "framework/wide.h"

namespace {

// Command numbers 1 to 4095, each held by one live item.
constexpr UINT kFirstCommand = 1, kLastCommand = 4095;

std::map<UINT, TMenuItem*>& Commands() {
  static std::map<UINT, TMenuItem*> commands;
  return commands;
}

UINT TakeCommand(TMenuItem* item) {
  static UINT next = kFirstCommand;
  auto& commands = Commands();
  for (UINT tried = 0; tried <= kLastCommand - kFirstCommand; ++tried) {
    const UINT command = next;
    next = next >= kLastCommand ? kFirstCommand : next + 1;
    if (commands.emplace(command, item).second) return command;
  }
  return 0;  // all taken: the item gets no command and cannot be chosen
}

}  // namespace

std::wstring ShortCutToText(TShortCut shortcut) {
  const UINT key = shortcut & 0xFF;
  if (!key) return L"";
  std::wstring name;
  if (key >= VK_F1 && key <= VK_F24) {
    const UINT number = key - VK_F1 + 1;  // 1 to 24
    name = L"F";
    if (number >= 10) name += static_cast<wchar_t>(L'0' + number / 10);
    name += static_cast<wchar_t>(L'0' + number % 10);
  } else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    name = std::wstring(1, static_cast<wchar_t>(key));
  } else {
    switch (key) {
      case VK_BACK: name = L"BkSp"; break;
      case VK_TAB: name = L"Tab"; break;
      case VK_RETURN: name = L"Enter"; break;
      case VK_ESCAPE: name = L"Esc"; break;
      case VK_SPACE: name = L"Space"; break;
      case VK_PRIOR: name = L"PgUp"; break;
      case VK_NEXT: name = L"PgDn"; break;
      case VK_END: name = L"End"; break;
      case VK_HOME: name = L"Home"; break;
      case VK_LEFT: name = L"Left"; break;
      case VK_UP: name = L"Up"; break;
      case VK_RIGHT: name = L"Right"; break;
      case VK_DOWN: name = L"Down"; break;
      case VK_INSERT: name = L"Ins"; break;
      case VK_DELETE: name = L"Del"; break;
      default: {
        // Other keys by the keyboard's own name.
        wchar_t text[64] = {};
        const LONG scan = static_cast<LONG>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        if (scan && GetKeyNameTextW(scan, text, 64) > 0) name = text;
        break;
      }
    }
  }
  if (name.empty()) return L"";
  std::wstring text;
  if (shortcut & scShift) text += L"Shift+";
  if (shortcut & scCtrl) text += L"Ctrl+";
  if (shortcut & scAlt) text += L"Alt+";
  return text + name;
}

TShortCut ShortCutOfKey(WORD key) {
  if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == 0 || key > 0xFF) return 0;
  TShortCut shortcut = key;
  if (GetKeyState(VK_SHIFT) < 0) shortcut |= scShift;
  if (GetKeyState(VK_CONTROL) < 0) shortcut |= scCtrl;
  if (GetKeyState(VK_MENU) < 0) shortcut |= scAlt;
  return shortcut;
}

wchar_t AcceleratorOf(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {  // "&&" is a plain ampersand
      ++i;
      continue;
    }
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(
        CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(caption[i + 1])))));
  }
  return 0;
}

bool IsAccel(wchar_t key, const std::wstring& caption) {
  const wchar_t accel = AcceleratorOf(caption);
  if (!accel || !key) return false;
  const auto upper = static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(
      CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(key)))));
  return upper == accel;
}

TMenuItem* FindMenuItem(UINT command) {
  auto& commands = Commands();
  auto found = commands.find(command);
  return found == commands.end() ? nullptr : found->second;
}

TMenuItem* FindMenuItemOfHandle(HMENU menu) {
  if (!menu) return nullptr;
  for (const auto& entry : Commands()) {
    if (entry.second->Handle() == menu) return entry.second;
  }
  return nullptr;
}

// ---- TMenuItem ----

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), handle_(CreatePopupMenu()) {
  command_ = TakeCommand(this);
}

TMenuItem::~TMenuItem() {
  // Sub-items go first, while this item can still take them off its list; then the
  // sub-menu lets go of theirs, so that destroying it destroys nothing else.
  rebuilding_ = true;
  DestroyComponents();
  if (HMENU menu = handle_.Get()) {
    for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) RemoveMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
  }
  if (command_) Commands().erase(command_);
  if (parent_) parent_->RemoveItem(this);
}

void TMenuItem::DefineProperties(TPropList& list) const {
  TComponent::DefineProperties(list);
  list.String<TMenuItem>("Caption", [](TMenuItem& i) { return i.Caption(); },
                         [](TMenuItem& i, const std::string& v) { i.SetCaption(v); });
  list.Boolean<TMenuItem>("Checked", [](TMenuItem& i) { return i.Checked(); },
                          [](TMenuItem& i, bool v) { i.SetChecked(v); });
  list.Boolean<TMenuItem>("Enabled", [](TMenuItem& i) { return i.Enabled(); },
                          [](TMenuItem& i, bool v) { i.SetEnabled(v); });
  list.Boolean<TMenuItem>("Visible", [](TMenuItem& i) { return i.Visible(); },
                          [](TMenuItem& i, bool v) { i.SetVisible(v); });
  list.Integer<TMenuItem>("ImageIndex", [](TMenuItem& i) -> int64_t { return i.ImageIndex(); },
                          [](TMenuItem& i, int64_t v) { i.SetImageIndex(static_cast<int>(v)); });
}

TMenuItem* TMenuItem::Add(const std::string& caption, TShortCut shortcut,
                          std::function<void(TMenuItem&)> onClick) {
  auto* item = new TMenuItem(this);
  item->caption_ = caption;
  item->shortcut_ = shortcut;
  item->OnClick = std::move(onClick);
  item->parent_ = this;
  items_.push_back(item);
  Changed();
  return item;
}

void TMenuItem::RemoveItem(TMenuItem* item) {
  for (auto it = items_.begin(); it != items_.end(); ++it) {
    if (*it == item) {
      items_.erase(it);
      break;
    }
  }
  if (!rebuilding_) Changed();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortcut) {
  if (shortcut_ == shortcut) return;
  shortcut_ = shortcut;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  if (checked && radio_ && parent_) {
    for (TMenuItem* sibling : parent_->items_) {
      if (sibling != this && sibling->radio_ && sibling->group_ == group_) sibling->checked_ = false;
    }
  }
  checked_ = checked;
  Changed();
}

void TMenuItem::SetRadioItem(bool radio) {
  radio_ = radio;
  Changed();
}

void TMenuItem::SetGroupIndex(int group) { group_ = group; }

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  default_ = value;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  imageIndex_ = index;
  Changed();
}

void TMenuItem::Click() {
  if (AutoCheck) SetChecked(radio_ ? true : !checked_);
  if (OnClick) OnClick(*this);
}

TMenuItem* TMenuItem::Find(UINT command) {
  if (command_ == command && parent_) return this;
  for (TMenuItem* item : items_) {
    if (TMenuItem* found = item->Find(command)) return found;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortcut) {
  if (!shortcut) return nullptr;
  for (TMenuItem* item : items_) {
    if (!item->enabled_ || !item->visible_) continue;
    if (item->items_.empty()) {
      if (item->shortcut_ == shortcut) return item;
    } else if (TMenuItem* found = item->FindShortCut(shortcut)) {
      return found;
    }
  }
  return nullptr;
}

void TMenuItem::TidySeparators() {
  bool seenVisible = false;
  TMenuItem* pending = nullptr;  // the last separator of the current run
  std::vector<TMenuItem*> hide;
  for (TMenuItem* item : items_) {
    if (item->IsSeparator()) {
      if (pending || !seenVisible) hide.push_back(pending ? pending : item);
      if (seenVisible) pending = item;
      continue;
    }
    if (!item->Visible()) continue;
    if (pending) {
      pending->visible_ = true;
      pending = nullptr;
    }
    seenVisible = true;
  }
  if (pending) hide.push_back(pending);
  for (TMenuItem* item : hide) item->visible_ = false;
  Rebuild();
}

std::wstring TMenuItem::MenuText() const {
  std::wstring text = Widen(caption_);
  const std::wstring shortcut = ShortCutToText(shortcut_);
  if (!shortcut.empty()) text += L"\t" + shortcut;
  return text;
}

void TMenuItem::AppendTo(HMENU menu) const {
  std::wstring text = MenuText();
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  info.wID = command_;
  info.hSubMenu = Handle();
  if (IsSeparator()) {
    info.fType = MFT_SEPARATOR;
  } else {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = &text[0];
    info.fType = radio_ ? MFT_RADIOCHECK : 0;
    info.fState = (checked_ ? MFS_CHECKED : 0) | (enabled_ ? 0 : MFS_GRAYED) |
                  (default_ ? MFS_DEFAULT : 0);
  }
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void TMenuItem::Rebuild() {
  if (menu_ && menu_->merged_) {
    menu_->RebuildMerged();
    return;
  }
  HMENU menu = handle_.Get();
  if (!menu) return;
  // RemoveMenu keeps the sub-menus: they are their items' own.
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) RemoveMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
  for (const TMenuItem* item : items_) {
    if (item->visible_) item->AppendTo(menu);
  }
}

void TMenuItem::Changed() {
  if (rebuilding_) return;
  rebuilding_ = true;
  if (parent_) parent_->Rebuild();
  Rebuild();
  rebuilding_ = false;
  TMenu* menu = GetParentMenu();
  if (menu && menu->OnChange) menu->OnChange(*menu);
  // The menu this one is merged into shows the change too.
  if (menu && menu->mergedInto_) menu->mergedInto_->root_->Changed();
}

// ---- TMenu ----

TMenu::TMenu(TComponent* owner, HMENU root) : TComponent(owner), root_(new TMenuItem(this)) {
  root_->handle_.Reset(root);
  root_->menu_ = this;
}

TMenu::~TMenu() {
  // Out of any merge first: the other menu must not show this one's sub-menus.
  if (mergedInto_) mergedInto_->Merge(nullptr);
  if (merged_) Merge(nullptr);
  if (OnDestroy) OnDestroy(*this);
  // The root item goes while the menu is whole (its items ask for their menu).
  root_->menu_ = nullptr;
  DestroyComponents();
}

TMenuItem* TMenu::FindItem(UINT command) const {
  if (TMenuItem* item = root_->Find(command)) return item;
  return merged_ ? merged_->FindItem(command) : nullptr;
}

TMenuItem* TMenu::FindShortCut(TShortCut shortcut) const {
  if (TMenuItem* item = root_->FindShortCut(shortcut)) return item;
  return merged_ ? merged_->FindShortCut(shortcut) : nullptr;
}

void TMenu::Merge(TMenu* menu) {
  if (menu == merged_ || menu == this) return;
  if (merged_) merged_->mergedInto_ = nullptr;
  if (menu && menu->mergedInto_) menu->mergedInto_->Merge(nullptr);
  merged_ = menu;
  if (menu) menu->mergedInto_ = this;
  root_->Changed();
}

void TMenu::RebuildMerged() {
  HMENU menu = root_->handle_.Get();
  if (!menu) return;
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) RemoveMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
  const std::vector<TMenuItem*>& theirs = merged_->root_->items_;
  std::vector<const TMenuItem*> shown;
  for (const TMenuItem* item : root_->items_) {
    const bool replaced = std::any_of(theirs.begin(), theirs.end(),
                                      [item](const TMenuItem* t) { return t->group_ == item->group_; });
    if (!replaced) shown.push_back(item);
  }
  shown.insert(shown.end(), theirs.begin(), theirs.end());
  std::stable_sort(shown.begin(), shown.end(),
                   [](const TMenuItem* a, const TMenuItem* b) { return a->group_ < b->group_; });
  for (const TMenuItem* item : shown) {
    if (item->visible_) item->AppendTo(menu);
  }
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner, CreateMenu()) {}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner, CreatePopupMenu()) {}

TMenuItem* TPopupMenu::Popup(int x, int y, HWND owner) {
  if (OnPopup) OnPopup(*this);
  UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | (RightToLeft ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenu(Handle(), flags, x, y, 0, owner, nullptr));
  TMenuItem* item = chosen ? FindItem(chosen) : nullptr;
  if (item) item->Click();
  return item;
}
