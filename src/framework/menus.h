// Framework menus (Windows only):
//   TMenuItem    one item: caption ("-" a separator, "&" marks the accelerator), shortcut
//                text, checked (radio items in groups), enabled, visible, default, image
//                index, sub-items and OnClick; owns its sub-items and its sub-menu handle
//   TMenu        a tree of items behind a root item, built into a real menu handle
//   TMainMenu    a menu bar (a form's Menu)
//   TPopupMenu   a context menu (a form's PopupMenu), opened by Popup
// An MDI frame's main menu shows its active child's main menu merged into it (Merge).
// Every item has a process-wide command number (1 to 4095) that WM_COMMAND carries;
// FindMenuItem finds an item by it, FindMenuItemOfHandle by its sub-menu handle.
// Changing an item rebuilds the menu it lies in; menu handles stay the same.
// Forms and the application reach a menu component only through TMenu's and
// TPopupMenu's virtual members, so a program that makes no menu component (the
// launcher) carries none of the code of menus.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/user_handles.h"

class TMenu;

// A shortcut: a virtual key with scShift, scCtrl and scAlt bits.
using TShortCut = unsigned short;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
// "Ctrl+S", "Shift+F5", "Del"; empty for 0.
std::wstring ShortCutToText(TShortCut shortcut);
// The shortcut a key makes with the Shift, Ctrl and Alt keys held now (0 for a key that
// is itself one of them).
TShortCut ShortCutOfKey(WORD key);
// The accelerator character of a caption (the letter after a single "&", upper case),
// or 0 when it has none.
wchar_t AcceleratorOf(const std::wstring& caption);
// The framework's accelerator test: key (a character) is the caption's accelerator.
bool IsAccel(wchar_t key, const std::wstring& caption);

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const char* ClassName() const override { return "TMenuItem"; }
  void DefineProperties(TPropList& list) const override;

  // A new sub-item at the end, owned by this item.
  TMenuItem* Add(const std::string& caption, TShortCut shortcut = 0,
                 std::function<void(TMenuItem&)> onClick = nullptr);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  // The menu whose tree holds the item (null for an item outside any menu).
  TMenu* GetParentMenu() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TShortCut ShortCut() const { return shortcut_; }
  void SetShortCut(TShortCut shortcut);
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its group among its siblings.
  void SetChecked(bool checked);
  bool RadioItem() const { return radio_; }
  void SetRadioItem(bool radio);
  int GroupIndex() const { return group_; }
  void SetGroupIndex(int group);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // Choosing the item checks it (radio item) or toggles its check (other items).
  bool AutoCheck = false;
  std::function<void(TMenuItem&)> OnClick;

  bool IsSeparator() const { return caption_ == "-"; }
  UINT Command() const { return command_; }
  // The item's sub-menu handle (null while it has no sub-items).
  HMENU Handle() const { return Count() > 0 ? handle_.Get() : nullptr; }
  // Runs what choosing the item does (AutoCheck, then OnClick).
  virtual void Click();
  // The item among this one and its sub-items (at any depth) with the command, or null.
  TMenuItem* Find(UINT command);
  // The enabled, visible item among the sub-items (at any depth, through enabled
  // items only) that has the shortcut and no sub-items, or null.
  TMenuItem* FindShortCut(TShortCut shortcut);
  // Separators before the first and after the last visible sub-item are hidden; of each
  // run of separators between visible sub-items only the last stays visible.
  void TidySeparators();

 protected:
  // The item changed: its menu handle (and its parent's) is built again.
  void Changed();

 private:
  friend class TMenu;
  void RemoveItem(TMenuItem* item);
  // Fills handle_ with the visible sub-items.
  void Rebuild();
  void AppendTo(HMENU menu) const;
  std::wstring MenuText() const;

  std::string caption_;
  TShortCut shortcut_ = 0;
  bool checked_ = false, radio_ = false, enabled_ = true, visible_ = true, default_ = false;
  int group_ = 0;
  int imageIndex_ = -1;
  UINT command_ = 0;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item only
  std::vector<TMenuItem*> items_;
  OwnedMenu handle_;
  bool rebuilding_ = false;
};

class TMenu : public TComponent {
 public:
  ~TMenu() override;
  const char* ClassName() const override { return "TMenu"; }

  // The root item: its sub-items are the menu's items.
  TMenuItem& Items() { return *root_; }
  const TMenuItem& Items() const { return *root_; }
  HMENU Handle() const { return root_->handle_.Get(); }
  // The item of the menu (or of the menu merged into it) with the command, or null.
  virtual TMenuItem* FindItem(UINT command) const;
  // MDI: shows another menu's top-level items among this menu's, ordered by GroupIndex;
  // an item of the other menu replaces this menu's items of the same GroupIndex. Null
  // takes it out again. A menu is merged into one menu at a time; freeing either
  // undoes the merge.
  virtual void Merge(TMenu* menu);
  // The item (of this menu or the merged one) a keystroke's shortcut chooses, or null.
  virtual TMenuItem* FindShortCut(TShortCut shortcut) const;
  TMenu* Merged() const { return merged_; }
  // Right-to-left menus lay out from the right and swap the left and right keys.
  bool RightToLeft = false;
  // The menu's image list for item images (borrowed; null: none).
  HIMAGELIST Images = nullptr;
  // Called after the menu's handle changed (items added, removed or changed).
  std::function<void(TMenu&)> OnChange;
  // Called when the menu is freed (its user lets go of it).
  std::function<void(TMenu&)> OnDestroy;

 protected:
  TMenu(TComponent* owner, HMENU root);

 private:
  friend class TMenuItem;
  // Fills the root handle with this menu's and the merged menu's top-level items.
  void RebuildMerged();
  TMenuItem* root_;  // owned (as a component) by the menu
  TMenu* merged_ = nullptr;      // the menu shown within this one
  TMenu* mergedInto_ = nullptr;  // the menu this one is shown within
};

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner);
  const char* ClassName() const override { return "TMainMenu"; }
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);
  const char* ClassName() const override { return "TPopupMenu"; }

  // Opens the menu at a screen point for the window (which receives the menu messages)
  // and runs the chosen item's Click. Returns the chosen item or null.
  virtual TMenuItem* Popup(int x, int y, HWND owner);
  // Called before the menu opens.
  std::function<void(TPopupMenu&)> OnPopup;
};

// The item with the command in any menu of the process, or null.
TMenuItem* FindMenuItem(UINT command);
// The item whose sub-menu handle this is, or null.
TMenuItem* FindMenuItemOfHandle(HMENU menu);
