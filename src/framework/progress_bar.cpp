// TProgressBar (see progress_bar.h).
#include "framework/progress_bar.h"

#include <commctrl.h>

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {}

void TProgressBar::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Integer<TProgressBar>("Min", [](TProgressBar& p) -> int64_t { return p.Min(); },
                             [](TProgressBar& p, int64_t v) {
                               p.SetRange(static_cast<int>(v), p.Max());
                             });
  list.Integer<TProgressBar>("Max", [](TProgressBar& p) -> int64_t { return p.Max(); },
                             [](TProgressBar& p, int64_t v) {
                               p.SetRange(p.Min(), static_cast<int>(v));
                             });
  list.Integer<TProgressBar>("Position", [](TProgressBar& p) -> int64_t { return p.Position(); },
                             [](TProgressBar& p, int64_t v) {
                               p.SetPosition(static_cast<int>(v));
                             });
}

void TProgressBar::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETRANGE32, min_, max_);
}

void TProgressBar::SetPosition(int position) {
  position_ = position;
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETPOS, position_, 0);
}

void TProgressBar::CreateParams(TCreateParams& params) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(params);
  params.BaseClassName = PROGRESS_CLASSW;
  if (Smooth) params.Style |= PBS_SMOOTH;
}

void TProgressBar::HandleCreated() {
  SendMessageW(Handle(), PBM_SETRANGE32, min_, max_);
  SendMessageW(Handle(), PBM_SETPOS, position_, 0);
}
