// TMenuBtn: a menu-bar button's paint (see menu_btn.h).
#include "skin/forms/menu_btn.h"

#include "framework/gdi.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"
#include "skin/forms/menu_item_paint.h"
#include "skin/forms/win_skin_menu.h"

TMenuBtn::TMenuBtn(TNCHost& host, TWinSkinMenu& bar, int index)
    : TNCObject(host), Index(index), bar_(bar) {}

void TMenuBtn::Paint(HDC dc) {
  if (!Visible || !dc || Rect.right <= Rect.left) return;
  const TSkinData* skin = bar_.Skin();
  if (!skin) return;
  try {
    // The button's column of the bar background comes back first.
    const RECT bar = bar_.BarRect();
    const TBitmap& background = bar_.Background();
    const int w = Rect.right - Rect.left, h = bar.bottom - bar.top;
    if (!background.Empty()) {
      BitBlt(dc, Rect.left, bar.top, w, h, background.Canvas(), Rect.left - bar.left, 0, SRCCOPY);
    }
    if (State == ncHot || State == ncPressed) {
      OwnedBrush frame(CreateSolidBrush(static_cast<COLORREF>(ResolveColour(skin->Colours.ButtonHilight))));
      FrameRect(dc, &Rect, frame.Get());
    }
    OwnedFont font(CreateMenuFont());
    SelectGuard select(dc, font ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(ResolveColour(
                         Enabled ? skin->Colours.MenuBarText : skin->Colours.ButtonShadow)));
    RECT text = Rect;
    DrawTextUnicode(dc, Caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  } catch (...) {
    // Painting failures leave the bar as it is.
  }
}
