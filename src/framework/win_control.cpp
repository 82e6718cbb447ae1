// TWinControl (see win_control.h).
#include "framework/win_control.h"

#include <algorithm>
#include <stdexcept>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/wide.h"
#include "framework/window_class.h"

namespace {
// Throws the failure of a window: before + name + after (one out-of-line place that
// builds the message).
[[noreturn]] void ThrowWindowError(const char* before, const std::string& name, const char* after) {
  throw std::runtime_error(before + name + after);
}
}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  for (TControl* child : controls_) child->parent_ = nullptr;
  controls_.clear();
  DestroyHandleFromDestructor();
}

void TWinControl::DestroyHandleFromDestructor() {
  destroying_ = true;
  DestroyHandle();
}

void TWinControl::BeforeDestruction() {
  DestroyHandle();
  TControl::BeforeDestruction();
}

HWND TWinControl::Handle() {
  if (!handle_) {
    if (creating_) ThrowWindowError("Window of control '", Name, "' is being created");
    CreateWnd();
  }
  return handle_;
}

void TWinControl::DestroyHandle() {
  if (handle_) DestroyWnd();
  handle_ = nullptr;
}

void TWinControl::DestroyWnd() { DestroyWindow(handle_); }

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  Perform(CM_RECREATEWND, 0, 0);
  DestroyHandle();
  HandleNeeded();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = Widen(caption_);
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) params.Style |= WS_VISIBLE;
  if (!enabled_) params.Style |= WS_DISABLED;
  RECT r = WindowBoundsForCreate();
  params.X = r.left;
  params.Y = r.top;
  params.Width = r.right - r.left;
  params.Height = r.bottom - r.top;
  params.WinClassName = Widen(ClassName());
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (params.Style & WS_CHILD) {
    if (!Parent() && !parentWindow_)
      ThrowWindowError("Control '", Name, "' has no parent window");
    params.WndParent = Parent() ? Parent()->Handle() : parentWindow_;
  }
  WNDPROC baseProc = nullptr;
  if (!wndclass::Register(params.WinClassName, params.BaseClassName, params.ClassStyle,
                          params.Icon, &TWinControl::StdWndProc, &baseProc))
    ThrowWindowError("Cannot register the window class ", Narrow(params.WinClassName), "");
  defProc_ = baseProc;
  creating_ = true;
  HWND window = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(),
                                params.Caption.c_str(), params.Style, params.X, params.Y,
                                params.Width, params.Height, params.WndParent,
                                (params.Style & WS_CHILD) ? nullptr : params.Menu,
                                GetModuleHandleW(nullptr), this);
  creating_ = false;
  if (!window) ThrowWindowError("Error creating window of control '", Name, "'");
  handle_ = window;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  HandleCreated();
  CreateChildHandles();
}

void TWinControl::CreateChildHandles() {
  for (TControl* child : controls_)
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->HandleNeeded();
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (handle_) {
      if (windowed->handle_)
        ::SetParent(windowed->handle_, handle_);
      else
        windowed->HandleNeeded();
    }
  } else {
    control->Invalidate();
  }
  ControlsChanged();
}

void TWinControl::RemoveControl(TControl* control) {
  if (mouseControl_ == control) mouseControl_ = nullptr;
  if (captureControl_ == control) captureControl_ = nullptr;
  control->Invalidate();
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it != controls_.end()) controls_.erase(it);
  ControlsChanged();
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  if (!parent && handle_ && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)) DestroyHandle();
  TControl::SetParent(parent);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
}

void TWinControl::BoundsChanged() {
  if (!handle_) return;
  RECT r = WindowBoundsForCreate();
  SetWindowPos(handle_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::VisibleChanged() {
  if (handle_) ShowWindow(handle_, visible_ ? SW_SHOW : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, enabled_ ? TRUE : FALSE);
}

void TWinControl::TextChanged() {
  if (handle_) SetWindowTextW(handle_, Widen(caption_).c_str());
}

void TWinControl::FontChanged() {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  for (TControl* child : controls_) child->ParentFontChanged();
  TControl::FontChanged();
}

int TWinControl::ClientWidth() const {
  RECT r{};
  if (handle_ && GetClientRect(handle_, &r)) return r.right;
  return width_;
}

int TWinControl::ClientHeight() const {
  RECT r{};
  if (handle_ && GetClientRect(handle_, &r)) return r.bottom;
  return height_;
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

TWinControl* TWinControl::FromHandle(HWND window) { return wndclass::Find(window); }

void TWinControl::PaintBackground(HDC dc) {
  RECT r{0, 0, ClientWidth(), ClientHeight()};
  FillColour(dc, r, Color());
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* child : controls_) {
    if (dynamic_cast<TWinControl*>(child) || !child->Visible()) continue;
    RECT bounds = child->BoundsRect();
    if (!RectVisible(dc, &bounds)) continue;
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, child->Left(), child->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
}

void TWinControl::PaintTo(HDC dc) {
  PaintBackground(dc);
  PaintWindow(dc);
  PaintControls(dc);
}

TControl* TWinControl::ControlAtPos(POINT point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* child = *it;
    if (dynamic_cast<TWinControl*>(child) || !child->Visible()) continue;
    RECT bounds = child->BoundsRect();
    if (PtInRect(&bounds, point)) return child;
  }
  return nullptr;
}

bool TWinControl::ReflectToChild(TMessage& m) {
  HWND from = nullptr;
  if (m.Msg == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    if (header) from = header->hwndFrom;
  } else if (m.Msg == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    if (item && item->CtlType != ODT_MENU) from = item->hwndItem;
  } else {
    from = reinterpret_cast<HWND>(m.LParam);
  }
  if (!from || from == handle_) return false;
  TWinControl* child = FromHandle(from);
  if (!child) return false;
  m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  return true;
}

void TWinControl::SetMouseControl(TControl* control) {
  if (control == mouseControl_) return;
  TControl* previous = mouseControl_;
  mouseControl_ = control;
  if (previous) previous->Perform(CM_MOUSELEAVE, 0, 0);
  if (control) {
    control->Perform(CM_MOUSEENTER, 0, 0);
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
    TrackMouseEvent(&track);
  }
}

bool TWinControl::RouteMouseToChild(TMessage& m) {
  if (!handle_) return false;
  POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
  TControl* target = nullptr;
  switch (m.Msg) {
    case WM_MOUSELEAVE:
      if (!captureControl_) SetMouseControl(nullptr);
      return false;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(m.LParam) != handle_) captureControl_ = nullptr;
      return false;
    case WM_MOUSEMOVE: {
      target = captureControl_ ? captureControl_ : ControlAtPos(p);
      RECT bounds = target ? target->BoundsRect() : RECT{};
      SetMouseControl(target && PtInRect(&bounds, p) ? target : nullptr);
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      target = ControlAtPos(p);
      if (!target || !target->Enabled()) return false;
      captureControl_ = target;
      SetCapture(handle_);
      break;
    case WM_LBUTTONUP:
      target = captureControl_;
      if (!target) return false;
      captureControl_ = nullptr;
      if (GetCapture() == handle_) ReleaseCapture();
      break;
    default:
      return false;
  }
  if (!target) return false;
  LPARAM local = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
  m.Result = target->Perform(m.Msg, m.WParam, local);
  return true;
}

bool TWinControl::HandleMessage(TMessage& m) {
  switch (m.Msg) {
    case CM_ENABLEDCHANGED:
      if (handle_) EnableWindow(handle_, enabled_);
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (m.LParam && ReflectToChild(m)) return true;
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSELEAVE:
    case WM_CAPTURECHANGED:
      if (!controls_.empty() && RouteMouseToChild(m)) return true;
      break;
    case WM_WINDOWPOSCHANGED: {
      // Keep the bounds in step with moves and sizes made by the system.
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
      if (pos && !(pos->flags & SWP_NOMOVE)) {
        left_ = pos->x;
        top_ = pos->y;
      }
      if (pos && !(pos->flags & SWP_NOSIZE)) {
        width_ = pos->cx;
        height_ = pos->cy;
      }
      break;  // the default handler sends WM_SIZE and WM_MOVE
    }
    case WM_ENABLE:
      enabled_ = m.WParam != 0;  // also when someone else enabled or disabled the window
      break;
    default:
      break;
  }
  if (IsSuperclass()) return TControl::HandleMessage(m);
  switch (m.Msg) {
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return true;
    case WM_PAINT:
      if (m.WParam) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        PaintWindow(dc);
        PaintControls(dc);
      } else {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(handle_, &ps);
        if (dc) {
          PaintWindow(dc);
          PaintControls(dc);
        }
        EndPaint(handle_, &ps);
      }
      m.Result = 0;
      return true;
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(m.WParam));
      m.Result = 0;
      return true;
    default:
      return TControl::HandleMessage(m);
  }
}

void TWinControl::DefaultHandler(TMessage& m) {
  m.Result = handle_ ? DefaultProcedure(m.Msg, m.WParam, m.LParam) : 0;
}

LRESULT TWinControl::DefaultProcedure(UINT msg, WPARAM wParam, LPARAM lParam) {
  return defProc_ ? CallWindowProcW(defProc_, handle_, msg, wParam, lParam)
                  : DefWindowProcW(handle_, msg, wParam, lParam);
}

LRESULT TWinControl::AfterFailure(UINT msg, WPARAM wParam, LPARAM lParam,
                                  const NCCALCSIZE_PARAMS& savedCalcSize) {
  if (msg == WM_CLOSE) return 0;  // a failed close handler leaves the window alone
  if (msg == WM_NCCALCSIZE && lParam) {
    // The handler may have changed the rectangles before it failed.
    if (wParam)
      *reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam) = savedCalcSize;
    else
      *reinterpret_cast<RECT*>(lParam) = savedCalcSize.rgrc[0];
  }
  return DefaultProcedure(msg, wParam, lParam);
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND window, UINT msg, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  TWinControl* control = nullptr;
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    void* param = create->lpCreateParams;
    // An MDI child's creation data comes wrapped by the MDI client.
    if ((create->dwExStyle & WS_EX_MDICHILD) && param)
      param = reinterpret_cast<void*>(static_cast<const MDICREATESTRUCTW*>(param)->lParam);
    control = static_cast<TWinControl*>(param);
    if (control) {
      control->handle_ = window;
      wndclass::Link(window, control);
    }
  } else {
    control = wndclass::Find(window);
  }
  if (!control || control->handle_ != window) return DefWindowProcW(window, msg, wParam, lParam);

  TMessage m{msg, wParam, lParam, 0};
  if (control->destroying_) {
    m.Result = control->DefaultProcedure(msg, wParam, lParam);
  } else {
    // WM_NCCALCSIZE's rectangles as they came, for the fallback after a failure.
    NCCALCSIZE_PARAMS savedCalcSize{};
    if (msg == WM_NCCALCSIZE && lParam) {
      if (wParam)
        savedCalcSize = *reinterpret_cast<const NCCALCSIZE_PARAMS*>(lParam);
      else
        savedCalcSize.rgrc[0] = *reinterpret_cast<const RECT*>(lParam);
    }
    try {
      control->WindowProc.Dispatch(m);
    } catch (...) {
      // No exception may leave a window procedure: the window's default processing
      // answers instead.
      m.Result = control->AfterFailure(msg, wParam, lParam, savedCalcSize);
    }
  }
  if (msg == WM_NCDESTROY) {
    wndclass::Unlink(window);
    control->handle_ = nullptr;
  }
  return m.Result;
}
