// TWScrollbar: placement, mouse hand-over and bar information (see scroll_overlay.h;
// painting is in scroll_overlay_paint.cpp).
#include "skin/controls/scroll_overlay.h"

#include "framework/path_text.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_messages.h"

TWScrollbar::TWScrollbar(TComponent* owner, Mode mode)
    : TWinControl(owner), mode_(mode), vertical_(mode == kVertical),
      arrowSize_(GetSystemMetrics(SM_CXHSCROLL)) {
  visible_ = false;
}

void TWScrollbar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ExStyle = WS_EX_TOOLWINDOW;
}

void TWScrollbar::Attach(TSkinControl* wrapper, HWND host, TControl* hostControl) {
  wrapper_ = wrapper;
  host_ = host;
  hostControl_ = hostControl;
  if (mode_ == kControl)
    vertical_ = !SameTextAscii(GetEnumProp(hostControl, "Kind"), "sbHorizontal");
  if (wrapper) SetColor(wrapper->ParentColour());
  Place();
}

bool TWScrollbar::MakeWindow(const RECT& placed) {
  if (HandleAllocated()) return true;
  // Made where it will show, so that showing it is the only move left.
  SetBounds(placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top);
  try {
    if (hostControl_ && hostControl_->Parent())
      SetParent(hostControl_->Parent());
    else if (HWND parent = GetParent(host_))
      SetParentWindow(parent);
    else
      return false;  // a top-level host: nothing to lie in
    HandleNeeded();
  } catch (...) {
    return false;
  }
  return HandleAllocated();
}

bool TWScrollbar::ReadBar(SCROLLBARINFO& info) const {
  info = SCROLLBARINFO{};
  info.cbSize = sizeof(info);
  if (!host_ || !IsWindow(host_)) return false;
  if (mode_ != kControl)
    return GetScrollBarInfo(host_, mode_ == kHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL, &info) != FALSE;
  // A scroll-bar control: the bar is the whole control; the thumb from its range.
  if (!GetWindowRect(host_, &info.rcScrollBar)) return false;
  SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(host_, SB_CTL, &si)) return false;
  const int length = vertical_ ? info.rcScrollBar.bottom - info.rcScrollBar.top
                               : info.rcScrollBar.right - info.rcScrollBar.left;
  const int a = arrowSize_;
  const int range = si.nMax - si.nMin;
  int thumbLength = a, thumbStart = a;
  if (range > 0) {
    if (si.nPage > 0) {
      thumbLength = MulDiv(length - 2 * a, static_cast<int>(si.nPage) - 1, range);
      thumbStart = si.nPos == si.nMin ? a : a + MulDiv(length - 2 * a, si.nPos - si.nMin, range);
    } else {
      thumbStart = a + MulDiv(length - 3 * a, si.nPos - si.nMin, range);
    }
  }
  info.xyThumbTop = thumbStart;
  info.xyThumbBottom = thumbStart + thumbLength;
  if (!IsWindowEnabled(host_)) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  return true;
}

void TWScrollbar::HideOverlay() {
  showing_ = false;
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void TWScrollbar::Place() {
  SCROLLBARINFO info;
  if (!ReadBar(info)) return;
  bool hostVisible = (GetWindowLongW(host_, GWL_STYLE) & WS_VISIBLE) != 0;
  if (!hostVisible || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
    HideOverlay();
    return;
  }
  HWND parent = GetParent(host_);
  RECT bar = info.rcScrollBar;
  POINT inParent{bar.left, bar.top};
  if (parent) ScreenToClient(parent, &inParent);
  const RECT placed{inParent.x, inParent.y, inParent.x + bar.right - bar.left,
                    inParent.y + bar.bottom - bar.top};
  // The window is made the first time the bar shows: a bar that never shows (a list
  // whose items fit) costs no window.
  const bool made = !HandleAllocated();
  if (!MakeWindow(placed)) return;
  POINT topLeft{bar.left, bar.top}, bottomRight{bar.right, bar.bottom};
  ScreenToClient(host_, &topLeft);
  ScreenToClient(host_, &bottomRight);
  clientRect_ = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  barLength_ = vertical_ ? bar.bottom - bar.top : bar.right - bar.left;
  barOrigin_ = POINT{bar.left, bar.top};
  HWND overlay = WindowHandle();
  showing_ = true;
  // Already over the bar and above the host: moving it again would only make the host
  // paint its frame (and come back here) once more.
  const bool aboveHost = !made && JustAboveHost();
  const bool visible = IsWindowVisible(overlay) != FALSE;
  if (aboveHost && visible && EqualRect(&placed, &placed_)) {
    InvalidateRect(overlay, nullptr, FALSE);
    return;
  }
  placed_ = placed;
  // Nothing is erased at once (the overlay paints itself whole at its next paint) and
  // it has no use for the changing notice: fewer messages per show.
  UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_DEFERERASE | SWP_NOSENDCHANGING;
  if (made) flags |= SWP_NOMOVE | SWP_NOSIZE;  // made in place
  HWND previous = nullptr;
  if (aboveHost) {
    flags |= SWP_NOZORDER;
  } else {
    previous = GetWindow(host_, GW_HWNDPREV);
    if (previous == overlay) previous = GetWindow(overlay, GW_HWNDPREV);
  }
  // One move that also sets the Z order and shows the overlay; a window that shows
  // now is painted whole anyway, one that was showing is repainted.
  SetWindowPos(overlay, previous ? previous : HWND_TOP, inParent.x, inParent.y,
               bar.right - bar.left, bar.bottom - bar.top, flags);
  if (visible) InvalidateRect(overlay, nullptr, FALSE);
}

bool TWScrollbar::JustAboveHost() const {
  // Only overlays of the same host may lie between this one and the host.
  for (HWND w = GetWindow(host_, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
    if (w == WindowHandle()) return true;
    auto* sibling = dynamic_cast<TWScrollbar*>(TWinControl::FromHandle(w));
    if (!sibling || sibling->host_ != host_) return false;
  }
  return false;
}

int TWScrollbar::PartAt(POINT p) const {
  int v = vertical_ ? p.y : p.x;
  if (v < arrowSize_) return kFirstArrow;
  if (v < thumbStart_) return kPageBefore;
  if (v < thumbEnd_) return kThumb;
  if (v < barLength_ - arrowSize_) return kPageAfter;
  return kSecondArrow;
}

void TWScrollbar::SetHotPart(int part) {
  hot_ = part;
  Invalidate();
}

void TWScrollbar::Press(TMessage& m) {
  GetCursorPos(&cursorAtPress_);
  SCROLLBARINFO info;
  if (ReadBar(info)) {
    thumbStartAtPress_ = info.xyThumbTop;
    thumbStart_ = info.xyThumbTop;
    thumbEnd_ = info.xyThumbBottom;
  }
  POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
  hot_ = PartAt(p);
  pressed_ = true;
  Invalidate();
  ReleaseCapture();
  // The system's scrolling loop runs inside this send and returns at the release.
  if (mode_ == kControl) {
    SendMessageW(host_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  } else {
    POINT screen{p.x + barOrigin_.x, p.y + barOrigin_.y};
    SendMessageW(host_, WM_NCLBUTTONDOWN, mode_ == kHorizontal ? HTHSCROLL : HTVSCROLL,
                 MAKELPARAM(screen.x, screen.y));
  }
  pressed_ = false;
  ReleaseCapture();
  if (HandleAllocated()) Invalidate();
  m.Result = 0;
}

void TWScrollbar::Release(TMessage& m) {
  pressed_ = false;
  ReleaseCapture();
  POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
  if (mode_ == kControl) {
    PostMessageW(host_, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    Invalidate();
  } else {
    POINT screen{p.x + barOrigin_.x, p.y + barOrigin_.y};
    PostMessageW(host_, WM_NCLBUTTONUP, mode_ == kHorizontal ? HTHSCROLL : HTVSCROLL,
                 MAKELPARAM(screen.x, screen.y));
  }
  m.Result = 0;
}

bool TWScrollbar::HandleMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE: {
      POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      int part = PartAt(p);
      if (part != hot_) SetHotPart(part);
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
      TrackMouseEvent(&track);
      m.Result = 0;
      return true;
    }
    case WM_MOUSELEAVE:
      if (!pressed_) SetHotPart(kNone);
      m.Result = 0;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (host_ && IsWindow(host_)) Press(m);
      return true;
    case WM_LBUTTONUP:
      if (host_ && IsWindow(host_)) Release(m);
      return true;
    case WM_ERASEBKGND:
      m.Result = 1;
      return true;
    case skinmsg::kQuerySkinned:
      // Part of the skin: never offered a wrapper (it lies among the form's controls).
      m.Result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : BeginPaint(Handle(), &ps);
      if (dc) {
        try {
          PaintBar(dc);
        } catch (...) {
        }
      }
      if (!m.WParam) EndPaint(Handle(), &ps);
      m.Result = 0;
      return true;
    }
    default:
      return TWinControl::HandleMessage(m);
  }
}

bool ScrollCorner(HWND host, const TWScrollbar* horz, const TWScrollbar* vert, RECT& corner) {
  if (!horz || !vert || !horz->Showing() || !vert->Showing()) return false;
  RECT window{};
  POINT client{0, 0};
  if (!GetWindowRect(host, &window) || !ClientToScreen(host, &client)) return false;
  const int dx = client.x - window.left, dy = client.y - window.top;
  const RECT& v = vert->BarClientRect();
  const RECT& h = horz->BarClientRect();
  corner = RECT{v.left + dx, h.top + dy, v.right + dx, h.bottom + dy};
  return true;
}

void MakeOverlays(TSkinControl* wrapper, HWND host, TControl* hostControl, TWScrollbar*& horz,
                  TWScrollbar*& vert) {
  horz = new TWScrollbar(wrapper, TWScrollbar::kHorizontal);
  vert = new TWScrollbar(wrapper, TWScrollbar::kVertical);
  horz->Attach(wrapper, host, hostControl);
  vert->Attach(wrapper, host, hostControl);
}

void PlaceOverlays(TWScrollbar* horz, TWScrollbar* vert) {
  if (horz) horz->Place();
  if (vert) vert->Place();
}

void HideOverlays(TWScrollbar* horz, TWScrollbar* vert) {
  if (horz) horz->HideOverlay();
  if (vert) vert->HideOverlay();
}

void InvalidateOverlays(TWScrollbar* horz, TWScrollbar* vert) {
  if (horz && horz->Showing()) horz->Invalidate();
  if (vert && vert->Showing()) vert->Invalidate();
}

void SetOverlayHotPart(UINT msg, WPARAM wParam, TWScrollbar* horz, TWScrollbar* vert) {
  TWScrollbar* bar = msg == WM_HSCROLL ? horz : vert;
  if (bar) bar->SetHotPart(LOWORD(wParam));
}

void FreeOverlays(TWScrollbar*& horz, TWScrollbar*& vert) {
  delete horz;
  horz = nullptr;
  delete vert;
  vert = nullptr;
}
