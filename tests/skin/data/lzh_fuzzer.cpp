// libFuzzer target for the LZHUF codec: any bytes decode without reading outside the
// input or writing past the bound, and any bytes round-trip through the encoder.
// Longer run: BUILD_DIR/native/bin/lzh_fuzzer -max_total_time=600 -rss_limit_mb=1024 CORPUS_DIR tests/data/skin_seeds/SEEDS
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "skin/data/lzh.h"
#include "skin/data/lzh_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // The first two bytes choose how much to decode (within the expansion bound).
  int64_t length = (data[0] | (data[1] << 8)) * 4;
  const uint8_t* stream = data + 2;
  size_t stream_size = size - 2;
  length = std::min<int64_t>(length, lzh::MaxOutputFor(static_cast<int64_t>(stream_size)));
  std::vector<uint8_t> out;
  TLZH decoder;
  decoder.Decode(stream, stream_size, length, out);
  const int64_t produced = static_cast<int64_t>(out.size());
  if (length == 0 ? produced != 0 : (produced < length || produced >= length + lzh::kMaxMatch)) {
    std::abort();
  }

  // Round trip of the same bytes as data.
  std::vector<uint8_t> encoded = LzhEncode(data, size);
  std::vector<uint8_t> back;
  TLZH again;
  again.Decode(encoded.data(), encoded.size(), static_cast<int64_t>(size), back);
  back.resize(size);
  if (back != std::vector<uint8_t>(data, data + size)) std::abort();
  return 0;
}
