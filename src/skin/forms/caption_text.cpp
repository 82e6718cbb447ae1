// Caption text of the skinned title bar: placement and drawing (see frame_painter.h).
#include <algorithm>

#include "framework/gdi.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"
#include "skin/forms/frame_painter.h"

namespace {
const wchar_t kLeadingAffix[] = L"  ";
const wchar_t kTrailingAffix[] = L" ";
constexpr int kDialogTextShift = 16;
constexpr int kRightLimitGap = 5;
}  // namespace

HFONT CreateCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    return nullptr;  // the painter falls back to the stock GUI font
  }
  return CreateFontIndirectW(&metrics.lfCaptionFont);
}

RECT PlaceCaptionText(const TSkinData& skin, const TWindowFacts& f, SIZE text, int rightLimit) {
  const TDataSkinTitle& title = *skin.Objects.Title;
  const int areaLeft = f.frame.left;
  const int areaRight = f.width - f.frame.right;
  const int width = text.cx + title.TXTBackleft + title.TXTBackRight;
  int x;
  if (f.rightToLeft || title.TextAlignment == 2) {
    x = areaRight - title.RightWidth - width;
  } else if (title.TextAlignment == 1) {
    x = areaLeft + (areaRight - areaLeft - width) / 2;
  } else {
    x = areaLeft + title.LeftWidth;
  }
  const int y = (f.frame.top - text.cy) / 2 + title.TopHeight / 2;
  RECT r{x, y, x + width, y + text.cy};
  if (f.popup && rightLimit > kRightLimitGap) {
    r.right = std::min<LONG>(r.right, rightLimit - kRightLimitGap);
  } else {
    r.right = std::min<LONG>(r.right, areaRight - title.RightWidth);
  }
  if (f.borderKind == bkDialog && title.TextAlignment == 0 && !f.rightToLeft) {
    r.left -= kDialogTextShift;
  }
  return r;
}

RECT DrawCaptionText(HDC dc, const TSkinData& skin, const TWindowFacts& f, HFONT font,
                     int rightLimit) {
  const TDataSkinTitle& title = *skin.Objects.Title;
  const std::wstring text = kLeadingAffix + f.caption + kTrailingAffix;
  SelectGuard selectFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  const TColor colour = f.active ? skin.Colours.TitleTextActive : skin.Colours.TitleTextNoActive;
  SetTextColor(dc, static_cast<COLORREF>(ResolveColour(colour)));

  RECT measure{0, 0, 0, 0};
  DrawTextUnicode(dc, text, measure, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
  RECT r = PlaceCaptionText(skin, f, SIZE{measure.right - measure.left, measure.bottom - measure.top},
                            rightLimit);
  if (!title.Image.Empty() && r.right > r.left) {
    DrawThreePart(dc, RECT{r.left, 0, r.right, f.frame.top}, title.Image, true, true,
                  title.Frame > 0 ? title.Frame : 1, f.active ? 1 : 2, title.TXTBackleft,
                  title.TXTBackRight);
  }
  RECT textRect{r.left + title.TXTBackleft, r.top, r.right - title.TXTBackRight, r.bottom};
  UINT format = DT_SINGLELINE | DT_END_ELLIPSIS;
  if (f.rightToLeft) format |= DT_RIGHT;
  if (textRect.right > textRect.left) DrawTextUnicode(dc, text, textRect, format);
  return r;
}
