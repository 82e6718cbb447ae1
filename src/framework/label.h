// TLabel: a line of text painted by its parent (no window of its own), aligned in its
// bounds; transparent unless Transparent is turned off.
#pragma once
#include "framework/control.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner) : TGraphicControl(owner) {}
  const char* ClassName() const override { return "TLabel"; }
  void DefineProperties(TPropList& list) const override;

  TAlignment Alignment = taLeftJustify;
  bool Transparent = true;

 protected:
  void Paint(HDC dc) override;
};
