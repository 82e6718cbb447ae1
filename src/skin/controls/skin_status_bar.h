// TSkinStatusBar: the status-bar wrapper (framework status bars). The bar is composed
// off-screen on the skin's face colour: each panel (the last reaching the right edge,
// or one panel with the simple text) gets its StatusBarEdges cell (1 lowered, 2 raised,
// 3 without bevel) and its text in StatusBarEdges' normal colour, aligned as the panel
// says; a size grip shows cell 5 of ExtraImages. Owner-drawn panels are handed to the
// bar's OnDrawPanel after the copy.
#pragma once
#include "framework/bitmap.h"
#include "skin/controls/skin_control.h"

class TSkinStatusBar : public TSkinControl {
 public:
  explicit TSkinStatusBar(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinStatusBar"; }

  bool BeforeMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  TBitmap work_;
};
