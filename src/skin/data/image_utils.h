// Image utilities of the skin engine (Windows only): colour blending with system
// colours, gradients, magenta replacement, grey, mirror, flip, rotations, copying and
// wide-text drawing. Bitmaps are TBitmap (32-bit pixels; colours as in colour.h).
#pragma once
#include <windows.h>

#include <string>

#include "framework/bitmap.h"
#include "framework/colour.h"
#include "skin/data/colour_math.h"

// A system colour (negative value) becomes the platform's colour of its low byte.
TColor ResolveColour(TColor c);

// BlendRgb after resolving system colours.
TColor BlendColours(TColor c1, TColor c2, int p);

// Fills rect line by line with a gradient from c1 to c2 (rows top to bottom when
// vertical, else columns left to right); lines outside the DC's clip box are skipped and
// nothing happens when rect is not visible. Tables come from a process-wide
// TGradientCache (GUI thread only).
void FillGradient(HDC dc, const RECT& rect, TColor c1, bool vertical, TColor c2);
TGradientCache& GradientCache();

void ReplaceMagenta(TBitmap& bitmap, TColor colour);  // every 0xFF00FF pixel becomes colour
void MakeGrey(TBitmap& bitmap);                       // (r + g + b) div 3 in every channel
void MirrorBitmap(TBitmap& bitmap);                   // left-right
void FlipBitmap(TBitmap& bitmap);                     // top-bottom
void RotateAnticlockwise(TBitmap& bitmap);  // (x, y) -> (y, width − 1 − x)
void RotateClockwise(TBitmap& bitmap);      // (x, y) -> (height − 1 − y, x)
void CopyBitmap(const TBitmap& source, TBitmap& target);  // same size, same pixels

// Draws UTF-16 text with DrawTextW (every supported platform is of the NT family);
// rect may be changed by DT_CALCRECT as DrawText does. Returns DrawText's result.
int DrawTextUnicode(HDC dc, const std::wstring& text, RECT& rect, UINT format);
// 8-bit text in the ANSI code page to UTF-16.
std::wstring AnsiToUnicode(const std::string& text);
