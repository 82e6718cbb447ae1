// TScrollBar, TScrollBox (see scroll_controls.h).
#include "framework/scroll_controls.h"

#include <algorithm>

#include "framework/memo.h"

// ---- TScrollBar ----

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 121, 17); }

void TScrollBar::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Enumeration<TScrollBar>("Kind", {"sbHorizontal", "sbVertical"},
                               [](TScrollBar& s) -> int64_t { return s.Kind; },
                               [](TScrollBar& s, int64_t v) {
                                 s.Kind = v ? sbVertical : sbHorizontal;
                               });
  list.Integer<TScrollBar>("Min", [](TScrollBar& s) -> int64_t { return s.Min(); },
                           [](TScrollBar& s, int64_t v) {
                             s.SetParams(s.Position(), static_cast<int>(v), s.Max(), s.PageSize());
                           });
  list.Integer<TScrollBar>("Max", [](TScrollBar& s) -> int64_t { return s.Max(); },
                           [](TScrollBar& s, int64_t v) {
                             s.SetParams(s.Position(), s.Min(), static_cast<int>(v), s.PageSize());
                           });
  list.Integer<TScrollBar>("Position", [](TScrollBar& s) -> int64_t { return s.Position(); },
                           [](TScrollBar& s, int64_t v) { s.SetPosition(static_cast<int>(v)); });
  list.Integer<TScrollBar>("PageSize", [](TScrollBar& s) -> int64_t { return s.PageSize(); },
                           [](TScrollBar& s, int64_t v) {
                             s.SetParams(s.Position(), s.Min(), s.Max(), static_cast<int>(v));
                           });
  list.Integer<TScrollBar>("SmallChange", [](TScrollBar& s) -> int64_t { return s.SmallChange; },
                           [](TScrollBar& s, int64_t v) { s.SmallChange = static_cast<int>(v); });
  list.Integer<TScrollBar>("LargeChange", [](TScrollBar& s) -> int64_t { return s.LargeChange; },
                           [](TScrollBar& s, int64_t v) { s.LargeChange = static_cast<int>(v); });
}

void TScrollBar::SetParams(int position, int min, int max, int pageSize) {
  if (max < min) max = min;
  pageSize = std::clamp(pageSize, 0, max - min + 1);
  int last = pageSize > 0 ? max - pageSize + 1 : max;
  position = std::clamp(position, min, std::max(min, last));
  bool moved = position != position_;
  min_ = min;
  max_ = max;
  pageSize_ = pageSize;
  position_ = position;
  if (HandleAllocated()) Apply();
  if (moved && OnChange) OnChange();
}

void TScrollBar::Apply() {
  SCROLLINFO info{sizeof(info), SIF_ALL, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"SCROLLBAR";
  params.Style |= Kind == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::HandleCreated() { Apply(); }

void TScrollBar::Scroll(int code, int trackPosition) {
  int position = position_;
  switch (code) {
    case SB_LINEUP: position -= SmallChange; break;
    case SB_LINEDOWN: position += SmallChange; break;
    case SB_PAGEUP: position -= LargeChange; break;
    case SB_PAGEDOWN: position += LargeChange; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = trackPosition; break;
    case SB_TOP: position = min_; break;
    case SB_BOTTOM: position = max_; break;
    default: return;
  }
  SetPosition(position);
}

bool TScrollBar::HandleMessage(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    // The 16-bit position of the message is widened by reading the tracking position.
    SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(Handle(), SB_CTL, &info);
    Scroll(LOWORD(m.WParam), info.nTrackPos);
    m.Result = 0;
    return true;
  }
  return TWinControl::HandleMessage(m);
}

// ---- TScrollBox ----

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TScrollBox::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Enumeration<TScrollBox>("BorderStyle", BorderStyleNames(),
                               [](TScrollBox& b) -> int64_t { return b.BorderSingle ? 1 : 0; },
                               [](TScrollBox& b, int64_t v) { b.BorderSingle = v != 0; });
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  if (BorderSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetContentSize(int width, int height) {
  contentWidth_ = width;
  contentHeight_ = height;
  if (HandleAllocated()) UpdateBars();
}

void TScrollBox::UpdateBars() {
  RECT client{};
  GetClientRect(Handle(), &client);
  SCROLLINFO h{sizeof(h), SIF_ALL | SIF_DISABLENOSCROLL, 0, std::max(0, contentWidth_ - 1),
               static_cast<UINT>(client.right), scrollX_, 0};
  SCROLLINFO v{sizeof(v), SIF_ALL | SIF_DISABLENOSCROLL, 0, std::max(0, contentHeight_ - 1),
               static_cast<UINT>(client.bottom), scrollY_, 0};
  ShowScrollBar(Handle(), SB_HORZ, contentWidth_ > client.right);
  ShowScrollBar(Handle(), SB_VERT, contentHeight_ > client.bottom);
  if (contentWidth_ > client.right) SetScrollInfo(Handle(), SB_HORZ, &h, TRUE);
  if (contentHeight_ > client.bottom) SetScrollInfo(Handle(), SB_VERT, &v, TRUE);
}

void TScrollBox::ScrollTo(int x, int y) {
  RECT client{};
  GetClientRect(Handle(), &client);
  x = std::clamp(x, 0, std::max(0, contentWidth_ - static_cast<int>(client.right)));
  y = std::clamp(y, 0, std::max(0, contentHeight_ - static_cast<int>(client.bottom)));
  int dx = scrollX_ - x, dy = scrollY_ - y;
  if (dx == 0 && dy == 0) return;
  scrollX_ = x;
  scrollY_ = y;
  ScrollWindowEx(Handle(), dx, dy, nullptr, nullptr, nullptr, nullptr,
                 SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  SetScrollPos(Handle(), SB_HORZ, scrollX_, TRUE);
  SetScrollPos(Handle(), SB_VERT, scrollY_, TRUE);
}

int TScrollBox::OnScroll(int bar, int code) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), bar, &info);
  int position = info.nPos;
  int page = std::max(1, static_cast<int>(info.nPage));
  switch (code) {
    case SB_LINEUP: position -= 16; break;
    case SB_LINEDOWN: position += 16; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: break;
  }
  return position;
}

bool TScrollBox::HandleMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_HSCROLL:
      if (m.LParam) break;
      ScrollTo(OnScroll(SB_HORZ, LOWORD(m.WParam)), scrollY_);
      m.Result = 0;
      return true;
    case WM_VSCROLL:
      if (m.LParam) break;
      ScrollTo(scrollX_, OnScroll(SB_VERT, LOWORD(m.WParam)));
      m.Result = 0;
      return true;
    case WM_MOUSEWHEEL:
      ScrollTo(scrollX_, scrollY_ - static_cast<short>(HIWORD(m.WParam)) * 48 / WHEEL_DELTA);
      m.Result = 0;
      return true;
    case WM_SIZE: {
      bool handled = TWinControl::HandleMessage(m);
      UpdateBars();
      return handled;
    }
    default:
      break;
  }
  return TWinControl::HandleMessage(m);
}
