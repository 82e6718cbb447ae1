// Font adjustment of a form: on newer platforms a form in another font switches to
// "Segoe UI", one point larger, when the screen has that font.
#pragma once

class TFont;
class TForm;

// The rule itself: on platform major version 6 or later, when the font is not already
// "Segoe UI" (any letter case) and the font is available, the size grows by one point
// and the name becomes "Segoe UI". Returns whether the font changed.
bool AdjustFontFor(TFont& font, int platformMajorVersion, bool segoeAvailable);
// The rule applied to the form with this platform's version and screen fonts.
void AdjustFont(TForm& form);
// Whether the screen's font list has a font family of this name.
bool ScreenHasFont(const wchar_t* family);
