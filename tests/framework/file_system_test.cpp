// The file-system seam and the streams, in both trees.
#include <gtest/gtest.h>

#include "framework/file_system.h"
#include "framework/stream.h"

namespace {
std::string Scratch() {
  std::string dir = fsys::TempFolder() + "qm_fs_test" + std::string(1, fsys::Separator());
  fsys::CreateFolders(dir);
  return dir;
}
}  // namespace

TEST(FileSystem, CreatesNestedFoldersWithBackslashes) {
  std::string dir = Scratch() + "a\\b\\c";
  ASSERT_TRUE(fsys::CreateFolders(dir));
  EXPECT_TRUE(fsys::FolderExists(dir));
  EXPECT_FALSE(fsys::FileExists(dir));
}

TEST(FileSystem, FileStreamWritesReadsAndReplaces) {
  std::string a = Scratch() + "a.bin", b = Scratch() + "b.bin";
  {
    TFileStream f(a, FileMode::Create);
    f.Write("hello", 5);
    EXPECT_EQ(f.Size(), 5);
  }
  {
    TFileStream f(b, FileMode::Create);
    f.Write("old", 3);
  }
  ASSERT_TRUE(fsys::MoveReplace(a, b));
  EXPECT_FALSE(fsys::FileExists(a));
  TFileStream f(b, FileMode::Read);
  char text[6] = {};
  f.ReadBuffer(text, 5);
  EXPECT_STREQ(text, "hello");
  EXPECT_THROW(f.ReadBuffer(text, 1), EStreamError);
}

TEST(FileSystem, MissingFileCannotBeOpened) {
  EXPECT_THROW(TFileStream(Scratch() + "missing.bin", FileMode::Read), EStreamError);
  EXPECT_EQ(fsys::FileSize(Scratch() + "missing.bin"), -1);
}

TEST(FileSystem, TempFilesAreUniqueAndEmpty) {
  std::string one = fsys::CreateTempFile("", "ZLB"), two = fsys::CreateTempFile("", "ZLB");
  ASSERT_FALSE(one.empty());
  EXPECT_NE(one, two);
  EXPECT_EQ(fsys::FileSize(one), 0);
  EXPECT_TRUE(fsys::RemoveFile(one));
  EXPECT_TRUE(fsys::RemoveFile(two));
}

TEST(MemoryStream, CopyFromWholeSource) {
  TMemoryStream src, dst;
  src.Write("abcdef", 6);
  EXPECT_EQ(dst.CopyFrom(src, 0), 6);
  EXPECT_EQ(std::string(dst.Bytes().begin(), dst.Bytes().end()), "abcdef");
}
