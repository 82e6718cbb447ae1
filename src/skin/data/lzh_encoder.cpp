// LZHUF encoder: longest matches from binary search trees over the ring buffer (one
// tree per first byte), literals and lengths through the adaptive tree of TLZHTree,
// match positions through the fixed position code.
#include "skin/data/lzh_encoder.h"

#include <cstring>
#include <memory>

#include "skin/data/lzh.h"

using namespace lzh;

namespace {

constexpr int kNil = kRingSize;  // "no node" in the search trees

class BitWriter {
 public:
  explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
  void Put(uint32_t bits, int count) {  // the low count bits, most significant first
    for (int i = count - 1; i >= 0; --i) {
      current_ = static_cast<uint8_t>((current_ << 1) | ((bits >> i) & 1));
      if (++filled_ == 8) {
        out_.push_back(current_);
        current_ = 0;
        filled_ = 0;
      }
    }
  }
  void Flush() {
    if (filled_ > 0) out_.push_back(static_cast<uint8_t>(current_ << (8 - filled_)));
    current_ = 0;
    filled_ = 0;
  }

 private:
  std::vector<uint8_t>& out_;
  uint8_t current_ = 0;
  int filled_ = 0;
};

class Encoder {
 public:
  explicit Encoder(std::vector<uint8_t>& out) : bits_(out) {}

  void Run(const uint8_t* data, size_t size);

 private:
  void InsertNode(int r);
  void DeleteNode(int p);
  void EncodeSymbol(int symbol);
  void EncodePosition(int position);

  BitWriter bits_;
  TLZHTree tree_;
  uint8_t text_[kRingSize + kMaxMatch - 1] = {};
  int left_[kRingSize + 1];
  int right_[kRingSize + 257];
  int dad_[kRingSize + 1];
  int match_position_ = 0;
  int match_length_ = 0;
};

void Encoder::InsertNode(int r) {
  int cmp = 1;
  const uint8_t* key = &text_[r];
  int p = kRingSize + 1 + key[0];
  right_[r] = left_[r] = kNil;
  match_length_ = 0;
  for (;;) {
    if (cmp >= 0) {
      if (right_[p] != kNil) {
        p = right_[p];
      } else {
        right_[p] = r;
        dad_[r] = p;
        return;
      }
    } else {
      if (left_[p] != kNil) {
        p = left_[p];
      } else {
        left_[p] = r;
        dad_[r] = p;
        return;
      }
    }
    int i = 1;
    for (; i < kMaxMatch; ++i) {
      cmp = key[i] - text_[p + i];
      if (cmp != 0) break;
    }
    if (i > kThreshold) {
      int distance = ((r - p) & (kRingSize - 1)) - 1;
      if (i > match_length_) {
        match_position_ = distance;
        match_length_ = i;
        if (i >= kMaxMatch) break;
      } else if (i == match_length_ && distance < match_position_) {
        match_position_ = distance;
      }
    }
  }
  // A full-length match: r replaces p in the tree.
  dad_[r] = dad_[p];
  left_[r] = left_[p];
  right_[r] = right_[p];
  dad_[left_[p]] = r;
  dad_[right_[p]] = r;
  if (right_[dad_[p]] == p) {
    right_[dad_[p]] = r;
  } else {
    left_[dad_[p]] = r;
  }
  dad_[p] = kNil;
}

void Encoder::DeleteNode(int p) {
  if (dad_[p] == kNil) return;
  int q;
  if (right_[p] == kNil) {
    q = left_[p];
  } else if (left_[p] == kNil) {
    q = right_[p];
  } else {
    q = left_[p];
    if (right_[q] != kNil) {
      do q = right_[q]; while (right_[q] != kNil);
      right_[dad_[q]] = left_[q];
      dad_[left_[q]] = dad_[q];
      left_[q] = left_[p];
      dad_[left_[p]] = q;
    }
    right_[q] = right_[p];
    dad_[right_[p]] = q;
  }
  dad_[q] = dad_[p];
  if (right_[dad_[p]] == p) {
    right_[dad_[p]] = q;
  } else {
    left_[dad_[p]] = q;
  }
  dad_[p] = kNil;
}

void Encoder::EncodeSymbol(int symbol) {
  // Walk from the leaf to the root; a node's bit is its position's parity.
  uint8_t path[kTreeSize];
  int depth = 0;
  for (int k = tree_.parent[symbol + kTreeSize]; ; k = tree_.parent[k]) {
    path[depth++] = static_cast<uint8_t>(k & 1);
    if (tree_.parent[k] == kRoot || k == kRoot) break;
  }
  for (int i = depth - 1; i >= 0; --i) bits_.Put(path[i], 1);
  tree_.Update(symbol);
}

void Encoder::EncodePosition(int position) {
  const PositionCode& pos = PositionTables();
  int upper = position >> 6;
  bits_.Put(pos.code[upper] >> (8 - pos.length[upper]), pos.length[upper]);
  bits_.Put(static_cast<uint32_t>(position & 0x3F), 6);
}

void Encoder::Run(const uint8_t* data, size_t size) {
  for (int i = kRingSize + 1; i <= kRingSize + 256; ++i) right_[i] = kNil;
  for (int i = 0; i < kRingSize; ++i) dad_[i] = kNil;
  int s = 0;
  int r = kRingStart;
  std::memset(text_, ' ', kRingStart);
  size_t next = 0;
  int len = 0;
  for (; len < kMaxMatch && next < size; ++len) text_[r + len] = data[next++];
  if (len == 0) return;
  for (int i = 1; i <= kMaxMatch; ++i) InsertNode(r - i);
  InsertNode(r);
  do {
    if (match_length_ > len) match_length_ = len;
    if (match_length_ <= kThreshold) {
      match_length_ = 1;
      EncodeSymbol(text_[r]);
    } else {
      EncodeSymbol(255 - kThreshold + match_length_);
      EncodePosition(match_position_);
    }
    int last = match_length_;
    int i = 0;
    for (; i < last && next < size; ++i) {
      uint8_t c = data[next++];
      DeleteNode(s);
      text_[s] = c;
      if (s < kMaxMatch - 1) text_[s + kRingSize] = c;
      s = (s + 1) & (kRingSize - 1);
      r = (r + 1) & (kRingSize - 1);
      InsertNode(r);
    }
    for (; i < last; ++i) {
      DeleteNode(s);
      s = (s + 1) & (kRingSize - 1);
      r = (r + 1) & (kRingSize - 1);
      if (--len) InsertNode(r);
    }
  } while (len > 0);
  bits_.Flush();
}

}  // namespace

std::vector<uint8_t> LzhEncode(const uint8_t* data, size_t size) {
  std::vector<uint8_t> out;
  out.reserve(size / 2 + 16);
  auto encoder = std::make_unique<Encoder>(out);
  encoder->Run(data, size);
  return out;
}
