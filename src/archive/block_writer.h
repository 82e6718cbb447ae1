// Output of decoded entry content in large blocks: file destinations see few, large
// writes. The CRC-32 is kept on the way when asked.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class TStream;

namespace zlbinflate {
// Collects output in a block of up to 1 MiB (in a caller's buffer, reused across
// entries so that no fresh memory is touched per entry) and writes each full block.
class BlockWriter {
 public:
  BlockWriter(TStream& dest, int64_t total, bool withCrc, std::vector<uint8_t>& buffer);
  uint8_t* Tail() { return block_ + fill_; }
  size_t Room() const { return size_ - fill_; }
  void Commit(size_t count) {
    fill_ += count;
    if (fill_ == size_) Flush();
  }
  uint32_t Finish();  // writes what is left; returns the CRC-32 (0 without)

 private:
  void Flush();
  TStream& dest_;
  const bool withCrc_;
  uint32_t crc_ = 0;
  uint8_t* block_;
  size_t size_;
  size_t fill_ = 0;
};
}  // namespace zlbinflate
