// Glyph and caption placement of bit buttons and speed buttons (see glyph_layout.h).
#include "skin/controls/glyph_layout.h"

#include "framework/colour.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_draw.h"

namespace {

// Lengths along the layout axis: margin before the glyph, glyph, spacing, text.
struct TAxisRun {
  int margin, glyph, spacing, text;
};

// Places the glyph at the margin from the axis's start (or, fromEnd, from its end) and
// the text spacing beyond it, away from that end; returns where the glyph starts.
int PlaceOnAxis(const TAxisRun& run, bool fromEnd, LONG start, LONG end, LONG& textStart,
                LONG& textEnd) {
  if (fromEnd) {
    const int glyphAt = end - run.margin - run.glyph;
    textEnd = glyphAt - run.spacing;
    textStart = textEnd - run.text;
    return glyphAt;
  }
  const int glyphAt = start + run.margin;
  textStart = glyphAt + run.glyph + run.spacing;
  textEnd = textStart + run.text;
  return glyphAt;
}

}  // namespace

TGlyphPlacement PlaceGlyph(HDC dc, const RECT& client, SIZE glyph, const std::wstring& text,
                           TButtonLayout layout, int margin, int spacing, bool centred) {
  TGlyphPlacement place;
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  const bool hasGlyph = glyph.cx > 0 && glyph.cy > 0;
  if (!hasGlyph) glyph = SIZE{0, 0};
  // 1. The text's extent beside (or above or below) the glyph.
  RECT measure = client;
  InflateRect(&measure, -2, -2);
  if (hasGlyph) {
    if (horizontal)
      measure.right -= glyph.cx + 2;
    else
      measure.bottom -= glyph.cy + 2;
  }
  SIZE textSize{0, 0};
  if (!text.empty()) {
    RECT extent = measure;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_WORDBREAK | DT_CALCRECT);
    textSize = SIZE{extent.right - extent.left, extent.bottom - extent.top};
  }
  const int width = client.right - client.left, height = client.bottom - client.top;
  // 2. The glyph is centred across the layout axis (rounded up).
  int glyphX = client.left + (width - glyph.cx + 1) / 2;
  int glyphY = client.top + (height - glyph.cy + 1) / 2;
  // 3.-4. Margin and spacing along the axis.
  if (text.empty() || !hasGlyph) spacing = 0;
  const int size = horizontal ? width : height;
  const int g = horizontal ? glyph.cx : glyph.cy;
  const int t = horizontal ? textSize.cx : textSize.cy;
  if (margin == -1 || centred) {
    if (spacing == -1) {
      margin = spacing = (size - g - t) / 3;
    } else {
      margin = (size - g - spacing - t) / 2;
    }
  } else if (spacing == -1) {
    spacing = (size - margin - g - t) / 2;
  }
  // 5. Positions.
  RECT text_ = client;
  const TAxisRun run{margin, g, spacing, t};
  switch (layout) {
    case blGlyphLeft:
    case blGlyphRight:
      glyphX = PlaceOnAxis(run, layout == blGlyphRight, client.left, client.right, text_.left,
                           text_.right);
      if (layout == blGlyphRight) place.textFlags |= DT_RIGHT;
      break;
    case blGlyphTop:
    case blGlyphBottom:
      glyphY = PlaceOnAxis(run, layout == blGlyphBottom, client.top, client.bottom, text_.top,
                           text_.bottom);
      place.textFlags |= DT_CENTER;
      break;
  }
  if (horizontal) {
    text_.top = client.top + (height - textSize.cy) / 2;
    text_.bottom = text_.top + textSize.cy;
  }
  place.glyph = RECT{glyphX, glyphY, glyphX + glyph.cx, glyphY + glyph.cy};
  place.text = text_;
  return place;
}

void DrawGlyphFrame(HDC dc, const RECT& dest, const TBitmap& strip, int frames, int frame, bool grey) {
  if (strip.Empty()) return;
  if (frames < 1) frames = 1;
  if (frame < 1 || frame > frames) frame = 1;
  RECT source = FrameRect(strip, false, frames, frame);
  TColor key = strip.GetPixel(0, strip.Height() - 1);
  if (!grey) {
    TransparentStretch(dc, dest, strip, source, key);
    return;
  }
  TBitmap cell(source.right - source.left, source.bottom - source.top);
  if (cell.Empty()) return;
  BitBlt(cell.Canvas(), 0, 0, cell.Width(), cell.Height(), strip.Canvas(), source.left,
         source.top, SRCCOPY);
  MakeGrey(cell);
  // The strip's key colour greys too: key on the greyed key (taken from the strip, not
  // the cell, whose corner need not hold the key).
  const int g = (RedOf(key) + GreenOf(key) + BlueOf(key)) / 3;
  TColor greyKey = RgbColour(g, g, g);
  TransparentStretch(dc, dest, cell, RECT{0, 0, cell.Width(), cell.Height()}, greyKey);
}
