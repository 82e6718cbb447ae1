// TCustomPanel (see panel.h).
#include "framework/panel.h"

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/wide.h"

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {}

void TCustomPanel::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Enumeration<TCustomPanel>("BevelOuter", {"bvNone", "bvLowered", "bvRaised"},
                           [](TCustomPanel& p) -> int64_t { return p.BevelOuter; },
                           [](TCustomPanel& p, int64_t v) {
                             p.BevelOuter = static_cast<TPanelBevel>(v);
                             p.Invalidate();
                           });
  list.Enumeration<TCustomPanel>("BevelKind", {"bkNone", "bkTile"},
                           [](TCustomPanel& p) -> int64_t { return p.BevelKind; },
                           [](TCustomPanel& p, int64_t v) {
                             p.BevelKind = static_cast<TBevelKind>(v);
                             p.Invalidate();
                           });
  list.Boolean<TCustomPanel>("ParentBackground", [](TCustomPanel& p) { return p.ParentBackground; },
                       [](TCustomPanel& p, bool v) { p.ParentBackground = v; });
  list.Boolean<TCustomPanel>("Transparent", [](TCustomPanel& p) { return p.Transparent; },
                       [](TCustomPanel& p, bool v) { p.Transparent = v; });
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  params.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
}

void TCustomPanel::PaintWindow(HDC dc) {
  RECT r{0, 0, ClientWidth(), ClientHeight()};
  if (BevelKind == bkTile) {
    UINT edges = 0;
    if (BevelEdges & beLeft) edges |= BF_LEFT;
    if (BevelEdges & beTop) edges |= BF_TOP;
    if (BevelEdges & beRight) edges |= BF_RIGHT;
    if (BevelEdges & beBottom) edges |= BF_BOTTOM;
    DrawEdge(dc, &r, EDGE_ETCHED, edges | BF_ADJUST);
  }
  if (BevelOuter != bvNone)
    DrawEdge(dc, &r, BevelOuter == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  if (!caption_.empty()) {
    SelectGuard font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    std::wstring text = Widen(caption_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}
