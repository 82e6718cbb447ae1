// Block output of decoded content, written on this thread or by a WriteBehind.
#include "archive/block_writer.h"

#include <zlib.h>

#include <algorithm>

#include "archive/write_behind.h"
#include "framework/stream.h"

namespace zlbinflate {
namespace {
constexpr int64_t kBlockSize = 1024 * 1024;
}  // namespace

BlockWriter::BlockWriter(TStream& dest, int64_t total, bool withCrc, std::vector<uint8_t>& buffer,
                         WriteBehind* behind)
    : dest_(dest), withCrc_(withCrc), left_(total) {
  if (behind && total > static_cast<int64_t>(behind->BlockSize())) {
    // Nothing overlaps within a single block: only longer content goes to the thread.
    behind_ = behind;
    behind_->Begin(dest_, withCrc_);
    block_ = behind_->Acquire();
    size_ = behind_->BlockSize();
    return;
  }
  size_ = static_cast<size_t>(std::clamp<int64_t>(total, 1, kBlockSize));
  if (buffer.size() < size_) buffer.resize(size_);
  block_ = buffer.data();
}

BlockWriter::~BlockWriter() {
  if (behind_ && !finished_) behind_->Abandon();
}

void BlockWriter::Flush() {
  if (fill_ == 0) return;
  if (!behind_) {
    left_ -= static_cast<int64_t>(fill_);
    if (withCrc_) crc_ = static_cast<uint32_t>(crc32(crc_, block_, static_cast<uInt>(fill_)));
    dest_.Write(block_, fill_);
    fill_ = 0;
    return;
  }
  if (static_cast<int64_t>(fill_) == left_) return;  // the last block: Finish writes it
  left_ -= static_cast<int64_t>(fill_);
  behind_->Submit(block_, fill_);
  fill_ = 0;
  block_ = nullptr;
  size_ = 0;
  if (left_ > 0) {  // the last block is not followed by an empty one
    block_ = behind_->Acquire();
    size_ = behind_->BlockSize();
  }
}

uint32_t BlockWriter::Finish() {
  if (!behind_) {
    Flush();
    return crc_;
  }
  finished_ = true;
  left_ -= static_cast<int64_t>(fill_);
  return behind_->Finish(block_, fill_);
}
}  // namespace zlbinflate
