// Colour values in the toolkit's style (portable): 32-bit, red in the low byte,
// green, blue above it; a value with the top byte 0xFF names a system colour
// (0xFF000000 + a Win32 COLOR_ index) and reads as negative.
#pragma once
#include <cstdint>

using TColor = int32_t;

constexpr TColor RgbColour(int red, int green, int blue) {
  return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(TColor c) { return c & 0xFF; }
constexpr int GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(TColor c) { return (c >> 16) & 0xFF; }
constexpr bool IsSystemColour(TColor c) { return c < 0; }
constexpr TColor SystemColour(int index) {
  return static_cast<TColor>(0xFF000000u + static_cast<uint32_t>(index));
}

// The key colour of every skin bitmap: pixels of this colour are transparent.
constexpr TColor kSkinKeyColour = 0xFF00FF;  // magenta

// A 32-bit pixel in memory order blue, green, red, unused (a DIB section's layout).
using Pixel32 = uint32_t;
constexpr Pixel32 PixelOf(TColor c) {
  return static_cast<Pixel32>(BlueOf(c) | (GreenOf(c) << 8) | (RedOf(c) << 16));
}
constexpr TColor ColourOf(Pixel32 p) {
  return RgbColour((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}
