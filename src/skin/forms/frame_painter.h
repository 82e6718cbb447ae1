// The skinned frame painter (Windows only): border pieces, menu-bar band, title bar with
// caption text and caption buttons, or only the title bar for a minimised window. It
// paints into a device context whose origin is the window's top-left corner (a window
// DC, or a memory DC in tests and benchmarks) and never fetches one itself.
#pragma once
#include <windows.h>

#include "skin/forms/caption_buttons.h"
#include "skin/forms/window_facts.h"

class TSkinData;

struct TFramePaintInput {
  const TSkinData* skin = nullptr;
  const TWindowFacts* facts = nullptr;
  HFONT captionFont = nullptr;       // the system caption font when null
  TCaptionButtons* buttons = nullptr;  // placed and painted when given
  HICON icon = nullptr;               // the window's small icon
  TVisibilityQuery query;             // answers Visibility 1000..2000
  RECT previousText{};                // where the caption text went last time
};

// Paints the frame; returns where the caption text was drawn (window coordinates).
RECT PaintSkinFrame(HDC dc, const TFramePaintInput& in);

// Where the caption text goes in the title bar for a text of the given size (the
// caption-text rules: alignment, right-to-left, vertical shift, clipping, dialog shift).
RECT PlaceCaptionText(const TSkinData& skin, const TWindowFacts& facts, SIZE text,
                      int rightLimit);

// Draws the caption (two spaces before it, one after) into the title bar; returns the
// text rectangle.
RECT DrawCaptionText(HDC dc, const TSkinData& skin, const TWindowFacts& facts, HFONT font,
                     int rightLimit);

// A font made from the system caption font (SPI_GETNONCLIENTMETRICS).
HFONT CreateCaptionFont();
