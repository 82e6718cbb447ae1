// Scrolling controls.
//   TScrollBar   the system "SCROLLBAR" control (superclassed): range, position, page
//                and step sizes; it moves its own thumb as the user scrolls
//   TScrollBox   a container whose window scroll bars scroll its child windows over
//                a content area of a given size
#pragma once
#include <functional>

#include "framework/win_control.h"

enum TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* owner);
  const char* ClassName() const override { return "TScrollBar"; }
  void DefineProperties(TPropList& list) const override;

  TScrollBarKind Kind = sbHorizontal;
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int PageSize() const { return pageSize_; }
  void SetParams(int position, int min, int max, int pageSize);
  void SetPosition(int position) { SetParams(position, min_, max_, pageSize_); }
  int SmallChange = 1;
  int LargeChange = 1;
  std::function<void()> OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  bool HandleMessage(TMessage& message) override;

 private:
  void Scroll(int code, int trackPosition);
  void Apply();
  int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0;
};

class TScrollBox : public TWinControl {
 public:
  explicit TScrollBox(TComponent* owner);
  const char* ClassName() const override { return "TScrollBox"; }
  void DefineProperties(TPropList& list) const override;

  bool BorderSingle = true;
  // Size of the scrolled content; a bar shows when the content exceeds the client.
  void SetContentSize(int width, int height);
  int ScrollX() const { return scrollX_; }
  int ScrollY() const { return scrollY_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override { UpdateBars(); }
  bool HandleMessage(TMessage& message) override;

 private:
  void UpdateBars();
  void ScrollTo(int x, int y);
  int OnScroll(int bar, int code);
  int contentWidth_ = 0, contentHeight_ = 0;
  int scrollX_ = 0, scrollY_ = 0;
};
