// Skinned menu items (Windows only): the measure and draw routines of owner-drawn menu
// items, from the skin's MenuItem object (five cells side by side) and its menu colours,
// with the glyphs of the skin data's MenuImages. The system menu of a skinned window
// uses them now; the menu bar and pop-up menu skins will too.
#pragma once
#include <windows.h>

#include <string>

class TSkinData;

struct TSkinMenuItem {
  std::wstring caption;   // "-" for a separator
  std::wstring shortcut;  // drawn right-aligned, may be empty
  int imageIndex = -1;    // index into MenuImages, -1 for none
  bool enabled = true;
  bool checked = false;
  bool isDefault = false;  // drawn bold
  bool IsSeparator() const { return caption == L"-"; }
};

// The size of an item in the system menu font (width: text + 26 + MenuItem's LeftWidth
// and the shortcut; height: text + 4, 8 for a separator).
SIZE MeasureSkinMenuItem(const TSkinData& skin, const TSkinMenuItem& item);

// Draws the item into rect of dc, selected or not, right-to-left or not.
void DrawSkinMenuItem(HDC dc, const RECT& rect, const TSkinData& skin, const TSkinMenuItem& item,
                      bool selected, bool rightToLeft = false);

// A font made from the system menu font.
HFONT CreateMenuFont(bool bold = false);
