// Benchmark: adding about 100 MB of mixed content at fcDefault, in MB/s, beside bare
// zlib deflate of the same data at the same level in the same run; single-threaded and
// with files compressed ahead on one helper thread per processor (same archive bytes).
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>
#include <thread>

#include "archive/zlb_archive.h"
#include "write_test_util.h"

using namespace writetest;

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace {
using Clock = std::chrono::steady_clock;

// CPU time of the calling thread (user and system): steadier than wall time on a
// shared machine, and all the work of a single-threaded run happens on this thread.
double ThreadCpuSeconds() {
#ifdef _WIN32
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto ticks = [](const FILETIME& t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) * 1e-7;
#else
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
#endif
}
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
  std::vector<std::string> items;
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
  double zlibSeconds = 1e9, archiveSeconds[2] = {1e9, 1e9}, zlibCpu = 1e9, singleCpu = 1e9;
  size_t packed = 0;
  Bytes archives[2];
  int entries = 0;
  const int threads[2] = {1, 0};
  for (int round = 0; round < 2; ++round) {
    // Bare zlib: one deflate of each file in memory at the default level.
    auto start = Clock::now();
    double cpu = ThreadCpuSeconds();
    packed = 0;
    for (const Bytes& f : files) {
      uLongf size = compressBound(static_cast<uLong>(f.size()));
      Bytes out(size);
      compress2(out.data(), &size, f.data(), static_cast<uLong>(f.size()), Z_DEFAULT_COMPRESSION);
      packed += size;
    }
    zlibSeconds = std::min(zlibSeconds, Seconds(start));
    zlibCpu = std::min(zlibCpu, ThreadCpuSeconds() - cpu);

    for (int k = 0; k < 2; ++k) {
      const std::string name = dir + "bench" + std::to_string(k) + ".zlb";
      fsys::RemoveFile(name);
      std::vector<std::string> list = items;
      start = Clock::now();
      cpu = ThreadCpuSeconds();
      TZLBArc2 arc;
      arc.CompressionLevel = fcDefault;
      arc.CompressionThreads = threads[k];
      arc.CreateArchive(name);
      arc.AddFiles(list, false);
      archiveSeconds[k] = std::min(archiveSeconds[k], Seconds(start));
      if (k == 0) singleCpu = std::min(singleCpu, ThreadCpuSeconds() - cpu);
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
  std::printf("ratio single-threaded / zlib: %.2f by wall time, %.2f by CPU time of the thread (aim: 0.9 or better)\n",
              zlibSeconds / archiveSeconds[0], zlibCpu / singleCpu);
  std::printf("speed-up of the helper threads (wall time): %.2f\n", archiveSeconds[0] / archiveSeconds[1]);
  RemoveTree(dir.substr(0, dir.size() - 1));
  return 0;
}
