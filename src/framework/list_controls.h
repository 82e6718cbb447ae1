// List controls on the system classes (superclassed), their items kept by the control
// object and handed to the window when it is made.
//   TListBox    "LISTBOX": a list of text items with a vertical scroll bar
//   TListView   "SysListView32" in report style: columns and rows of text
#pragma once
#include <string>
#include <vector>

#include "framework/string_items.h"
#include "framework/win_control.h"

class TListBox : public TStringItemsControl {
 public:
  explicit TListBox(TComponent* owner);
  const char* ClassName() const override { return "TListBox"; }
  void DefineProperties(TPropList& list) const override;

  bool BorderSingle = true;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
};

struct TListColumn {
  std::string Caption;
  int Width = 50;
};

class TListView : public TWinControl {
 public:
  explicit TListView(TComponent* owner);
  const char* ClassName() const override { return "TListView"; }
  void DefineProperties(TPropList& list) const override;

  void AddColumn(const std::string& caption, int width);
  // A row: its caption, then one text per further column.
  void AddItem(const std::vector<std::string>& texts);
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  bool BorderSingle = true;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

 private:
  void InsertColumn(int index);
  void InsertItem(int index);

  std::vector<TListColumn> columns_;
  std::vector<std::vector<std::string>> items_;
};
