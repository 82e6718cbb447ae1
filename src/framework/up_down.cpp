// TUpDown (see up_down.h).
#include "framework/up_down.h"

#include <commctrl.h>

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 17, 25); }

void TUpDown::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Integer<TUpDown>("Min", [](TUpDown& u) -> int64_t { return u.Min(); },
                        [](TUpDown& u, int64_t v) { u.SetRange(static_cast<int>(v), u.Max()); });
  list.Integer<TUpDown>("Max", [](TUpDown& u) -> int64_t { return u.Max(); },
                        [](TUpDown& u, int64_t v) { u.SetRange(u.Min(), static_cast<int>(v)); });
  list.Integer<TUpDown>("Position", [](TUpDown& u) -> int64_t { return u.Position(); },
                        [](TUpDown& u, int64_t v) { u.SetPosition(static_cast<int>(v)); });
  list.Enumeration<TUpDown>("Orientation", {"udVertical", "udHorizontal"},
                            [](TUpDown& u) -> int64_t { return u.Orientation; },
                            [](TUpDown& u, int64_t v) { u.Orientation = v ? udHorizontal : udVertical; });
  list.Object<TUpDown>("Associate", [](TUpDown& u) -> TPersistent* { return u.Associate; });
  list.Boolean<TUpDown>("Wrap", [](TUpDown& u) { return u.Wrap; }, [](TUpDown& u, bool v) { u.Wrap = v; });
  list.Boolean<TUpDown>("ArrowKeys", [](TUpDown& u) { return u.ArrowKeys; },
                        [](TUpDown& u, bool v) { u.ArrowKeys = v; });
}

void TUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

int TUpDown::Position() {
  if (HandleAllocated()) {
    BOOL failed = FALSE;
    int value = static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (!failed) position_ = value;
  }
  return position_;
}

void TUpDown::SetPosition(int position) {
  position_ = position;
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::CreateParams(TCreateParams& params) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(params);
  params.BaseClassName = UPDOWN_CLASSW;
  if (Orientation == udHorizontal) params.Style |= UDS_HORZ;
  if (Wrap) params.Style |= UDS_WRAP;
  if (ArrowKeys) params.Style |= UDS_ARROWKEYS;
  if (Associate) params.Style |= UDS_SETBUDDYINT | UDS_NOTHOUSANDS;
}

void TUpDown::HandleCreated() {
  SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  if (Associate) SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(Associate->Handle()), 0);
  SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}
