// The skinned frame painter (see frame_painter.h). The title bar is composed in an
// off-screen buffer and copied in one BitBlt; border pieces are rendered by the
// nine-slice routine into temporary bitmaps and copied.
#include "skin/forms/frame_painter.h"

#include <memory>

#include "framework/bitmap.h"
#include "framework/gdi.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {

// Frame 1 when the window is active or the piece has one cell, else frame 2.
int PieceFrame(const TDataSkinObject& piece, bool active) {
  return (active || piece.Frame <= 1) ? 1 : 2;
}

// Copies source onto target at (x, y) except where source holds the key colour. Both
// are DIB sections, so this is a loop over memory rather than a mask blit, which is
// slow under some GDI implementations.
void KeyedCopy(TBitmap& target, int x, int y, const TBitmap& source) {
  const Pixel32 key = PixelOf(kSkinKeyColour) & 0xFFFFFF;
  for (int row = 0; row < source.Height(); ++row) {
    Pixel32* out = target.ScanLine(y + row);
    const Pixel32* in = source.ScanLine(row);
    if (!out || !in) continue;
    for (int col = 0; col < source.Width(); ++col) {
      const int tx = x + col;
      if (tx < 0 || tx >= target.Width()) continue;
      if ((in[col] & 0xFFFFFF) != key) out[tx] = in[col];
    }
  }
}

// One border piece into rect of target (a bitmap whose origin is the window's):
// left and right cells lie side by side, top and bottom cells one above the other; a
// Tile value of 1 stretches the centre, anything else tiles it (the border pieces read
// their stretch keys into Tile); a Trans value of 1 keeps what is under key pixels.
void DrawBorderPiece(TBitmap& target, const RECT& rect, const TDataSkinObject& piece, bool stacked,
                     bool active) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (piece.Image.Empty() || w <= 0 || h <= 0) return;
  std::unique_ptr<TBitmap> rendered =
      NineSliceBitmap(w, h, piece.Image, piece.Margins(), stacked, piece.Tile != 1,
                      piece.Frame > 0 ? piece.Frame : 1, PieceFrame(piece, active));
  if (!rendered) return;
  if (piece.Trans == 1) {
    KeyedCopy(target, rect.left, rect.top, *rendered);
  } else {
    BitBlt(target.Canvas(), rect.left, rect.top, w, h, rendered->Canvas(), 0, 0, SRCCOPY);
  }
}

// A border piece drawn straight into dc: composed over what dc shows there.
void DrawBorderPieceTo(HDC dc, const RECT& rect, const TDataSkinObject& piece, bool stacked,
                       bool active) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (piece.Image.Empty() || w <= 0 || h <= 0) return;
  if (piece.Trans != 1) {
    DrawNineSlice(dc, rect, piece.Image, piece.Margins(), stacked, piece.Tile != 1,
                  piece.Frame > 0 ? piece.Frame : 1, PieceFrame(piece, active), false);
    return;
  }
  TBitmap strip(w, h);
  if (strip.Empty()) return;
  BitBlt(strip.Canvas(), 0, 0, w, h, dc, rect.left, rect.top, SRCCOPY);
  DrawBorderPiece(strip, RECT{0, 0, w, h}, piece, stacked, active);
  BitBlt(dc, rect.left, rect.top, w, h, strip.Canvas(), 0, 0, SRCCOPY);
}

// Caption text and buttons into a title buffer whose origin is the window's top-left.
RECT PaintTitleContent(HDC buffer, const TFramePaintInput& in) {
  const TWindowFacts& f = *in.facts;
  const TSkinData& skin = *in.skin;
  const TDataSkinObject* menuBar = skin.Objects.MenuBar.get();
  int rightLimit = 0;
  if (in.buttons) {
    in.buttons->Layout(f, in.previousText, menuBar, in.query);
    rightLimit = in.buttons->RightLimit();
  }
  RECT text = DrawCaptionText(buffer, skin, f, in.captionFont, rightLimit);
  if (in.buttons) {
    in.buttons->Layout(f, text, menuBar, in.query);
    in.buttons->PaintAtTitle(buffer, f, in.icon);
  }
  return text;
}

RECT PaintMinimised(HDC dc, const TFramePaintInput& in) {
  const TWindowFacts& f = *in.facts;
  const TSkinData& skin = *in.skin;
  TBitmap buffer(f.width, f.height);
  if (buffer.Empty()) return RECT{};
  buffer.Fill(ResolveColour(skin.Colours.ButtonFace));
  DrawBorderPiece(buffer, RECT{0, 0, f.width, f.frame.top}, *skin.Objects.Top, true, f.active);
  RECT text = PaintTitleContent(buffer.Canvas(), in);
  BitBlt(dc, 0, 0, f.width, f.height, buffer.Canvas(), 0, 0, SRCCOPY);
  return text;
}

}  // namespace

RECT PaintSkinFrame(HDC dc, const TFramePaintInput& in) {
  if (!dc || !in.skin || !in.facts) return RECT{};
  const TWindowFacts& f = *in.facts;
  const TSkinObjects& o = in.skin->Objects;
  if (f.width <= 0 || f.height <= 0) return RECT{};
  if (f.showState == ssMinimised) return PaintMinimised(dc, in);

  const TFrameWidths& w = f.frame;
  DrawBorderPieceTo(dc, RECT{0, 0, w.left, f.height}, *o.Left, false, f.active);
  DrawBorderPieceTo(dc, RECT{f.width - w.right, 0, f.width, f.height}, *o.Right, false, f.active);
  DrawBorderPieceTo(dc, RECT{w.left, f.height - w.bottom, f.width - w.right, f.height}, *o.Bottom,
                    true, f.active);
  if (f.menuBarHeight > 0) {
    RECT band{w.left, w.top, f.width - w.right, w.top + f.menuBarHeight};
    FillRect(dc, &band, in.skin->FaceBrush() ? in.skin->FaceBrush()
                                             : GetSysColorBrush(COLOR_BTNFACE));
  }
  if (w.top <= 0) return RECT{};

  // The title bar: what the screen shows, the top piece, the text, the buttons.
  TBitmap title(f.width, w.top);
  if (title.Empty()) return RECT{};
  BitBlt(title.Canvas(), 0, 0, f.width, w.top, dc, 0, 0, SRCCOPY);
  DrawBorderPiece(title, RECT{w.left, 0, f.width - w.right, w.top}, *o.Top, true, f.active);
  RECT text = PaintTitleContent(title.Canvas(), in);
  BitBlt(dc, 0, 0, f.width, w.top, title.Canvas(), 0, 0, SRCCOPY);
  return text;
}
