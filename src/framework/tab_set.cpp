// TTabSet (see tab_set.h).
#include "framework/tab_set.h"

#include <algorithm>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/wide.h"

TTabSet::TTabSet(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 21); }

void TTabSet::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Integer<TTabSet>("TabIndex", [](TTabSet& t) -> int64_t { return t.TabIndex(); },
                        [](TTabSet& t, int64_t v) { t.SetTabIndex(static_cast<int>(v)); });
  list.Integer<TTabSet>("FirstIndex", [](TTabSet& t) -> int64_t { return t.FirstIndex(); },
                        [](TTabSet& t, int64_t v) { t.SetFirstIndex(static_cast<int>(v)); });
  list.Integer<TTabSet>("StartMargin", [](TTabSet& t) -> int64_t { return t.StartMargin; },
                        [](TTabSet& t, int64_t v) { t.StartMargin = static_cast<int>(v); });
  list.Integer<TTabSet>("EndMargin", [](TTabSet& t) -> int64_t { return t.EndMargin; },
                        [](TTabSet& t, int64_t v) { t.EndMargin = static_cast<int>(v); });
}

void TTabSet::AddTab(const std::string& caption) {
  tabs_.push_back(caption);
  if (tabIndex_ < 0) tabIndex_ = 0;
  Invalidate();
}

void TTabSet::SetTabIndex(int index) {
  if (index < -1 || index >= TabCount()) return;
  tabIndex_ = index;
  Invalidate();
}

void TTabSet::SetFirstIndex(int index) {
  if (index < 0 || index >= std::max(1, TabCount())) return;
  firstIndex_ = index;
  Invalidate();
}

int TTabSet::TabWidth(HDC dc, const std::string& text) const {
  std::wstring wide = Widen(text);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size.cx + 9;
}

void TTabSet::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_TABSTOP;
}

void TTabSet::PaintWindow(HDC dc) {
  RECT client{0, 0, Width(), Height()};
  FillColour(dc, client, Color());
  SelectGuard font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font().Color()));
  int x = StartMargin;
  for (int i = firstIndex_; i < TabCount(); ++i) {
    int w = TabWidth(dc, tabs_[static_cast<size_t>(i)]);
    if (x + w > Width() - EndMargin) break;
    bool selected = i == tabIndex_;
    RECT tab{x, selected ? 0 : 2, x + w, Height() - (selected ? 0 : 2)};
    FillColour(dc, tab, selected ? SystemColour(COLOR_WINDOW) : Color());
    FrameColour(dc, tab, SystemColour(COLOR_BTNSHADOW));
    std::wstring text = Widen(tabs_[static_cast<size_t>(i)]);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    x += w;
  }
}

bool TTabSet::HandleMessage(TMessage& m) {
  if (m.Msg == WM_LBUTTONDOWN && HandleAllocated()) {
    int px = static_cast<short>(LOWORD(m.LParam));
    WindowDC dc(Handle());
    SelectGuard font(dc.Get(), Font().Handle());
    int x = StartMargin;
    for (int i = firstIndex_; i < TabCount(); ++i) {
      int w = TabWidth(dc.Get(), tabs_[static_cast<size_t>(i)]);
      if (px >= x && px < x + w) {
        SetTabIndex(i);
        break;
      }
      x += w;
    }
  }
  return TWinControl::HandleMessage(m);
}
