// Bitmaps built into the skin engine (Windows only), drawn by code at run time:
//   "TRACK"       horizontal track-bar groove, 3-pixel margins all round
//   "TRACKVERT"   vertical track-bar groove
//   "MORVANEMENU" 16 x 16 system-menu glyphs on white (restore, maximise, minimise, close)
#pragma once
#include <string>

#include "framework/bitmap.h"

// Fills target with the named built-in bitmap (name compared without regard to case);
// an unknown name empties target and returns false.
bool LoadBuiltinBitmap(const std::string& name, TBitmap& target);

// Indexes of the glyphs in "MORVANEMENU" (16-pixel cells, white is transparent).
enum TMenuGlyph { mgRestore = 0, mgMaximize = 1, mgMinimize = 2, mgClose = 3, mgCount = 4 };
