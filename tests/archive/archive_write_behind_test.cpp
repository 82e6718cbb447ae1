// Output written by a writer thread: order and CRC of the blocks, a write failure raised
// on the calling thread and the thread ready for the next output, and extraction of
// entries longer than one output block (events, damaged entries, failed writes).
#include <gtest/gtest.h>

#include <zlib.h>

#include <string>
#include <vector>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

#include "archive/archive_types.h"
#include "archive/block_writer.h"
#include "archive/write_behind.h"
#include "archive/zlb_archive.h"
#include "archive_builder.h"
#include "framework/file_system.h"
#include "framework/stream.h"

using testarc::Item;
using testarc::Options;
using zlbinflate::BlockWriter;
using zlbinflate::WriteBehind;

namespace {
// A memory stream whose write number failAt (counted from 1) and all after it fail.
class FailingStream : public TMemoryStream {
 public:
  explicit FailingStream(int failAt) : failAt_(failAt) {}
  void Write(const void* buffer, size_t count) override {
    if (++writes_ >= failAt_) throw EStreamError("Stream write error");
    TMemoryStream::Write(buffer, count);
  }

 private:
  int failAt_;
  int writes_ = 0;
};

std::string Pattern(size_t size, uint32_t seed) {
  std::string s(size, '\0');
  for (size_t i = 0; i < size; ++i) {
    seed = seed * 1103515245u + 12345u;
    s[i] = static_cast<char>(seed >> 16);
  }
  return s;
}

uint32_t Crc(const std::string& s) {
  return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(s.data()), static_cast<uInt>(s.size())));
}

// Feeds content through a BlockWriter in pieces of step bytes; returns Finish().
uint32_t Feed(const std::string& content, size_t step, TStream& dest, bool withCrc, std::vector<uint8_t>& buffer,
              WriteBehind* behind) {
  BlockWriter writer(dest, static_cast<int64_t>(content.size()), withCrc, buffer, behind);
  for (size_t at = 0; at < content.size();) {
    size_t n = std::min({step, writer.Room(), content.size() - at});
    std::copy(content.data() + at, content.data() + at + n, writer.Tail());
    writer.Commit(n);
    at += n;
  }
  return writer.Finish();
}

std::string Text(const TMemoryStream& s) { return std::string(s.Bytes().begin(), s.Bytes().end()); }
}  // namespace

TEST(WriteBehind, BlocksArriveInOrderWithTheirCrc) {
  WriteBehind behind(4096, 2);
  std::vector<uint8_t> buffer;
  for (size_t size : {size_t{1}, size_t{4096}, size_t{4097}, size_t{3 * 4096}, size_t{200000}}) {
    std::string content = Pattern(size, static_cast<uint32_t>(size));
    TMemoryStream out;
    EXPECT_EQ(Feed(content, 1000, out, true, buffer, &behind), Crc(content)) << size;
    EXPECT_TRUE(Text(out) == content) << size;
    TMemoryStream plain;
    EXPECT_EQ(Feed(content, 777, plain, false, buffer, &behind), 0u) << size;
    EXPECT_TRUE(Text(plain) == content) << size;
  }
}

// Without its thread (the system had none to give) the caller writes every block.
TEST(WriteBehind, WithoutItsThreadTheCallerWritesEverything) {
  WriteBehind behind(4096, 2, [](std::function<void()>) { return qmthread::Thread(); });
  EXPECT_FALSE(behind.HasThread());
  std::vector<uint8_t> buffer;
  for (size_t size : {size_t{4097}, size_t{200000}}) {
    std::string content = Pattern(size, static_cast<uint32_t>(size));
    TMemoryStream out;
    EXPECT_EQ(Feed(content, 1000, out, true, buffer, &behind), Crc(content)) << size;
    EXPECT_TRUE(Text(out) == content) << size;
  }
  FailingStream failing(2);
  EXPECT_THROW(Feed(Pattern(100000, 3), 4096, failing, true, buffer, &behind), EStreamError);
}

TEST(WriteBehind, WriteFailureReachesTheCallerAndTheNextOutputIsSound) {
  WriteBehind behind(4096, 3);
  std::vector<uint8_t> buffer;
  std::string content = Pattern(100000, 7);
  for (int failAt : {1, 2, 5, 25}) {
    FailingStream failing(failAt);
    try {
      Feed(content, 4096, failing, true, buffer, &behind);
      FAIL() << failAt;
    } catch (const EStreamError& e) {
      EXPECT_STREQ(e.what(), "Stream write error");
    }
    EXPECT_LT(failing.Size(), static_cast<int64_t>(content.size()));
    TMemoryStream next;
    EXPECT_EQ(Feed(content, 5000, next, true, buffer, &behind), Crc(content)) << failAt;
    EXPECT_TRUE(Text(next) == content) << failAt;
  }
  {  // an output given up half-way (a decoding failure) leaves the thread ready too
    TMemoryStream dropped;
    BlockWriter writer(dropped, 100000, false, buffer, &behind);
    for (int i = 0; i < 5; ++i) writer.Commit(writer.Room());
  }
  TMemoryStream last;
  EXPECT_EQ(Feed(content, 4096, last, true, buffer, &behind), Crc(content));
  EXPECT_TRUE(Text(last) == content);
}

namespace {
class LongEntries : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = testarc::ScratchFolder("behind"); }
  void TearDown() override {
    arc_.CloseArchive();
    testarc::RemoveTree(dir_.substr(0, dir_.size() - 1));
  }
  // Entries of 2.5 MB and 3 MB (several output blocks), a short one and a stored one.
  void Open(const Options& o = {}) {
    items_ = {{"a.bin", "", Pattern(2500000, 1) + std::string(500000, 'a')},
              {"short.txt", "", "short"},
              {"b.bin", "", std::string(3 << 20, 'b') + Pattern(1000, 2)},
              {"raw.bin", "", Pattern(2200000, 3), smStored}};
    testarc::WriteFile(dir_ + "a.zlb", testarc::Build(items_, o));
    arc_.OpenArchive(dir_ + "a.zlb");
  }
  std::string dir_;
  TZLBArc2 arc_;
  std::vector<Item> items_;
};
}  // namespace

TEST_F(LongEntries, EachFileIsCompleteWhenReportedAndEventsKeepTheirOrder) {
  Open();
  std::string out = dir_ + "out\\";
  std::vector<std::string> events;
  arc_.OnProgress = [&](const std::string& m, int p) {
    if (events.empty() || events.back() != m) events.push_back(m);
    (void)p;
  };
  arc_.OnFileExtracted = [&](const std::string& f) {
    events.push_back("done " + f);
    std::string name = f.substr(out.size());
    for (const Item& i : items_) {  // the whole file is on disk when it is reported
      if (i.name == name) {
        EXPECT_EQ(fsys::FileSize(f), static_cast<int64_t>(i.content.size())) << name;
      }
    }
  };
  for (bool verify : {false, true}) {
    events.clear();
    arc_.VerifyFileCRC = verify;
    arc_.ExtractAll(out);
    EXPECT_EQ(events, (std::vector<std::string>{"Extracting a.bin", "done " + out + "a.bin", "Extracting short.txt",
                                                "done " + out + "short.txt", "Extracting b.bin",
                                                "done " + out + "b.bin", "done " + out + "raw.bin",
                                                dir_ + "a.zlb"}));
    for (const Item& i : items_) EXPECT_TRUE(testarc::ReadText(out + i.name) == i.content) << i.name;
  }
  arc_.OnProgress = nullptr;
}

TEST_F(LongEntries, DamagedLongEntryKeepsTheOldFileAndLeavesNothingBehind) {
  Options o;
  o.editRecords = [](std::vector<TZLBEntry>& r) {
    r[0].ContentCRC ^= 1;      // found only once everything was written
    r[2].CompressedSize -= 40;  // the stream ends early, after several blocks
  };
  Open(o);
  std::string out = dir_ + "out\\";
  fsys::CreateFolders(out);
  testarc::WriteText(out + "a.bin", "previous a");
  testarc::WriteText(out + "b.bin", "previous b");
  std::vector<std::string> log;
  arc_.OnErrorLogged = [&](const std::string& m) { log.push_back(m); };
  arc_.VerifyFileCRC = true;
  arc_.ExtractAll(out);
  EXPECT_EQ(log, (std::vector<std::string>{"a.bin failed CRC check", "The archive appears to be corrupted"}));
  EXPECT_EQ(testarc::ReadText(out + "a.bin"), "previous a");
  EXPECT_EQ(testarc::ReadText(out + "b.bin"), "previous b");
  EXPECT_TRUE(testarc::ReadText(out + "raw.bin") == items_[3].content);
  EXPECT_EQ(fsys::ListFolder(dir_ + "out").size(), 4u);  // no partial or temporary file
  try {
    arc_.ExtractFile(dir_ + "single", "b.bin");
    FAIL();
  } catch (const EZLBError& e) {
    EXPECT_STREQ(e.what(), "The archive appears to be corrupted");
  }
  EXPECT_TRUE(fsys::ListFolder(dir_ + "single").empty());
}

#ifndef _WIN32
// A write that fails on the writer thread (the file size limit of the process) is
// logged with the stream's message; the partial file is removed and the run goes on.
TEST_F(LongEntries, FailedWriteOfALongEntryIsLogged) {
  Open();
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  auto oldSignal = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 2 << 20;  // a.bin, b.bin and raw.bin are larger
  setrlimit(RLIMIT_FSIZE, &small);
  std::vector<std::string> log, done;
  arc_.OnErrorLogged = [&](const std::string& m) { log.push_back(m); };
  arc_.OnFileExtracted = [&](const std::string& f) { done.push_back(f); };
  arc_.ExtractAll(dir_ + "out\\");
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldSignal);
  EXPECT_EQ(log, std::vector<std::string>(3, "Stream write error"));
  EXPECT_EQ(done, std::vector<std::string>{dir_ + "out\\short.txt"});
  EXPECT_EQ(fsys::ListFolder(dir_ + "out").size(), 1u);
}
#endif
