// Skinned menu items: measuring and drawing (see menu_item_paint.h).
#include "skin/forms/menu_item_paint.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/bitmap.h"
#include "framework/gdi.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
constexpr int kGlyph = 16;
constexpr int kTextGap = 3;
constexpr int kShortcutRight = 11;
constexpr int kSeparatorHeight = 8;

int MenuItemLeft(const TSkinData& skin) {
  return skin.Objects.MenuItem ? skin.Objects.MenuItem->LeftWidth : 0;
}

int GlyphSize(const TSkinData& skin) {
  int cx = kGlyph, cy = kGlyph;
  if (skin.MenuImages()) ImageList_GetIconSize(skin.MenuImages(), &cx, &cy);
  return cx > 0 ? cx : kGlyph;
}

SIZE TextSize(HDC dc, const std::wstring& text) {
  RECT r{0, 0, 0, 0};
  const std::wstring measured = (text.empty() || text == L"&") ? text + L" " : text;
  DrawTextUnicode(dc, measured, r, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
  return SIZE{r.right - r.left, r.bottom - r.top};
}
}  // namespace

HFONT CreateMenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return CreateFontIndirectW(&metrics.lfMenuFont);
}

SIZE MeasureSkinMenuItem(const TSkinData& skin, const TSkinMenuItem& item) {
  if (item.IsSeparator()) return SIZE{kGlyph, kSeparatorHeight};
  WindowDC screen(nullptr);
  OwnedFont font(CreateMenuFont(item.isDefault));
  SelectGuard select(screen.Get(), font ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(DEFAULT_GUI_FONT));
  const SIZE text = TextSize(screen.Get(), item.caption);
  int width = text.cx + 26 + MenuItemLeft(skin);
  if (!item.shortcut.empty()) width += TextSize(screen.Get(), item.shortcut).cx + kShortcutRight + 8;
  return SIZE{width + GlyphSize(skin), std::max<LONG>(text.cy + 4, kGlyph + 2)};
}

void DrawSkinMenuItem(HDC dc, const RECT& rect, const TSkinData& skin, const TSkinMenuItem& item,
                      bool selected, bool rightToLeft) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  TBitmap buffer(w, h);
  if (buffer.Empty()) return;
  HDC b = buffer.Canvas();
  const TSkinColourTable& c = skin.Colours;
  const TDataSkinObject* frame = skin.Objects.MenuItem.get();
  if (!frame || frame->Image.Empty()) {
    buffer.Fill(ResolveColour(selected ? c.Hilight : c.Menu));
  } else {
    buffer.Fill(ResolveColour(c.Menu));
    if (!item.IsSeparator() || selected) {
      DrawNineSlice(b, RECT{0, 0, w, h}, frame->Image, frame->Margins(), false, frame->Tile == 1,
                    frame->Frame > 0 ? frame->Frame : 1, selected ? 4 : 1, frame->Trans != 0);
    }
  }
  if (item.IsSeparator()) {
    RECT line{0, 4, w, 6};
    DrawEdge(b, &line, EDGE_ETCHED, BF_TOP);
    BitBlt(dc, rect.left, rect.top, w, h, b, 0, 0, SRCCOPY);
    return;
  }
  // The glyph box: an image of MenuImages, or the check mark of a checked item.
  const int glyph = GlyphSize(skin);
  const int boxLeft = rightToLeft ? w - 1 - MenuItemLeft(skin) - glyph : 1 + MenuItemLeft(skin);
  const int boxTop = (h - glyph) / 2;
  if (item.imageIndex >= 0 && skin.MenuImages()) {
    ImageList_Draw(skin.MenuImages(), item.imageIndex, b, boxLeft, boxTop,
                   item.enabled ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50);
  } else if (item.checked) {
    RECT box{boxLeft, boxTop, boxLeft + glyph, boxTop + glyph};
    DrawFrameControl(b, &box, DFC_MENU, DFCS_MENUCHECK | DFCS_TRANSPARENT);
  }
  // Caption and shortcut.
  OwnedFont font(CreateMenuFont(item.isDefault));
  SelectGuard select(b, font ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(b, TRANSPARENT);
  TColor text = selected ? c.HilightText : c.MenuText;
  if (!item.enabled) {
    text = c.ButtonShadow;
    if (ResolveColour(c.ButtonShadow) == ResolveColour(c.MenuText)) text = SystemColour(COLOR_GRAYTEXT);
  }
  SetTextColor(b, static_cast<COLORREF>(ResolveColour(text)));
  RECT textRect = rightToLeft ? RECT{1, 0, boxLeft - kTextGap, h}
                              : RECT{boxLeft + glyph + kTextGap, 0, w - 1, h};
  const UINT align = rightToLeft ? DT_RIGHT : DT_LEFT;
  DrawTextUnicode(b, item.caption, textRect, DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | align);
  if (!item.shortcut.empty()) {
    RECT s = rightToLeft ? RECT{10, 0, w / 2, h} : RECT{w / 2, 0, w - kShortcutRight, h};
    DrawTextUnicode(b, item.shortcut, s,
                    DT_SINGLELINE | DT_VCENTER | (rightToLeft ? DT_LEFT : DT_RIGHT));
  }
  BitBlt(dc, rect.left, rect.top, w, h, b, 0, 0, SRCCOPY);
}
