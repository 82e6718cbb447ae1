// Image utilities: system-colour blending, gradients, pixel transforms and wide text.
#include "skin/data/image_utils.h"

#include <algorithm>
#include <utility>

TColor ResolveColour(TColor c) {
  if (!IsSystemColour(c)) return c;
  return static_cast<TColor>(GetSysColor(c & 0xFF) & 0xFFFFFF);
}

TColor BlendColours(TColor c1, TColor c2, int p) {
  return BlendRgb(ResolveColour(c1), ResolveColour(c2), p);
}

TGradientCache& GradientCache() {
  static TGradientCache cache;
  return cache;
}

void FillGradient(HDC dc, const RECT& rect, TColor c1, bool vertical, TColor c2) {
  if (!dc || rect.right <= rect.left || rect.bottom <= rect.top || !RectVisible(dc, &rect)) return;
  c1 = ResolveColour(c1);
  c2 = ResolveColour(c2);
  const int steps = vertical ? rect.bottom - rect.top : rect.right - rect.left;
  const std::vector<TColor>& table = GradientCache().Table(steps, c1, c2);
  RECT clip;
  if (GetClipBox(dc, &clip) == ERROR) clip = rect;
  const COLORREF oldBack = GetBkColor(dc);
  for (int i = 0; i < steps && i < static_cast<int>(table.size()); ++i) {
    RECT line = rect;
    if (vertical) {
      line.top = rect.top + i;
      line.bottom = line.top + 1;
      if (line.top < clip.top || line.top >= clip.bottom) continue;
    } else {
      line.left = rect.left + i;
      line.right = line.left + 1;
      if (line.left < clip.left || line.left >= clip.right) continue;
    }
    // An opaque empty text run is GDI's quickest solid fill.
    SetBkColor(dc, static_cast<COLORREF>(table[i]));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
  }
  SetBkColor(dc, oldBack);
}

namespace {

// Applies f to every pixel of the bitmap.
template <typename F>
void ForEachPixel(TBitmap& bitmap, F f) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    Pixel32* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) row[x] = f(row[x]);
  }
}

}  // namespace

void ReplaceMagenta(TBitmap& bitmap, TColor colour) {
  const Pixel32 key = PixelOf(kSkinKeyColour), with = PixelOf(ResolveColour(colour));
  ForEachPixel(bitmap, [&](Pixel32 p) { return (p & 0xFFFFFF) == key ? with : p; });
}

void MakeGrey(TBitmap& bitmap) {
  ForEachPixel(bitmap, [](Pixel32 p) {
    const Pixel32 grey = ((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) / 3;
    return grey | (grey << 8) | (grey << 16);
  });
}

void MirrorBitmap(TBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    Pixel32* row = bitmap.ScanLine(y);
    std::reverse(row, row + bitmap.Width());
  }
}

void FlipBitmap(TBitmap& bitmap) {
  for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(bitmap.ScanLine(top), bitmap.ScanLine(top) + bitmap.Width(),
                     bitmap.ScanLine(bottom));
}

namespace {

// Builds a height x width bitmap where target(tx, ty) = source(map(tx, ty)).
template <typename Map>
void Rotate(TBitmap& bitmap, Map map) {
  if (bitmap.Empty()) return;
  const int w = bitmap.Width(), h = bitmap.Height();
  TBitmap rotated(h, w);
  if (rotated.Empty()) return;
  const Pixel32* source = bitmap.ScanLine(0);  // rows are contiguous, top row first
  for (int ty = 0; ty < w; ++ty) {
    Pixel32* row = rotated.ScanLine(ty);
    for (int tx = 0; tx < h; ++tx) {
      auto [sx, sy] = map(tx, ty, w, h);
      row[tx] = source[static_cast<size_t>(sy) * w + sx];
    }
  }
  bitmap = std::move(rotated);
}

}  // namespace

void RotateAnticlockwise(TBitmap& bitmap) {
  // (x, y) goes to (y, w − 1 − x): target (tx, ty) comes from (w − 1 − ty, tx).
  Rotate(bitmap, [](int tx, int ty, int w, int) { return std::pair<int, int>(w - 1 - ty, tx); });
}

void RotateClockwise(TBitmap& bitmap) {
  // (x, y) goes to (h − 1 − y, x): target (tx, ty) comes from (ty, h − 1 − tx).
  Rotate(bitmap, [](int tx, int ty, int, int h) { return std::pair<int, int>(ty, h - 1 - tx); });
}

void CopyBitmap(const TBitmap& source, TBitmap& target) { target.Assign(source); }

int DrawTextUnicode(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
  if (!dc) return 0;
  return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

std::wstring AnsiToUnicode(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
  return wide;
}
