// TSkinProgress: the progress-bar wrapper. It paints the bar from the skin's Progress
// object (two cells: track and fill; or one cell with Progress.Chunk blocks), composed
// off-screen and copied in one call; a vertical bar is composed lying down and turned.
// A marquee-style bar (whose position stays 0) shows a chunk block that moves across
// the track each time the control's marquee timer fires.
#pragma once
#include "framework/bitmap.h"
#include "skin/controls/skin_control.h"

class TSkinProgress : public TSkinControl {
 public:
  explicit TSkinProgress(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinProgress"; }

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // Start of the marquee block along the bar (pixels from the start of the track).
  int MarqueeOffset() const { return marqueeOffset_; }
  // Length of the marquee block for a bar of the given length.
  static int MarqueeBlockLength(int barLength);
  // Filled length of a bar of the given length: (position - low) of (high - low).
  static int FillLength(int barLength, int position, int low, int high);

 private:
  bool HasImage() const;
  bool IsMarquee() const;
  void AdvanceMarquee();
  // Draws the fill over [from, to) of a lying bar length x thickness into dc.
  void DrawFill(HDC dc, int from, int to, int length, int thickness, bool marquee) const;

  TBitmap work_;
  int marqueeOffset_ = 0;
};
