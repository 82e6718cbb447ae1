// MD5 against the RFC 1321 test suite, and the per-user folder key and folder built on it.
#include <gtest/gtest.h>

#include <string>

#include "launcher/md5.h"
#include "launcher/user_folder.h"

TEST(Md5, Rfc1321Vectors) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "D41D8CD98F00B204E9800998ECF8427E"},
      {"a", "0CC175B9C0F1B6A831C399E269772661"},
      {"abc", "900150983CD24FB0D6963F7D28E17F72"},
      {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
      {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "D174AB98D277D9F5A5611C2C9F419D9F"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57EDF4A22BE3C955AC49DA2E2107B67A"},
  };
  for (const auto& c : cases) EXPECT_EQ(Md5Hex(c.first), c.second) << '"' << c.first << '"';
}

TEST(Md5, PiecewiseUpdatesMatchOneUpdate) {
  // Lengths around the 56- and 64-byte block edges, fed in uneven pieces.
  for (size_t length : {55u, 56u, 57u, 63u, 64u, 65u, 119u, 120u, 1000u}) {
    std::string text;
    for (size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i * 7 % 26);
    Md5 pieces;
    for (size_t at = 0; at < length; at += 13) pieces.Update(text.data() + at, std::min<size_t>(13, length - at));
    auto digest = pieces.Final();
    std::string hex;
    for (uint8_t b : digest) {
      static const char kHex[] = "0123456789ABCDEF";
      hex += kHex[b >> 4];
      hex += kHex[b & 15];
    }
    EXPECT_EQ(hex, Md5Hex(text)) << length;
  }
}

TEST(UserFolderKey, IsTheMd5OfThePathAndDependsOnIt) {
  EXPECT_EQ(UserFolderKey("abc"), "900150983CD24FB0D6963F7D28E17F72");
  std::string key = UserFolderKey("C:\\Programs\\tool.exe");
  EXPECT_EQ(key.size(), 32u);
  EXPECT_EQ(key.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  EXPECT_NE(key, UserFolderKey("D:\\Programs\\tool.exe"));
}

TEST(UserFolderUnder, IsBelowTheApplicationDataFolderAndNeverAtADriveRoot) {
  const std::string key = UserFolderKey("C:\\Programs\\tool.exe");
  EXPECT_EQ(UserFolderUnder("C:\\Users\\me\\AppData\\Roaming", "C:\\Programs\\tool.exe"),
            "C:\\Users\\me\\AppData\\Roaming\\Quillmere\\" + key + "\\");
  EXPECT_EQ(UserFolderUnder("\\\\server\\home\\", "C:\\Programs\\tool.exe"),
            "\\\\server\\home\\Quillmere\\" + key + "\\");
  // Not found or not a full path: an error that names the launcher, never "\Quillmere\...".
  for (const std::string bad : {"", "\\", "AppData", "\\Users\\me", "C:relative", "%APPDATA%"}) {
    try {
      UserFolderUnder(bad, "C:\\Programs\\tool.exe");
      ADD_FAILURE() << "no error for \"" << bad << "\"";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find("C:\\Programs\\tool.exe"), std::string::npos) << e.what();
    }
  }
}
