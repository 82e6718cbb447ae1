// Helper threads that compress files ahead of the archive writer.
#include "archive/ahead_compressor.h"

#include <zlib.h>

#include "archive/deflate_stream.h"
#include "framework/stream.h"

namespace zlbahead {
Packed CompressFile(const std::string& file, int zlibLevel) {
  Packed p;
  try {
    TFileStream source(file, FileMode::Read);
    p.size = source.Size();
    if (p.size < 0) return p;
    std::vector<uint8_t> content(static_cast<size_t>(p.size));
    if (!content.empty()) source.ReadBuffer(content.data(), content.size());
    p.crc =
        static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0), content.data(), static_cast<uInt>(content.size())));
    TMemoryStream packed;
    packed.Bytes().reserve(static_cast<size_t>(compressBound(static_cast<uLong>(content.size()))));
    zlbdeflate::DeflateBytes(content.data(), content.size(), packed, zlibLevel,
                             [&](int64_t consumed) { p.bufferPoints.push_back(consumed); });
    p.zlib = std::move(packed.Bytes());
    if (static_cast<int64_t>(p.zlib.size()) >= p.size) p.raw = std::move(content);
    p.ok = true;
  } catch (...) {
    p = Packed{};
  }
  return p;
}

AheadCompressor::AheadCompressor(std::vector<std::string> files, int zlibLevel, int threads, size_t window,
                                 const qmthread::ThreadStarter& start)
    : files_(std::move(files)),
      level_(zlibLevel),
      window_(window < 1 ? 1 : window),
      results_(files_.size()),
      done_(files_.size(), false) {
  helpers_.reserve(static_cast<size_t>(threads > 0 ? threads : 0));
  for (int i = 0; i < threads; ++i) {
    qmthread::Thread helper = start([this] { Work(); });
    if (!helper.Joinable()) break;  // fewer helpers than asked for; none at all: TakeNext does the work
    helpers_.push_back(std::move(helper));
  }
}

AheadCompressor::~AheadCompressor() {
  {
    qmthread::Hold hold(mutex_);
    stop_ = true;
  }
  changed_.NotifyAll();
  helpers_.clear();  // joins them
}

void AheadCompressor::Work() {
  for (;;) {
    size_t index;
    {
      qmthread::Hold hold(mutex_);
      changed_.Wait(hold, [&] { return stop_ || (next_ < files_.size() && next_ < taken_ + window_); });
      if (stop_) return;
      index = next_++;
    }
    Packed p = CompressFile(files_[index], level_);  // never throws
    {
      qmthread::Hold hold(mutex_);
      results_[index] = std::move(p);
      done_[index] = true;
    }
    changed_.NotifyAll();
  }
}

Packed AheadCompressor::TakeNext() {
  if (helpers_.empty()) return taken_ < files_.size() ? CompressFile(files_[taken_++], level_) : Packed{};
  qmthread::Hold hold(mutex_);
  const size_t index = taken_;
  if (index >= files_.size()) return Packed{};
  changed_.Wait(hold, [&] { return done_[index]; });
  Packed p = std::move(results_[index]);
  ++taken_;
  hold.Unlock();
  changed_.NotifyAll();
  return p;
}
}  // namespace zlbahead
