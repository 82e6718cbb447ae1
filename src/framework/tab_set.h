// TTabSet: an old-style tab set drawn by the control itself: a row of tabs from the
// first visible one on, between a start and an end margin, the selected one raised;
// a click selects the tab under the mouse.
#pragma once
#include <string>
#include <vector>

#include "framework/win_control.h"

class TTabSet : public TWinControl {
 public:
  explicit TTabSet(TComponent* owner);
  const char* ClassName() const override { return "TTabSet"; }
  void DefineProperties(TPropList& list) const override;

  void AddTab(const std::string& caption);
  int TabCount() const { return static_cast<int>(tabs_.size()); }
  const std::string& Tabs(int index) const { return tabs_.at(static_cast<size_t>(index)); }
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index);
  int FirstIndex() const { return firstIndex_; }
  void SetFirstIndex(int index);
  int StartMargin = 5;
  int EndMargin = 5;
  // Whether the scroll arrows are shown (never: every tab set here fits or is cut).
  bool ScrollerVisible() const { return false; }
  // Width of a tab showing text in the control's font: the text width + 9.
  int TabWidth(HDC dc, const std::string& text) const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  bool HandleMessage(TMessage& message) override;

 private:
  std::vector<std::string> tabs_;
  int tabIndex_ = -1;
  int firstIndex_ = 0;
};
