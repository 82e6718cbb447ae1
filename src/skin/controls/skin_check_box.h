// Check-box and radio-button wrappers: the skin's glyph strip frame for the control's
// state instead of the system box or circle, and (for framework controls, kind 1) the
// caption beside it.
//   TSkinCheckBox      check boxes: unchecked, checked, indeterminate; 4- or 12-frame strips
//   TSkinRadioButton   radio buttons; 4- or 8-frame strips
#pragma once
#include "skin/controls/skin_control.h"

class TBitmap;

class TSkinCheckBox : public TSkinControl {
 public:
  explicit TSkinCheckBox(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinCheckBox"; }

  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                      TBitmap* canvas = nullptr) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The strip frame (1-based) for the control's current state.
  virtual int GlyphFrame() const;

 protected:
  // The glyph strip (radio or check) and its frame count.
  const TBitmap* Strip() const;
  int StripFrames() const;
  virtual bool IsRadio() const { return false; }
  // The glyph's right edge gap with BS_LEFTTEXT (radio buttons: 1 pixel).
  virtual int RightGap() const { return 0; }

  int checkOverride_ = 0;  // 1 + wParam of the last BM_SETCHECK; 0 until one is seen
  bool parentBackground_ = false;
};

class TSkinRadioButton : public TSkinCheckBox {
 public:
  explicit TSkinRadioButton(TComponent* owner) : TSkinCheckBox(owner) {}
  const char* ClassName() const override { return "TSkinRadioButton"; }
  void AfterMessage(TMessage& message) override;
  int GlyphFrame() const override;

 protected:
  bool IsRadio() const override { return true; }
  int RightGap() const override { return 1; }
};
