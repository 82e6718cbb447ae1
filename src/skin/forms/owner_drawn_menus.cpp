// TOwnerDrawnMenus: taking menu items owner-drawn and giving them back (see
// owner_drawn_menus.h).
#include "skin/forms/owner_drawn_menus.h"

#include <algorithm>

#include "framework/menus.h"

namespace {
constexpr int kTextLength = 256;
}  // namespace

bool IsUnskinnedPopupMenu(HMENU menu, int disableTag) {
  const TMenuItem* owner = FindMenuItemOfHandle(menu);
  const TMenu* component = owner ? owner->GetParentMenu() : nullptr;
  return dynamic_cast<const TPopupMenu*>(component) && component->Tag == disableTag;
}

void TOwnerDrawnMenus::Take(HMENU menu, bool deep) {
  if (!menu || !IsMenu(menu)) return;
  if (std::find(menus_.begin(), menus_.end(), menu) != menus_.end()) return;
  menus_.push_back(menu);
  if (TMenuItem* owner = FindMenuItemOfHandle(menu)) owner->TidySeparators();
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[kTextLength] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = kTextLength - 1;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.fType & MFT_OWNERDRAW) continue;  // the application draws it itself
    if (deep && info.hSubMenu) Take(info.hSubMenu, true);
    TSkinMenuItem item;
    std::wstring caption = text;
    if ((info.fType & MFT_SEPARATOR) || caption.empty()) {
      item.caption = L"-";
    } else {
      const size_t tab = caption.find(L'\t');
      if (tab != std::wstring::npos) {
        item.shortcut = caption.substr(tab + 1);
        caption.resize(tab);
      }
      item.caption = caption;
    }
    item.enabled = !(info.fState & (MFS_DISABLED | MFS_GRAYED));
    item.checked = (info.fState & MFS_CHECKED) != 0;
    item.isDefault = (info.fState & MFS_DEFAULT) != 0;
    const TMenuItem* framework = info.hSubMenu ? FindMenuItemOfHandle(info.hSubMenu)
                                               : FindMenuItem(info.wID);
    if (framework) item.imageIndex = framework->ImageIndex();
    const ULONG_PTR cookie = next_++;
    items_[cookie] = item;
    taken_.push_back(Taken{menu, static_cast<UINT>(i), info.fType, info.dwItemData, text});
    MENUITEMINFOW drawn{};
    drawn.cbSize = sizeof drawn;
    drawn.fMask = MIIM_FTYPE | MIIM_DATA;
    drawn.fType = info.fType | MFT_OWNERDRAW;
    drawn.dwItemData = cookie;
    SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &drawn);
  }
}

void TOwnerDrawnMenus::RestoreAll() {
  for (auto it = taken_.rbegin(); it != taken_.rend(); ++it) {
    if (!IsMenu(it->menu)) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = it->type;
    info.dwItemData = it->data;
    if (!(it->type & MFT_SEPARATOR) && !it->text.empty()) {
      info.fMask |= MIIM_STRING;
      info.dwTypeData = &it->text[0];
    }
    SetMenuItemInfoW(it->menu, it->position, TRUE, &info);
  }
  taken_.clear();
  menus_.clear();
  items_.clear();
}

const TSkinMenuItem* TOwnerDrawnMenus::Find(ULONG_PTR data) const {
  auto found = items_.find(data);
  return found == items_.end() ? nullptr : &found->second;
}

bool TOwnerDrawnMenus::Measure(const TSkinData& skin, MEASUREITEMSTRUCT& measure) const {
  if (measure.CtlType != ODT_MENU) return false;
  const TSkinMenuItem* item = Find(measure.itemData);
  if (!item) return false;
  const SIZE size = MeasureSkinMenuItem(skin, *item);
  measure.itemWidth = static_cast<UINT>(size.cx);
  measure.itemHeight = static_cast<UINT>(size.cy);
  return true;
}

bool TOwnerDrawnMenus::Draw(const TSkinData& skin, const DRAWITEMSTRUCT& draw,
                            bool rightToLeft) const {
  if (draw.CtlType != ODT_MENU) return false;
  const TSkinMenuItem* item = Find(draw.itemData);
  if (!item) return false;
  DrawSkinMenuItem(draw.hDC, draw.rcItem, skin, *item, (draw.itemState & ODS_SELECTED) != 0,
                   rightToLeft);
  return true;
}
