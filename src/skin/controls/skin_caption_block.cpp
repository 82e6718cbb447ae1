// The image-and-caption block (see skin_caption_block.h).
#include "skin/controls/skin_caption_block.h"

#include <algorithm>

#include "framework/graphics_util.h"

namespace {
constexpr UINT kCaptionFlags = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_SINGLELINE;  // 0x8060
constexpr int kGap = 2;
}  // namespace

void DrawImageAndCaption(HDC dc, const RECT& rect, TBlockAlign align, HIMAGELIST images,
                         int imageIndex, const std::wstring& caption, TColor textColour) {
  int rectWidth = rect.right - rect.left, rectHeight = rect.bottom - rect.top;
  if (rectWidth <= 0 || rectHeight <= 0) return;
  int iconWidth = 0, iconHeight = 0;
  if (images && imageIndex >= 0 && ImageList_GetIconSize(images, &iconWidth, &iconHeight) &&
      iconWidth >= rectWidth)
    iconWidth = 0;
  if (!images || imageIndex < 0) iconWidth = 0;
  RECT extent{0, 0, rectWidth, rectHeight};
  if (!caption.empty())
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &extent,
              kCaptionFlags | DT_CALCRECT | DT_NOCLIP);
  int textWidth = caption.empty() ? 0 : extent.right - extent.left;
  int textHeight = extent.bottom - extent.top;
  int block = textWidth + (iconWidth > 0 ? iconWidth + kGap : 0);
  int x = rect.left + 3;
  if (align == TBlockAlign::Centre) x = rect.left + (rectWidth - block) / 2;
  if (align == TBlockAlign::Right) x = rect.right - 2 - block;
  x = std::max<int>(x, rect.left + 1);
  if (iconWidth > 0) {
    ImageList_Draw(images, imageIndex, dc, x, rect.top + (rectHeight - iconHeight) / 2, ILD_TRANSPARENT);
    x += iconWidth + kGap;
  }
  if (caption.empty()) return;
  RECT text{x, rect.top + (rectHeight - textHeight) / 2, std::min<LONG>(x + textWidth, rect.right),
            rect.top + (rectHeight - textHeight) / 2 + textHeight};
  int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(textColour));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, kCaptionFlags);
  RestoreDC(dc, saved);
}
