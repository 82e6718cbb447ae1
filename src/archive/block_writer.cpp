// Block output of decoded content.
#include "archive/block_writer.h"

#include <zlib.h>

#include <algorithm>

#include "framework/stream.h"

namespace zlbinflate {
namespace {
constexpr int64_t kBlockSize = 1024 * 1024;
}  // namespace

BlockWriter::BlockWriter(TStream& dest, int64_t total, bool withCrc, std::vector<uint8_t>& buffer)
    : dest_(dest), withCrc_(withCrc) {
  size_ = static_cast<size_t>(std::clamp<int64_t>(total, 1, kBlockSize));
  if (buffer.size() < size_) buffer.resize(size_);
  block_ = buffer.data();
}

void BlockWriter::Flush() {
  if (fill_ == 0) return;
  if (withCrc_) crc_ = static_cast<uint32_t>(crc32(crc_, block_, static_cast<uInt>(fill_)));
  dest_.Write(block_, fill_);
  fill_ = 0;
}

uint32_t BlockWriter::Finish() {
  Flush();
  return crc_;
}
}  // namespace zlbinflate
