// The window region of a skinned frame (Windows only): the client rectangle plus each
// border piece's opaque pixels, or the whole window when no piece is transparent.
#pragma once
#include <windows.h>

#include "framework/bitmap.h"
#include "framework/gdi.h"
#include "skin/forms/window_facts.h"

struct TSkinObjects;

// A region of every pixel of bitmap that is not the key colour 0xFF00FF (red, green and
// blue each within key..key+1), moved by (dx, dy). Rows are scanned into runs; runs are
// gathered 500 at a time and merged into the result every 2000.
OwnedRegion RegionFromBitmap(const TBitmap& bitmap, int dx, int dy);

// Whether any of the four border pieces has a non-zero Trans value.
bool FrameHasTransparency(const TSkinObjects& objects);

// The region for a window of the facts' size and frame (pieces in their active frame).
OwnedRegion BuildFrameRegion(const TSkinObjects& objects, const TWindowFacts& facts);
