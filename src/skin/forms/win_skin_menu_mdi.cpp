// TWinSkinMenu in an MDI frame (see win_skin_menu.h): while the active MDI child is
// maximised the bar shows the child's icon first (a click opens the child's system menu)
// and the child's minimise, restore and close caption buttons (Visibility 100) at its
// end. The items the system adds to a frame's menu for a maximised child are taken out:
// the skin draws those parts itself.
#include <windows.h>

#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"
#include "skin/forms/win_skin_menu.h"

namespace {
constexpr int kIconGap = 4;  // space after the child's icon

bool IsOwnedBitmap(HBITMAP bitmap) {
  return bitmap && GetObjectType(bitmap) == OBJ_BITMAP;
}
}  // namespace

HWND MaximisedMdiChild(HWND client) {
  if (!client) return nullptr;
  BOOL maximised = FALSE;
  auto active = reinterpret_cast<HWND>(
      SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
  return active && maximised ? active : nullptr;
}

void RemoveMdiFrameItems(HMENU menu) {
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_BITMAP;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    const bool picture = (info.fType & MFT_BITMAP) != 0 || (info.hbmpItem && !info.hSubMenu);
    const bool childButton =
        picture && !info.hSubMenu && (info.wID == SC_CLOSE || info.wID == SC_RESTORE || info.wID == SC_MINIMIZE);
    // The child's system menu under its icon (a picture item opening a system menu).
    const bool childSystemMenu = picture && info.hSubMenu && i == 0 &&
                                 GetMenuItemID(info.hSubMenu, 0) != static_cast<UINT>(-1) &&
                                 GetMenuState(info.hSubMenu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
    if (!childButton && !childSystemMenu) continue;
    HBITMAP typeBitmap = nullptr;
    if (info.fType & MFT_BITMAP) {
      MENUITEMINFOW type{};
      type.cbSize = sizeof type;
      type.fMask = MIIM_TYPE;
      GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &type);
      typeBitmap = reinterpret_cast<HBITMAP>(type.dwTypeData);
    }
    RemoveMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
    // The icon picture was made for the item; the system's own pictures are no objects.
    if (childSystemMenu) {
      if (IsOwnedBitmap(typeBitmap)) DeleteObject(typeBitmap);
      if (info.hbmpItem != typeBitmap && IsOwnedBitmap(info.hbmpItem)) DeleteObject(info.hbmpItem);
    }
  }
}

int TWinSkinMenu::PaintMdiParts(HDC buffer, const RECT& bar, int x, bool rightToLeft) {
  childIcon_ = RECT{};
  mdiChild_ = nullptr;
  const TWindowFacts& facts = windowSkin_.Facts();
  if (facts.windowKind != wkMdiFrame) return x;
  HWND child = MaximisedMdiChild(windowSkin_.MdiClient());
  if (!child) return x;
  if (!manager_.MdiMaximised()) manager_.SetMdiMaximised(true);
  mdiChild_ = child;
  const int h = bar.bottom - bar.top;
  const int size = GetSystemMetrics(SM_CXSMICON);
  const int left = rightToLeft ? x - size : x;
  const int top = (h - size) / 2;
  HICON icon = reinterpret_cast<HICON>(SendMessageW(child, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(child, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(child, GCLP_HICONSM));
  if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  DrawIconEx(buffer, left, top, icon, size, size, 0, nullptr, DI_NORMAL);
  childIcon_ = RECT{bar.left + left, bar.top + top, bar.left + left + size, bar.top + top + size};
  // The child's caption buttons, as placed by the frame's title paint.
  const TCaptionButtons& buttons = windowSkin_.Buttons();
  for (size_t i = 0; i < buttons.Count(); ++i) {
    const TWinSysButton& button = buttons.At(i);
    if (!button.Visible || button.Skin().Visibility != 100 || button.Image().Empty()) continue;
    RECT r = button.Rect;
    OffsetRect(&r, -bar.left, -bar.top);
    DrawStripFrame(buffer, r, button.Image(), true, button.Frames(), 1);
  }
  return rightToLeft ? left - kIconGap : left + size + kIconGap;
}

bool TWinSkinMenu::HasChildIcon() const {
  return mdiChild_ && IsWindow(mdiChild_) && childIcon_.right > childIcon_.left;
}

UINT TWinSkinMenu::RunChildSystemMenu(HMENU system) {
  RECT w{};
  GetWindowRect(window_, &w);
  const POINT at{w.left + (rightToLeft_ ? childIcon_.right : childIcon_.left), w.top + bar_.bottom};
  manager_.SetMenuKind(2);
  const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | (rightToLeft_ ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
  const auto command = static_cast<UINT>(TrackPopupMenu(system, flags, at.x, at.y, 0, window_, nullptr));
  manager_.SetMenuKind(0);
  return command;
}
