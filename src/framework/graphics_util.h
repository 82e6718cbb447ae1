// Small drawing helpers of the GUI layer: colour conversion and fills (Windows only).
#pragma once
#include <windows.h>

#include "framework/colour.h"

// The RGB value of a colour (system colours resolved).
COLORREF ColorToRGB(TColor color);
// Fills the rectangle with a solid brush of the colour.
void FillColour(HDC dc, const RECT& rect, TColor color);
// Draws a one-pixel frame of the colour along the inside of the rectangle.
void FrameColour(HDC dc, const RECT& rect, TColor color);
