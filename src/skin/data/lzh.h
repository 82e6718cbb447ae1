// LZHUF decoder of skin files: LZSS over a 4096-byte ring buffer with adaptive
// Huffman coding of literals and match lengths and a fixed prefix code for the upper
// six bits of match positions. TLZHTree is the adaptive tree shared with the encoder.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace lzh {
constexpr int kRingSize = 4096;                  // N
constexpr int kMaxMatch = 60;                    // F
constexpr int kThreshold = 2;                    // matches are at least 3 bytes
constexpr int kSymbols = 256 - kThreshold + kMaxMatch;  // 314: literals + lengths
constexpr int kTreeSize = 2 * kSymbols - 1;      // T = 627 nodes
constexpr int kRoot = kTreeSize - 1;             // R = 626
constexpr uint16_t kRebuildLimit = 0x8000;
constexpr int kRingStart = kRingSize - kMaxMatch;  // first write position, 4036

// Each input bit can produce at most 6 output bytes (a 60-byte match costs at least
// one bit of length code and nine bits of position), so a stream of n bytes never
// legitimately decodes to more than this.
constexpr int64_t MaxOutputFor(int64_t input_bytes) { return input_bytes * 48 + kMaxMatch; }

// Position prefix code: code length and left-aligned 8-bit code of an upper-six-bit
// value u (0..63), and the decoding tables indexed by the next 8 input bits.
struct PositionCode {
  std::array<uint8_t, 64> code{};
  std::array<uint8_t, 64> length{};
  std::array<uint8_t, 256> decode_value{};
  std::array<uint8_t, 256> decode_length{};
};
const PositionCode& PositionTables();
}  // namespace lzh

// The adaptive Huffman tree of LZHUF: nodes ordered by frequency, leaves hold
// symbol + kTreeSize in son[]. Update() keeps encoder and decoder in step.
class TLZHTree {
 public:
  TLZHTree() { Reset(); }
  void Reset();
  void Update(int symbol);
  uint16_t freq[lzh::kTreeSize + 1];
  int16_t parent[lzh::kTreeSize + lzh::kSymbols];
  int16_t son[lzh::kTreeSize];

 private:
  void Rebuild();
};

// The decoder. Reads the bit stream from a buffer; a missing byte past its end reads
// as 0 (a truncated stream decodes to garbage, not an error).
class TLZH {
 public:
  // Appends to out until length bytes were produced (a final match is copied whole,
  // so up to kMaxMatch - 1 bytes more may come). The caller bounds length; memory for
  // it is reserved first, and its failure throws ElzhException.
  void Decode(const uint8_t* input, size_t input_size, int64_t length, std::vector<uint8_t>& out);

 private:
  TLZHTree tree_;
  uint8_t ring_[lzh::kRingSize + lzh::kMaxMatch - 1];
};
