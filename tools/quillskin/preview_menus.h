// The preview window's menus (Windows only): a main menu with several top-level menus,
// a sub-menu, checked and radio items, a disabled item, separators, shortcuts and
// images of the skin's menu glyphs, and a context menu for the client area.
#pragma once

class TForm;

// Gives the form its main menu and context menu (both owned by the form).
void AddPreviewMenus(TForm& form, bool rightToLeft);
