// TMarqueeProgressBar (see marquee_progress_bar.h).
#include "launcher/marquee_progress_bar.h"

void TMarqueeProgressBar::DefineProperties(TPropList& list) const {
  TProgressBar::DefineProperties(list);
  list.Boolean<TMarqueeProgressBar>("Active", [](TMarqueeProgressBar& p) { return p.Active(); },
                                    [](TMarqueeProgressBar& p, bool v) { p.SetActive(v); });
  list.Integer<TMarqueeProgressBar>(
      "AnimationSpeed", [](TMarqueeProgressBar& p) -> int64_t { return p.AnimationSpeed(); },
      [](TMarqueeProgressBar& p, int64_t v) { p.SetAnimationSpeed(static_cast<int>(v)); });
}

void TMarqueeProgressBar::SetActive(bool active) {
  active_ = active;
  SendMarquee();
}

void TMarqueeProgressBar::SetAnimationSpeed(int milliseconds) {
  animationSpeed_ = milliseconds;
  SendMarquee();
}

void TMarqueeProgressBar::CreateParams(TCreateParams& params) {
  TProgressBar::CreateParams(params);
  params.Style |= kMarqueeStyle;
}

void TMarqueeProgressBar::SendMarquee() {
  HWND window = Handle();
  if (active_)
    SendMessageW(window, kSetMarquee, 1, animationSpeed_);
  else
    SendMessageW(window, kSetMarquee, 0, 0);
}
