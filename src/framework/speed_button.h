// TSpeedButton: a windowless button painted by its parent, with a glyph, a flat look
// (a face only while the mouse is over it or it is down) and an optional down state
// shared by a group (GroupIndex). Its parent routes the mouse to it.
#pragma once
#include <functional>

#include "framework/bit_btn.h"
#include "framework/control.h"

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  const char* ClassName() const override { return "TSpeedButton"; }
  void DefineProperties(TPropList& list) const override;

  bool Down() const { return down_; }
  void SetDown(bool value);
  bool Flat = false;
  int GroupIndex = 0;  // 0: no down state; else one down button per group
  bool AllowAllUp = false;
  TBitmapObject Glyph;
  int NumGlyphs = 1;
  TButtonLayout Layout = blGlyphLeft;
  int Margin = -1;
  int Spacing = 4;

  std::function<void()> OnClick;
  void Click();

  bool MouseInControl() const { return mouseIn_; }
  bool Pressed() const { return pressed_; }

 protected:
  bool HandleMessage(TMessage& message) override;
  void Paint(HDC dc) override;

 private:
  bool down_ = false;
  bool mouseIn_ = false;
  bool pressed_ = false;
};
