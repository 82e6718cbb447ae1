// Items and selection of list and combo boxes under Wine: kept while there is no window,
// handed to the window when it is made, and kept in step with it afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/combo_box.h"
#include "framework/form.h"
#include "framework/list_controls.h"

namespace {
template <typename Control>
void CheckItemsFollowTheWindow(UINT getCount, UINT getSelection) {
  TForm form(nullptr);
  auto* control = new Control(&form);
  control->SetParent(&form);
  control->AddItem("One");
  control->AddItem("Two");
  control->SetItemIndex(1);
  EXPECT_FALSE(control->HandleAllocated());
  HWND window = control->Handle();
  EXPECT_EQ(SendMessageW(window, getCount, 0, 0), 2);
  EXPECT_EQ(SendMessageW(window, getSelection, 0, 0), 1);
  control->AddItem("Three");
  EXPECT_EQ(control->Count(), 3);
  EXPECT_EQ(control->Items(2), "Three");
  EXPECT_EQ(SendMessageW(window, getCount, 0, 0), 3);
  control->SetItemIndex(2);
  EXPECT_EQ(SendMessageW(window, getSelection, 0, 0), 2);
  // A selection made in the window itself is what the control reports.
  SendMessageW(window, getSelection == LB_GETCURSEL ? LB_SETCURSEL : CB_SETCURSEL, 0, 0);
  EXPECT_EQ(control->ItemIndex(), 0);
  control->Clear();
  EXPECT_EQ(control->Count(), 0);
  EXPECT_EQ(control->ItemIndex(), -1);
  EXPECT_EQ(SendMessageW(window, getCount, 0, 0), 0);
}
}  // namespace

TEST(StringItems, ListBoxItemsFollowTheWindow) {
  CheckItemsFollowTheWindow<TListBox>(LB_GETCOUNT, LB_GETCURSEL);
}

TEST(StringItems, ComboBoxItemsFollowTheWindow) {
  CheckItemsFollowTheWindow<TComboBox>(CB_GETCOUNT, CB_GETCURSEL);
}

TEST(StringItems, ComboBoxKeepsItsSelectionWhenItsStyleChanges) {
  TForm form(nullptr);
  auto* combo = new TComboBox(&form);
  combo->SetParent(&form);
  for (const char* item : {"One", "Two", "Three"}) combo->AddItem(item);
  SendMessageW(combo->Handle(), CB_SETCURSEL, 2, 0);
  combo->SetStyle(csDropDownList);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "Three");
}
