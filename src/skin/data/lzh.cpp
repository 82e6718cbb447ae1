// LZHUF decoder and the adaptive Huffman tree it shares with the encoder.
//
// The tree keeps its 627 nodes ordered by frequency: positions 0..626, the root at
// 626. son[p] is the first of the two child positions of an internal node (the
// children sit at son[p] and son[p] + 1), or symbol + 627 for a leaf; parent[] maps a
// position (or symbol + 627) back to its parent's position. Each coded symbol bumps
// the frequencies on its path and swaps nodes to keep the order; when the root's
// frequency reaches 0x8000 the tree is rebuilt with halved frequencies.
#include "skin/data/lzh.h"

#include <cstring>
#include <exception>

namespace lzh {

namespace {
PositionCode MakePositionTables() {
  // Code lengths by upper-six-bit value: 3 bits for 0, 4 for 1..3, 5 for 4..11,
  // 6 for 12..23, 7 for 24..47, 8 for 48..63; canonical codes in increasing order.
  PositionCode t;
  int next = 0;  // left-aligned 8-bit code
  for (int u = 0; u < 64; ++u) {
    int len = u < 1 ? 3 : u < 4 ? 4 : u < 12 ? 5 : u < 24 ? 6 : u < 48 ? 7 : 8;
    t.code[u] = static_cast<uint8_t>(next);
    t.length[u] = static_cast<uint8_t>(len);
    int span = 1 << (8 - len);
    for (int i = 0; i < span; ++i) {
      t.decode_value[next + i] = static_cast<uint8_t>(u);
      t.decode_length[next + i] = static_cast<uint8_t>(len);
    }
    next += span;
  }
  return t;
}
}  // namespace

const PositionCode& PositionTables() {
  static const PositionCode tables = MakePositionTables();
  return tables;
}

}  // namespace lzh

using namespace lzh;

void TLZHTree::Reset() {
  for (int i = 0; i < kSymbols; ++i) {
    freq[i] = 1;
    son[i] = static_cast<int16_t>(i + kTreeSize);
    parent[i + kTreeSize] = static_cast<int16_t>(i);
  }
  for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
    freq[j] = static_cast<uint16_t>(freq[i] + freq[i + 1]);
    son[j] = static_cast<int16_t>(i);
    parent[i] = parent[i + 1] = static_cast<int16_t>(j);
  }
  freq[kTreeSize] = 0xFFFF;  // sentinel for the swap scan
  parent[kRoot] = 0;
}

void TLZHTree::Rebuild() {
  // Collect the leaves at the front with halved frequencies.
  int j = 0;
  for (int i = 0; i < kTreeSize; ++i) {
    if (son[i] >= kTreeSize) {
      freq[j] = static_cast<uint16_t>((freq[i] + 1) / 2);
      son[j] = son[i];
      ++j;
    }
  }
  // Join pairs into internal nodes, each inserted at its place in frequency order.
  for (int i = 0, n = kSymbols; n < kTreeSize; i += 2, ++n) {
    uint16_t f = static_cast<uint16_t>(freq[i] + freq[i + 1]);
    int k = n - 1;
    while (f < freq[k]) --k;
    ++k;
    std::memmove(&freq[k + 1], &freq[k], sizeof(freq[0]) * (n - k));
    std::memmove(&son[k + 1], &son[k], sizeof(son[0]) * (n - k));
    freq[k] = f;
    son[k] = static_cast<int16_t>(i);
  }
  for (int i = 0; i < kTreeSize; ++i) {
    int k = son[i];
    if (k >= kTreeSize) {
      parent[k] = static_cast<int16_t>(i);
    } else {
      parent[k] = parent[k + 1] = static_cast<int16_t>(i);
    }
  }
}

void TLZHTree::Update(int symbol) {
  if (freq[kRoot] == kRebuildLimit) Rebuild();
  int n = parent[symbol + kTreeSize];
  do {
    uint16_t k = ++freq[n];
    if (k > freq[n + 1]) {
      // Swap n with the last node of a lower frequency.
      int l = n + 1;
      while (k > freq[l + 1]) ++l;
      freq[n] = freq[l];
      freq[l] = k;
      int i = son[n];
      parent[i] = static_cast<int16_t>(l);
      if (i < kTreeSize) parent[i + 1] = static_cast<int16_t>(l);
      int jj = son[l];
      son[l] = static_cast<int16_t>(i);
      parent[jj] = static_cast<int16_t>(n);
      if (jj < kTreeSize) parent[jj + 1] = static_cast<int16_t>(n);
      son[n] = static_cast<int16_t>(jj);
      n = l;
    }
    n = parent[n];
  } while (n != 0);
}

namespace {
// Bit input over a buffer: 16 bits buffered MSB first; bytes past the end read as 0.
class BitReader {
 public:
  BitReader(const uint8_t* data, size_t size) : p_(data), end_(data + size) {}

  int Bit() {
    Refill();
    int bit = buffer_ >> 15;
    buffer_ = static_cast<uint16_t>(buffer_ << 1);
    --count_;
    return bit;
  }
  int Byte() {
    Refill();
    int byte = buffer_ >> 8;
    buffer_ = static_cast<uint16_t>(buffer_ << 8);
    count_ -= 8;
    return byte;
  }

 private:
  void Refill() {
    while (count_ < 9) {
      unsigned byte = p_ < end_ ? *p_++ : 0;
      buffer_ = static_cast<uint16_t>(buffer_ | (byte << (8 - count_)));
      count_ += 8;
    }
  }

  const uint8_t* p_;
  const uint8_t* end_;
  uint16_t buffer_ = 0;
  int count_ = 0;
};
}  // namespace

void TLZH::Decode(const uint8_t* input, size_t input_size, int64_t length,
                  std::vector<uint8_t>& out) {
  if (length <= 0) return;
  const size_t start = out.size();
  try {
    out.resize(start + static_cast<size_t>(length) + kMaxMatch);
  } catch (const std::exception&) {  // bad_alloc, or length_error for absurd lengths
    throw ElzhException("LZH : Cannot get memory for the decoded skin package");
  }
  tree_.Reset();
  std::memset(ring_, ' ', kRingStart);
  const PositionCode& pos = PositionTables();
  BitReader bits(input, input_size);
  int r = kRingStart;
  uint8_t* dest = out.data() + start;
  uint8_t* const end = dest + length;  // room for kMaxMatch more lies beyond

  while (dest < end) {
    int c = tree_.son[kRoot];
    while (c < kTreeSize) c = tree_.son[c + bits.Bit()];
    c -= kTreeSize;
    tree_.Update(c);
    if (c < 256) {
      *dest++ = static_cast<uint8_t>(c);
      ring_[r] = static_cast<uint8_t>(c);
      r = (r + 1) & (kRingSize - 1);
      continue;
    }
    int i = bits.Byte();
    int upper = pos.decode_value[i];
    for (int extra = pos.decode_length[i] - 2; extra > 0; --extra) i = (i << 1) + bits.Bit();
    int position = (upper << 6) | (i & 0x3F);
    int s = (r - position - 1) & (kRingSize - 1);
    int match = c - 255 + kThreshold;
    for (int k = 0; k < match; ++k) {
      uint8_t b = ring_[(s + k) & (kRingSize - 1)];
      *dest++ = b;
      ring_[r] = b;
      r = (r + 1) & (kRingSize - 1);
    }
  }
  out.resize(static_cast<size_t>(dest - out.data()));
}
