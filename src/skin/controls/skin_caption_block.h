// The image-and-caption block of tab and header items: an image-list image and a
// caption side by side inside a rectangle, left (3 pixels in), centred, or right
// (2 pixels before the edge) aligned, never closer than 1 pixel to the left edge; each
// centred vertically; the caption ends in an ellipsis when it does not fit.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/colour.h"

enum class TBlockAlign { Left = 0, Centre = 1, Right = 2 };

// Draws into dc with its current font; the caption in textColour (transparent
// background). imageIndex -1, a null list, or an icon not narrower than rect: no image.
void DrawImageAndCaption(HDC dc, const RECT& rect, TBlockAlign align, HIMAGELIST images,
                         int imageIndex, const std::wstring& caption, TColor textColour);
