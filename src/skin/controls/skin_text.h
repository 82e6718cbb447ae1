// Text helpers of the control wrappers: a control's caption and font, the skin's
// button text colour for a face state, and the "||" line break of button captions.
#pragma once
#include <windows.h>

#include <string>

#include "framework/colour.h"

class TControl;
class TSkinData;

// The "Caption" property of a framework control, else the window's text.
std::wstring ControlCaption(TControl* control, HWND window);
// The "Font" of a framework control, else the window's font (WM_GETFONT; may be null).
HFONT ControlFont(TControl* control, HWND window);
// The control's font colour, else the system button-text colour.
TColor ControlFontColour(TControl* control);
// The skin's text colour for face state 1 (normal), 4 (hot) or 2 (pressed) when the
// skin sets it, the button-shadow colour when disabled, else fallback.
TColor ButtonTextColour(const TSkinData* skin, int state, bool enabled, TColor fallback);
// Every "||" becomes a CR LF line break.
std::wstring ExpandLineBreaks(const std::wstring& caption);
