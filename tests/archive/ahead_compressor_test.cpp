// Compression ahead on helper threads when the system gives fewer threads than asked
// for, or none: every file's result is still there, in order.
#include <gtest/gtest.h>

#include "archive/ahead_compressor.h"
#include "archive_builder.h"

TEST(AheadCompressor, HelpersThatCannotStartAreDoneWithout) {
  std::string dir = testarc::ScratchFolder("ahead");
  std::vector<std::string> files;
  for (int i = 0; i < 5; ++i) {
    files.push_back(dir + "f" + std::to_string(i) + ".txt");
    testarc::WriteText(files.back(), std::string(70000 + i, static_cast<char>('a' + i)));
  }
  for (int startable : {0, 1, 3}) {
    int started = 0;
    qmthread::ThreadStarter limited = [&](std::function<void()> work) {
#ifdef _WIN32
      // More address space for the stack than the process has: the system refuses.
      if (started == startable) return qmthread::Thread::Start(std::move(work), size_t{3} << 30);
#else
      if (started == startable) return qmthread::Thread();
#endif
      ++started;
      return qmthread::Thread::Start(std::move(work));
    };
    zlbahead::AheadCompressor compressor(files, 6, 3, 4, limited);
    EXPECT_EQ(compressor.HelperCount(), static_cast<size_t>(startable));
    for (const std::string& file : files) {
      zlbahead::Packed expected = zlbahead::CompressFile(file, 6);
      zlbahead::Packed got = compressor.TakeNext();
      ASSERT_TRUE(got.ok) << file;
      EXPECT_EQ(got.size, expected.size);
      EXPECT_EQ(got.crc, expected.crc);
      EXPECT_EQ(got.zlib, expected.zlib);
    }
    EXPECT_FALSE(compressor.TakeNext().ok);  // nothing after the last file
  }
  testarc::RemoveTree(dir.substr(0, dir.size() - 1));
}
