// TSkinHeader (see skin_header.h).
#include "skin/controls/skin_header.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/gdi.h"
#include "skin/controls/skin_caption_block.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

void TSkinHeader::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                           TBitmap* canvas) {
  hot_ = -1;
  TSkinControl::InitSkin(windowSkin, skinData, manageColour, canvas);
}

void TSkinHeader::InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                                 TBitmap* canvas) {
  hot_ = -1;
  TSkinControl::InitSkinWindow(window, skinData, windowSkin, canvas);
}

bool TSkinHeader::HasHeaderbar() const {
  return skinData_ && skinData_->Objects.Headerbar && !skinData_->Objects.Headerbar->Image.Empty();
}

int TSkinHeader::ItemAt(POINT p) const {
  for (size_t i = 0; i < itemRects_.size(); ++i)
    if (PtInRect(&itemRects_[i], p)) return static_cast<int>(i);
  return -1;
}

bool TSkinHeader::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (!HasHeaderbar()) break;  // the control keeps its own look
      PaintByMessage(m);
      return false;
    case WM_ERASEBKGND:
      if (!HasHeaderbar()) break;
      m.Result = 1;
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinHeader::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE: {
      POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      const int item = ItemAt(p);
      if (item != hot_) {
        hot_ = item;
        Repaint();
      }
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
      TrackMouseEvent(&track);
      return;
    }
    case WM_MOUSELEAVE:
      hot_ = -1;
      Repaint();
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinHeader::DrawItem(HDC dc, int index, const RECT& r) {
  const TDataSkinObject& bar = *skinData_->Objects.Headerbar;
  DrawNineSlice(dc, r, bar.Image, bar.Margins(), false, bar.Tile == 1, bar.Frame,
                index == hot_ ? 2 : 1, bar.Trans == 1);
  wchar_t text[260] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = 259;
  if (!SendMessageW(handle_, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item)) || !text[0])
    return;
  const TBlockAlign align = (item.fmt & HDF_RIGHT)    ? TBlockAlign::Right
                            : (item.fmt & HDF_CENTER) ? TBlockAlign::Centre
                                                      : TBlockAlign::Left;
  const bool withImage = (item.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) != 0;
  HIMAGELIST images =
      withImage ? reinterpret_cast<HIMAGELIST>(SendMessageW(handle_, HDM_GETIMAGELIST, 0, 0)) : nullptr;
  const int normal = skinData_->Objects.Headerbar->NormalColour;
  const TColor colour = !enabled_     ? skinData_->Colours.ButtonShadow
                        : normal >= 0 ? static_cast<TColor>(normal)
                                      : SystemColour(COLOR_BTNTEXT);
  DrawImageAndCaption(dc, r, align, images, withImage ? item.iImage : -1, text, colour);
}

void TSkinHeader::DrawControl(HDC dc, const RECT& rect) {
  if (!HasHeaderbar() || !handle_ || !dc) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  if ((buffer_.Width() != width || buffer_.Height() != height) && !buffer_.SetSize(width, height))
    return;
  enabled_ = IsWindowEnabled(handle_) != FALSE;
  HDC canvas = buffer_.Canvas();
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
  SelectGuard fontGuard(canvas, font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  const int oldMode = SetBkMode(canvas, TRANSPARENT);
  const int count = static_cast<int>(SendMessageW(handle_, HDM_GETITEMCOUNT, 0, 0));
  itemRects_.clear();
  int right = 0;
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!SendMessageW(handle_, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r))) {
      itemRects_.push_back(RECT{});
      continue;
    }
    DrawItem(canvas, i, r);
    right = std::max(right, static_cast<int>(r.right));
    itemRects_.push_back(RECT{r.left + 3, r.top, r.right - 3, r.bottom});
  }
  if (right < width) {
    const TDataSkinObject& bar = *skinData_->Objects.Headerbar;
    DrawNineSlice(canvas, RECT{right, 0, width, height}, bar.Image, bar.Margins(), false,
                  bar.Tile == 1, bar.Frame, 1, bar.Trans == 1);
  }
  SetBkMode(canvas, oldMode);
  BitBlt(dc, rect.left, rect.top, width, height, canvas, 0, 0, SRCCOPY);
}
