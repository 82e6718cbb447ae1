// TMarqueeProgressBar: a progress bar in marquee style whose animation is switched by
// Active and paced by AnimationSpeed (milliseconds between steps).
#pragma once
#include "framework/progress_bar.h"

class TMarqueeProgressBar : public TProgressBar {
 public:
  explicit TMarqueeProgressBar(TComponent* owner) : TProgressBar(owner) {}
  const char* ClassName() const override { return "TMarqueeProgressBar"; }
  void DefineProperties(TPropList& list) const override;

  bool Active() const { return active_; }
  int AnimationSpeed() const { return animationSpeed_; }
  // Each setter stores the value, creates the window if needed and sends the
  // set-marquee message: (1, AnimationSpeed) when active, (0, 0) when not.
  void SetActive(bool active);
  void SetAnimationSpeed(int milliseconds);

  static constexpr UINT kSetMarquee = WM_USER + 10;  // 1034
  static constexpr DWORD kMarqueeStyle = 0x08;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void SendMarquee();

  bool active_ = false;
  int animationSpeed_ = 60;
};
