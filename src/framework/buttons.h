// Push buttons, check boxes and radio buttons: thin owners of the system "BUTTON"
// class (superclassed), with their state kept by the control object.
//   TButtonControl   base of the button-class controls: OnClick from the reflected
//                    BN_CLICKED notification
//   TButton          push button; Default draws it as the default button
//   TCheckButtonControl  base of check boxes and radio buttons: the check state kept
//                    by the control and shown by the window, and the box's side
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

// Check boxes and radio buttons: the window is a button of the given style (not an
// automatic one) whose check mark follows the state the control keeps.
class TCheckButtonControl : public TButtonControl {
 public:
  const char* ClassName() const override { return "TCheckButtonControl"; }

  bool Checked() const { return state_ == cbChecked; }
  virtual void SetChecked(bool value) = 0;
  // taLeftJustifyText puts the box on the right of the text (BS_LEFTTEXT).
  TLeftRight Alignment = taRightJustifyText;

 protected:
  TCheckButtonControl(TComponent* owner, LONG buttonStyle)
      : TButtonControl(owner), buttonStyle_(buttonStyle) {}
  TCheckBoxState CheckState() const { return state_; }
  // Keeps the state and shows it in the window; false when it was the state already.
  bool StoreCheckState(TCheckBoxState state);
  // The published Checked and Alignment properties, for the DefineProperties of the
  // derived classes, which place them among their own.
  static void DefineChecked(TPropList& list);
  static void DefineAlignment(TPropList& list);
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

 private:
  LONG buttonStyle_;
  TCheckBoxState state_ = cbUnchecked;
};

class TCustomCheckBox : public TCheckButtonControl {
 public:
  explicit TCustomCheckBox(TComponent* owner);
  const char* ClassName() const override { return "TCustomCheckBox"; }
  void DefineProperties(TPropList& list) const override;

  TCheckBoxState State() const { return CheckState(); }
  void SetState(TCheckBoxState state) { StoreCheckState(state); }
  void SetChecked(bool value) override { SetState(value ? cbChecked : cbUnchecked); }
  bool AllowGrayed = false;

  void Click() override;
};

class TCheckBox : public TCustomCheckBox {
 public:
  explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
  const char* ClassName() const override { return "TCheckBox"; }
};

class TRadioButton : public TCheckButtonControl {
 public:
  explicit TRadioButton(TComponent* owner);
  const char* ClassName() const override { return "TRadioButton"; }
  void DefineProperties(TPropList& list) const override;

  void SetChecked(bool value) override;

  void Click() override;
};
