// TForm's AutoScroll (see form.h): scroll bars while controls lie outside the client
// area, and scrolling that moves the controls. Positions are kept in scrollPos_; a
// control's bounds are where it shows now (its designed place less the position).
#include <algorithm>

#include "framework/form.h"

namespace {
constexpr int kLineStep = 8;  // pixels per scroll-bar arrow click

bool HasStyle(HWND window, DWORD bit) {
  return (static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & bit) != 0;
}
}  // namespace

void TForm::SetAutoScroll(bool value) {
  if (value == autoScroll_) return;
  autoScroll_ = value;
  UpdateScrollBars();
}

void TForm::ControlsChanged() { UpdateScrollBars(); }

void TForm::UpdateScrollBars() {
  HWND window = WindowHandle();
  if (!window || updatingScroll_) return;
  updatingScroll_ = true;
  bool active = autoScroll_ && FormStyle != fsMDIForm;
  // The area the controls need, measured from the unscrolled origin.
  int needX = 0, needY = 0;
  if (active) {
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* child = Controls(i);
      if (!child->Visible()) continue;
      needX = std::max<int>(needX, child->Left() + child->Width() + scrollPos_.x);
      needY = std::max<int>(needY, child->Top() + child->Height() + scrollPos_.y);
    }
  }
  // The client area without scroll bars; each bar shown takes room from the other axis.
  RECT client{};
  GetClientRect(window, &client);
  int fullW = client.right + (HasStyle(window, WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  int fullH = client.bottom + (HasStyle(window, WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0);
  bool horizontal = needX > fullW;
  bool vertical = needY > fullH;
  if (horizontal && !vertical) vertical = needY > fullH - GetSystemMetrics(SM_CYHSCROLL);
  if (vertical && !horizontal) horizontal = needX > fullW - GetSystemMetrics(SM_CXVSCROLL);
  int pageW = fullW - (vertical ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  int pageH = fullH - (horizontal ? GetSystemMetrics(SM_CYHSCROLL) : 0);

  ShowScrollBar(window, SB_HORZ, horizontal);
  ShowScrollBar(window, SB_VERT, vertical);
  // New positions: 0 without a bar, else kept within the range.
  POINT target{horizontal ? std::min<int>(scrollPos_.x, std::max(0, needX - pageW)) : 0,
               vertical ? std::min<int>(scrollPos_.y, std::max(0, needY - pageH)) : 0};
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
  if (horizontal) {
    info.nMax = needX - 1;
    info.nPage = static_cast<UINT>(std::max(0, pageW));
    info.nPos = target.x;
    SetScrollInfo(window, SB_HORZ, &info, TRUE);
  }
  if (vertical) {
    info.nMax = needY - 1;
    info.nPage = static_cast<UINT>(std::max(0, pageH));
    info.nPos = target.y;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
  }
  ScrollBy(static_cast<int>(target.x - scrollPos_.x), static_cast<int>(target.y - scrollPos_.y));
  updatingScroll_ = false;
}

bool TForm::HandleScroll(int bar, WORD request) {
  HWND window = WindowHandle();
  if (!autoScroll_ || !window) return false;
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(window, bar, &info)) return false;
  int last = std::max(info.nMin, info.nMax - static_cast<int>(info.nPage) + 1);
  int page = std::max(1, static_cast<int>(info.nPage));
  int pos = info.nPos;
  switch (request) {
    case SB_LINEUP: pos -= kLineStep; break;
    case SB_LINEDOWN: pos += kLineStep; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    case SB_TOP: pos = info.nMin; break;
    case SB_BOTTOM: pos = last; break;
    default: return true;
  }
  pos = std::clamp(pos, info.nMin, last);
  if (pos == info.nPos) return true;
  info.fMask = SIF_POS;
  info.nPos = pos;
  SetScrollInfo(window, bar, &info, TRUE);
  if (bar == SB_HORZ)
    ScrollBy(pos - static_cast<int>(scrollPos_.x), 0);
  else
    ScrollBy(0, pos - static_cast<int>(scrollPos_.y));
  return true;
}

void TForm::ScrollBy(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  bool wasUpdating = updatingScroll_;
  updatingScroll_ = true;  // moving the controls must not measure again
  scrollPos_.x += dx;
  scrollPos_.y += dy;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    child->SetBounds(child->Left() - dx, child->Top() - dy, child->Width(), child->Height());
  }
  updatingScroll_ = wasUpdating;
  Invalidate();
}
