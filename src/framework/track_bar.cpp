// TTrackBar (see track_bar.h).
#include "framework/track_bar.h"

#include <commctrl.h>

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 45); }

void TTrackBar::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Integer<TTrackBar>("Min", [](TTrackBar& t) -> int64_t { return t.Min(); },
                          [](TTrackBar& t, int64_t v) { t.SetRange(static_cast<int>(v), t.Max()); });
  list.Integer<TTrackBar>("Max", [](TTrackBar& t) -> int64_t { return t.Max(); },
                          [](TTrackBar& t, int64_t v) { t.SetRange(t.Min(), static_cast<int>(v)); });
  list.Integer<TTrackBar>("Position", [](TTrackBar& t) -> int64_t { return t.Position(); },
                          [](TTrackBar& t, int64_t v) { t.SetPosition(static_cast<int>(v)); });
  list.Integer<TTrackBar>("Frequency", [](TTrackBar& t) -> int64_t { return t.Frequency; },
                          [](TTrackBar& t, int64_t v) { t.Frequency = static_cast<int>(v); });
  list.Enumeration<TTrackBar>("Orientation", {"trHorizontal", "trVertical"},
                              [](TTrackBar& t) -> int64_t { return t.Orientation; });
}

void TTrackBar::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  if (HandleAllocated()) {
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, max_);
  }
}

int TTrackBar::Position() {
  if (HandleAllocated()) position_ = static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
  return position_;
}

void TTrackBar::SetPosition(int position) {
  position_ = position;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(params);
  params.BaseClassName = TRACKBAR_CLASSW;
  params.Style |= WS_TABSTOP | TBS_AUTOTICKS | (Orientation == trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::HandleCreated() {
  SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, max_);
  SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(Frequency > 0 ? Frequency : 1), 0);
  SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}
