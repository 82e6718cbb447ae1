// The skinned frame painter (see frame_painter.h). The title bar is composed in an
// off-screen buffer and copied in one BitBlt; border pieces are rendered by the
// nine-slice routine into temporary bitmaps and copied.
#include "skin/forms/frame_painter.h"

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

// One border piece into rect: left and right cells lie side by side, top and bottom
// cells one above the other; a Tile value of 1 stretches the centre, anything else
// tiles it (the border pieces read their stretch keys into Tile).
void DrawBorderPiece(HDC dc, const RECT& rect, const TDataSkinObject& piece, bool stacked,
                     bool active) {
  if (piece.Image.Empty() || rect.right <= rect.left || rect.bottom <= rect.top) return;
  DrawNineSlice(dc, rect, piece.Image, piece.Margins(), stacked, piece.Tile != 1,
                piece.Frame > 0 ? piece.Frame : 1, PieceFrame(piece, active), piece.Trans == 1);
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
  DrawBorderPiece(buffer.Canvas(), RECT{0, 0, f.width, f.frame.top}, *skin.Objects.Top, true,
                  f.active);
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
  DrawBorderPiece(dc, RECT{0, 0, w.left, f.height}, *o.Left, false, f.active);
  DrawBorderPiece(dc, RECT{f.width - w.right, 0, f.width, f.height}, *o.Right, false, f.active);
  DrawBorderPiece(dc, RECT{w.left, f.height - w.bottom, f.width - w.right, f.height}, *o.Bottom,
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
  DrawBorderPiece(title.Canvas(), RECT{w.left, 0, f.width - w.right, w.top}, *o.Top, true,
                  f.active);
  RECT text = PaintTitleContent(title.Canvas(), in);
  BitBlt(dc, 0, 0, f.width, w.top, title.Canvas(), 0, 0, SRCCOPY);
  return text;
}
