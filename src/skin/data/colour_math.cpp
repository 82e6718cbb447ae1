// Colour blending, saturation and the gradient table cache.
#include "skin/data/colour_math.h"

#include <algorithm>

namespace {

int ClampChannel(int value) { return std::clamp(value, 0, 255); }

}  // namespace

TColor BlendRgb(TColor c1, TColor c2, int p) {
  const int d = p < 100 ? 100 : 1000;
  // A share beyond the whole (p > d) or below zero would leave the channel range:
  // the result is clamped to a valid channel instead of spilling into the next one.
  auto mix = [&](int a, int b) { return ClampChannel((a * p + b * (d - p) + d / 2) / d); };
  return RgbColour(mix(RedOf(c1), RedOf(c2)), mix(GreenOf(c1), GreenOf(c2)),
                   mix(BlueOf(c1), BlueOf(c2)));
}

int ColourSaturation(TColor c) {
  const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
  if (r <= 159 && g <= 159 && b <= 159) return 200;
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
  const int num = 255 * (mx - mn);
  int q = num / mx;
  const int twice = 2 * (num % mx);
  if (twice > mx || (twice == mx && (q & 1))) ++q;  // nearest, ties to even
  return q;
}

std::vector<TColor> MakeGradientTable(int steps, TColor c1, TColor c2) {
  std::vector<TColor> table;
  if (steps <= 0) return table;
  table.reserve(static_cast<size_t>(steps));
  if (steps == 1) {
    auto mid = [](int a, int b) { return a + (b - a) / 2; };
    table.push_back(RgbColour(mid(RedOf(c1), RedOf(c2)), mid(GreenOf(c1), GreenOf(c2)),
                              mid(BlueOf(c1), BlueOf(c2))));
    return table;
  }
  const int d = steps - 1;
  for (int i = 0; i < steps; ++i) {
    auto step = [&](int a, int b) {
      return ClampChannel(a + static_cast<int>((d / 2 + int64_t{i} * (b - a)) / d));
    };
    table.push_back(RgbColour(step(RedOf(c1), RedOf(c2)), step(GreenOf(c1), GreenOf(c2)),
                              step(BlueOf(c1), BlueOf(c2))));
  }
  return table;
}

const std::vector<TColor>& TGradientCache::Table(int steps, TColor c1, TColor c2) {
  for (int i = kSlots - 1; i >= 0; --i) {
    const Slot& slot = slots_[i];
    if (!slot.table.empty() && slot.steps == steps && slot.first == c1 && slot.last == c2)
      return slot.table;
  }
  Slot& slot = slots_[next_];
  next_ = (next_ + 1) % kSlots;
  slot.steps = steps;
  slot.first = c1;
  slot.last = c2;
  slot.table = MakeGradientTable(steps, c1, c2);
  ++computed_;
  return slot.table;
}
