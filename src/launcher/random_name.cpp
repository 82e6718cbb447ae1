// Random names (see random_name.h).
#include "launcher/random_name.h"

#include <cstdint>

#include "framework/clock_ticks.h"

namespace {
// SplitMix64, seeded from the clock when it is made: a few lines of code with
// well-distributed output, which is all names and folder numbers need.
class ClockSeededGenerator {
 public:
  ClockSeededGenerator() : state_(ClockTicks()) {}

  // A number from 0 to count - 1; the remainder's bias is below count / 2^64.
  int Below(int count) { return static_cast<int>(Next() % static_cast<uint64_t>(count)); }

 private:
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  uint64_t state_;
};
}  // namespace

std::string RandomName(int length) {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  ClockSeededGenerator generator;
  std::string name;
  for (int i = 0; i < length; ++i) name += kAlphabet[generator.Below(36)];
  return name;
}

int RandomFolderNumber() { return ClockSeededGenerator().Below(65535) + 1; }
