// The text items and the selected index of a list box or combo box. The control keeps
// them while it has no window and hands them to its window, through the messages of the
// window's class, when there is one.
//   TStringItemMessages  the add, reset, get- and set-selection messages of a class
//   TStringItems         the items with their selection
//   TStringItemsControl  base of the controls that keep items: the item operations
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/win_control.h"

struct TStringItemMessages {
  UINT add;
  UINT reset;
  UINT getSelection;
  UINT setSelection;
};
constexpr TStringItemMessages kListBoxItemMessages{LB_ADDSTRING, LB_RESETCONTENT, LB_GETCURSEL,
                                                   LB_SETCURSEL};
constexpr TStringItemMessages kComboBoxItemMessages{CB_ADDSTRING, CB_RESETCONTENT, CB_GETCURSEL,
                                                    CB_SETCURSEL};

// Every window argument is the control's window, or null while it has none.
class TStringItems {
 public:
  explicit TStringItems(const TStringItemMessages& messages) : messages_(messages) {}

  void Add(HWND window, const std::string& text);
  // Removes every item; nothing is selected.
  void Clear(HWND window);
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& At(int index) const { return items_.at(static_cast<size_t>(index)); }
  // The selected index (-1: none), as the window has it when there is one.
  int Index(HWND window);
  void SetIndex(HWND window, int index);
  // Hands every item and the selection to a window just made; false when nothing is
  // selected.
  bool HandTo(HWND window) const;

 private:
  void Send(HWND window, const std::string& text) const;

  TStringItemMessages messages_;
  std::vector<std::string> items_;
  int index_ = -1;
};

class TStringItemsControl : public TWinControl {
 public:
  void AddItem(const std::string& text) { items_.Add(WindowHandle(), text); }
  void Clear() { items_.Clear(WindowHandle()); }
  int Count() const { return items_.Count(); }
  const std::string& Items(int index) const { return items_.At(index); }
  int ItemIndex() { return items_.Index(WindowHandle()); }
  void SetItemIndex(int index) { items_.SetIndex(WindowHandle(), index); }

 protected:
  TStringItemsControl(TComponent* owner, const TStringItemMessages& messages)
      : TWinControl(owner), items_(messages) {}

  TStringItems items_;
};
