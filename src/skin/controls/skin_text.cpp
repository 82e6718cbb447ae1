// Text helpers of the control wrappers (see skin_text.h).
#include "skin/controls/skin_text.h"

#include "framework/control.h"
#include "framework/font.h"
#include "framework/wide.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"

std::wstring ControlCaption(TControl* control, HWND window) {
  if (control && control->Properties().Find("Caption")) return Widen(GetTextProp(control, "Caption"));
  return window ? WideWindowText(window) : std::wstring();
}

HFONT ControlFont(TControl* control, HWND window) {
  if (auto* font = dynamic_cast<TFont*>(GetObjectProp(control, "Font"))) return font->Handle();
  if (!window) return nullptr;
  return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

TColor ControlFontColour(TControl* control) {
  if (auto* font = dynamic_cast<TFont*>(GetObjectProp(control, "Font"))) return font->Color();
  return SystemColour(COLOR_BTNTEXT);
}

TColor ButtonTextColour(const TSkinData* skin, int state, bool enabled, TColor fallback) {
  if (!enabled) return SystemColour(COLOR_BTNSHADOW);
  if (!skin || !skin->Objects.Buttons) return fallback;
  const TDataSkinButton& b = *skin->Objects.Buttons;
  if (state == 1 && b.HasNormalColour2) return b.NormalColour2;
  if (state == 4 && b.HasMouseOverColour2) return b.MouseOverColour2;
  if (state == 2 && b.HasPressedColour2) return b.PressedColour2;
  return fallback;
}

std::wstring ExpandLineBreaks(const std::wstring& caption) {
  std::wstring text;
  text.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'|' && i + 1 < caption.size() && caption[i + 1] == L'|') {
      text += L"\r\n";
      ++i;
    } else {
      text += caption[i];
    }
  }
  return text;
}
