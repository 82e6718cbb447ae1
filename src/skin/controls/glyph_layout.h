// Where a button's glyph and caption go: the glyph on one side of the text (left,
// right, top or bottom), with a margin from the edge and a spacing to the text, each
// -1 for automatic; and the glyph drawn with its own bottom-left pixel transparent.
#pragma once
#include <windows.h>

#include <string>

#include "framework/bitmap.h"
#include "framework/bit_btn.h"

struct TGlyphPlacement {
  RECT glyph{};  // where the glyph goes (its size)
  RECT text{};   // where the text is drawn
  UINT textFlags = DT_WORDBREAK;
};

// client: the button rectangle; glyph: the glyph's size (0 x 0 for none); text is
// measured in dc with the selected font. centred: the alignment is centre (margin
// counts as automatic).
TGlyphPlacement PlaceGlyph(HDC dc, const RECT& client, SIZE glyph, const std::wstring& text,
                           TButtonLayout layout, int margin, int spacing, bool centred);

// Draws frame (1-based) of a strip of frames glyphs into dest, keyed on the strip's
// bottom-left pixel; grey: the frame is greyed first.
void DrawGlyphFrame(HDC dc, const RECT& dest, const TBitmap& strip, int frames, int frame, bool grey);
