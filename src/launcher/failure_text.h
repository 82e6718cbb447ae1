// TFailureText: the launcher window's report of what failed, a windowed control whose
// window text is the report (so other programs can read it) and which paints it
// centred and wrapped in its bounds.
#pragma once
#include "framework/win_control.h"

class TFailureText : public TWinControl {
 public:
  explicit TFailureText(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TFailureText"; }

 protected:
  void PaintWindow(HDC dc) override;
};
