// TSkinDateTime, TArrowButton (see skin_date_time.h).
#include "skin/controls/skin_date_time.h"

#include <commctrl.h>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_up_down.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

TArrowButton::TArrowButton(TSkinDateTime* wrapper, TWinControl* picker)
    : TWinControl(wrapper),
      wrapper_(wrapper),
      picker_(picker),
      pickerWindow_(picker->Handle()),
      arrowSize_(GetSystemMetrics(SM_CXHSCROLL)) {
  RECT r{};
  GetWindowRect(pickerWindow_, &r);
  bool leftHanded = GetWindowLongW(pickerWindow_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR;
  int left = leftHanded ? 2 : (r.right - r.left) - arrowSize_ - 4;
  SetBounds(left, 0, arrowSize_, arrowSize_ + 1);
  SetParent(picker);
}

bool TArrowButton::PickerEnabled() const {
  return IsWindow(pickerWindow_) && IsWindowEnabled(pickerWindow_);
}

bool TArrowButton::HandleMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      if (PickerEnabled() && !hot_) {
        hot_ = true;
        Invalidate();
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
      }
      m.Result = 0;
      return true;
    case WM_MOUSELEAVE:
      if (hot_) {
        hot_ = false;
        Invalidate();
      }
      m.Result = 0;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The press goes to the picker's own button under this one.
      POINT p{static_cast<short>(LOWORD(m.LParam)) + Left(), static_cast<short>(HIWORD(m.LParam)) + Top()};
      PostMessageW(pickerWindow_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
      PostMessageW(pickerWindow_, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
      Invalidate();
      m.Result = 0;
      return true;
    }
    case WM_LBUTTONUP:
      if (PickerEnabled()) SetFocus(pickerWindow_);
      m.Result = 0;
      return true;
    case WM_MOUSEACTIVATE:
      m.Result = MA_NOACTIVATE;
      return true;
    default:
      return TWinControl::HandleMessage(m);
  }
}

void TArrowButton::PaintWindow(HDC dc) {
  RECT client{0, 0, Width(), Height()};
  TSkinData* skin = wrapper_ ? wrapper_->SkinData() : nullptr;
  FillColour(dc, client, skin ? skin->Colours.ButtonFace : SystemColour(COLOR_BTNFACE));
  const TDataSkinObject* arrow = skin ? skin->Objects.ComboxArrow.get() : nullptr;
  if (!arrow || arrow->Image.Empty()) return;
  DrawStripFrame(dc, client, arrow->Image, false, arrow->Frame, hot_ ? 4 : 1);
}

void TSkinDateTime::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                             TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkin(windowSkin, skinData, manageColour, canvas);
  auto* picker = dynamic_cast<TWinControl*>(control_);
  if (!attached_ || !picker || !handle_) return;
  LONG style = GetWindowLongW(handle_, GWL_STYLE);
  if (style & DTS_UPDOWN) {
    // A picker that steps with an up-down has no drop-down button to cover: its up-down
    // is skinned instead.
    HWND spin = FindWindowExW(handle_, nullptr, UPDOWN_CLASSW, nullptr);
    if (spin && SendMessageW(spin, skinmsg::kQuerySkinned, 0, 0) != 1) {
      auto* wrapper = new TSkinUpDown(this);
      wrapper->InitSkinWindow(spin, skinData_, windowSkin_, canvas_);
    }
    return;
  }
  SetWindowLongW(handle_, GWL_STYLE, style | WS_CLIPCHILDREN);
  try {
    arrow_ = new TArrowButton(this, picker);
    arrow_->HandleNeeded();
  } catch (...) {
    // Without its window the picker keeps its own button.
  }
}

void TSkinDateTime::DrawControl(HDC dc, const RECT& rect) {
  if (!handle_ || !dc) return;
  RECT client{}, outer{};
  if (!GetClientRect(handle_, &client) || !GetWindowRect(handle_, &outer)) return;
  if (client.right >= outer.right - outer.left && client.bottom >= outer.bottom - outer.top) return;
  TColor shadow = skinData_ ? skinData_->Colours.ButtonShadow : SystemColour(COLOR_BTNSHADOW);
  RECT frame = rect;
  FrameColour(dc, frame, shadow);
  InflateRect(&frame, -1, -1);
  FrameColour(dc, frame, 0xFFFFFF);
}
