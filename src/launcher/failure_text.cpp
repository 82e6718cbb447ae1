// TFailureText (see failure_text.h).
#include "launcher/failure_text.h"

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/wide.h"

void TFailureText::PaintWindow(HDC dc) {
  RECT r{0, 0, ClientWidth(), ClientHeight()};
  SelectGuard font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font().Color()));
  std::wstring text = Widen(Caption());
  // Long paths break at any character rather than running out of the control.
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
}
