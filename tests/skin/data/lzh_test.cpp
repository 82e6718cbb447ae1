// LZHUF: round trips through the encoder, fixed streams, tree invariants, bounds.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "skin/data/lzh.h"
#include "skin/data/lzh_encoder.h"

namespace {

std::vector<uint8_t> Decode(const std::vector<uint8_t>& stream, int64_t length) {
  std::vector<uint8_t> out;
  TLZH decoder;
  decoder.Decode(stream.data(), stream.size(), length, out);
  return out;
}

void ExpectRoundTrip(const std::vector<uint8_t>& data) {
  std::vector<uint8_t> stream = LzhEncode(data.data(), data.size());
  std::vector<uint8_t> back = Decode(stream, static_cast<int64_t>(data.size()));
  back.resize(std::min(back.size(), data.size()));
  ASSERT_EQ(back.size(), data.size());
  EXPECT_TRUE(back == data) << "round trip differs for " << data.size() << " bytes";
  EXPECT_LE(static_cast<int64_t>(data.size()), lzh::MaxOutputFor(static_cast<int64_t>(stream.size())));
}

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

}  // namespace

TEST(LzhTest, PositionCodeFollowsTheLengthRule) {
  const lzh::PositionCode& t = lzh::PositionTables();
  EXPECT_EQ(t.code[0], 0x00);
  EXPECT_EQ(t.length[0], 3);
  EXPECT_EQ(t.code[1], 0x20);  // 0010
  EXPECT_EQ(t.length[1], 4);
  EXPECT_EQ(t.code[4], 0x50);  // 01010
  EXPECT_EQ(t.length[4], 5);
  EXPECT_EQ(t.code[12], 0x90);
  EXPECT_EQ(t.code[24], 0xC0);
  EXPECT_EQ(t.code[48], 0xF0);
  EXPECT_EQ(t.code[63], 0xFF);
  EXPECT_EQ(t.length[63], 8);
  for (int i = 0; i < 256; ++i) {
    int u = t.decode_value[i];
    int len = t.decode_length[i];
    EXPECT_EQ(t.length[u], len);
    EXPECT_EQ(i >> (8 - len), t.code[u] >> (8 - len)) << i;
  }
}

TEST(LzhTest, FreshTreeIsBalancedOverEqualFrequencies) {
  TLZHTree tree;
  EXPECT_EQ(tree.freq[lzh::kRoot], 314);
  EXPECT_EQ(tree.son[lzh::kRoot], 624);
  EXPECT_EQ(tree.parent[0], 314);
  EXPECT_EQ(tree.son[0], lzh::kTreeSize);
}

TEST(LzhTest, TreeStaysOrderedAndLinkedThroughRebuilds) {
  TLZHTree tree;
  std::mt19937 rng(7);
  for (int step = 0; step < 200000; ++step) {
    int symbol = (rng() % 4 == 0) ? static_cast<int>(rng() % lzh::kSymbols) : static_cast<int>(rng() % 8);
    tree.Update(symbol);
  }
  for (int i = 0; i + 1 < lzh::kTreeSize; ++i) ASSERT_LE(tree.freq[i], tree.freq[i + 1]) << i;
  for (int i = 0; i < lzh::kTreeSize; ++i) {
    int k = tree.son[i];
    if (k >= lzh::kTreeSize) {
      ASSERT_EQ(tree.parent[k], i);
    } else {
      ASSERT_EQ(k % 2, 0);
      ASSERT_EQ(tree.parent[k], i);
      ASSERT_EQ(tree.parent[k + 1], i);
      ASSERT_EQ(tree.freq[i], tree.freq[k] + tree.freq[k + 1]);
    }
  }
}

TEST(LzhTest, RoundTripsTextBinaryRunsAndEmpty) {
  ExpectRoundTrip({});
  ExpectRoundTrip(Bytes("a"));
  ExpectRoundTrip(Bytes("abcabcabcabcabcabcabcabcabcabc"));
  ExpectRoundTrip(std::vector<uint8_t>(100000, ' '));  // matches into the initial spaces
  ExpectRoundTrip(std::vector<uint8_t>(70000, 0));

  std::mt19937 rng(1);
  std::vector<uint8_t> noise(300000);
  for (auto& b : noise) b = static_cast<uint8_t>(rng());
  ExpectRoundTrip(noise);

  // Mixed: repeated phrases with random distances, plus bitmap-like rows.
  std::vector<uint8_t> mixed;
  for (int i = 0; i < 40000; ++i) {
    if (rng() % 3 == 0 && mixed.size() > 100) {
      size_t from = mixed.size() - 1 - rng() % std::min<size_t>(mixed.size() - 1, 5000);
      size_t len = 3 + rng() % 70;
      for (size_t k = 0; k < len; ++k) mixed.push_back(mixed[from + k]);
    } else {
      mixed.push_back(static_cast<uint8_t>(rng() % 16 + 'a'));
    }
  }
  ExpectRoundTrip(mixed);
}

TEST(LzhTest, SkewedInputDrivesLongCodesAndManyRebuilds) {
  // Frequencies in a Fibonacci-like ladder give deep code paths.
  std::vector<uint8_t> data;
  uint32_t a = 1, b = 1;
  for (int sym = 0; sym < 20; ++sym) {
    for (uint32_t k = 0; k < a && data.size() < 400000; ++k) data.push_back(static_cast<uint8_t>(sym * 7));
    uint32_t c = a + b;
    a = b;
    b = c;
  }
  std::mt19937 rng(3);
  std::shuffle(data.begin(), data.end(), rng);
  ExpectRoundTrip(data);
}

TEST(LzhTest, FixedStreamsDecodeAsStated) {
  // A fresh tree gives leaf position p the parent 314 + p / 2 and the bit p & 1, so
  // 'A' (65) is 111001101 from the root: bytes E6 80.
  const std::vector<uint8_t> literal_a = {0xE6, 0x80};
  EXPECT_EQ(Decode(literal_a, 1), Bytes("A"));
  EXPECT_EQ(LzhEncode(reinterpret_cast<const uint8_t*>("A"), 1), literal_a);

  // Symbol 256 (a 3-byte match) is 10001100; position 0 is the code 000 and six zero
  // bits: three copies of ring[4035], an initial space.
  EXPECT_EQ(Decode({0x8C, 0x00, 0x00}, 3), Bytes("   "));

  // Literals, matches and the adapting tree together; these bytes were also checked
  // against a separate decoder written straight from the algorithm's description.
  const std::vector<uint8_t> phrase = {0xE6, 0xF3, 0xA4, 0x40, 0x3A, 0xCF, 0xA7, 0xC7, 0xF1, 0x7F,
                                       0xFB, 0x96, 0x02, 0x81, 0xDF, 0x7F, 0xAE, 0xFC, 0x00};
  const std::string text = "ABABABABAB hello hello hello world";
  EXPECT_EQ(Decode(phrase, static_cast<int64_t>(text.size())), Bytes(text));
  EXPECT_EQ(LzhEncode(reinterpret_cast<const uint8_t*>(text.data()), text.size()), phrase);
}

TEST(LzhTest, MatchRunningPastTheLengthIsCopiedWhole) {
  std::vector<uint8_t> data(200, 'x');
  std::vector<uint8_t> stream = LzhEncode(data.data(), data.size());
  // Ask for fewer bytes than the stream holds: the decoder finishes the match it is in.
  std::vector<uint8_t> out = Decode(stream, 5);
  EXPECT_GE(out.size(), 5u);
  EXPECT_LE(out.size(), 5u + lzh::kMaxMatch);
  EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 5), std::vector<uint8_t>(5, 'x'));
}

TEST(LzhTest, TruncatedStreamRunsOnWithZeroBits) {
  std::vector<uint8_t> data = Bytes("the quick brown fox jumps over the lazy dog, again and again");
  std::vector<uint8_t> stream = LzhEncode(data.data(), data.size());
  stream.resize(stream.size() / 2);
  std::vector<uint8_t> out = Decode(stream, static_cast<int64_t>(data.size()));
  EXPECT_GE(out.size(), data.size());
  EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 10), std::vector<uint8_t>(data.begin(), data.begin() + 10));
}
