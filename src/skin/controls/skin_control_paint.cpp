// TSkinControl: the painting operations shared by all wrappers (see skin_control.h).
#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/win_control.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"

void TSkinControl::Repaint() {
  if (graphicControl_) {
    graphicControl_->Invalidate();
    return;
  }
  if (!handle_ || state_ == kStateDead || !IsWindow(handle_)) return;
  InvalidateRect(handle_, nullptr, TRUE);
  UpdateWindow(handle_);
}

TColor TSkinControl::FaceColour() const {
  return skinData_ ? skinData_->Colours.ButtonFace : SystemColour(COLOR_BTNFACE);
}

TColor TSkinControl::ParentColour() const {
  TControl* control = control_ ? control_ : graphicControl_;
  if (control && control->Parent()) return control->Parent()->Color();
  return FaceColour();
}

void TSkinControl::FillColour(HDC dc, const RECT& rect, int32_t colour) {
  ::FillColour(dc, rect, colour);
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const { FillColour(dc, rect, FaceColour()); }

void TSkinControl::FillParent(HDC dc, const RECT& rect) const {
  FillColour(dc, rect, ParentColour());
}

LONG TSkinControl::GetStyle(HWND window, int index) const {
  return unicode_ ? GetWindowLongW(window, index) : GetWindowLongA(window, index);
}

void TSkinControl::DrawFocusText(HDC dc, UINT flags, const RECT& rect) const {
  RECT extent = rect;
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &extent,
            flags | DT_CALCRECT | DT_NOCLIP);
  int w = extent.right - extent.left, h = extent.bottom - extent.top;
  if (flags & DT_CENTER) {
    extent.left = rect.left + (rect.right - rect.left - w) / 2;
    extent.top = rect.top + (rect.bottom - rect.top - h) / 2;
    extent.right = extent.left + w;
    extent.bottom = extent.top + h;
  } else if (flags & DT_RIGHT) {
    extent.right = rect.right;
    extent.left = rect.right - w;
  }
  InflateRect(&extent, 2, 1);
  RECT clipped{};
  if (IntersectRect(&clipped, &extent, &rect)) DrawFocusRect(dc, &clipped);
}

void TSkinControl::PaintParentBackground(TControl* control, HDC dc) {
  if (!control || !control->Parent() || !dc) return;
  TWinControl* parent = control->Parent();
  int saved = SaveDC(dc);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - control->Left(), origin.y - control->Top(), nullptr);
  int width = control->Width(), height = control->Height();
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    width = windowed->ClientWidth();
    height = windowed->ClientHeight();
  }
  IntersectClipRect(dc, control->Left(), control->Top(), control->Left() + width,
                    control->Top() + height);
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  RestoreDC(dc, saved);
}

void TSkinControl::PaintByMessage(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  PAINTSTRUCT ps{};
  if (!dc) dc = BeginPaint(handle_, &ps);
  if (dc && GetWindowRect(handle_, &windowRect_)) {
    RECT r{0, 0, windowRect_.right - windowRect_.left, windowRect_.bottom - windowRect_.top};
    try {
      DrawControl(dc, r);
    } catch (...) {
    }
  }
  if (!m.WParam) EndPaint(handle_, &ps);
  m.Result = 0;
}

void TSkinControl::EraseBackground(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (control_) {
    PaintParentBackground(control_, dc);
  } else if (handle_) {
    RECT r{};
    GetClientRect(handle_, &r);
    FillParent(dc, r);
  }
  m.Result = 1;
}
