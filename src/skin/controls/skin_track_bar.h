// TSkinTrackBar: the track-bar wrapper. It answers the track bar's custom-draw
// notifications: the channel is drawn from the skin's Track object (or TRACKVERT for a
// standing bar) in three parts, the thumb from cell 2 of Trackbar.ThumbHorz (or
// Trackbar.ThumbVert), and the ticks are left to the control.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/skin_control.h"

class TSkinTrackBar : public TSkinControl {
 public:
  explicit TSkinTrackBar(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinTrackBar"; }

  bool BeforeMessage(TMessage& message) override;
  void SkinChanged() override;

 private:
  // The answer to one custom-draw notification of the control.
  bool CustomDraw(TMessage& message, NMCUSTOMDRAW& draw);
  bool Vertical() const;
  void DrawChannel(HDC dc);
  void DrawThumb(HDC dc);
};
