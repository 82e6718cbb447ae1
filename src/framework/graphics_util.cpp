// Drawing helpers (see graphics_util.h).
#include "framework/graphics_util.h"

#include "framework/gdi.h"

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColour(color)) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color) & 0xFFFFFF;
}

void FillColour(HDC dc, const RECT& rect, TColor color) {
  OwnedBrush brush(CreateSolidBrush(ColorToRGB(color)));
  if (brush) FillRect(dc, &rect, brush.Get());
}

void FrameColour(HDC dc, const RECT& rect, TColor color) {
  OwnedBrush brush(CreateSolidBrush(ColorToRGB(color)));
  if (brush) FrameRect(dc, &rect, brush.Get());
}
