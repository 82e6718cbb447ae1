// BMP files in memory (portable): decoding every common BMP layout into 32-bit
// top-down pixels, and encoding 24-bit BMP files. Malformed input decodes to nothing;
// the decoder never reads outside the given bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/colour.h"

// A plain pixel buffer: rows top to bottom, pixels as Pixel32 (blue in the low byte).
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<Pixel32> pixels;

  PixelImage() = default;
  PixelImage(int w, int h, Pixel32 fill = 0)
      : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  bool Empty() const { return width <= 0 || height <= 0; }
  Pixel32& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  Pixel32 At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Largest accepted width or height, and largest pixel count, of a decoded BMP.
constexpr int kMaxBmpSide = 16384;
constexpr int64_t kMaxBmpPixels = int64_t{16} * 1024 * 1024;

// Decodes a whole BMP file (file header included). Accepts the core, info, V4 and V5
// headers; 1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed, bit fields, RLE4 and
// RLE8; bottom-up and top-down rows. Returns false (and an empty image) for anything
// truncated, inconsistent or too large.
bool DecodeBmp(const uint8_t* data, size_t size, PixelImage& image);

// Encodes the image as an uncompressed 24-bit bottom-up BMP file.
std::vector<uint8_t> EncodeBmp24(const PixelImage& image);
