// Random names and work-folder numbers: length, alphabet, range, and that every
// character of the alphabet is drawn.
#include "launcher/random_name.h"

#include <gtest/gtest.h>

#include <set>

TEST(RandomName, DrawsEveryCharacterOfTheAlphabetAndNothingElse) {
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::set<char> seen;
  for (int round = 0; round < 200; ++round) {
    const std::string name = RandomName(20);
    ASSERT_EQ(name.size(), 20u);
    for (char c : name) {
      ASSERT_NE(alphabet.find(c), std::string::npos) << name;
      seen.insert(c);
    }
  }
  EXPECT_EQ(seen.size(), alphabet.size());
  EXPECT_EQ(RandomName(0), "");
}

TEST(RandomFolderNumber, StaysWithinOneTo65535) {
  for (int round = 0; round < 1000; ++round) {
    const int n = RandomFolderNumber();
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 65535);
  }
}
