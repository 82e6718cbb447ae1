// Benchmark: adding about 100 MB of mixed content at fcDefault, in MB/s, beside bare
// zlib deflate of the same data at the same level in the same run; single-threaded and
// with files compressed ahead on one helper thread per processor (same archive bytes).
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <thread>

#include "archive/zlb_archive.h"
#include "write_test_util.h"

using namespace writetest;

namespace {
using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Text-like, structured binary, noise and long runs: ten files of 10 MB.
Bytes MixedFile(int i) {
  const size_t size = 10u << 20;
  switch (i % 4) {
    case 0: return Compressible(size, static_cast<unsigned>(i));
    case 1: {
      Bytes b(size);
      for (size_t k = 0; k < size; ++k) b[k] = static_cast<uint8_t>((k * 7 + (k >> 9) * 13) ^ (k >> 4));
      return b;
    }
    case 2: {
      Bytes b = Noise(size, static_cast<unsigned>(i));
      for (size_t k = 0; k < size; k += 4096) std::fill_n(b.begin() + k, std::min<size_t>(1024, size - k), 0);
      return b;
    }
    default: {
      Bytes b = Compressible(size, static_cast<unsigned>(i));
      for (size_t k = 0; k < size; k += 3) b[k] = static_cast<uint8_t>(k >> 11);
      return b;
    }
  }
}
}  // namespace

int main() {
  std::string dir = ScratchFolder("bench_compress");
  std::vector<Bytes> files;
  std::deque<std::string> items;
  double total = 0;
  for (int i = 0; i < 10; ++i) {
    files.push_back(MixedFile(i));
    items.push_back(dir + "mixed" + std::to_string(i) + ".bin");
    WriteAll(items.back(), files.back());
    total += static_cast<double>(files.back().size());
  }
  const double mb = total / 1048576.0;

  // Two rounds, each bare zlib, then the archive single-threaded and with helper
  // threads; the best time of each counts (the machine is shared and noisy).
  double zlibSeconds = 1e9, archiveSeconds[2] = {1e9, 1e9};
  size_t packed = 0;
  Bytes archives[2];
  int entries = 0;
  const int threads[2] = {1, 0};
  for (int round = 0; round < 2; ++round) {
    // Bare zlib: one deflate of each file in memory at the default level.
    auto start = Clock::now();
    packed = 0;
    for (const Bytes& f : files) {
      uLongf size = compressBound(static_cast<uLong>(f.size()));
      Bytes out(size);
      compress2(out.data(), &size, f.data(), static_cast<uLong>(f.size()), Z_DEFAULT_COMPRESSION);
      packed += size;
    }
    zlibSeconds = std::min(zlibSeconds, Seconds(start));

    for (int k = 0; k < 2; ++k) {
      const std::string name = dir + "bench" + std::to_string(k) + ".zlb";
      fsys::RemoveFile(name);
      std::deque<std::string> list = items;
      start = Clock::now();
      TZLBArc2 arc;
      arc.CompressionLevel = fcDefault;
      arc.CompressionThreads = threads[k];
      arc.CreateArchive(name);
      arc.AddFiles(list, false);
      archiveSeconds[k] = std::min(archiveSeconds[k], Seconds(start));
      entries = arc.FileCount();
      arc.CloseArchive();
      if (round == 1) archives[k] = ReadAll(name);
    }
  }

  std::printf("%.0f MB of mixed content at fcDefault, %u processors\n", mb, std::thread::hardware_concurrency());
  std::printf("bare zlib deflate:          %6.1f MB/s (%zu bytes)\n", mb / zlibSeconds, packed);
  std::printf("archive, single-threaded:   %6.1f MB/s (%zu bytes, %d entries)\n", mb / archiveSeconds[0],
              archives[0].size(), entries);
  std::printf("archive, helper threads:    %6.1f MB/s (%s bytes)\n", mb / archiveSeconds[1],
              archives[1] == archives[0] ? "the same" : "DIFFERENT");
  std::printf("ratio single-threaded / zlib: %.2f (aim: 0.9 or better); speed-up of the threads: %.2f\n",
              zlibSeconds / archiveSeconds[0], archiveSeconds[0] / archiveSeconds[1]);
  RemoveTree(dir.substr(0, dir.size() - 1));
  return 0;
}
