// Payloads of signed launchers: the certificate table behind the archive (named by the
// PE security directory) is skipped when reading and dropped by a rewrite; a table in
// front of the archive, or a directory naming no table at the tail, is not taken.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "archive/zlb_archive.h"
#include "archive_builder.h"
#include "framework/file_system.h"

using testarc::Bytes;
using testarc::Item;

namespace {
constexpr size_t kPe = 0x40, kSecurityEntry = kPe + 24 + 96 + 8 * 4;

void Put32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// PE32 headers only (no sections): enough for the security directory.
std::string PeHeaders() {
  Bytes b(0x200, 0);
  b[0] = 'M';
  b[1] = 'Z';
  Put32(b, 0x3C, kPe);
  Put32(b, kPe, 0x00004550);
  b[kPe + 4] = 0x4C;
  b[kPe + 5] = 0x01;
  b[kPe + 20] = 224;  // optional header size
  b[kPe + 24] = 0x0B;
  b[kPe + 25] = 0x01;
  Put32(b, kPe + 24 + 92, 16);  // data directories
  return std::string(b.begin(), b.end());
}

// A WIN_CERTIFICATE of size bytes (revision 2.0, PKCS#7) with filler content.
Bytes Certificate(uint32_t size) {
  Bytes c(size, 0x5A);
  Put32(c, 0, size);
  c[4] = 0x00;
  c[5] = 0x02;
  c[6] = 0x02;
  c[7] = 0x00;
  return c;
}

const std::vector<Item> kItems = {{"app.data", "", "1\r\n2\r\n3\r\nprog.exe\r\nFalse\r\n", smStored},
                                  {"prog.exe", "", std::string(3000, 'p') + "end"}};

class SignedPayload : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = testarc::ScratchFolder("signed"); }
  void TearDown() override { testarc::RemoveTree(dir_.substr(0, dir_.size() - 1)); }
  // Launcher headers + archive + certificate table, the directory naming it at tableAt.
  Bytes Signed(size_t tableAt, uint32_t tableSize) {
    testarc::Options o;
    o.prefix = PeHeaders();
    Bytes file = testarc::Build(kItems, o);
    const Bytes cert = Certificate(tableSize);
    file.insert(file.begin() + static_cast<std::ptrdiff_t>(tableAt), cert.begin(), cert.end());
    Put32(file, kSecurityEntry, static_cast<uint32_t>(tableAt));
    Put32(file, kSecurityEntry + 4, tableSize);
    return file;
  }
  std::string Write(const Bytes& bytes) {
    testarc::WriteFile(dir_ + "launcher.exe", bytes);
    return dir_ + "launcher.exe";
  }
  std::string dir_;
};

TEST_F(SignedPayload, TableAtTheTailIsSkippedAndEntriesExtract) {
  testarc::Options o;
  o.prefix = PeHeaders();
  const size_t unsignedSize = testarc::Build(kItems, o).size();
  TZLBArc2 arc;
  arc.OpenArchive(Write(Signed(unsignedSize, 1000)));
  EXPECT_EQ(arc.ArchiveStart(), 0x200);
  EXPECT_EQ(arc.ArchiveEnd(), static_cast<int64_t>(unsignedSize));
  EXPECT_EQ(arc.SignatureSize(), 1000);
  ASSERT_EQ(arc.FileCount(), 2);
  arc.VerifyFileCRC = true;
  arc.ExtractAll(dir_ + "out");
  EXPECT_EQ(testarc::ReadText(dir_ + "out\\prog.exe"), kItems[1].content);
}

TEST_F(SignedPayload, ZeroPaddingInFrontOfTheTableIsSkipped) {
  // Signing tools start the table at a multiple of 8, padding the file with zeros.
  testarc::Options o;
  o.prefix = PeHeaders();
  const size_t unsignedSize = testarc::Build(kItems, o).size();
  for (size_t pad = 1; pad <= 7; ++pad) {
    Bytes file = Signed(unsignedSize, 64);
    file.insert(file.begin() + static_cast<std::ptrdiff_t>(unsignedSize), pad, 0);
    Put32(file, kSecurityEntry, static_cast<uint32_t>(unsignedSize + pad));
    TZLBArc2 arc;
    arc.OpenArchive(Write(file));
    EXPECT_EQ(arc.ArchiveEnd(), static_cast<int64_t>(unsignedSize)) << pad;
    EXPECT_EQ(arc.SignatureSize(), static_cast<int64_t>(64 + pad));
  }
}

TEST_F(SignedPayload, RewriteDropsTheTableAndKeepsTheEntries) {
  testarc::Options o;
  o.prefix = PeHeaders();
  const size_t unsignedSize = testarc::Build(kItems, o).size();
  const std::string file = Write(Signed(unsignedSize, 1000));
  testarc::WriteText(dir_ + "more.txt", "more");
  TZLBArc2 arc;
  arc.OpenArchive(file);
  std::vector<std::string> items = {dir_ + "more.txt"};
  arc.AddFiles(items, false);
  ASSERT_TRUE(arc.IsOpen());
  EXPECT_EQ(arc.FileCount(), 3);
  EXPECT_EQ(arc.SignatureSize(), 0);
  EXPECT_EQ(arc.ArchiveEnd(), fsys::FileSize(file));
}

TEST_F(SignedPayload, TableInFrontOfTheArchiveIsRefused) {
  // Signed first, packed afterwards: the table sits between launcher and archive.
  TZLBArc2 arc;
  try {
    arc.OpenArchive(Write(Signed(0x200, 512)));
    FAIL() << "opened";
  } catch (const EZLBError& e) {
    EXPECT_NE(std::string(e.what()).find("signature that is not at the end of the file"), std::string::npos)
        << e.what();
  }
}

TEST_F(SignedPayload, DirectoryWithoutATableAtTheTailMeansTheFileEnd) {
  // A directory naming bytes that are no certificate: the archive ends at the file's end.
  testarc::Options o;
  o.prefix = PeHeaders();
  Bytes plain = testarc::Build(kItems, o);
  Put32(plain, kSecurityEntry, static_cast<uint32_t>(plain.size() - 100));
  Put32(plain, kSecurityEntry + 4, 100);
  TZLBArc2 arc;
  arc.OpenArchive(Write(plain));
  EXPECT_EQ(arc.SignatureSize(), 0);
  EXPECT_EQ(arc.FileCount(), 2);
  // A signed file without payload is no archive.
  const std::string headers = PeHeaders();
  Bytes signedOnly(headers.begin(), headers.end());
  const Bytes cert = Certificate(64);
  Put32(signedOnly, kSecurityEntry, static_cast<uint32_t>(signedOnly.size()));
  Put32(signedOnly, kSecurityEntry + 4, 64);
  signedOnly.insert(signedOnly.end(), cert.begin(), cert.end());
  EXPECT_THROW(arc.OpenArchive(Write(signedOnly)), EZLBError);
}
}  // namespace
