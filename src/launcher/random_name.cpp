// Random names (see random_name.h).
#include "launcher/random_name.h"

#include <random>

#include "framework/clock_ticks.h"

namespace {
std::mt19937 ClockSeeded() {
  uint64_t ticks = ClockTicks();
  std::seed_seq seed{static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
  return std::mt19937(seed);
}
}  // namespace

std::string RandomName(int length) {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::mt19937 generator = ClockSeeded();
  std::uniform_int_distribution<int> pick(0, 35);
  std::string name;
  for (int i = 0; i < length; ++i) name += kAlphabet[pick(generator)];
  return name;
}

int RandomFolderNumber() {
  std::mt19937 generator = ClockSeeded();
  return std::uniform_int_distribution<int>(0, 65534)(generator) + 1;
}
