// TRadioGroup: a group box that holds one radio button per item, laid out in columns
// inside the frame; ItemIndex is the checked item (-1: none). The buttons are owned by
// the group and are its child controls.
#pragma once
#include <string>
#include <vector>

#include "framework/group_box.h"

class TRadioButton;

class TRadioGroup : public TCustomGroupBox {
 public:
  explicit TRadioGroup(TComponent* owner);
  const char* ClassName() const override { return "TRadioGroup"; }
  void DefineProperties(TPropList& list) const override;

  // Replaces the items (and their buttons).
  void SetItems(const std::vector<std::string>& items);
  const std::vector<std::string>& Items() const { return items_; }
  int ItemIndex() const;
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  TRadioButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

 protected:
  void BoundsChanged() override;

 private:
  void ArrangeButtons();

  std::vector<std::string> items_;
  std::vector<TRadioButton*> buttons_;
  int columns_ = 1;
};
