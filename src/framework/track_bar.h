// Track bars on the system "msctls_trackbar32" class (superclassed): a thumb moved along
// a channel between a minimum and a maximum, with tick marks, lying or standing.
#pragma once
#include "framework/win_control.h"

enum TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
 public:
  explicit TTrackBar(TComponent* owner);
  const char* ClassName() const override { return "TTrackBar"; }
  void DefineProperties(TPropList& list) const override;

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Position();
  void SetPosition(int position);
  TTrackBarOrientation Orientation = trHorizontal;  // read when the window is made
  int Frequency = 1;                                // ticks every this many steps

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

 private:
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
};
