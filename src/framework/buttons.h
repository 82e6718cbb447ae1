// Push buttons, check boxes and radio buttons: thin owners of the system "BUTTON"
// class (superclassed), with their state kept by the control object.
//   TButtonControl   base of the button-class controls: OnClick from the reflected
//                    BN_CLICKED notification
//   TButton          push button; Default draws it as the default button
//   TCustomCheckBox  check box with three states (AllowGrayed lets a click reach the
//                    grayed one); TCheckBox publishes it
//   TRadioButton     radio button; checking one unchecks its siblings
#pragma once
#include <functional>

#include "framework/win_control.h"

class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TButtonControl"; }

  std::function<void()> OnClick;
  // Runs what a click does (the state change of check and radio buttons, OnClick).
  virtual void Click();

 protected:
  void CreateParams(TCreateParams& params) override;
  bool HandleMessage(TMessage& message) override;
};

class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* owner);
  const char* ClassName() const override { return "TButton"; }
  void DefineProperties(TPropList& list) const override;

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel = false;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool default_ = false;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TLeftRight { taLeftJustifyText, taRightJustifyText };

class TCustomCheckBox : public TButtonControl {
 public:
  explicit TCustomCheckBox(TComponent* owner);
  const char* ClassName() const override { return "TCustomCheckBox"; }
  void DefineProperties(TPropList& list) const override;

  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  bool AllowGrayed = false;
  // taLeftJustifyText puts the box on the right of the text (BS_LEFTTEXT).
  TLeftRight Alignment = taRightJustifyText;

  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

 private:
  TCheckBoxState state_ = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
 public:
  explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
  const char* ClassName() const override { return "TCheckBox"; }
};

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* owner);
  const char* ClassName() const override { return "TRadioButton"; }
  void DefineProperties(TPropList& list) const override;

  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  TLeftRight Alignment = taRightJustifyText;

  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

 private:
  bool checked_ = false;
};
