// Output of decoded entry content in large blocks: file destinations see few, large
// writes. The CRC-32 is kept on the way when asked.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class TStream;

namespace zlbinflate {
class WriteBehind;

// Collects output in a block of up to 1 MiB and writes each full block. Content that
// fits in one block goes through a caller's buffer (reused across entries so that no
// fresh memory is touched per entry) and is written on this thread. Longer content,
// when a WriteBehind is given, is decoded into its blocks, and each full block is
// written by its thread while the next one is being filled; the last block is written
// by Finish on this thread, as nothing is left to overlap with it.
class BlockWriter {
 public:
  BlockWriter(TStream& dest, int64_t total, bool withCrc, std::vector<uint8_t>& buffer,
              WriteBehind* behind = nullptr);
  BlockWriter(const BlockWriter&) = delete;
  BlockWriter& operator=(const BlockWriter&) = delete;
  ~BlockWriter();  // output given up unfinished: blocks still queued are dropped
  uint8_t* Tail() { return block_ + fill_; }
  size_t Room() const { return size_ - fill_; }
  void Commit(size_t count) {
    fill_ += count;
    if (fill_ == size_) Flush();
  }
  // Writes what is left and waits until all is written; returns the CRC-32 (0 without).
  // A write failure throws here or from an earlier Commit.
  uint32_t Finish();

 private:
  void Flush();
  TStream& dest_;
  const bool withCrc_;
  WriteBehind* behind_ = nullptr;  // null: written on this thread
  bool finished_ = false;
  uint32_t crc_ = 0;
  int64_t left_;  // bytes not yet handed on by Flush
  uint8_t* block_ = nullptr;
  size_t size_ = 0;
  size_t fill_ = 0;
};
}  // namespace zlbinflate
