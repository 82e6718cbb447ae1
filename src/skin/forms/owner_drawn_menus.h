// TOwnerDrawnMenus: makes the items of open menus owner-drawn for the skin and puts them
// back as they were (Windows only). Each item's caption, shortcut, states and image
// index (from its framework item, when it has one) are kept as a TSkinMenuItem under a
// cookie that becomes the item's data while it is owner-drawn; WM_MEASUREITEM and
// WM_DRAWITEM find them by it. Separators of framework menus are tidied first.
#pragma once
#include <windows.h>

#include <map>
#include <vector>

#include "skin/forms/menu_item_paint.h"

// True for a menu (or sub-menu) of a framework pop-up menu component whose Tag is the
// skin's DisableTag: it keeps the system's look, its pop-up window too.
bool IsUnskinnedPopupMenu(HMENU menu, int disableTag);

class TOwnerDrawnMenus {
 public:
  TOwnerDrawnMenus() = default;
  TOwnerDrawnMenus(const TOwnerDrawnMenus&) = delete;
  TOwnerDrawnMenus& operator=(const TOwnerDrawnMenus&) = delete;
  ~TOwnerDrawnMenus() { RestoreAll(); }

  // Makes menu's items owner-drawn (with deep: also those of its sub-menus). A menu
  // already taken is left alone.
  void Take(HMENU menu, bool deep);
  // Gives every taken item its own type and data back.
  void RestoreAll();
  bool Empty() const { return taken_.empty(); }

  // The item behind an owner-drawn item's data, or null when the data is none of ours.
  const TSkinMenuItem* Find(ULONG_PTR data) const;

  // The measure and draw answers for a menu item (false: not one of ours).
  bool Measure(const TSkinData& skin, MEASUREITEMSTRUCT& measure) const;
  bool Draw(const TSkinData& skin, const DRAWITEMSTRUCT& draw, bool rightToLeft) const;

 private:
  struct Taken {
    HMENU menu;
    UINT position;
    UINT type;
    ULONG_PTR data;
    std::wstring text;
  };
  std::vector<Taken> taken_;
  std::vector<HMENU> menus_;
  std::map<ULONG_PTR, TSkinMenuItem> items_;
  ULONG_PTR next_ = 0x51A70000;
};
