// Panels: windowed containers that fill themselves with their colour, can draw bevels
// (outer bevel round the edge, or an etched edge on chosen sides) and a centred caption.
//   TCustomPanel  the panel
//   TPanel        publishes TCustomPanel
#pragma once
#include "framework/win_control.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised };
enum TBevelKind { bkNone, bkTile };
enum TBevelEdge : unsigned { beLeft = 1, beTop = 2, beRight = 4, beBottom = 8 };

class TCustomPanel : public TWinControl {
 public:
  explicit TCustomPanel(TComponent* owner);
  const char* ClassName() const override { return "TCustomPanel"; }
  void DefineProperties(TPropList& list) const override;

  TPanelBevel BevelOuter = bvRaised;
  TBevelKind BevelKind = bkNone;
  unsigned BevelEdges = beLeft | beTop | beRight | beBottom;
  // False: the panel paints its own colour rather than its parent's background.
  bool ParentBackground = true;
  bool Transparent = false;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
};

class TPanel : public TCustomPanel {
 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
  const char* ClassName() const override { return "TPanel"; }
};
