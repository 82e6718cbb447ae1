// Group boxes on the system "BUTTON" class (superclassed, BS_GROUPBOX): a captioned
// frame that holds other controls.
//   TCustomGroupBox   the group box
//   TGroupBox         publishes TCustomGroupBox
#pragma once
#include "framework/win_control.h"

class TCustomGroupBox : public TWinControl {
 public:
  explicit TCustomGroupBox(TComponent* owner);
  const char* ClassName() const override { return "TCustomGroupBox"; }

 protected:
  void CreateParams(TCreateParams& params) override;
};

class TGroupBox : public TCustomGroupBox {
 public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
  const char* ClassName() const override { return "TGroupBox"; }
};
