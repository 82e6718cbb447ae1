// TBitmap: a 32-bit top-down DIB section, its lazily made memory DC and pixel access.
#include "framework/bitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/stream.h"

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::TBitmap(TBitmap&& other) noexcept { *this = std::move(other); }

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
  if (this != &other) {
    Clear();
    canvas_ = std::move(other.canvas_);  // the DC keeps holding the moved bitmap
    bitmap_ = std::move(other.bitmap_);
    bits_ = std::exchange(other.bits_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
  }
  return *this;
}

TBitmap::~TBitmap() { Clear(); }

HBITMAP TBitmap::Release() {
  canvas_.Reset();  // the bitmap leaves its DC first
  HBITMAP handle = bitmap_.Release();
  Clear();
  return handle;
}

void TBitmap::Clear() {
  canvas_.Reset();  // the bitmap must leave its DC before it can be deleted
  bitmap_.Reset();
  bits_ = nullptr;
  width_ = height_ = 0;
}

bool TBitmap::SetSize(int width, int height) {
  Clear();
  if (width <= 0 || height <= 0 || width > kMaxBmpSide || height > kMaxBmpSide) return false;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!handle || !bits) {
    if (handle) DeleteObject(handle);
    return false;
  }
  bitmap_.Reset(handle);
  bits_ = static_cast<Pixel32*>(bits);
  width_ = width;
  height_ = height;
  std::memset(bits_, 0, static_cast<size_t>(width) * height * sizeof(Pixel32));
  return true;
}

HDC TBitmap::Canvas() const {
  if (Empty()) return nullptr;
  if (!canvas_) {
    MemoryDC dc;
    if (!dc.SelectBitmap(bitmap_.Get())) return nullptr;
    canvas_ = std::move(dc);
  }
  return canvas_.Get();
}

Pixel32* TBitmap::ScanLine(int y) {
  if (!bits_ || y < 0 || y >= height_) return nullptr;
  GdiFlush();
  return bits_ + static_cast<size_t>(y) * width_;
}

const Pixel32* TBitmap::ScanLine(int y) const {
  return const_cast<TBitmap*>(this)->ScanLine(y);
}

TColor TBitmap::GetPixel(int x, int y) const {
  const Pixel32* row = ScanLine(y);
  if (!row || x < 0 || x >= width_) return 0;
  return ColourOf(row[x]);
}

void TBitmap::SetPixel(int x, int y, TColor colour) {
  Pixel32* row = ScanLine(y);
  if (!row || x < 0 || x >= width_) return;
  row[x] = PixelOf(colour);
}

void TBitmap::Fill(TColor colour) {
  if (!bits_) return;
  GdiFlush();
  std::fill(bits_, bits_ + static_cast<size_t>(width_) * height_, PixelOf(colour));
}

bool TBitmap::AssignImage(const PixelImage& image) {
  if (image.Empty() || image.pixels.size() != static_cast<size_t>(image.width) * image.height ||
      !SetSize(image.width, image.height)) {
    Clear();
    return false;
  }
  // Keep the unused top byte 0 so GDI sees plain RGB pixels.
  for (size_t i = 0; i < image.pixels.size(); ++i) bits_[i] = image.pixels[i] & 0xFFFFFF;
  return true;
}

PixelImage TBitmap::ToImage() const {
  if (Empty()) return PixelImage();
  GdiFlush();
  PixelImage image(width_, height_);
  std::copy(bits_, bits_ + image.pixels.size(), image.pixels.begin());
  return image;
}

bool TBitmap::LoadFromBmp(const uint8_t* data, size_t size) {
  PixelImage image;
  if (!DecodeBmp(data, size, image)) {
    Clear();
    return false;
  }
  return AssignImage(image);
}

bool TBitmap::LoadFromStream(TStream& stream) {
  int64_t left = stream.Size() - stream.Position();
  if (left <= 0 || left > int64_t{256} * 1024 * 1024) {
    Clear();
    return false;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(left));
  size_t got = 0;
  while (got < bytes.size()) {
    size_t n = stream.Read(bytes.data() + got, bytes.size() - got);
    if (n == 0) break;
    got += n;
  }
  return LoadFromBmp(bytes.data(), got);
}

std::vector<uint8_t> TBitmap::SaveToBmp() const { return EncodeBmp24(ToImage()); }

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  if (source.Empty() || !SetSize(source.width_, source.height_)) {
    Clear();
    return;
  }
  GdiFlush();
  std::memcpy(bits_, source.bits_, static_cast<size_t>(width_) * height_ * sizeof(Pixel32));
}
