// Compression of files ahead of the archive writer, on helper threads. The writer takes
// the results one by one in its own order and stores them itself, so the archive bytes
// are those of a single-threaded run; no event is fired and no exception leaves a helper.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/threads.h"

namespace zlbahead {
// One compressed file.
struct Packed {
  bool ok = false;                    // false: the file could not be read or compressed
  int64_t size = 0;                   // content size
  uint32_t crc = 0;                   // CRC-32 of the content
  std::vector<uint8_t> zlib;          // the zlib stream
  std::vector<uint8_t> raw;           // the content itself, kept only when zlib is not smaller
  std::vector<int64_t> bufferPoints;  // input consumed at each full 64 KiB output buffer
};

class AheadCompressor {
 public:
  // files are compressed at zlibLevel in their order, by threads helpers, at most
  // window files ahead of the last one taken. Helpers that cannot be started are done
  // without: with none at all, TakeNext compresses each file itself.
  AheadCompressor(std::vector<std::string> files, int zlibLevel, int threads, size_t window,
                  const qmthread::ThreadStarter& start = qmthread::StartThread);
  AheadCompressor(const AheadCompressor&) = delete;
  AheadCompressor& operator=(const AheadCompressor&) = delete;
  ~AheadCompressor();  // lets running jobs end, then joins the helpers

  // Waits for the next file's result (files are taken in their order).
  Packed TakeNext();
  size_t HelperCount() const { return helpers_.size(); }

 private:
  void Work();

  const std::vector<std::string> files_;
  const int level_;
  const size_t window_;
  std::vector<Packed> results_;
  std::vector<bool> done_;
  size_t next_ = 0;   // next file a helper starts
  size_t taken_ = 0;  // files taken so far
  bool stop_ = false;
  qmthread::Mutex mutex_;
  qmthread::Condition changed_;
  std::vector<qmthread::Thread> helpers_;
};

// Reads and compresses one file whole in memory (what a helper does for each file).
Packed CompressFile(const std::string& file, int zlibLevel);
}  // namespace zlbahead
