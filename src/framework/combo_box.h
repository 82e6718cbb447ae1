// Combo boxes on the system "COMBOBOX" class (superclassed), their items kept by the
// control object and handed to the window when it is made.
//   TComboBoxStyle    csDropDown, csSimple, csDropDownList, csOwnerDrawFixed,
//                     csOwnerDrawVariable (the owner-drawn ones are drop-down lists
//                     whose items the control draws itself, as plain text)
//   TCustomComboBox   the combo box: items, selected index, text, style
//   TComboBox         publishes TCustomComboBox
#pragma once
#include <string>
#include <vector>

#include "framework/string_items.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
const std::vector<std::string>& ComboBoxStyleNames();

class TCustomComboBox : public TStringItemsControl {
 public:
  explicit TCustomComboBox(TComponent* owner);
  const char* ClassName() const override { return "TCustomComboBox"; }
  void DefineProperties(TPropList& list) const override;

  TComboBoxStyle Style() const { return style_; }
  // The style; an existing window is made again with it.
  void SetStyle(TComboBoxStyle style);
  // The text as the window holds it (typed, or the selected item).
  std::string Text();
  void SetText(const std::string& text) { SetCaption(text); }
  int DropDownCount = 8;  // items the drop-down list shows without scrolling
  // Right-to-left reading with the button at the left (read when the window is made).
  bool RightToLeft = false;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  bool HandleMessage(TMessage& message) override;
  // A drop-down combo box is made as high as its open list; the system keeps the
  // closed box at the height of its edit field.
  RECT WindowBoundsForCreate() const override;

 private:
  // Draws an item of an owner-drawn style: its text on the selection colours.
  void DrawItem(const DRAWITEMSTRUCT& item);

  TComboBoxStyle style_ = csDropDown;
};

class TComboBox : public TCustomComboBox {
 public:
  explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
  const char* ClassName() const override { return "TComboBox"; }
};
