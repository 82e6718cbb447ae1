// Colour arithmetic of the skin engine (portable): blending, saturation and gradient
// tables with their small cache. System colours are resolved by the caller
// (image_utils.h does it with the platform's colours).
#pragma once
#include <array>
#include <vector>

#include "framework/colour.h"

// Per channel (c1·p + c2·(d − p) + d div 2) div d with d = 100 when p < 100, else 1000:
// p is a percentage of c1 below 100 and a per-mille value from 100 on. Both colours
// must be RGB values.
TColor BlendRgb(TColor c1, TColor c2, int p);

// 255·(max − min)/max rounded half to even (0 for black) when a channel exceeds 159,
// else 200.
int ColourSaturation(TColor c);

// Step i of an n-step gradient from c1 to c2: per channel c1 + (d div 2 + i·(c2 − c1))
// div d with d = n − 1; one step gives the midpoint c1 + (c2 − c1) div 2.
std::vector<TColor> MakeGradientTable(int steps, TColor c1, TColor c2);

// The last 16 gradient tables, kept in a ring and found again by (steps, c1, c2).
class TGradientCache {
 public:
  static constexpr int kSlots = 16;
  // The table for (steps, c1, c2): from the cache when present (searched from the
  // newest slot down), else computed and stored in the next slot of the ring.
  const std::vector<TColor>& Table(int steps, TColor c1, TColor c2);
  int Computed() const { return computed_; }  // tables computed so far (for tests)

 private:
  struct Slot {
    int steps = 0;
    TColor first = 0;
    TColor last = 0;
    std::vector<TColor> table;
  };
  std::array<Slot, kSlots> slots_;
  int next_ = 0;
  int computed_ = 0;
};
