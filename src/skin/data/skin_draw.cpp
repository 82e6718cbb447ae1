// The skin drawing routines: frame cutting, nine-slice, three-part, strip frames and
// the keyed (transparent) copy. Composite pieces are built in a scratch TBitmap first
// and then copied to the target, opaque or keyed.
#include "skin/data/skin_draw.h"

#include <algorithm>

#include "framework/gdi.h"

namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// Keeps a DC's stretch mode for the length of a routine.
class StretchModeGuard {
 public:
  StretchModeGuard(HDC dc, int mode) : dc_(dc), previous_(SetStretchBltMode(dc, mode)) {}
  StretchModeGuard(const StretchModeGuard&) = delete;
  StretchModeGuard& operator=(const StretchModeGuard&) = delete;
  ~StretchModeGuard() {
    if (previous_) SetStretchBltMode(dc_, previous_);
  }

 private:
  HDC dc_;
  int previous_;
};

// Copies src (sx, sy, sw, sh) of source into (dx, dy, dw, dh), stretching when the
// sizes differ; nothing when either rectangle has no area.
void Piece(HDC dst, int dx, int dy, int dw, int dh, HDC src, int sx, int sy, int sw, int sh) {
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  if (dw == sw && dh == sh)
    BitBlt(dst, dx, dy, dw, dh, src, sx, sy, SRCCOPY);
  else
    StretchBlt(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, SRCCOPY);
}

// Copies the whole of a scratch bitmap to dest, keyed or opaque.
void Output(HDC dc, const RECT& dest, const TBitmap& scratch, bool transparent) {
  if (transparent) {
    TransparentCopy(dc, dest, scratch, kSkinKeyColour);
  } else {
    BitBlt(dc, dest.left, dest.top, Width(dest), Height(dest), scratch.Canvas(), 0, 0, SRCCOPY);
  }
}

bool Drawable(HDC dc, const RECT& rect, const TBitmap& bitmap) {
  return dc && !bitmap.Empty() && Width(rect) > 0 && Height(rect) > 0 && bitmap.Canvas();
}

}  // namespace

RECT FrameRect(const TBitmap& bitmap, bool stacked, int frameCount, int frame) {
  RECT r = {0, 0, 0, 0};
  if (bitmap.Empty()) return r;
  const int count = std::max(frameCount, 1);
  const int k = std::clamp(frame, 1, count);
  if (stacked) {
    const int fh = bitmap.Height() / count;
    r = {0, (k - 1) * fh, bitmap.Width(), k * fh};
  } else {
    const int fw = bitmap.Width() / count;
    r = {(k - 1) * fw, 0, k * fw, bitmap.Height()};
  }
  return r;
}

std::unique_ptr<TBitmap> NineSliceBitmap(int width, int height, const TBitmap& source,
                                         const RECT& margins, bool stacked, bool tileCentre,
                                         int frameCount, int frame) {
  if (width <= 0 || height <= 0 || source.Empty() || !source.Canvas()) return nullptr;
  auto result = std::make_unique<TBitmap>(width, height);
  HDC dc = result->Canvas();
  if (!dc) return nullptr;
  SetStretchBltMode(dc, COLORONCOLOR);
  HDC src = source.Canvas();

  const RECT f = FrameRect(source, stacked, frameCount, frame);
  const int x0 = f.left, y0 = f.top, fw = Width(f), fh = Height(f);
  const int W = width, H = height;
  // Negative margins from a skin are treated as none.
  int l = std::max<int>(margins.left, 0), t = std::max<int>(margins.top, 0);
  int r = std::max<int>(margins.right, 0), b = std::max<int>(margins.bottom, 0);
  if (W < l + r) l = r = 0;
  if (H < t + b) t = b = 0;

  if (l * t > 0) Piece(dc, 0, 0, l, t, src, x0, y0, l, t);
  if (l * b > 0) Piece(dc, 0, H - b, l, b, src, x0, y0 + fh - b, l, b);
  if (r * t > 0) Piece(dc, W - r, 0, r, t, src, x0 + fw - r, y0, r, t);
  if (l > 0) Piece(dc, 0, t, l, H - b - t, src, x0, y0 + t, l, fh - b - t);
  if (t > 0) Piece(dc, l, 0, W - r - l, t, src, x0 + l, y0, fw - r - l, t);

  const int cw = fw - l - r, ch = fh - t - b;  // source centre
  if (tileCentre) {
    // Tiles are clipped to the centre, so they never spill onto the pieces around it.
    // The first tile is copied from the source, then the drawn area is doubled across
    // and down: the same pixels as tile after tile, in a few blits.
    const int aw = W - r - l, ah = H - b - t;  // target centre
    if (cw > 0 && ch > 0 && aw > 0 && ah > 0) {
      BitBlt(dc, l, t, std::min(cw, aw), std::min(ch, ah), src, x0 + l, y0 + t, SRCCOPY);
      for (int done = cw; done < aw; done *= 2)
        BitBlt(dc, l + done, t, std::min(done, aw - done), std::min(ch, ah), dc, l, t, SRCCOPY);
      for (int done = ch; done < ah; done *= 2)
        BitBlt(dc, l, t + done, aw, std::min(done, ah - done), dc, l, t, SRCCOPY);
    }
  } else {
    Piece(dc, l, t, W - r - l, H - b - t, src, x0 + l, y0 + t, cw, ch);
  }

  if (r * b > 0) Piece(dc, W - r, H - b, r, b, src, x0 + fw - r, y0 + fh - b, r, b);
  if (r > 0) Piece(dc, W - r, t, r, H - b - t, src, x0 + fw - r, y0 + t, r, fh - b - t);
  if (b > 0) Piece(dc, l, H - b, W - r - l, b, src, x0 + l, y0 + fh - b, fw - r - l, b);
  GdiFlush();
  return result;
}

void DrawNineSlice(HDC dc, const RECT& dest, const TBitmap& source, const RECT& margins,
                   bool stacked, bool tileCentre, int frameCount, int frame, bool transparent) {
  if (!Drawable(dc, dest, source)) return;
  auto scratch = NineSliceBitmap(Width(dest), Height(dest), source, margins, stacked, tileCentre,
                                 frameCount, frame);
  if (scratch) Output(dc, dest, *scratch, transparent);
}

void DrawThreePart(HDC dc, const RECT& rect, const TBitmap& bitmap, bool stacked,
                   bool transparent, int frameCount, int frame, int leftCap, int rightCap) {
  if (!Drawable(dc, rect, bitmap)) return;
  const RECT f = FrameRect(bitmap, stacked, frameCount, frame);
  const int fw = Width(f), fh = Height(f), W = Width(rect), H = Height(rect);
  if (fw <= 0 || fh <= 0) return;
  // Caps wider than the frame or the rectangle are cut to what there is.
  const int l = std::clamp(leftCap, 0, std::min(fw, W));
  const int r = std::clamp(rightCap, 0, std::min(fw - l, W - l));
  const int mw = fw - l - r;

  TBitmap scratch(W, H);
  HDC s = scratch.Canvas();
  if (!s) return;
  scratch.Fill(kSkinKeyColour);  // any gap stays transparent
  SetStretchBltMode(s, COLORONCOLOR);
  HDC src = bitmap.Canvas();
  Piece(s, 0, 0, l, H, src, f.left, f.top, l, fh);
  if (mw > 0) {
    for (int x = l; x < W - r; x += mw)
      Piece(s, x, 0, std::min(mw, W - r - x), H, src, f.left + l, f.top, std::min(mw, W - r - x),
            fh);
  }
  Piece(s, W - r, 0, r, H, src, f.right - r, f.top, r, fh);
  GdiFlush();
  Output(dc, rect, scratch, transparent);
}

void DrawThreePartStretch(HDC dc, const RECT& rect, const TBitmap& bitmap, bool stacked,
                          int frameCount, int frame, int leftCap, int rightCap) {
  if (!Drawable(dc, rect, bitmap)) return;
  const RECT f = FrameRect(bitmap, stacked, frameCount, frame);
  const int fw = Width(f), fh = Height(f), W = Width(rect), H = Height(rect);
  if (fw <= 0 || fh <= 0) return;
  StretchModeGuard mode(dc, COLORONCOLOR);
  HDC src = bitmap.Canvas();
  if (W < fw) {
    Piece(dc, rect.left, rect.top, W, H, src, f.left, f.top, fw, fh);
    return;
  }
  const int l = std::clamp(leftCap, 0, fw);
  const int r = std::clamp(rightCap, 0, fw - l);
  Piece(dc, rect.left, rect.top, l, H, src, f.left, f.top, l, fh);
  Piece(dc, rect.left + l, rect.top, W - l - r, H, src, f.left + l, f.top, fw - l - r, fh);
  Piece(dc, rect.right - r, rect.top, r, H, src, f.right - r, f.top, r, fh);
}

void DrawStripFrame(HDC dc, const RECT& rect, const TBitmap& bitmap, bool transparent,
                    int frameCount, int frame) {
  if (!Drawable(dc, rect, bitmap)) return;
  const RECT f = FrameRect(bitmap, false, frameCount, frame);
  if (Width(f) <= 0 || Height(f) <= 0) return;
  if (transparent) {
    TransparentStretch(dc, rect, bitmap, f, kSkinKeyColour);
    return;
  }
  StretchModeGuard mode(dc, COLORONCOLOR);
  Piece(dc, rect.left, rect.top, Width(rect), Height(rect), bitmap.Canvas(), f.left, f.top,
        Width(f), Height(f));
}

void DrawStripFrameCentred(HDC dc, const RECT& rect, const TBitmap& bitmap, bool transparent,
                           int frameCount, int frame) {
  if (!Drawable(dc, rect, bitmap)) return;
  const RECT f = FrameRect(bitmap, false, frameCount, frame);
  const int fw = Width(f), fh = Height(f);
  if (fw <= 0 || fh <= 0) return;
  const int x = rect.left + (Width(rect) - fw) / 2;  // C++ division rounds toward zero
  const int y = rect.top + (Height(rect) - fh) / 2;
  // Only the part inside the rectangle is drawn.
  RECT placed = {x, y, x + fw, y + fh}, visible;
  if (!IntersectRect(&visible, &placed, &rect)) return;
  const RECT source = {f.left + visible.left - x, f.top + visible.top - y,
                       f.left + visible.right - x, f.top + visible.bottom - y};
  if (transparent) {
    TransparentStretch(dc, visible, bitmap, source, kSkinKeyColour);
  } else {
    BitBlt(dc, visible.left, visible.top, Width(visible), Height(visible), bitmap.Canvas(),
           source.left, source.top, SRCCOPY);
  }
}

void TransparentCopy(HDC dc, const RECT& rect, const TBitmap& bitmap, TColor key) {
  if (!Drawable(dc, rect, bitmap)) return;
  const int w = std::min(Width(rect), bitmap.Width()), h = std::min(Height(rect), bitmap.Height());
  const RECT dest = {rect.left, rect.top, rect.left + w, rect.top + h};
  TransparentStretch(dc, dest, bitmap, RECT{0, 0, w, h}, key);
}

void TransparentStretch(HDC dc, const RECT& dest, const TBitmap& bitmap, const RECT& source,
                        TColor key) {
  if (!Drawable(dc, dest, bitmap)) return;
  const int w = Width(dest), h = Height(dest);
  if (Width(source) <= 0 || Height(source) <= 0) return;

  // The colour pixels at destination size: the bitmap itself, or a stretched copy.
  const TBitmap* colour = &bitmap;
  int sx = source.left, sy = source.top;
  TBitmap stretched;
  if (Width(source) != w || Height(source) != h) {
    if (!stretched.SetSize(w, h) || !stretched.Canvas()) return;
    SetStretchBltMode(stretched.Canvas(), COLORONCOLOR);
    StretchBlt(stretched.Canvas(), 0, 0, w, h, bitmap.Canvas(), source.left, source.top,
               Width(source), Height(source), SRCCOPY);
    colour = &stretched;
    sx = sy = 0;
  }
  HDC src = colour->Canvas();

  // Monochrome mask: 1 where the bitmap holds the key colour.
  OwnedBitmap mask(CreateBitmap(w, h, 1, 1, nullptr));
  MemoryDC maskDc(dc);
  if (!mask || !maskDc) return;
  {
    SelectGuard select(maskDc.Get(), mask.Get());
    const COLORREF oldBack = SetBkColor(src, static_cast<COLORREF>(key & 0xFFFFFF));
    BitBlt(maskDc.Get(), 0, 0, w, h, src, sx, sy, SRCCOPY);
    SetBkColor(src, oldBack);
  }
  GdiFlush();
  // Where the mask is 1 the destination is kept, elsewhere the source is copied.
  if (MaskBlt(dc, dest.left, dest.top, w, h, src, sx, sy, mask.Get(), 0, 0,
              MAKEROP4(0x00AA0029, SRCCOPY)))
    return;
  // Without MaskBlt: invert, cut with the mask (key white, the rest black), invert again.
  SelectGuard select(maskDc.Get(), mask.Get());
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, dest.left, dest.top, w, h, src, sx, sy, SRCINVERT);
  BitBlt(dc, dest.left, dest.top, w, h, maskDc.Get(), 0, 0, SRCAND);
  BitBlt(dc, dest.left, dest.top, w, h, src, sx, sy, SRCINVERT);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}
