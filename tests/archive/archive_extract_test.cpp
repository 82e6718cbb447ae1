// Extraction: destination folders, replace handler, OnFileExtracted text, CRC
// checks, damaged and out-of-range entries, unsafe names, encryption hooks, progress.
#include <gtest/gtest.h>

#include "archive/entry_names.h"
#include "archive/zlb_archive.h"
#include "archive_builder.h"
#include "thrown_error.h"
#include "framework/file_system.h"
#include "framework/stream.h"

using testarc::Bytes;
using testarc::Item;
using testarc::Options;
using testarc::ThrownError;

namespace {
class ArchiveExtract : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = testarc::ScratchFolder("extract"); }
  void TearDown() override {
    arc_.OnProgress = nullptr;  // handlers of a test may capture its locals
    arc_.CloseArchive();
    testarc::RemoveTree(dir_.substr(0, dir_.size() - 1));
  }
  void Open(const std::vector<Item>& items, const Options& o = {}) {
    testarc::WriteFile(dir_ + "a.zlb", testarc::Build(items, o));
    arc_.OpenArchive(dir_ + "a.zlb");
    arc_.OnErrorLogged = [this](const std::string& m) { log_.push_back(m); };
    arc_.OnFileExtracted = [this](const std::string& f) { extracted_.push_back(f); };
  }
  // Files left in a folder other than the extraction's own temporary ones.
  size_t FileCount(const std::string& folder) {
    size_t n = 0;
    for (const FolderItem& i : fsys::ListFolder(folder)) n += i.is_folder ? FileCount(folder + "\\" + i.name) : 1;
    return n;
  }
  std::string dir_;
  TZLBArc2 arc_;
  std::vector<std::string> log_, extracted_;
};

const std::string kBig = [] {
  std::string s;
  for (int i = 0; i < 20000; ++i) s += "line " + std::to_string(i * 7919 % 1000) + "\n";
  return s;
}();
const std::vector<Item> kItems = {{"readme.txt", "", "short text", smStored},
                                  {"data.bin", "sub\\deeper\\", kBig},
                                  {"empty.txt", "sub\\", "", smStored}};
}  // namespace

TEST_F(ArchiveExtract, WithoutPathsEverythingGoesIntoTheFolder) {
  Open(kItems);
  std::string out = dir_ + "out";
  arc_.ExtractAll(out);
  EXPECT_EQ(testarc::ReadText(out + "\\readme.txt"), "short text");
  EXPECT_EQ(testarc::ReadText(out + "\\data.bin"), kBig);
  EXPECT_TRUE(fsys::FileExists(out + "\\empty.txt"));
  EXPECT_EQ(fsys::FileSize(out + "\\empty.txt"), 0);
  EXPECT_EQ(FileCount(out), 3u);  // no temporary file is left behind
  EXPECT_TRUE(log_.empty());
  // DestFolder and the name, joined without a separator.
  EXPECT_EQ(extracted_, (std::vector<std::string>{out + "readme.txt", out + "data.bin", out + "empty.txt"}));
}

TEST_F(ArchiveExtract, WithPathsAndDoubledBackslashes) {
  Open(kItems);
  arc_.ExtractWithPath = true;
  std::string out = dir_ + "out\\\\x\\";
  arc_.ExtractAll(out);
  EXPECT_EQ(testarc::ReadText(dir_ + "out\\x\\sub\\deeper\\data.bin"), kBig);
  EXPECT_TRUE(fsys::FileExists(dir_ + "out\\x\\sub\\empty.txt"));
  EXPECT_TRUE(fsys::FileExists(dir_ + "out\\x\\readme.txt"));  // empty stored path: the root
  EXPECT_EQ(extracted_[0], out + "readme.txt");  // with a trailing backslash: the full name
  // Without a trailing separator the stored path still goes below DestFolder.
  arc_.ExtractAll(dir_ + "plain");
  EXPECT_EQ(testarc::ReadText(dir_ + "plain\\sub\\deeper\\data.bin"), kBig);
  EXPECT_FALSE(fsys::FolderExists(dir_ + "plainsub"));
}

TEST_F(ArchiveExtract, ReplaceHandlerDecidesAboutExistingFiles) {
  Open(kItems);
  std::string out = dir_ + "out\\";
  fsys::CreateFolders(out);
  testarc::WriteText(out + "readme.txt", "keep me");
  std::vector<std::string> asked;
  arc_.OnReplaceFile = [&](const std::string& f, bool& replace) {
    asked.push_back(f);
    EXPECT_FALSE(replace);
  };
  arc_.ExtractAll(out);
  EXPECT_EQ(asked, std::vector<std::string>{dir_ + "out\\readme.txt"});
  EXPECT_EQ(testarc::ReadText(out + "readme.txt"), "keep me");
  EXPECT_EQ(extracted_.size(), 2u);  // the declined file is not reported
  arc_.OnReplaceFile = [](const std::string&, bool& replace) { replace = true; };
  arc_.ExtractFile(out, "README.TXT");
  EXPECT_EQ(testarc::ReadText(out + "readme.txt"), "short text");
  arc_.OnReplaceFile = nullptr;  // no handler: replaced
  testarc::WriteText(out + "readme.txt", "again");
  arc_.ExtractFile(out, "readme.txt");
  EXPECT_EQ(testarc::ReadText(out + "readme.txt"), "short text");
}

TEST_F(ArchiveExtract, ExtractFileFindsStoredPathAndName) {
  Open(kItems);
  arc_.ExtractFile(dir_ + "one", "SUB\\deeper\\data.bin");
  EXPECT_EQ(testarc::ReadText(dir_ + "one\\data.bin"), kBig);
  EXPECT_EQ(ThrownError([&] { arc_.ExtractFile(dir_ + "one", "data.bin"); }),
            "data.bin not found in archive");
}

TEST_F(ArchiveExtract, FolderThatCannotBeCreatedEndsTheRun) {
  Open(kItems);
  testarc::WriteText(dir_ + "file", "x");
  EXPECT_EQ(ThrownError([&] { arc_.ExtractAll(dir_ + "file\\below\\"); }),
            "Error extracting file to " + dir_ + "file\\below");
}

TEST_F(ArchiveExtract, DamagedEntryIsLoggedAndTheRestExtracted) {
  Options o;
  o.editRecords = [](std::vector<TZLBEntry>& r) { r[1].ContentCRC ^= 1; };
  Open(kItems, o);
  std::string out = dir_ + "out\\";
  fsys::CreateFolders(out);
  testarc::WriteText(out + "data.bin", "previous");
  arc_.ExtractAll(out);  // VerifyFileCRC off: the content is written as it decodes
  EXPECT_EQ(testarc::ReadText(out + "data.bin"), kBig);
  EXPECT_TRUE(log_.empty());

  testarc::WriteText(out + "data.bin", "previous");
  arc_.VerifyFileCRC = true;
  arc_.ExtractAll(out);
  EXPECT_EQ(log_, std::vector<std::string>{"data.bin failed CRC check"});
  EXPECT_EQ(testarc::ReadText(out + "data.bin"), "previous");  // the old file survives
  EXPECT_TRUE(fsys::FileExists(out + "empty.txt"));
  EXPECT_EQ(FileCount(out), 3u);
  EXPECT_EQ(ThrownError([&] { arc_.ExtractFile(out, "sub\\deeper\\data.bin"); }),
            "data.bin failed CRC check");
  EXPECT_EQ(testarc::ReadText(out + "data.bin"), "previous");
  arc_.ExtractAll(dir_ + "fresh");  // nothing to keep: the failed entry leaves no file
  EXPECT_FALSE(fsys::FileExists(dir_ + "fresh\\data.bin"));
  EXPECT_EQ(FileCount(dir_ + "fresh"), 2u);
}

TEST_F(ArchiveExtract, CorruptStreamsAndOutOfRangeRecords) {
  struct Case {
    const char* what;
    std::function<void(TZLBEntry&)> edit;
  };
  const Case cases[] = {
      {"offset beyond data", [](TZLBEntry& e) { e.DataOffset = 1 << 20; }},
      {"negative offset", [](TZLBEntry& e) { e.DataOffset = -10; }},
      {"compressed size beyond data", [](TZLBEntry& e) { e.CompressedSize = INT64_MAX; }},
      {"stream shorter than it says", [](TZLBEntry& e) { e.CompressedSize -= 10; }},
      {"content longer than the stream", [](TZLBEntry& e) { e.UncompressedSize += 1; }},
      {"negative size", [](TZLBEntry& e) { e.UncompressedSize = -1; }},
      {"unknown method", [](TZLBEntry& e) { e.Method = 9; }},
      {"offset into another entry", [](TZLBEntry& e) { e.DataOffset = 0; }},
  };
  for (const Case& c : cases) {
    Options o;
    o.editRecords = [&](std::vector<TZLBEntry>& r) { c.edit(r[1]); };
    Open(kItems, o);
    log_.clear();
    arc_.ExtractAll(dir_ + "out");
    EXPECT_EQ(log_, std::vector<std::string>{"The archive appears to be corrupted"}) << c.what;
    EXPECT_TRUE(fsys::FileExists(dir_ + "out\\empty.txt")) << c.what;
    TMemoryStream sink;
    EXPECT_THROW(arc_.ExtractEntry(1, sink, nullptr), EZLBError) << c.what;
  }
}

TEST_F(ArchiveExtract, InflationStopsAtTheRecordedSize) {
  Options o;
  o.editRecords = [](std::vector<TZLBEntry>& r) { r[1].UncompressedSize = 1000; };
  Open(kItems, o);
  TMemoryStream sink;
  EXPECT_TRUE(arc_.ExtractEntry(1, sink, nullptr));
  EXPECT_EQ(sink.Size(), 1000);
  EXPECT_EQ(std::string(sink.Bytes().begin(), sink.Bytes().end()), kBig.substr(0, 1000));
}

TEST_F(ArchiveExtract, UnsafeNamesAndPathsAreRefused) {
  std::vector<Item> hostile = {{"evil1.txt", "..\\", "1", smStored},
                               {"evil2.txt", "a\\..\\..\\", "2", smStored},
                               {"evil3.txt", "C:\\Windows\\", "3", smStored},
                               {"..\\evil4.txt", "", "4", smStored},
                               {"sub/evil5.txt", "", "5", smStored},
                               {"..", "", "6", smStored},
                               {"evil7.txt", "a/../../", "7", smStored},
                               {"evil8.txt", ".. \\", "8", smStored},
                               {"evil9:stream", "", "9", smStored},
                               {"good.txt", "\\rooted\\", "ok", smStored}};
  Open(hostile);
  arc_.ExtractWithPath = true;
  std::string out = dir_ + "in\\out";
  arc_.ExtractAll(out);
  ASSERT_EQ(log_.size(), 9u);
  EXPECT_EQ(log_[0], "Refused to extract ..\\evil1.txt: its stored path or name leads outside the destination folder");
  EXPECT_EQ(FileCount(dir_), 2u);  // the archive and good.txt
  EXPECT_EQ(testarc::ReadText(out + "\\rooted\\good.txt"), "ok");  // a leading "\" stays below the folder
  EXPECT_THROW(arc_.ExtractFile(out, "..\\evil1.txt"), EZLBError);
  EXPECT_THROW(arc_.ExtractFile("", "\\rooted\\good.txt"), EZLBError);  // would be absolute
  arc_.ExtractWithPath = false;  // without paths only the name matters
  log_.clear();
  arc_.ExtractAll(out);
  EXPECT_EQ(log_.size(), 4u);
  EXPECT_EQ(testarc::ReadText(out + "\\evil1.txt"), "1");
}

TEST_F(ArchiveExtract, DeviceNamesAreRefusedAsNamesAndFolders) {
  Open({{"CON", "", "1", smStored},
        {"aux.txt", "", "2", smStored},
        {"Com7.log", "", "3", smStored},
        {"lpt1 .x.y", "", "4", smStored},
        {"nul", "docs\\", "5", smStored},
        {"ok.txt", "prn\\", "6", smStored},
        {"LPT\xC2\xB9", "", "7", smStored},
        {"CONOUT$", "", "8", smStored},
        {"console.txt", "com10\\", "9", smStored},
        {"lpt0", "", "10", smStored}});
  arc_.ExtractWithPath = true;
  std::string out = dir_ + "out";
  arc_.ExtractAll(out);
  ASSERT_EQ(log_.size(), 8u);
  EXPECT_EQ(log_[1], "Refused to extract aux.txt: its stored path or name leads outside the destination folder");
  EXPECT_EQ(testarc::ReadText(out + "\\com10\\console.txt"), "9");
  EXPECT_EQ(testarc::ReadText(out + "\\lpt0"), "10");
  EXPECT_THROW(arc_.ExtractFile(out, "Com7.log"), EZLBError);
  for (const char* plain : {"CONSOLE", "AUXILIARY.txt", "COM", "LPT10", "NUL_", "xCON", ""})
    EXPECT_FALSE(zlbnames::IsDeviceName(plain)) << plain;
}

TEST_F(ArchiveExtract, EncryptedEntriesNeedPasswordAndHandler) {
  Open({{"c.bin", "", kBig, smCompressedEncrypted}, {"s.bin", "", "plain words", smStoredEncrypted}});
  TMemoryStream sink;
  auto message = [&](int index) {
    return ThrownError([&] {
      TMemoryStream out;
      arc_.ExtractEntry(index, out, nullptr);
    });
  };
  arc_.Password = "  ";
  EXPECT_EQ(message(0), "No password given for encrypted file");
  arc_.Password = "k";
  EXPECT_EQ(message(0), "No decryption algorithm found");
  uint32_t seen = 0;
  arc_.OnDecryptStream = [&](TStream& in, TStream& out, uint32_t size, const std::string& password) {
    seen = size;
    Bytes bytes(size);
    in.ReadBuffer(bytes.data(), size);
    testarc::XorCipher(password, bytes);
    out.Write(bytes.data(), bytes.size());
  };
  arc_.VerifyFileCRC = true;
  EXPECT_TRUE(arc_.ExtractEntry(0, sink, nullptr));
  EXPECT_EQ(std::string(sink.Bytes().begin(), sink.Bytes().end()), kBig);
  EXPECT_EQ(seen, testarc::Zlib(kBig).size());
  TMemoryStream plain;
  EXPECT_TRUE(arc_.ExtractEntry(1, plain, nullptr));
  EXPECT_EQ(std::string(plain.Bytes().begin(), plain.Bytes().end()), "plain words");
  arc_.Password = "x";  // wrong key: the decoded stream is garbage
  EXPECT_EQ(message(0), "The archive appears to be corrupted");
}

TEST_F(ArchiveExtract, VerifyFileCrcCoversTheWholeDestination) {
  Open(kItems);
  arc_.VerifyFileCRC = true;
  TMemoryStream dest;
  dest.Write("prefix", 6);
  EXPECT_EQ(ThrownError([&] { arc_.ExtractEntry(0, dest, nullptr); }),
            "readme.txt failed CRC check");
}

TEST_F(ArchiveExtract, ProgressPerInflatedChunk) {
  Open(kItems);
  std::vector<std::pair<std::string, int>> events;
  arc_.OnProgress = [&](const std::string& m, int p) { events.push_back({m, p}); };
  TMemoryStream sink;
  arc_.ExtractEntry(1, sink, nullptr);
  size_t chunks = (kBig.size() + 4095) / 4096;
  ASSERT_EQ(events.size(), chunks + 1);
  EXPECT_EQ(events.front(), std::make_pair(std::string("Extracting data.bin"), 0));
  EXPECT_EQ(events.back(), std::make_pair(std::string("Extracting data.bin"), 100));
  events.clear();
  arc_.ExtractFile(dir_ + "p", "readme.txt");  // stored: only the closing idle notification
  EXPECT_EQ(events, (std::vector<std::pair<std::string, int>>{{dir_ + "a.zlb", 0}}));
}

TEST(ExtractionFolder, DoubledBackslashesCollapseButANetworkPathKeepsItsPair) {
  EXPECT_EQ(CollapseBackslashes("C:\\\\out\\\\\\docs\\"), "C:\\out\\docs\\");
  EXPECT_EQ(CollapseBackslashes("\\\\server\\share\\\\x"), "\\\\server\\share\\x");
  EXPECT_EQ(CollapseBackslashes("\\\\\\server"), "\\\\server");
}
