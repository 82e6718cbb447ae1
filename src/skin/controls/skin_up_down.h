// TSkinUpDown: the up-down (spin) wrapper. It paints both arrow buttons itself from the
// skin's UpDown.Vert or UpDown.Horz object (8 cells: states 1-4 of the first arrow, then
// of the second; a second image holds glyphs drawn centred), or as plain buttons with
// drawn arrows when the skin has no such object. The half under the mouse shows pressed
// while the left button is held; a disabled up-down shows state 3 in both halves. An
// up-down inside an edit (made by TSkinEdit) keeps 3 pixels clear of the edit's edges,
// so the edit's skinned border stays whole.
#pragma once
#include "framework/bitmap.h"
#include "skin/controls/skin_control.h"

class TSkinUpDown : public TSkinControl {
 public:
  explicit TSkinUpDown(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinUpDown"; }

  bool BeforeMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  bool InEdit = false;      // the up-down belongs to an edit
  bool Horizontal = false;  // drawn horizontally even without UDS_HORZ

  // The cells drawn last for the first and the second half (1-based, of 8).
  int DrawnCell(int half) const { return drawnCells_[half & 1]; }

 private:
  // Where the buttons go: rect, kept 3 pixels inside an edit parent's edges.
  RECT DrawingRect(const RECT& rect) const;
  // One half: the skin cell, or the plain button with its arrow (part 0 up, 1 down,
  // 2 left, 3 right).
  // Returns the cell of the skin object that stands for it.
  int DrawHalf(HDC dc, const RECT& half, int part, int state, bool horizontal);
  void DrawPlainHalf(HDC dc, const RECT& half, int part, int state) const;

  TBitmap work_;
  int drawnCells_[2] = {0, 0};
};
