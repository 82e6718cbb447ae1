// TSpeedButton (see speed_button.h).
#include "framework/speed_button.h"

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/wide.h"
#include "framework/win_control.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

void TSpeedButton::DefineProperties(TPropList& list) const {
  TGraphicControl::DefineProperties(list);
  list.Boolean<TSpeedButton>("Down", [](TSpeedButton& b) { return b.Down(); },
                             [](TSpeedButton& b, bool v) { b.SetDown(v); });
  list.Boolean<TSpeedButton>("Flat", [](TSpeedButton& b) { return b.Flat; },
                             [](TSpeedButton& b, bool v) {
                               b.Flat = v;
                               b.Invalidate();
                             });
  list.Integer<TSpeedButton>("GroupIndex", [](TSpeedButton& b) -> int64_t { return b.GroupIndex; },
                             [](TSpeedButton& b, int64_t v) { b.GroupIndex = static_cast<int>(v); });
  list.Boolean<TSpeedButton>("AllowAllUp", [](TSpeedButton& b) { return b.AllowAllUp; },
                             [](TSpeedButton& b, bool v) { b.AllowAllUp = v; });
  list.Object<TSpeedButton>("Glyph", [](TSpeedButton& b) -> TPersistent* { return &b.Glyph; });
  list.Integer<TSpeedButton>("NumGlyphs", [](TSpeedButton& b) -> int64_t { return b.NumGlyphs; },
                             [](TSpeedButton& b, int64_t v) {
                               b.NumGlyphs = v < 1 ? 1 : v > 4 ? 4 : static_cast<int>(v);
                             });
  list.Enumeration<TSpeedButton>("Layout", ButtonLayoutNames(),
                                 [](TSpeedButton& b) -> int64_t { return b.Layout; },
                                 [](TSpeedButton& b, int64_t v) {
                                   b.Layout = static_cast<TButtonLayout>(v);
                                 });
  list.Integer<TSpeedButton>("Margin", [](TSpeedButton& b) -> int64_t { return b.Margin; },
                             [](TSpeedButton& b, int64_t v) { b.Margin = static_cast<int>(v); });
  list.Integer<TSpeedButton>("Spacing", [](TSpeedButton& b) -> int64_t { return b.Spacing; },
                             [](TSpeedButton& b, int64_t v) { b.Spacing = static_cast<int>(v); });
}

void TSpeedButton::SetDown(bool value) {
  if (GroupIndex == 0) value = false;
  if (value == down_) return;
  if (down_ && !value && !AllowAllUp) {
    // The last down button of a group stays down unless all may be up.
    bool otherDown = false;
    if (Parent())
      for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (b && b != this && b->GroupIndex == GroupIndex && b->down_) otherDown = true;
      }
    if (!otherDown) return;
  }
  down_ = value;
  if (value && Parent())
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
      if (b && b != this && b->GroupIndex == GroupIndex && b->down_) {
        b->down_ = false;
        b->Invalidate();
      }
    }
  Invalidate();
}

void TSpeedButton::Click() {
  if (GroupIndex != 0) {
    if (!down_) {
      SetDown(true);
    } else if (AllowAllUp) {
      down_ = false;
      Invalidate();
    }
  }
  if (OnClick) OnClick();
}

bool TSpeedButton::HandleMessage(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
      mouseIn_ = true;
      Invalidate();
      return true;
    case CM_MOUSELEAVE:
      mouseIn_ = false;
      Invalidate();
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Enabled()) return true;
      pressed_ = true;
      Invalidate();
      return true;
    case WM_LBUTTONUP: {
      bool wasPressed = pressed_;
      pressed_ = false;
      Invalidate();
      POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      RECT r{0, 0, Width(), Height()};
      if (wasPressed && PtInRect(&r, p)) Click();
      return true;
    }
    default:
      return TGraphicControl::HandleMessage(m);
  }
}

void TSpeedButton::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  FillColour(dc, r, Color());
  bool sunken = down_ || pressed_;
  if (sunken)
    DrawEdge(dc, &r, Flat ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT);
  else if (!Flat || (mouseIn_ && Enabled()))
    DrawEdge(dc, &r, Flat ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT);
  int x = 4;
  if (!Glyph.Empty()) {
    int frames = NumGlyphs < 1 ? 1 : NumGlyphs;
    int w = Glyph.Bitmap.Width() / frames, h = Glyph.Bitmap.Height();
    int y = (Height() - h) / 2;
    BitBlt(dc, x, y, w, h, Glyph.Bitmap.Canvas(), 0, 0, SRCCOPY);
    x += w + (Spacing < 0 ? 4 : Spacing);
  }
  SelectGuard font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : SystemColour(COLOR_GRAYTEXT)));
  std::wstring text = Widen(caption_);
  RECT t{x, 0, Width(), Height()};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &t,
            (Glyph.Empty() ? DT_CENTER : 0) | DT_VCENTER | DT_SINGLELINE);
}
