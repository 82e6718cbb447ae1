// BMP decoding and encoding in memory. Every field read from the file is checked
// against the buffer before use; the pixel buffer is allocated only after the header
// has been validated and its size bounded.
#include "framework/bmp_format.h"

#include <algorithm>

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

// Bounds-checked little-endian reader over [data, data + size).
class ByteView {
 public:
  ByteView(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  size_t Size() const { return size_; }
  bool Has(size_t offset, size_t count) const {
    return offset <= size_ && count <= size_ - offset;
  }
  uint8_t U8(size_t offset) const { return data_[offset]; }
  uint16_t U16(size_t offset) const { return data_[offset] | (data_[offset + 1] << 8); }
  uint32_t U32(size_t offset) const {
    return static_cast<uint32_t>(U16(offset)) | (static_cast<uint32_t>(U16(offset + 2)) << 16);
  }
  const uint8_t* At(size_t offset) const { return data_ + offset; }

 private:
  const uint8_t* data_;
  size_t size_;
};

// One channel mask of a bit-field layout: shift and width of its run of set bits.
struct ChannelMask {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit ChannelMask(uint32_t m = 0) : mask(m) {
    if (!m) return;
    while (!(m & 1)) {
      m >>= 1;
      ++shift;
    }
    while (m & 1) {
      m >>= 1;
      ++bits;
    }
    if (m) mask = 0;  // holes in the mask: treat the channel as absent
  }
  // The channel value scaled to 0..255.
  uint8_t Extract(uint32_t value) const {
    if (!mask || !bits) return 0;
    uint32_t v = (value & mask) >> shift;
    if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
    uint32_t max = (1u << bits) - 1;
    return static_cast<uint8_t>((v * 255 + max / 2) / max);
  }
};

struct Header {
  int32_t width = 0;
  int32_t height = 0;  // positive
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = kRgb;
  size_t pixelOffset = 0;
  size_t paletteOffset = 0;
  size_t paletteEntrySize = 4;
  size_t paletteCount = 0;
  ChannelMask red, green, blue;
};

Pixel32 MakePixel(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<Pixel32>(b | (g << 8) | (r << 16));
}

bool ReadHeader(const ByteView& v, Header& h) {
  if (!v.Has(0, 18) || v.U8(0) != 'B' || v.U8(1) != 'M') return false;
  h.pixelOffset = v.U32(10);
  uint32_t infoSize = v.U32(14);
  if (infoSize < 12 || !v.Has(14, infoSize)) return false;
  if (infoSize == 12) {  // core header: 16-bit sizes, 3-byte palette entries
    h.width = v.U16(18);
    h.height = static_cast<int16_t>(v.U16(20));
    if (v.U16(22) != 1) return false;
    h.bitCount = v.U16(24);
    h.paletteEntrySize = 3;
  } else {
    if (infoSize < 40) return false;
    h.width = static_cast<int32_t>(v.U32(18));
    h.height = static_cast<int32_t>(v.U32(22));
    if (v.U16(26) != 1) return false;
    h.bitCount = v.U16(28);
    h.compression = v.U32(30);
    h.paletteCount = v.U32(46);
  }
  if (h.height < 0) {
    if (h.height == INT32_MIN) return false;
    h.height = -h.height;
    h.topDown = true;
  }
  if (h.width <= 0 || h.height <= 0 || h.width > kMaxBmpSide || h.height > kMaxBmpSide)
    return false;
  if (int64_t{h.width} * h.height > kMaxBmpPixels) return false;
  h.paletteOffset = 14 + infoSize;

  switch (h.compression) {
    case kRgb:
      if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 16 &&
          h.bitCount != 24 && h.bitCount != 32)
        return false;
      if (h.bitCount == 16) {
        h.red = ChannelMask(0x7C00), h.green = ChannelMask(0x03E0), h.blue = ChannelMask(0x001F);
      } else if (h.bitCount == 32) {
        h.red = ChannelMask(0xFF0000), h.green = ChannelMask(0xFF00), h.blue = ChannelMask(0xFF);
      }
      break;
    case kRle8:
      if (h.bitCount != 8 || h.topDown) return false;
      break;
    case kRle4:
      if (h.bitCount != 4 || h.topDown) return false;
      break;
    case kBitFields:
    case kAlphaBitFields: {
      if (h.bitCount != 16 && h.bitCount != 32) return false;
      // The masks follow a 40-byte header, or sit inside a V4/V5 header.
      size_t maskOffset = 14 + 40;
      if (!v.Has(maskOffset, 12)) return false;
      h.red = ChannelMask(v.U32(maskOffset));
      h.green = ChannelMask(v.U32(maskOffset + 4));
      h.blue = ChannelMask(v.U32(maskOffset + 8));
      if (infoSize == 40) h.paletteOffset += h.compression == kAlphaBitFields ? 16 : 12;
      break;
    }
    default:
      return false;  // JPEG/PNG inside BMP and other schemes are not supported
  }

  if (h.bitCount <= 8) {
    size_t maxColours = size_t{1} << h.bitCount;
    if (h.paletteCount == 0 || h.paletteCount > maxColours) h.paletteCount = maxColours;
    // A palette cut short by the pixel data or the file end keeps what is there;
    // indexes past it read black.
    size_t room = h.pixelOffset > h.paletteOffset ? h.pixelOffset - h.paletteOffset : 0;
    if (h.paletteOffset > v.Size()) room = 0;
    else if (room > v.Size() - h.paletteOffset) room = v.Size() - h.paletteOffset;
    if (h.paletteCount > room / h.paletteEntrySize) h.paletteCount = room / h.paletteEntrySize;
  }
  return h.pixelOffset < v.Size();
}

std::vector<Pixel32> ReadPalette(const ByteView& v, const Header& h) {
  std::vector<Pixel32> palette(size_t{1} << (h.bitCount <= 8 ? h.bitCount : 0), 0);
  if (h.bitCount > 8) return palette;
  for (size_t i = 0; i < h.paletteCount; ++i) {
    size_t at = h.paletteOffset + i * h.paletteEntrySize;
    palette[i] = MakePixel(v.U8(at + 2), v.U8(at + 1), v.U8(at));
  }
  return palette;
}

int RowOf(const Header& h, int fileRow) { return h.topDown ? fileRow : h.height - 1 - fileRow; }

bool DecodeUncompressed(const ByteView& v, const Header& h, PixelImage& image) {
  size_t stride = ((static_cast<size_t>(h.width) * h.bitCount + 31) / 32) * 4;
  // The last row need only hold its pixels, not its padding.
  size_t lastRow = (static_cast<size_t>(h.width) * h.bitCount + 7) / 8;
  if (!v.Has(h.pixelOffset, stride * (h.height - 1) + lastRow)) return false;
  std::vector<Pixel32> palette = ReadPalette(v, h);
  for (int fileRow = 0; fileRow < h.height; ++fileRow) {
    const uint8_t* src = v.At(h.pixelOffset + stride * fileRow);
    Pixel32* dst = &image.At(0, RowOf(h, fileRow));
    for (int x = 0; x < h.width; ++x) {
      switch (h.bitCount) {
        case 1: dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
        case 4: dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF]; break;
        case 8: dst[x] = palette[src[x]]; break;
        case 24: dst[x] = MakePixel(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
        case 16: {
          uint32_t p = src[2 * x] | (src[2 * x + 1] << 8);
          dst[x] = MakePixel(h.red.Extract(p), h.green.Extract(p), h.blue.Extract(p));
          break;
        }
        case 32: {
          uint32_t p = static_cast<uint32_t>(src[4 * x]) | (src[4 * x + 1] << 8) |
                       (src[4 * x + 2] << 16) | (static_cast<uint32_t>(src[4 * x + 3]) << 24);
          dst[x] = MakePixel(h.red.Extract(p), h.green.Extract(p), h.blue.Extract(p));
          break;
        }
      }
    }
  }
  return true;
}

// Run-length decoding; pixels the stream skips stay palette index 0, as Windows shows them.
bool DecodeRle(const ByteView& v, const Header& h, PixelImage& image) {
  std::vector<Pixel32> palette = ReadPalette(v, h);
  std::fill(image.pixels.begin(), image.pixels.end(), palette[0]);
  const bool four = h.compression == kRle4;
  size_t at = h.pixelOffset;
  int x = 0, fileRow = 0;
  auto put = [&](int index) {
    if (x < h.width && fileRow < h.height) image.At(x, RowOf(h, fileRow)) = palette[index];
    ++x;
  };
  while (v.Has(at, 2)) {
    uint8_t count = v.U8(at), value = v.U8(at + 1);
    at += 2;
    if (count > 0) {  // encoded run
      for (int i = 0; i < count; ++i)
        put(four ? ((i & 1) ? value & 0xF : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++fileRow;
    } else if (value == 1) {  // end of bitmap
      return true;
    } else if (value == 2) {  // delta
      if (!v.Has(at, 2)) return false;
      x += v.U8(at);
      fileRow += v.U8(at + 1);
      at += 2;
    } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
      size_t bytes = four ? (value + 1) / 2 : value;
      if (!v.Has(at, bytes)) return false;
      for (int i = 0; i < value; ++i) {
        uint8_t b = v.U8(at + (four ? i / 2 : i));
        put(four ? ((i & 1) ? b & 0xF : b >> 4) : b);
      }
      at += (bytes + 1) & ~size_t{1};
    }
    if (fileRow >= h.height) return true;  // the rest would fall outside the image
  }
  // A stream that ends without its end marker keeps what it drew, as Windows does.
  return true;
}

void PutU16(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  out[at] = value & 0xFF;
  out[at + 1] = (value >> 8) & 0xFF;
}
void PutU32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  PutU16(out, at, value & 0xFFFF);
  PutU16(out, at + 2, value >> 16);
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, PixelImage& image) {
  image = PixelImage();
  if (!data) return false;
  ByteView view(data, size);
  Header header;
  if (!ReadHeader(view, header)) return false;
  PixelImage result(header.width, header.height);
  bool ok = (header.compression == kRle8 || header.compression == kRle4)
                ? DecodeRle(view, header, result)
                : DecodeUncompressed(view, header, result);
  if (!ok) return false;
  image = std::move(result);
  return true;
}

std::vector<uint8_t> EncodeBmp24(const PixelImage& image) {
  if (image.Empty()) return {};
  size_t stride = ((static_cast<size_t>(image.width) * 3 + 3) / 4) * 4;
  size_t pixelBytes = stride * image.height;
  std::vector<uint8_t> out(54 + pixelBytes, 0);
  out[0] = 'B';
  out[1] = 'M';
  PutU32(out, 2, static_cast<uint32_t>(out.size()));
  PutU32(out, 10, 54);
  PutU32(out, 14, 40);
  PutU32(out, 18, static_cast<uint32_t>(image.width));
  PutU32(out, 22, static_cast<uint32_t>(image.height));
  PutU16(out, 26, 1);
  PutU16(out, 28, 24);
  PutU32(out, 34, static_cast<uint32_t>(pixelBytes));
  PutU32(out, 38, 2835);  // 72 dpi
  PutU32(out, 42, 2835);
  for (int y = 0; y < image.height; ++y) {
    uint8_t* row = &out[54 + stride * (image.height - 1 - y)];
    for (int x = 0; x < image.width; ++x) {
      Pixel32 p = image.At(x, y);
      row[3 * x] = p & 0xFF;
      row[3 * x + 1] = (p >> 8) & 0xFF;
      row[3 * x + 2] = (p >> 16) & 0xFF;
    }
  }
  return out;
}
