// Container wrappers.
//   TSkinBox   panels, tool bars, navigators and forms placed on forms: takes no
//              message, only gives the control the skin's face colour while attached
//              (with manage colour) and gives its own colour back when switched off
//   TSkinBoxH  system dialog windows inside a skinned window: the background and the
//              static controls' background take the skin's face colour
#pragma once
#include "skin/controls/skin_control.h"

class TSkinBox : public TSkinControl {
 public:
  static constexpr int kStateUnskinned = 2;

  explicit TSkinBox(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinBox"; }

  void Unskin() override;
  void AfterMessage(TMessage&) override {}

 protected:
  // Joins the list without replacing the control's message method.
  bool TakesMessages() const override { return false; }
};

class TSkinBoxH : public TSkinControl {
 public:
  explicit TSkinBoxH(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinBoxH"; }
  bool BeforeMessage(TMessage& message) override;
};
