// libFuzzer target: BMP decoding of arbitrary bytes must never read outside them, and
// whatever decodes must re-encode and decode to the same pixels.
#include <cstdlib>

#include "framework/bmp_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PixelImage image;
  if (!DecodeBmp(data, size, image)) return 0;
  if (image.Empty() || image.pixels.size() != static_cast<size_t>(image.width) * image.height)
    abort();
  std::vector<uint8_t> again = EncodeBmp24(image);
  PixelImage back;
  if (!DecodeBmp(again.data(), again.size(), back)) abort();
  for (size_t i = 0; i < image.pixels.size(); ++i)
    if ((image.pixels[i] & 0xFFFFFF) != back.pixels[i]) abort();
  return 0;
}
