// TSkinStatusBar (see skin_status_bar.h).
#include "skin/controls/skin_status_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/status_bar.h"
#include "framework/wide.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
constexpr int kTextInset = 4;

int EdgeCell(TStatusPanelBevel bevel) {
  switch (bevel) {
    case pbRaised: return 2;
    case pbNone: return 3;
    default: return 1;
  }
}
}  // namespace

bool TSkinStatusBar::BeforeMessage(TMessage& m) {
  if (dynamic_cast<TStatusBar*>(control_)) {
    if (m.Msg == WM_PAINT) {
      PaintByMessage(m);
      return false;
    }
    if (m.Msg == WM_ERASEBKGND) {
      m.Result = 1;
      return false;
    }
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinStatusBar::DrawControl(HDC dc, const RECT& rect) {
  auto* bar = dynamic_cast<TStatusBar*>(control_);
  if (!bar || !skinData_ || !dc) return;
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!work_.SetSize(width, height) || !work_.Canvas()) return;
  HDC canvas = work_.Canvas();
  work_.Fill(skinData_->Colours.ButtonFace);
  const TDataSkinObject* edges = skinData_->Objects.StatusBarEdges.get();
  if (edges && edges->Image.Empty()) edges = nullptr;
  TColor textColour = edges ? (edges->NormalColour >= 0 ? static_cast<TColor>(edges->NormalColour) : edges->NormalColour2)
                            : skinData_->Colours.ButtonText;
  bool rtl = GetStyle(handle_, GWL_EXSTYLE) & WS_EX_RTLREADING;
  struct Part {
    RECT rect;
    std::string text;
    TAlignment alignment;
    TStatusPanelBevel bevel;
    bool ownerDrawn;
  };
  std::vector<Part> parts;
  if (bar->SimplePanel() || bar->PanelCount() == 0) {
    parts.push_back({RECT{0, 0, width, height}, GetTextProp(bar, "SimpleText"), taLeftJustify, pbLowered, false});
  } else {
    for (int i = 0; i < bar->PanelCount(); ++i) {
      RECT r{};
      SendMessageW(handle_, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
      if (i == bar->PanelCount() - 1) r.right = width;
      const TStatusPanel& p = bar->Panels(i);
      parts.push_back({r, p.Text, p.Alignment, p.Bevel, p.Style == psOwnerDraw});
    }
  }
  {
    SelectGuard font(canvas, bar->Font().Handle());
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, ColorToRGB(textColour));
    for (const Part& part : parts) {
      if (edges) DrawNineSlice(canvas, part.rect, edges->Image, edges->Margins(), false, edges->Tile == 1,
                               edges->Frame, EdgeCell(part.bevel), edges->Trans == 1);
      if (part.ownerDrawn || part.text.empty()) continue;
      TAlignment alignment = part.alignment;
      if (rtl && alignment == taLeftJustify) alignment = taRightJustify;
      else if (rtl && alignment == taRightJustify) alignment = taLeftJustify;
      UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
      flags |= alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
      RECT text = part.rect;
      InflateRect(&text, -kTextInset, 0);
      std::wstring wide = Widen(part.text);
      DrawTextW(canvas, wide.c_str(), static_cast<int>(wide.size()), &text, flags);
    }
  }
  const TDataSkinObject* extra = skinData_->Objects.ExtraImages.get();
  if ((GetStyle(handle_, GWL_STYLE) & SBARS_SIZEGRIP) && extra && !extra->Image.Empty()) {
    int cell = extra->CellWidth(), h = extra->Image.Height();
    RECT corner{width - cell, height - h, width, height};
    DrawStripFrame(canvas, corner, extra->Image, true, extra->Frame, 5);
  }
  GdiFlush();
  BitBlt(dc, rect.left, rect.top, width, height, canvas, 0, 0, SRCCOPY);
  bar->PaintControls(dc);
  if (bar->OnDrawPanel) {
    for (size_t i = 0; i < parts.size(); ++i) {
      if (!parts[i].ownerDrawn) continue;
      RECT r = parts[i].rect;
      InflateRect(&r, -2, -2);
      bar->OnDrawPanel(*bar, static_cast<int>(i), r, dc);
    }
  }
}
