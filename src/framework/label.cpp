// TLabel (see label.h).
#include "framework/label.h"

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/wide.h"

void TLabel::DefineProperties(TPropList& list) const {
  TGraphicControl::DefineProperties(list);
  list.Enumeration<TLabel>("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                           [](TLabel& l) -> int64_t { return l.Alignment; },
                           [](TLabel& l, int64_t v) {
                             l.Alignment = static_cast<TAlignment>(v);
                             l.Invalidate();
                           });
  list.Boolean<TLabel>("Transparent", [](TLabel& l) { return l.Transparent; },
                       [](TLabel& l, bool v) {
                         l.Transparent = v;
                         l.Invalidate();
                       });
}

void TLabel::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (!Transparent) FillColour(dc, r, Color());
  SelectGuard font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : SystemColour(COLOR_GRAYTEXT)));
  UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
  if (Alignment == taCenter) format |= DT_CENTER;
  if (Alignment == taRightJustify) format |= DT_RIGHT;
  std::wstring text = Widen(caption_);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}
