// TRadioGroup (see radio_group.h).
#include "framework/radio_group.h"

#include <algorithm>

#include "framework/buttons.h"

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {}

void TRadioGroup::DefineProperties(TPropList& list) const {
  TCustomGroupBox::DefineProperties(list);
  list.Integer<TRadioGroup>("ItemIndex", [](TRadioGroup& g) -> int64_t { return g.ItemIndex(); },
                            [](TRadioGroup& g, int64_t v) { g.SetItemIndex(static_cast<int>(v)); });
  list.Integer<TRadioGroup>("Columns", [](TRadioGroup& g) -> int64_t { return g.Columns(); },
                            [](TRadioGroup& g, int64_t v) { g.SetColumns(static_cast<int>(v)); });
}

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
  for (TRadioButton* button : buttons_) button->Free();
  buttons_.clear();
  items_ = items;
  for (const std::string& item : items_) {
    auto* button = new TRadioButton(this);
    button->SetCaption(item);
    button->SetParent(this);
    buttons_.push_back(button);
  }
  ArrangeButtons();
}

int TRadioGroup::ItemIndex() const {
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->Checked()) return static_cast<int>(i);
  return -1;
}

void TRadioGroup::SetItemIndex(int index) {
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(static_cast<int>(i) == index);
}

void TRadioGroup::SetColumns(int columns) {
  columns_ = std::max(1, std::min(columns, 16));
  ArrangeButtons();
}

void TRadioGroup::BoundsChanged() {
  TCustomGroupBox::BoundsChanged();
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int count = static_cast<int>(buttons_.size());
  const int rows = (count + columns_ - 1) / columns_;
  const int top = 16, margin = 8;
  const int columnWidth = std::max(1, (Width() - 2 * margin) / columns_);
  const int rowHeight = std::max(1, (Height() - top - margin) / rows);
  for (int i = 0; i < count; ++i) {
    const int column = i / rows, row = i % rows;
    buttons_[static_cast<size_t>(i)]->SetBounds(margin + column * columnWidth, top + row * rowHeight,
                                                columnWidth, std::min(rowHeight, 20));
  }
}
