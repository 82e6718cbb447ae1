// TButtonControl, TButton, TCheckButtonControl, TCustomCheckBox, TRadioButton (see
// buttons.h).
#include "framework/buttons.h"

// ---- TButtonControl ----

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"BUTTON";
  params.Style |= WS_TABSTOP;
}

void TButtonControl::Click() {
  if (OnClick) OnClick();
}

bool TButtonControl::HandleMessage(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
    Click();
    m.Result = 0;
    return true;
  }
  return TWinControl::HandleMessage(m);
}

// ---- TButton ----

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::DefineProperties(TPropList& list) const {
  TButtonControl::DefineProperties(list);
  list.Boolean<TButton>("Default", [](TButton& b) { return b.Default(); },
                        [](TButton& b, bool v) { b.SetDefault(v); });
  list.Boolean<TButton>("Cancel", [](TButton& b) { return b.Cancel; },
                        [](TButton& b, bool v) { b.Cancel = v; });
}

void TButton::SetDefault(bool value) {
  default_ = value;
  if (HandleAllocated())
    SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

// ---- TCheckButtonControl ----

namespace {
const std::vector<std::string> kLeftRightNames{"taLeftJustify", "taRightJustify"};
}

bool TCheckButtonControl::StoreCheckState(TCheckBoxState state) {
  if (state == state_) return false;
  state_ = state;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state), 0);
  return true;
}

void TCheckButtonControl::DefineChecked(TPropList& list) {
  list.Boolean<TCheckButtonControl>("Checked", [](TCheckButtonControl& c) { return c.Checked(); },
                                    [](TCheckButtonControl& c, bool v) { c.SetChecked(v); });
}

void TCheckButtonControl::DefineAlignment(TPropList& list) {
  list.Enumeration<TCheckButtonControl>(
      "Alignment", kLeftRightNames, [](TCheckButtonControl& c) -> int64_t { return c.Alignment; },
      [](TCheckButtonControl& c, int64_t v) {
        c.Alignment = v == 0 ? taLeftJustifyText : taRightJustifyText;
      });
}

void TCheckButtonControl::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.Style |= buttonStyle_;
  if (Alignment == taLeftJustifyText) params.Style |= BS_LEFTTEXT;
}

void TCheckButtonControl::HandleCreated() {
  // BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE are the states' ordinals.
  SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

// ---- TCustomCheckBox ----

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TCheckButtonControl(owner, BS_3STATE) {
  SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::DefineProperties(TPropList& list) const {
  TCheckButtonControl::DefineProperties(list);
  list.Enumeration<TCustomCheckBox>(
      "State", {"cbUnchecked", "cbChecked", "cbGrayed"},
      [](TCustomCheckBox& c) -> int64_t { return c.State(); },
      [](TCustomCheckBox& c, int64_t v) {
        if (v >= cbUnchecked && v <= cbGrayed) c.SetState(static_cast<TCheckBoxState>(v));
      });
  DefineChecked(list);
  list.Boolean<TCustomCheckBox>("AllowGrayed", [](TCustomCheckBox& c) { return c.AllowGrayed; },
                                [](TCustomCheckBox& c, bool v) { c.AllowGrayed = v; });
  DefineAlignment(list);
}

void TCustomCheckBox::Click() {
  // The box is not an automatic one: the control steps through its states itself.
  switch (State()) {
    case cbUnchecked: SetState(AllowGrayed ? cbGrayed : cbChecked); break;
    case cbGrayed: SetState(cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
  }
  TButtonControl::Click();
}

// ---- TRadioButton ----

TRadioButton::TRadioButton(TComponent* owner) : TCheckButtonControl(owner, BS_RADIOBUTTON) {
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::DefineProperties(TPropList& list) const {
  TCheckButtonControl::DefineProperties(list);
  DefineChecked(list);
  DefineAlignment(list);
}

void TRadioButton::SetChecked(bool value) {
  if (!StoreCheckState(value ? cbChecked : cbUnchecked)) return;
  if (!value || !Parent()) return;
  // Only one radio button of a parent is checked.
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
    if (sibling && sibling != this) sibling->SetChecked(false);
  }
}

void TRadioButton::Click() {
  SetChecked(true);
  TButtonControl::Click();
}
