// TProgressBar: the system's progress bar control (superclassed), with its range and
// position kept by the control object.
#pragma once
#include "framework/win_control.h"

class TProgressBar : public TWinControl {
 public:
  explicit TProgressBar(TComponent* owner);
  const char* ClassName() const override { return "TProgressBar"; }
  void DefineProperties(TPropList& list) const override;

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetRange(int min, int max);
  void SetPosition(int position);
  bool Smooth = false;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};
