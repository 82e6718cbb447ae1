// TBitmap (Windows only): an owned 32-bit top-down DIB section with a memory device
// context (its canvas), direct pixel access, BMP loading from memory and copying.
//   TBitmap   the bitmap; uncopyable, movable; Assign makes a deep copy
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/bmp_format.h"
#include "framework/colour.h"
#include "framework/gdi.h"

class TStream;

class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height);  // black pixels; empty when the size is not positive
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(TBitmap&& other) noexcept;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  ~TBitmap();

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return bitmap_.Get() == nullptr; }

  // Makes the bitmap width x height with black pixels (the old content is dropped).
  // A size that is not positive, above kMaxBmpSide or that GDI refuses empties the
  // bitmap and returns false.
  bool SetSize(int width, int height);
  void Clear();  // becomes empty
  // Hands the bitmap over to the caller (who deletes it) and becomes empty.
  HBITMAP Release();

  HBITMAP Handle() const { return bitmap_.Get(); }
  // The memory DC with this bitmap selected (made on first use, kept while the bitmap
  // lives); null for an empty bitmap. Draw on it with GDI; the pixel accessors below
  // flush pending GDI work before they touch memory.
  HDC Canvas() const;

  // Direct access to row y (0 = top); null when y is out of range.
  Pixel32* ScanLine(int y);
  const Pixel32* ScanLine(int y) const;
  // One pixel as a colour (red in the low byte); out of range reads 0 and writes nothing.
  TColor GetPixel(int x, int y) const;
  void SetPixel(int x, int y, TColor colour);
  void Fill(TColor colour);

  // Loads a whole BMP file held in memory. Malformed or oversized input leaves the
  // bitmap empty and returns false; it never reads outside [data, data + size).
  bool LoadFromBmp(const uint8_t* data, size_t size);
  bool LoadFromBmp(const std::vector<uint8_t>& bytes) {
    return LoadFromBmp(bytes.data(), bytes.size());
  }
  // Loads the BMP file that runs from the stream's position to its end.
  bool LoadFromStream(TStream& stream);
  std::vector<uint8_t> SaveToBmp() const;  // 24-bit BMP file; empty vector when empty

  // Conversion from and to a plain pixel buffer.
  bool AssignImage(const PixelImage& image);
  PixelImage ToImage() const;

  // Deep copy of source (size and pixels); an empty source empties this bitmap.
  void Assign(const TBitmap& source);

 private:
  OwnedBitmap bitmap_;
  Pixel32* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  // Made on first use; declared after the bitmap so it goes first (the bitmap must
  // leave its DC before it can be deleted).
  mutable MemoryDC canvas_ = MemoryDC::Unset();
};
