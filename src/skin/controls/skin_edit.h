// TSkinEdit: the wrapper of single-line edits and memos with a border. The system's
// sunken edge is painted over with a frame in the skin's ButtonShadow colour and two
// white frames inside it; an edit without a border (its client area as wide or as high
// as its window) is left alone. A spin button inside the edit (an up-down child window)
// gets a TSkinUpDown of its own when the skin data skins spin controls (xcSpin).
#pragma once
#include "skin/controls/skin_control.h"

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
 public:
  explicit TSkinEdit(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinEdit"; }

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  // The wrapper of the spin button inside the edit (owned by this wrapper), or null.
  TSkinUpDown* SpinWrapper() const { return spin_; }

 private:
  // Wraps the first up-down child window of the edit (once).
  void FindSpinButton();

  TColor ShadowColour() const;
  // The border drawn for printing: the DC's brush one pixel in, the shadow at the edge.
  void DrawPrintBorder(HDC dc);

  TSkinUpDown* spin_ = nullptr;
};
