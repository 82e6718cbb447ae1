// TStatusBar (see status_bar.h).
#include "framework/status_bar.h"

#include <commctrl.h>

#include "framework/wide.h"

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 200, 19); }

void TStatusBar::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Boolean<TStatusBar>("SimplePanel", [](TStatusBar& s) { return s.SimplePanel(); },
                           [](TStatusBar& s, bool v) { s.SetSimplePanel(v); });
  list.String<TStatusBar>("SimpleText", [](TStatusBar& s) { return s.SimpleText(); },
                          [](TStatusBar& s, const std::string& v) { s.SetSimpleText(v); });
  list.Boolean<TStatusBar>("SizeGrip", [](TStatusBar& s) { return s.SizeGrip; });
}

void TStatusBar::AddPanel(const TStatusPanel& panel) {
  panels_.push_back(panel);
  if (HandleAllocated()) SendPanels();
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
  if (index < 0 || index >= PanelCount()) return;
  panels_[static_cast<size_t>(index)].Text = text;
  if (HandleAllocated()) SendPanels();
}

void TStatusBar::SetSimplePanel(bool simple) {
  simplePanel_ = simple;
  if (HandleAllocated()) SendMessageW(Handle(), SB_SIMPLE, simple, 0);
  Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& text) {
  simpleText_ = text;
  if (HandleAllocated())
    SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void TStatusBar::SendPanels() {
  std::vector<int> edges;
  int x = 0;
  for (size_t i = 0; i < panels_.size(); ++i) {
    x += panels_[i].Width;
    edges.push_back(i + 1 == panels_.size() ? -1 : x);  // the last panel reaches the edge
  }
  if (edges.empty()) edges.push_back(-1);
  SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < panels_.size(); ++i) {
    const TStatusPanel& p = panels_[i];
    WPARAM flags = i;
    if (p.Bevel == pbNone) flags |= SBT_NOBORDERS;
    if (p.Bevel == pbRaised) flags |= SBT_POPOUT;
    if (p.Style == psOwnerDraw) flags |= SBT_OWNERDRAW;
    std::wstring text = Widen(p.Text);
    SendMessageW(Handle(), SB_SETTEXTW, flags,
                 p.Style == psOwnerDraw ? static_cast<LPARAM>(i) : reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void TStatusBar::CreateParams(TCreateParams& params) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(params);
  params.BaseClassName = STATUSCLASSNAMEW;
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (SizeGrip) params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::HandleCreated() {
  SendPanels();
  SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Widen(simpleText_).c_str()));
  if (simplePanel_) SendMessageW(Handle(), SB_SIMPLE, TRUE, 0);
}

void TStatusBar::BoundsChanged() {
  TWinControl::BoundsChanged();
  if (HandleAllocated()) SendMessageW(Handle(), WM_SIZE, 0, 0);
}

bool TStatusBar::HandleMessage(TMessage& m) {
  if (m.Msg == CN_DRAWITEM && m.LParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    if (OnDrawPanel) OnDrawPanel(*this, static_cast<int>(item->itemID), item->rcItem, item->hDC);
    m.Result = TRUE;
    return true;
  }
  return TWinControl::HandleMessage(m);
}
