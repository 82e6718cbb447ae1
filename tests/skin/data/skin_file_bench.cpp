// Benchmark: LZHUF decode speed (MB/s of decoded output) on skin-like data, with zlib's
// inflate of the same data measured in the same run as the baseline. Also prints the
// encoder's speed and both compression ratios. Usage: skin_file_bench [MEGABYTES]
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "skin/data/lzh.h"
#include "skin/data/lzh_encoder.h"

namespace {

using Clock = std::chrono::steady_clock;

// Skin images: 24-bit rows of gradients, flat magenta keys, and some noise; plus text.
std::vector<uint8_t> SkinLikeData(size_t size) {
  std::vector<uint8_t> data;
  data.reserve(size + 4096);
  std::mt19937 rng(42);
  const std::string text = "[Buttons]\r\nBitmap=button.bmp\r\nLeftWidth=3\r\nNormalColour2=0 0 0\r\n";
  while (data.size() < size) {
    int width = 16 + static_cast<int>(rng() % 200), height = 8 + static_cast<int>(rng() % 40);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        bool key = (x < 2 || x >= width - 2) && y < 2;
        int noise = (rng() % 8 == 0) ? static_cast<int>(rng() % 5) : 0;
        uint8_t b = key ? 255 : static_cast<uint8_t>(120 + y * 2 + noise);
        uint8_t g = key ? 0 : static_cast<uint8_t>(130 + y + noise);
        uint8_t r = key ? 255 : static_cast<uint8_t>(140 + x % 16);
        data.insert(data.end(), {b, g, r});
      }
      while (data.size() % 4) data.push_back(0);
    }
    data.insert(data.end(), text.begin(), text.end());
  }
  data.resize(size);
  return data;
}

template <typename F>
double BestSeconds(int runs, F&& f) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    auto start = Clock::now();
    f();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t megabytes = argc > 1 ? static_cast<size_t>(std::atoi(argv[1])) : 8;
  const std::vector<uint8_t> data = SkinLikeData(std::max<size_t>(megabytes, 1) << 20);
  const double mb = static_cast<double>(data.size()) / (1 << 20);

  std::vector<uint8_t> lzh_stream;
  double encode = BestSeconds(1, [&] { lzh_stream = LzhEncode(data.data(), data.size()); });
  std::vector<uint8_t> out;
  double decode = BestSeconds(3, [&] {
    out.clear();
    TLZH decoder;
    decoder.Decode(lzh_stream.data(), lzh_stream.size(), static_cast<int64_t>(data.size()), out);
  });
  out.resize(data.size());
  if (out != data) {
    std::fprintf(stderr, "LZHUF round trip differs\n");
    return 1;
  }

  uLongf zsize = compressBound(static_cast<uLong>(data.size()));
  std::vector<uint8_t> zstream(zsize);
  compress2(zstream.data(), &zsize, data.data(), static_cast<uLong>(data.size()), Z_DEFAULT_COMPRESSION);
  std::vector<uint8_t> zout(data.size());
  double inflate = BestSeconds(3, [&] {
    uLongf n = static_cast<uLongf>(zout.size());
    uncompress(zout.data(), &n, zstream.data(), zsize);
  });

  std::printf("data: %.1f MB of skin-like images and text\n", mb);
  std::printf("LZHUF encode: %7.1f MB/s  (ratio %.3f)\n", mb / encode,
              static_cast<double>(lzh_stream.size()) / data.size());
  std::printf("LZHUF decode: %7.1f MB/s\n", mb / decode);
  std::printf("zlib inflate: %7.1f MB/s  (ratio %.3f, default level; baseline)\n", mb / inflate,
              static_cast<double>(zsize) / data.size());
  std::printf("LZHUF decode / zlib inflate: %.3f\n", inflate / decode);
  return 0;
}
