// Loading of a zlib-compressed BMP resource (see side_picture.h).
#include "launcher/side_picture.h"

#include <vector>

#include "archive/inflate_stream.h"
#include "framework/bitmap.h"
#include "framework/stream.h"

namespace {
// A BMP file of the largest picture the decoder accepts, with room for its headers.
constexpr size_t kMaxBmpFile = static_cast<size_t>(kMaxBmpPixels) * 4 + 4096;
}  // namespace

HBITMAP LoadCompressedPicture(const wchar_t* name) noexcept {
  try {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, RT_RCDATA);
    if (!found) return nullptr;
    DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const auto* data = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!data || size == 0) return nullptr;
    TMemoryStream packed(std::vector<uint8_t>(data, data + size));
    zlbinflate::Inflater inflater(packed, packed.Size(), "damaged picture");
    std::vector<uint8_t> bmp;
    uint8_t block[16384];
    while (size_t n = inflater.Inflate(block, sizeof block)) {
      if (bmp.size() + n > kMaxBmpFile) return nullptr;
      bmp.insert(bmp.end(), block, block + n);
    }
    TBitmap picture;
    if (!picture.LoadFromBmp(bmp)) return nullptr;
    return picture.Release();
  } catch (...) {
    return nullptr;  // damaged or no memory: the window goes without its picture
  }
}
