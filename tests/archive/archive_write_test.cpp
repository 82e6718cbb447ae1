// Writing archives: byte layout, round trips at every level, paths and BaseDir,
// archives behind a prefix, failures during a rewrite, and per-file failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>
#include <memory>

#include "archive/crc_stream.h"
#include "archive/zlb_archive.h"
#include "thrown_error.h"
#include "write_test_util.h"

using namespace writetest;
using testarc::ThrownError;

namespace {
// Adds the items to the archive and returns the messages logged meanwhile.
std::vector<std::string> Add(TZLBArc2& arc, std::vector<std::string> items, bool encrypt = false) {
  std::vector<std::string> log;
  arc.OnErrorLogged = [&](const std::string& msg) { log.push_back(msg); };
  arc.AddFiles(items, encrypt);
  arc.OnErrorLogged = nullptr;
  EXPECT_TRUE(items.empty());
  return log;
}

std::vector<std::string> EntryNames(const TZLBArc2& arc) {
  std::vector<std::string> names;
  for (int i = 0; i < arc.FileCount(); ++i) {
    TZLBEntry e;
    arc.GetFileEntry(i, e);
    names.push_back(e.StoredPath + e.Name);
  }
  return names;
}

// Extracts every entry of the open archive with its path into a fresh folder.
std::string ExtractAll(TZLBArc2& arc, const std::string& name) {
  std::string out = ScratchFolder(name);
  arc.ExtractWithPath = true;
  arc.VerifyFileCRC = true;
  arc.ExtractAll(out);
  return out;
}

// The scratch folders go when the program ends.
class ScratchCleanup : public ::testing::Environment {
 public:
  void TearDown() override { RemoveScratchFolders(); }
};
const auto* const kCleanup = ::testing::AddGlobalTestEnvironment(new ScratchCleanup);

size_t TempLeftovers(const std::string& folder) {
  size_t n = 0;
  for (const FolderItem& item : fsys::ListFolder(folder))
    if (item.name.rfind("ZLB", 0) == 0) ++n;
  return n;
}
}  // namespace

// A known small archive checked field by field against the layout.
TEST(ArchiveWrite, LayoutOfASmallArchive) {
  std::string dir = ScratchFolder("layout");
  const std::string descriptor = "quillpack\r\n1.0\r\n\r\nprog.exe\r\nTrue\r\n";
  WriteText(dir + "app.data", descriptor);
  Bytes program = Compressible(50000, 1);
  WriteAll(dir + "prog.exe", program);

  TZLBArc2 arc;
  arc.CreateArchive(dir + "a.zlb");
  EXPECT_TRUE(Add(arc, {dir + "prog.exe", dir + "app.data"}).empty());
  Bytes file = ReadAll(dir + "a.zlb");
  Decoded d = Decode(file);
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.start, 0);
  EXPECT_EQ(d.footer.Version, 2u);
  EXPECT_EQ(d.footer.EntryCount, 2);
  EXPECT_TRUE(d.footer.DirectoryCompressed);
  EXPECT_LT(d.footer.DirectorySize, 200);  // 1,100 raw bytes shrink to about a hundred
  // Reserved footer bytes are zero.
  for (size_t i = 25; i < 36; ++i) EXPECT_EQ(file[file.size() - 36 + i], 0) << i;
  // The directory is zlib's own stream of the records at the default level.
  EXPECT_EQ(Bytes(file.begin() + d.footer.DataSize, file.end() - 36), Deflate(d.rawDirectory, -1));

  const TZLBEntry& prog = d.entries[0];
  EXPECT_EQ(prog.Name, "prog.exe");
  EXPECT_EQ(prog.StoredPath, "");
  EXPECT_EQ(prog.UncompressedSize, 50000);
  EXPECT_EQ(prog.DataOffset, 0);
  EXPECT_EQ(prog.EncryptedSize, 0);
  EXPECT_EQ(prog.ContentCRC, Crc(program.data(), program.size()));
  EXPECT_EQ(prog.Method, smCompressed);
  EXPECT_EQ(prog.Level, fcDefault);
  Bytes expected = Deflate(program, -1);
  EXPECT_EQ(prog.CompressedSize, static_cast<int64_t>(expected.size()));
  EXPECT_EQ(Bytes(file.begin(), file.begin() + prog.CompressedSize), expected);

  const TZLBEntry& desc = d.entries[1];
  EXPECT_EQ(desc.Name, "app.data");
  EXPECT_EQ(desc.Method, smStored);
  EXPECT_EQ(desc.Level, fcNone);
  EXPECT_EQ(desc.CompressedSize, 0);
  EXPECT_EQ(desc.UncompressedSize, static_cast<int64_t>(descriptor.size()));
  EXPECT_EQ(desc.DataOffset, prog.CompressedSize);
  EXPECT_EQ(d.footer.DataSize, prog.CompressedSize + static_cast<int64_t>(descriptor.size()));
  EXPECT_EQ(Content(file, d, desc), Bytes(descriptor.begin(), descriptor.end()));

  // A fresh record is zero behind its strings.
  const uint8_t* rec = d.rawDirectory.data() + 550;
  EXPECT_EQ(rec[0], 8);
  for (size_t i = 9; i < 256; ++i) ASSERT_EQ(rec[i], 0) << i;
  EXPECT_EQ(rec[256], 0);
  for (size_t i = 257; i < 512; ++i) ASSERT_EQ(rec[i], 0) << i;

  // The component has the archive open again with both entries.
  EXPECT_EQ(EntryNames(arc), (std::vector<std::string>{"prog.exe", "app.data"}));
}

TEST(ArchiveWrite, EmptyArchiveHoldsTheZlibStreamOfNothing) {
  std::string dir = ScratchFolder("empty");
  TZLBArc2 arc;
  arc.CreateArchive(dir + "e.zlb");
  std::vector<std::string> none;
  arc.AddFiles(none, false);
  Bytes file = ReadAll(dir + "e.zlb");
  Decoded d = Decode(file);
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.footer.EntryCount, 0);
  EXPECT_EQ(d.footer.DataSize, 0);
  EXPECT_EQ(Bytes(file.begin(), file.end() - 36), Deflate({}, -1));
  EXPECT_EQ(arc.FileCount(), 0);
}

// The text BaseDir takes to make stored paths relative to folder (drive removed,
// backslashes as in stored paths).
std::string BaseOf(const std::string& folder) {
  std::string base = folder;
  for (char& ch : base)
    if (ch == '/') ch = '\\';
  size_t colon = base.find(':');
  return colon == std::string::npos ? base : base.substr(colon + 1);
}

TEST(ArchiveWrite, RoundTripAtEveryLevelWithAndWithoutPaths) {
  for (TFileCompressionLevel level : {fcNone, fcFastest, fcDefault, fcMaximum}) {
    for (bool paths : {false, true}) {
      SCOPED_TRACE(std::to_string(level) + (paths ? " with paths" : " without paths"));
      std::string dir = ScratchFolder("levels");
      fsys::CreateFolders(dir + "src\\sub\\deeper");
      Bytes a = Compressible(300000, level), b = Noise(5000, level), c, e = Compressible(70000, 7);
      WriteAll(dir + "src\\a.txt", a);
      WriteAll(dir + "src\\sub\\b.bin", b);
      WriteAll(dir + "src\\sub\\c.empty", c);
      WriteAll(dir + "src\\sub\\deeper\\e.txt", e);

      TZLBArc2 arc;
      arc.CompressionLevel = level;
      arc.SavePaths = paths;
      arc.RecursePaths = true;
      if (paths) arc.BaseDir = BaseOf(dir + "src\\");
      arc.CreateArchive(dir + "r.zlb");
      EXPECT_TRUE(Add(arc, {dir + "src"}).empty());
      // Files of a sub-folder come before those of its parent; each is stored once.
      std::vector<std::string> expected =
          paths ? std::vector<std::string>{"sub\\deeper\\e.txt", "sub\\b.bin", "sub\\c.empty", "a.txt"}
                : std::vector<std::string>{"e.txt", "b.bin", "c.empty", "a.txt"};
      EXPECT_EQ(EntryNames(arc), expected);
      // A second call adds to the existing archive; the old entries' bytes stay.
      Bytes before = ReadAll(dir + "r.zlb");
      Decoded old = Decode(before);
      WriteAll(dir + "d.txt", Compressible(1000, 9));
      arc.BaseDir.clear();
      arc.SavePaths = false;
      EXPECT_TRUE(Add(arc, {dir + "d.txt"}).empty());
      ASSERT_EQ(arc.FileCount(), 5);
      Bytes after = ReadAll(dir + "r.zlb");
      ASSERT_GE(after.size(), static_cast<size_t>(old.footer.DataSize));
      EXPECT_TRUE(std::equal(before.begin(), before.begin() + old.footer.DataSize, after.begin()));

      Decoded d = Decode(after);
      ASSERT_TRUE(d.ok);
      for (const TZLBEntry& en : d.entries) {
        bool packed = level != fcNone && en.Name != "b.bin" && en.Name != "c.empty";
        EXPECT_EQ(en.Method, packed ? smCompressed : smStored) << en.Name;
        EXPECT_EQ(en.Level, packed ? level : fcNone) << en.Name;
      }

      TZLBArc2 reader;
      ASSERT_TRUE(reader.OpenArchive(dir + "r.zlb"));
      std::string out = ExtractAll(reader, "levels_out");
      std::string sub = paths ? out + "sub\\" : out;
      std::string deeper = paths ? sub + "deeper\\" : out;
      EXPECT_EQ(ReadAll(out + "a.txt"), a);
      EXPECT_EQ(ReadAll(sub + "b.bin"), b);
      EXPECT_EQ(ReadAll(sub + "c.empty"), c);
      EXPECT_EQ(ReadAll(deeper + "e.txt"), e);
      EXPECT_EQ(ReadAll(out + "d.txt"), ReadAll(dir + "d.txt"));
    }
  }
}

TEST(ArchiveWrite, StoredPathsDropTheDriveAndEveryBaseDirOccurrence) {
  std::string dir = ScratchFolder("basedir");
  fsys::CreateFolders(dir + "work\\x\\work");
  WriteText(dir + "work\\x\\work\\f.txt", "f");
  TZLBArc2 arc;
  arc.SavePaths = true;
  arc.BaseDir = "WORK\\";  // case-insensitive, removed wherever it occurs
  arc.CreateArchive(dir + "b.zlb");
  EXPECT_TRUE(Add(arc, {dir + "work\\x\\work\\f.txt"}).empty());
  TZLBEntry e;
  arc.GetFileEntry(0, e);
  std::string full = BaseOf(dir);
  EXPECT_EQ(e.StoredPath, full + "x\\");
  EXPECT_EQ(e.StoredPath.find(':'), std::string::npos);
  EXPECT_EQ(e.Name, "f.txt");
}

TEST(ArchiveWrite, AddingBehindAPrefixKeepsPrefixAndOldDataByteForByte) {
  std::string dir = ScratchFolder("prefix");
  WriteAll(dir + "one.txt", Compressible(20000, 3));
  WriteAll(dir + "two.bin", Noise(3000, 4));
  TZLBArc2 arc;
  arc.CreateArchive(dir + "plain.zlb");
  Add(arc, {dir + "one.txt"});
  arc.CloseArchive();
  Bytes stub = Noise(40000, 5);
  Bytes payload = stub;
  Bytes plain = ReadAll(dir + "plain.zlb");
  payload.insert(payload.end(), plain.begin(), plain.end());
  WriteAll(dir + "stub.exe", payload);

  ASSERT_TRUE(arc.OpenArchive(dir + "stub.exe"));
  EXPECT_EQ(arc.ArchiveStart(), 40000);
  const int64_t oldData = arc.Footer().DataSize;
  arc.SavePaths = true;
  EXPECT_TRUE(Add(arc, {dir + "two.bin"}).empty());
  EXPECT_EQ(arc.ArchiveStart(), 40000);
  ASSERT_EQ(arc.FileCount(), 2);
  Bytes after = ReadAll(dir + "stub.exe");
  EXPECT_TRUE(std::equal(payload.begin(), payload.begin() + 40000 + oldData, after.begin()));
  Decoded d = Decode(after);
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.start, 40000);
  EXPECT_EQ(d.entries[1].DataOffset, oldData);
  std::string out = ExtractAll(arc, "prefix_out");
  EXPECT_EQ(ReadAll(out + BaseOf(dir) + "two.bin"), ReadAll(dir + "two.bin"));
  EXPECT_EQ(ReadAll(out + "one.txt"), ReadAll(dir + "one.txt"));
}

TEST(ArchiveWrite, FailedRewriteLeavesTheOldArchiveWhole) {
  std::string dir = ScratchFolder("rewrite_fail");
  WriteAll(dir + "one.txt", Compressible(20000, 3));
  WriteAll(dir + "two.txt", Compressible(20000, 4));
  TZLBArc2 arc;
  arc.CreateArchive(dir + "keep.zlb");
  Add(arc, {dir + "one.txt"});
  Bytes before = ReadAll(dir + "keep.zlb");

  // The move is the last step; a failure just before it must leave everything as it was.
  arc.OnProgress = [](const std::string& msg, int) {
    if (msg == "Moving and renaming the temporary file") throw EZLBError("disk gone");
  };
  std::vector<std::string> log = Add(arc, {dir + "two.txt"});
  arc.OnProgress = nullptr;
  EXPECT_EQ(log, std::vector<std::string>{"disk gone"});
  EXPECT_EQ(ReadAll(dir + "keep.zlb"), before);
  EXPECT_EQ(TempLeftovers(dir), 0u);
  EXPECT_EQ(EntryNames(arc), std::vector<std::string>{"one.txt"});

  // The component goes on working with the old archive.
  EXPECT_TRUE(Add(arc, {dir + "two.txt"}).empty());
  EXPECT_EQ(EntryNames(arc), (std::vector<std::string>{"one.txt", "two.txt"}));
  TZLBArc2 reader;
  EXPECT_TRUE(reader.OpenArchive(dir + "keep.zlb"));

  // A file changed behind the open archive is not used as the base of a rewrite.
  Bytes grown = ReadAll(dir + "keep.zlb");
  grown.push_back(0);
  WriteAll(dir + "keep.zlb", grown);
  log = Add(arc, {dir + "one.txt"});
  EXPECT_EQ(log, std::vector<std::string>{"Unable to open archive " + dir + "keep.zlb"});
  EXPECT_EQ(ReadAll(dir + "keep.zlb"), grown);
  EXPECT_EQ(TempLeftovers(dir), 0u);
}

TEST(ArchiveWrite, RewriteFileStaysInTheArchiveFolder) {
  std::string dir = ScratchFolder("rewrite_place");
  WriteText(dir + "one.txt", "one");
  TZLBArc2 arc;
  size_t seen = 0;
  arc.OnProgress = [&](const std::string& msg, int) {
    if (msg == "Moving and renaming the temporary file") seen = TempLeftovers(dir);
  };
  arc.CreateArchive(dir + "a.zlb");
  Add(arc, {dir + "one.txt"});
  EXPECT_EQ(seen, 1u);  // the finished temporary file, next to the archive
  EXPECT_EQ(TempLeftovers(dir), 0u);
}

TEST(ArchiveWrite, UnreadableFilesAreReportedAndTheRestIsStored) {
  std::string dir = ScratchFolder("unreadable");
  WriteText(dir + "good.txt", "good content");
  WriteAll(dir + "big.txt", Compressible(200000, 2));
  std::vector<std::string> items = {dir + "missing.txt", dir + "good.txt", dir + "big.txt"};
#ifdef _WIN32
  // A file held open without sharing cannot be read.
  WriteText(dir + "locked.txt", "locked");
  TFileStream lock(dir + "locked.txt", FileMode::ReadWrite);
  items.push_back(dir + "locked.txt");
#endif
  TZLBArc2 arc;
  arc.CreateArchive(dir + "u.zlb");
  std::vector<std::string> log = Add(arc, items);
  std::vector<std::string> expected = {"Unable to open archive " + dir + "missing.txt"};
#ifdef _WIN32
  expected.push_back("Unable to open archive " + dir + "locked.txt");
#endif
  EXPECT_EQ(log, expected);
  EXPECT_EQ(EntryNames(arc), (std::vector<std::string>{"good.txt", "big.txt"}));
  Decoded d = Decode(ReadAll(dir + "u.zlb"));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.entries[1].DataOffset, 12);  // nothing of the failed files in between
}

TEST(ArchiveWrite, RepeatsAreReportedButStoredAndFolderRepeatsSkipped) {
  std::string dir = ScratchFolder("repeats");
  fsys::CreateFolders(dir + "w\\s1\\s2");
  WriteText(dir + "w\\top.txt", "t");
  WriteText(dir + "w\\s1\\one.txt", "1");
  WriteText(dir + "w\\s1\\s2\\two.txt", "2");
  TZLBArc2 arc;
  arc.SavePaths = true;
  arc.RecursePaths = true;
  arc.BaseDir = BaseOf(dir + "w\\");
  arc.CreateArchive(dir + "r.zlb");
  // Sub-folders listed by AddFolder, a sub-folder named again and a file named twice are
  // offered once; files keep the order in which they are first met.
  EXPECT_TRUE(Add(arc, {dir + "w", dir + "w\\s1", dir + "w\\top.txt"}).empty());
  EXPECT_EQ(EntryNames(arc), (std::vector<std::string>{"top.txt", "s1\\s2\\two.txt", "s1\\one.txt"}));

  // A file that is already an entry is reported and stored once more.
  arc.BaseDir.clear();
  arc.SavePaths = false;
  arc.RecursePaths = false;
  WriteText(dir + "again.txt", "a");
  Add(arc, {dir + "again.txt"});
  std::vector<std::string> log = Add(arc, {dir + "again.txt"});
  EXPECT_EQ(log, std::vector<std::string>{dir + "again.txt already exists in the archive"});
  EXPECT_EQ(arc.FileCount(), 5);
  // The folder that holds the archive: everything but the archive file itself.
  arc.RecursePaths = true;
  Add(arc, {dir});
  std::vector<std::string> names = EntryNames(arc);
  EXPECT_EQ(names.size(), 9u);  // again.txt and the three files of w once more
  EXPECT_EQ(std::count(names.begin(), names.end(), "r.zlb"), 0);
}

TEST(ArchiveWrite, LegacyArchivesAreNeverModified) {
  std::string dir = ScratchFolder("legacy");
  // One raw legacy entry "a.txt" holding "abc", directory stored raw.
  Bytes file = {'a', 'b', 'c'};
  Bytes record(532, 0);
  record[0] = 5;
  std::copy_n("a.txt", 5, record.begin() + 1);
  record[512] = 3;  // uncompressed size
  uint32_t contentCrc = Crc(file.data(), 3);
  for (int i = 0; i < 4; ++i) record[524 + i] = static_cast<uint8_t>(contentCrc >> (8 * i));
  record[528] = 1;
  file.insert(file.end(), record.begin(), record.end());
  uint32_t crc = Crc(file.data(), file.size());
  Bytes footer(36, 0);
  for (int i = 0; i < 4; ++i) footer[i] = static_cast<uint8_t>(crc >> (8 * i));
  footer[4] = 1;       // entry count
  footer[8] = 1;       // version
  footer[12] = 532 & 0xFF, footer[13] = 532 >> 8;  // directory size
  footer[16] = 3;      // data size
  file.insert(file.end(), footer.begin(), footer.end());
  WriteAll(dir + "old.zlb", file);
  WriteText(dir + "new.txt", "n");

  TZLBArc2 arc;
  ASSERT_TRUE(arc.OpenArchive(dir + "old.zlb"));
  ASSERT_TRUE(arc.IsLegacy());
  std::vector<std::string> items = {dir + "new.txt"};
  EXPECT_EQ(ThrownError([&] { arc.AddFiles(items, false); }),
            "The specified archive file was created by an older version of Coffrel.\r\n"
            "Please convert this archive before trying to modify/update it");
  EXPECT_EQ(ReadAll(dir + "old.zlb"), file);
}

TEST(ArchiveWrite, CreateArchiveRefusesAnExistingFileAndLeavesNothingOpen) {
  std::string dir = ScratchFolder("exists");
  WriteText(dir + "there.zlb", "not an archive");
  TZLBArc2 arc;
  EXPECT_EQ(ThrownError([&] { arc.CreateArchive(dir + "there.zlb"); }),
            dir + "there.zlb already exists in the archive");
  EXPECT_FALSE(arc.IsOpen());
  std::vector<std::string> items;
  EXPECT_THROW(arc.AddFiles(items, false), EZLBError);
  EXPECT_EQ(ReadAll(dir + "there.zlb").size(), 14u);

  // A file that appears under the new archive's name before it is written is kept.
  WriteText(dir + "one.txt", "1");
  arc.CreateArchive(dir + "later.zlb");
  WriteText(dir + "later.zlb", "someone else's");
  EXPECT_EQ(Add(arc, {dir + "one.txt"}), std::vector<std::string>{dir + "later.zlb already exists in the archive"});
  EXPECT_EQ(ReadAll(dir + "later.zlb").size(), 14u);
  EXPECT_EQ(TempLeftovers(dir), 0u);
}

TEST(ArchiveWrite, LargeFilesGoThroughATemporaryFileWithTheSameBytes) {
  std::string dir = ScratchFolder("maxmem");
  std::string temps = ScratchFolder("maxmem_temp");
  WriteAll(dir + "big.txt", Compressible(3 << 20, 11));
  WriteAll(dir + "noise.bin", Noise(1 << 20, 12));
  Bytes inMemory, throughFile;
  for (int maxMemory : {20, 0}) {
    TZLBArc2 arc;
    arc.MaxMemoryUsage = maxMemory;
    arc.TempDir = temps;
    size_t tempsDuringCompression = 0;
    arc.OnProgress = [&](const std::string& msg, int) {
      if (msg.rfind("Updating ", 0) == 0) tempsDuringCompression = std::max(tempsDuringCompression, TempLeftovers(temps));
    };
    std::string name = dir + "m" + std::to_string(maxMemory) + ".zlb";
    arc.CreateArchive(name);
    EXPECT_TRUE(Add(arc, {dir + "big.txt", dir + "noise.bin"}).empty());
    EXPECT_EQ(tempsDuringCompression, maxMemory == 0 ? 1u : 0u);
    (maxMemory ? inMemory : throughFile) = ReadAll(name);
  }
  EXPECT_EQ(inMemory, throughFile);
  EXPECT_EQ(TempLeftovers(temps), 0u);
}

TEST(ArchiveWrite, EncryptionHandlerStoresMethodsTwoAndThree) {
  std::string dir = ScratchFolder("encrypt");
  Bytes text = Compressible(10000, 5), noise = Noise(2000, 6);
  WriteAll(dir + "text.txt", text);
  WriteAll(dir + "noise.bin", noise);
  auto xorCopy = [](TStream& in, TStream& out, const std::string& password) {
    uint8_t b;
    size_t i = 0;
    while (in.Read(&b, 1) == 1) {
      b ^= static_cast<uint8_t>(password[i++ % password.size()]);
      out.Write(&b, 1);
    }
  };
  TZLBArc2 arc;
  arc.Password = "secret";
  arc.OnEncryptStream = xorCopy;
  arc.CreateArchive(dir + "x.zlb");
  EXPECT_TRUE(Add(arc, {dir + "text.txt", dir + "noise.bin"}, true).empty());
  Decoded d = Decode(ReadAll(dir + "x.zlb"));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.entries[0].Method, smCompressedEncrypted);
  EXPECT_EQ(d.entries[0].Level, fcDefault);
  EXPECT_EQ(d.entries[0].EncryptedSize, d.entries[0].CompressedSize);
  EXPECT_EQ(d.entries[1].Method, smStoredEncrypted);
  EXPECT_EQ(d.entries[1].Level, fcNone);
  EXPECT_EQ(d.entries[1].EncryptedSize, 2000);
  EXPECT_EQ(d.entries[1].CompressedSize, 0);
  EXPECT_EQ(d.entries[1].DataOffset, d.entries[0].EncryptedSize);

  arc.OnDecryptStream = [&](TStream& in, TStream& out, uint32_t size, const std::string& password) {
    TMemoryStream part;
    part.CopyFrom(in, size);
    part.Seek(0);
    xorCopy(part, out, password);
  };
  std::string out = ExtractAll(arc, "encrypt_out");
  EXPECT_EQ(ReadAll(out + "text.txt"), text);
  EXPECT_EQ(ReadAll(out + "noise.bin"), noise);
}

TEST(ArchiveWrite, EventsRenameEntriesAndReportProgress) {
  std::string dir = ScratchFolder("events");
  WriteAll(dir + "big.bin", Noise(300000, 8));
  WriteText(dir + "small.txt", "s");
  TZLBArc2 arc;
  arc.OnFileAddUpdate = [](std::string& path, std::string& name) {
    path = "renamed\\";
    name = name == "small.txt" ? std::string(300, 'n') : name;
  };
  std::vector<std::pair<std::string, int>> progress;
  arc.OnProgress = [&](const std::string& msg, int percentage) { progress.emplace_back(msg, percentage); };
  arc.CreateArchive(dir + "ev.zlb");
  EXPECT_TRUE(Add(arc, {dir + "big.bin", dir + "small.txt"}).empty());
  EXPECT_EQ(EntryNames(arc), (std::vector<std::string>{"renamed\\big.bin", "renamed\\" + std::string(255, 'n')}));
  // Noise does not shrink: its zlib stream fills several 64 KiB buffers on the way.
  std::vector<int> updating;
  size_t moving = 0;
  for (auto& p : progress) {
    if (p.first == "Updating " + dir + "big.bin") updating.push_back(p.second);
    if (p.first == "Moving and renaming the temporary file") ++moving;
  }
  ASSERT_GE(updating.size(), 4u);
  EXPECT_TRUE(std::is_sorted(updating.begin(), updating.end()));
  EXPECT_LE(updating.back(), 100);
  EXPECT_EQ(moving, 1u);
}

// Files compressed ahead on helper threads give the bytes and events of a run without
// them, also with unreadable files and files too large for memory in between.
TEST(ArchiveWrite, HelperThreadsChangeNeitherBytesNorEvents) {
  std::string dir = ScratchFolder("threads");
  std::vector<std::string> items;
  for (int i = 0; i < 12; ++i) {
    std::string name = dir + "f" + std::to_string(i) + (i % 3 == 2 ? ".bin" : ".txt");
    if (i == 4) {
      items.push_back(dir + "missing.txt");
      continue;
    }
    WriteAll(name, i % 3 == 2 ? Noise(70000 + 1000 * i, i) : Compressible(150000 + 30000 * i, i));
    items.push_back(name);
  }
  WriteAll(dir + "large.txt", Compressible(1300000, 99));  // above MaxMemoryUsage = 1
  items.insert(items.begin() + 6, dir + "large.txt");
  WriteText(dir + "empty.txt", "");
  items.push_back(dir + "empty.txt");

  std::vector<Bytes> archives;
  std::vector<std::vector<std::string>> events;
  for (int threads : {1, 2, 3}) {
    SCOPED_TRACE(threads);
    TZLBArc2 arc;
    arc.CompressionThreads = threads;
    arc.MaxMemoryUsage = 1;
    std::vector<std::string> seen;
    arc.OnProgress = [&](const std::string& msg, int pct) { seen.push_back(msg + " " + std::to_string(pct)); };
    std::string name = dir + "t" + std::to_string(threads) + ".zlb";
    arc.CreateArchive(name);
    std::vector<std::string> log = Add(arc, items);
    EXPECT_EQ(log, std::vector<std::string>{"Unable to open archive " + dir + "missing.txt"});
    EXPECT_EQ(arc.FileCount(), 13);
    archives.push_back(ReadAll(name));
    seen.erase(std::remove_if(seen.begin(), seen.end(),
                              [&](const std::string& e) { return e.find(name) != std::string::npos; }),
               seen.end());  // the idle notifications name the archive file
    events.push_back(seen);
  }
  EXPECT_TRUE(Decode(archives[0]).ok);
  EXPECT_EQ(archives[1], archives[0]);
  EXPECT_EQ(archives[2], archives[0]);
  EXPECT_GT(events[0].size(), 8u);
  EXPECT_EQ(events[1], events[0]);
  EXPECT_EQ(events[2], events[0]);
}

// WriteDirectory on any stream: the directory and footer of an opened archive written
// behind its own data give the archive again, byte for byte.
TEST(ArchiveWrite, WriteDirectoryReproducesAnArchive) {
  std::string dir = ScratchFolder("directory");
  WriteAll(dir + "a.txt", Compressible(90000, 1));
  WriteAll(dir + "b.bin", Noise(1000, 2));
  TZLBArc2 arc;
  arc.CreateArchive(dir + "d.zlb");
  Add(arc, {dir + "a.txt", dir + "b.bin"});
  Bytes file = ReadAll(dir + "d.zlb");
  TMemoryStream copy(Bytes(file.begin(), file.begin() + arc.Footer().DataSize));
  copy.Seek(copy.Size());
  arc.WriteDirectory(copy);
  EXPECT_EQ(copy.Bytes(), file);
}

TEST(CrcTrackingStream, KeepsTheCrcOfAppendsAndGivesUpOnRewrites) {
  TMemoryStream inner;
  TCrcTrackingStream s(inner, 2);
  s.Write("pr", 2);
  s.Write("", 0);
  s.Write("eabc", 4);  // the offset falls inside this write
  s.SetSize(6);
  Bytes tail = {'e', 'a', 'b', 'c'};
  ASSERT_TRUE(s.CrcValid());
  EXPECT_EQ(s.Crc(), Crc(tail.data(), tail.size()));
  s.SetSize(5);
  EXPECT_FALSE(s.CrcValid());
  TCrcTrackingStream t(inner, 0);  // bytes it has not seen
  EXPECT_FALSE(t.CrcValid());
  TMemoryStream other;
  TCrcTrackingStream u(other, 0);
  u.Write("ab", 2);
  u.Seek(0);
  u.Write("x", 1);
  EXPECT_FALSE(u.CrcValid());
}

// An archive written by other code (raw directory, stale bytes behind a shortened path,
// prefix in front) takes new entries; its own bytes stay as they were.
TEST(ArchiveWrite, AddsToAnArchiveWrittenElsewhere) {
  std::string dir = ScratchFolder("foreign");
  Bytes prefix = Noise(999, 1), content = Compressible(5000, 2);
  Bytes packed = Deflate(content, 9);
  TZLBEntry e;
  e.Name = "old.txt";
  e.StoredPath = "docs\\";
  e.UncompressedSize = 5000;
  e.CompressedSize = static_cast<int64_t>(packed.size());
  e.ContentCRC = Crc(content.data(), content.size());
  e.Method = smCompressed;
  e.Level = fcMaximum;
  Bytes record(550);
  zlbformat::EncodeRecord(e, record.data());
  record[256 + 6] = 'X';  // meaningless bytes after the path's length
  Bytes file = prefix;
  file.insert(file.end(), packed.begin(), packed.end());
  file.insert(file.end(), record.begin(), record.end());
  TZLBFooter f;
  f.EntryCount = 1;
  f.DirectorySize = 550;
  f.DataSize = static_cast<int64_t>(packed.size());
  f.DirectoryCompressed = false;
  f.ArchiveCRC = Crc(file.data() + 999, file.size() - 999);
  Bytes footer(36);
  zlbformat::EncodeFooter(f, footer.data());
  file.insert(file.end(), footer.begin(), footer.end());
  WriteAll(dir + "foreign.exe", file);
  WriteText(dir + "new.txt", "new");

  TZLBArc2 arc;
  ASSERT_TRUE(arc.OpenArchive(dir + "foreign.exe"));
  EXPECT_TRUE(Add(arc, {dir + "new.txt"}).empty());
  Bytes after = ReadAll(dir + "foreign.exe");
  EXPECT_TRUE(std::equal(file.begin(), file.begin() + 999 + static_cast<std::ptrdiff_t>(packed.size()), after.begin()));
  Decoded d = Decode(after);
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.start, 999);
  EXPECT_TRUE(d.footer.DirectoryCompressed);
  ASSERT_EQ(d.entries.size(), 2u);
  EXPECT_EQ(d.entries[0].StoredPath + d.entries[0].Name, "docs\\old.txt");
  EXPECT_EQ(Content(after, d, d.entries[0]), content);
  EXPECT_EQ(d.entries[1].DataOffset, static_cast<int64_t>(packed.size()));
  EXPECT_EQ(Content(after, d, d.entries[1]), (Bytes{'n', 'e', 'w'}));
}
