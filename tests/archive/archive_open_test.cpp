// Opening archives: location behind a prefix, legacy layout, CRC checks, hostile
// footers and directories, lookups and the messages of every failure.
#include <gtest/gtest.h>

#include "archive/archive_format.h"
#include "archive/zlb_archive.h"
#include "archive_builder.h"
#include "framework/file_system.h"
#include "framework/stream.h"

using testarc::Bytes;
using testarc::Item;
using testarc::Options;

namespace {
class ArchiveOpen : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = testarc::ScratchFolder("open"); }
  void TearDown() override { testarc::RemoveTree(dir_.substr(0, dir_.size() - 1)); }
  std::string Write(const Bytes& bytes, const std::string& name = "a.zlb") {
    testarc::WriteFile(dir_ + name, bytes);
    return dir_ + name;
  }
  // The message OpenArchive fails with, or "" when it succeeds.
  std::string OpenError(const Bytes& bytes, bool verify = true) {
    arc_.VerifyArchiveCRC = verify;
    try {
      arc_.OpenArchive(Write(bytes));
    } catch (const EZLBError& e) {
      EXPECT_FALSE(arc_.IsOpen());
      return e.what();
    }
    return "";
  }
  std::string dir_;
  TZLBArc2 arc_;
};

const std::vector<Item> kTwo = {{"app.data", "", "1\r\n2\r\n3\r\nprog.exe\r\nFalse\r\n", smStored},
                                {"prog.exe", "bin\\", std::string(5000, 'x') + "tail"}};
}  // namespace

TEST_F(ArchiveOpen, FindsTheArchiveBehindAPrefixFromItsFooter) {
  Options o;
  o.prefix = std::string(4321, 'M');
  std::string name = Write(testarc::Build(kTwo, o));
  int opened = 0;
  arc_.OnArchiveOpened = [&](TZLBArc2* sender) { opened += sender == &arc_; };
  ASSERT_TRUE(arc_.OpenArchive(name));
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(arc_.ArchiveStart(), 4321);
  EXPECT_FALSE(arc_.IsLegacy());
  ASSERT_EQ(arc_.FileCount(), 2);
  TZLBEntry e;
  arc_.GetFileEntry(1, e);
  EXPECT_EQ(e.Name, "prog.exe");
  EXPECT_EQ(e.StoredPath, "bin\\");
  EXPECT_EQ(e.UncompressedSize, 5004);
  EXPECT_LT(arc_.Footer().DirectorySize, 300);  // 1,100 raw bytes shrink a lot
}

TEST_F(ArchiveOpen, EmptyFileNameOpensNothing) {
  EXPECT_FALSE(arc_.OpenArchive(""));
  EXPECT_FALSE(arc_.IsOpen());
  EXPECT_EQ(arc_.ArchiveStart(), -1);
}

TEST_F(ArchiveOpen, EmptyArchiveAndRawDirectory) {
  EXPECT_EQ(OpenError(testarc::Build({})), "");
  EXPECT_EQ(arc_.FileCount(), 0);
  Options raw;
  raw.compressDirectory = false;
  EXPECT_EQ(OpenError(testarc::Build(kTwo, raw)), "");
  EXPECT_EQ(arc_.FileCount(), 2);
  EXPECT_EQ(arc_.Footer().DirectorySize, 1100);
}

TEST_F(ArchiveOpen, LegacyArchiveIsConvertedAndExtractable) {
  Options legacy;
  legacy.version = 1;
  legacy.prefix = "EXE";
  for (bool compressed : {true, false}) {
    legacy.compressDirectory = compressed;
    ASSERT_EQ(OpenError(testarc::Build(kTwo, legacy)), "");
    EXPECT_TRUE(arc_.IsLegacy());
    EXPECT_EQ(arc_.ArchiveStart(), 3);
    ASSERT_EQ(arc_.FileCount(), 2);
    TZLBEntry e;
    arc_.GetFileEntry(1, e);
    EXPECT_EQ(e.StoredPath, "bin\\");
    EXPECT_EQ(e.EncryptedSize, 0);
    std::string out = dir_ + "out" + (compressed ? "1" : "0");
    arc_.ExtractAll(out);
    EXPECT_EQ(testarc::ReadText(out + "\\prog.exe"), kTwo[1].content);
  }
}

TEST_F(ArchiveOpen, MessagesForMissingUnreadableAndForeignFiles) {
  try {
    arc_.OpenArchive(dir_ + "missing.zlb");
    FAIL();
  } catch (const EZLBError& e) {
    EXPECT_STREQ(e.what(), "Archive file not found");
  }
  // Random bytes are no archive, whatever their version field says; the version message
  // is for a footer that is sound apart from an unknown version.
  const std::string notArchive = dir_ + "a.zlb is not an archive (no archive footer at its end)";
  Bytes random(100, 'A');
  random[100 - 36 + 8] = 7;
  random[100 - 36 + 9] = random[100 - 36 + 10] = random[100 - 36 + 11] = 0;
  EXPECT_EQ(OpenError(random), notArchive);
  Bytes future = testarc::Build(kTwo);
  future[future.size() - 36 + 8] = 3;
  EXPECT_EQ(OpenError(future), "The archive was created with a different version of Coffrel (v3)");
  EXPECT_EQ(OpenError(Bytes(10, 0)), notArchive);  // shorter than a footer
  EXPECT_EQ(OpenError(Bytes()), notArchive);
  fsys::CreateFolders(dir_ + "folder.zlb");
  try {
    arc_.OpenArchive(dir_ + "folder.zlb");
    FAIL();
  } catch (const EZLBError& e) {
    EXPECT_EQ(std::string(e.what()), dir_ + "folder.zlb is a folder, not an archive");
  }
#ifdef _WIN32
  std::string name = Write(testarc::Build(kTwo), "locked.zlb");
  TFileStream lock(name, FileMode::ReadWrite);  // exclusive: the archive cannot be opened
  try {
    arc_.OpenArchive(name);
    FAIL();
  } catch (const EZLBError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to open archive " + name);
  }
#endif
}

TEST_F(ArchiveOpen, ArchiveCrcCoversDataAndDirectoryButNotThePrefix) {
  Options o;
  o.prefix = "PREFIX";
  Bytes good = testarc::Build(kTwo, o);
  Bytes prefixChanged = good, dataChanged = good, dirChanged = good;
  TZLBFooter f;
  zlbformat::DecodeFooter(good.data() + good.size() - 36, f);
  prefixChanged[2] ^= 1;
  dataChanged[6 + 40] ^= 1;
  dirChanged[good.size() - 36 - static_cast<size_t>(f.DirectorySize)] ^= 1;  // zlib header
  EXPECT_EQ(OpenError(prefixChanged), "");
  EXPECT_EQ(OpenError(dataChanged), "The archive appears to be corrupted");
  EXPECT_EQ(OpenError(dirChanged), "The archive appears to be corrupted");
  EXPECT_EQ(OpenError(dataChanged, false), "");  // not checked when switched off
  EXPECT_EQ(OpenError(dirChanged, false), "Error reading registry");
}

TEST_F(ArchiveOpen, HostileFootersGetTheComponentsMessages) {
  struct Case {
    const char* what;
    std::function<void(TZLBFooter&)> edit;
    const char* withCrc;
    const char* withoutCrc;
  };
  const char* corrupted = "The archive appears to be corrupted";
  const char* registry = "Error reading registry";
  const Case cases[] = {
      {"negative directory size", [](TZLBFooter& f) { f.DirectorySize = -1; }, corrupted, registry},
      {"directory larger than file", [](TZLBFooter& f) { f.DirectorySize = 0x7FFFFFFF; }, corrupted, registry},
      {"negative data size", [](TZLBFooter& f) { f.DataSize = -100; }, corrupted, registry},
      {"huge data size", [](TZLBFooter& f) { f.DataSize = INT64_MAX; }, corrupted, registry},
      {"data size beyond start", [](TZLBFooter& f) { f.DataSize += 1000; }, corrupted, registry},
      {"negative count", [](TZLBFooter& f) { f.EntryCount = -3; }, "", registry},
      {"huge count", [](TZLBFooter& f) { f.EntryCount = 0x7FFFFFFF; }, "", registry},
      {"one record too many", [](TZLBFooter& f) { f.EntryCount += 1; }, "", registry},
      {"raw flag on compressed directory", [](TZLBFooter& f) { f.DirectoryCompressed = false; }, "", registry},
  };
  for (const Case& c : cases) {
    Options o;
    o.prefix = "PFX";
    o.editFooter = c.edit;
    Bytes bytes = testarc::Build(kTwo, o);
    std::string withCrc = OpenError(bytes, true);
    EXPECT_EQ(OpenError(bytes, false), c.withoutCrc) << c.what;
    // A footer that passes the geometry check still reaches the directory.
    EXPECT_EQ(withCrc, *c.withCrc ? c.withCrc : c.withoutCrc) << c.what;
  }
}

TEST_F(ArchiveOpen, DamagedDirectoryStreamFailsAsRegistryError) {
  Options o;
  o.editFooter = [](TZLBFooter& f) { f.DirectorySize -= 4; };  // cut the stream short
  EXPECT_EQ(OpenError(testarc::Build(kTwo, o), false), "Error reading registry");
  Bytes garbage = testarc::Build(kTwo);
  TZLBFooter f;
  zlbformat::DecodeFooter(garbage.data() + garbage.size() - 36, f);
  garbage[garbage.size() - 36 - static_cast<size_t>(f.DirectorySize)] ^= 0xFF;  // zlib header
  EXPECT_EQ(OpenError(garbage, false), "Error reading registry");
}

TEST_F(ArchiveOpen, ArchiveOpenedHandlerFailureClosesTheArchive) {
  arc_.OnArchiveOpened = [](TZLBArc2*) { throw std::runtime_error("handler"); };
  EXPECT_EQ(OpenError(testarc::Build(kTwo)), "Error reading registry");
}

TEST_F(ArchiveOpen, DirectoryProgressAndIdleNotification) {
  std::vector<std::pair<std::string, int>> events;
  arc_.OnProgress = [&](const std::string& m, int p) { events.push_back({m, p}); };
  std::vector<Item> many;
  for (int i = 0; i < 20; ++i) many.push_back({"f" + std::to_string(i), "", "x", smStored});
  std::string name = Write(testarc::Build(many));
  arc_.OpenArchive(name);
  // close (idle, no name), registry chunks (11,000 bytes: 4,096 + 4,096 + 2,808), idle.
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(events[0], std::make_pair(std::string(), 0));
  EXPECT_EQ(events[1], std::make_pair(std::string("Extracting registry"), 0));
  EXPECT_EQ(events[2], std::make_pair(std::string("Extracting registry"), 37));
  EXPECT_EQ(events[3], std::make_pair(std::string("Extracting registry"), 74));
  EXPECT_EQ(events[4], std::make_pair(std::string("Extracting registry"), 100));
  EXPECT_EQ(events[5], std::make_pair(name, 0));
}

TEST(ArchivePercentage, RoundsHalvesToEven) {
  EXPECT_EQ(ZLBPercentage(1, 200), 0);   // 0.5
  EXPECT_EQ(ZLBPercentage(3, 200), 2);   // 1.5
  EXPECT_EQ(ZLBPercentage(5, 200), 2);   // 2.5
  EXPECT_EQ(ZLBPercentage(2, 3), 67);
  EXPECT_EQ(ZLBPercentage(7, 0), 0);
  EXPECT_EQ(ZLBPercentage(INT64_MAX, INT64_MAX), 100);
}

TEST_F(ArchiveOpen, NothingOpenMessages) {
  auto message = [](const std::function<void()>& f) {
    try {
      f();
    } catch (const EZLBError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  const std::string notOpen = "No archive is currently open";
  EXPECT_EQ(message([&] { arc_.FileCount(); }), notOpen);
  EXPECT_EQ(message([&] { arc_.FindFile("x"); }), notOpen);
  EXPECT_EQ(message([&] { arc_.ExtractAll(dir_); }), notOpen);
  EXPECT_EQ(message([&] { arc_.ExtractFile(dir_, "x"); }), notOpen);
  TZLBEntry e;
  EXPECT_EQ(message([&] { arc_.GetFileEntry(0, e); }), "Index out of bounds");
  arc_.OpenArchive(Write(testarc::Build(kTwo)));
  EXPECT_EQ(message([&] { arc_.GetFileEntry(2, e); }), "Index out of bounds");
  EXPECT_EQ(message([&] { arc_.GetFileEntry(-1, e); }), "Index out of bounds");
  arc_.CloseArchive();
  EXPECT_FALSE(arc_.IsOpen());
  EXPECT_EQ(arc_.ArchiveStart(), -1);
  EXPECT_EQ(arc_.Footer().EntryCount, 0);
}

TEST_F(ArchiveOpen, FindFileMatchesPathAndNameWithoutCase) {
  ASSERT_EQ(OpenError(testarc::Build(kTwo)), "");
  EXPECT_EQ(arc_.FindFile("APP.DATA"), 0);
  EXPECT_EQ(arc_.FindFile("Bin\\Prog.exe"), 1);
  EXPECT_EQ(arc_.FindFile("prog.exe"), -1);
  EXPECT_EQ(arc_.FindFile("C:bin\\prog.exe"), -1);
  arc_.SavePaths = true;  // then the drive part is dropped first
  EXPECT_EQ(arc_.FindFile("C:bin\\prog.exe"), 1);
  EXPECT_EQ(arc_.FindFile("C:app.data"), 0);
}
