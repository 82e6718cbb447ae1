// Up-down (spin) controls on the system "msctls_updown32" class (superclassed): two
// arrow buttons that step a position within a range, optionally tied to a buddy control
// whose text shows the position.
#pragma once
#include "framework/win_control.h"

enum TUDOrientation { udVertical, udHorizontal };

class TUpDown : public TWinControl {
 public:
  explicit TUpDown(TComponent* owner);
  const char* ClassName() const override { return "TUpDown"; }
  void DefineProperties(TPropList& list) const override;

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Position();
  void SetPosition(int position);
  // The buddy whose text shows the position (null for none); read when the window is made.
  TWinControl* Associate = nullptr;
  TUDOrientation Orientation = udVertical;  // read when the window is made
  bool Wrap = false;
  bool ArrowKeys = true;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};
