// Skin drawing routines (Windows only): cut one state frame out of a skin bitmap and
// lay it into a rectangle.
//   FrameRect              where frame k of an n-frame strip lies in the bitmap
//   NineSliceBitmap        corners and edges unscaled, centre stretched or tiled
//   DrawNineSlice          the same, drawn into a DC (optionally keyed on magenta)
//   DrawThreePart          left cap, middle repeated, right cap
//   DrawThreePartStretch   left cap, middle stretched, right cap
//   DrawStripFrame         one frame stretched to the rectangle
//   DrawStripFrameCentred  one frame unscaled, centred in the rectangle
//   TransparentCopy        a bitmap copied except where it holds the key colour
// Frames count from 1 and lie side by side unless `stacked` says one above the other.
// A frame count below 1 counts as 1 and a frame number is clamped into 1..count, so a
// bad number from a skin never reads outside the bitmap. Margins are a RECT of widths
// (left, top, right, bottom). Empty bitmaps and empty rectangles draw nothing.
#pragma once
#include <windows.h>

#include <memory>

#include "framework/bitmap.h"
#include "framework/colour.h"

// Source rectangle of the frame; an empty RECT for an empty bitmap.
RECT FrameRect(const TBitmap& bitmap, bool stacked, int frameCount, int frame);

// Nine-slice into a new width x height bitmap (null when either is not positive or the
// source is empty). Side margins are dropped when width < left + right, top and bottom
// margins when height < top + bottom.
std::unique_ptr<TBitmap> NineSliceBitmap(int width, int height, const TBitmap& source,
                                         const RECT& margins, bool stacked, bool tileCentre,
                                         int frameCount, int frame);

// Nine-slice drawn at dest; with transparent, pixels of kSkinKeyColour leave dc unchanged.
void DrawNineSlice(HDC dc, const RECT& dest, const TBitmap& source, const RECT& margins,
                   bool stacked, bool tileCentre, int frameCount, int frame, bool transparent);

// Left cap (leftCap wide), then the frame's middle repeated across, then the right cap,
// each at the frame's own height from rect.top.
void DrawThreePart(HDC dc, const RECT& rect, const TBitmap& bitmap, bool stacked,
                   bool transparent, int frameCount, int frame, int leftCap, int rightCap);

// Caps unscaled, the middle stretched over the rest (height stretched to the rectangle);
// when the rectangle is narrower than one frame the whole frame is stretched over it.
void DrawThreePartStretch(HDC dc, const RECT& rect, const TBitmap& bitmap, bool stacked,
                          int frameCount, int frame, int leftCap, int rightCap);

// The frame (side by side) stretched to rect.
void DrawStripFrame(HDC dc, const RECT& rect, const TBitmap& bitmap, bool transparent,
                    int frameCount, int frame);

// The frame (side by side) unscaled, centred in rect (offsets rounded toward zero).
void DrawStripFrameCentred(HDC dc, const RECT& rect, const TBitmap& bitmap, bool transparent,
                           int frameCount, int frame);

// Copies bitmap to rect.left/top (at most rect's size, from the bitmap's top-left);
// where the bitmap holds key the destination stays unchanged.
void TransparentCopy(HDC dc, const RECT& rect, const TBitmap& bitmap, TColor key);

// The same for a part of the bitmap, stretched from source to dest.
void TransparentStretch(HDC dc, const RECT& dest, const TBitmap& bitmap, const RECT& source,
                        TColor key);
