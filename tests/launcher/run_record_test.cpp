// The run record's text: what is written reads back the same, and anything cut short,
// malformed or unknown is refused as a whole.
#include <gtest/gtest.h>

#include "launcher/run_record.h"

TEST(RunRecord, ReadsBackWhatIsWritten) {
  TRunRecord record;
  record.WorkDir = "C:\\users\\me\\Temp\\4711\\";
  record.Launcher = {1234, 133000000000000000ull};
  record.Program = {0, 0};
  record.Restored = true;
  record.Files = {{"notes\\a b.txt", 5, 0xDEADBEEF, 1330000000000}, {"x", 0, 0, 0}};
  TRunRecord read;
  ASSERT_TRUE(ParseRunRecord(FormatRunRecord(record), read));
  EXPECT_EQ(read.WorkDir, record.WorkDir);
  EXPECT_EQ(read.Launcher.Id, 1234u);
  EXPECT_EQ(read.Launcher.Start, 133000000000000000ull);
  EXPECT_TRUE(read.Restored);
  ASSERT_EQ(read.Files.size(), 2u);
  EXPECT_EQ(read.Files[0].Path, "notes\\a b.txt");
  EXPECT_EQ(read.Files[0].CRC, 0xDEADBEEFu);
  EXPECT_EQ(read.Files[0].WriteTime, 1330000000000);
  EXPECT_EQ(read.Files[1].Size, 0);
}

TEST(RunRecord, RefusesAnythingButACompleteRecord) {
  const std::string head = "Quillmere run record 1\nworkdir=C:\\t\\1\\\n";
  const char* const bad[] = {
      "",
      "Quillmere run record 2\nworkdir=C:\\t\\1\\\n",
      "Quillmere run record 1\n",                       // no work folder
      "Quillmere run record 1\nworkdir=C:\\t\\1\\",     // cut inside a line
      "\nworkdir=x\n",
  };
  TRunRecord r;
  for (const char* text : bad) EXPECT_FALSE(ParseRunRecord(text, r)) << text;
  const char* const badLines[] = {
      "launcher=12\n",                      // no start time
      "launcher=4294967296 1\n",            // number too large for a process
      "launcher=-1 5\n",
      "launcher=1 99999999999999999999999\n",  // overflows
      "program=1 2 3\n",
      "restored=yes\n",
      "file=1 0000000G 0 name\n",            // not hexadecimal
      "file=1 100000000 0 name\n",           // CRC wider than 32 bits
      "file=1 0 0\n",                        // no name
      "file=9223372036854775808 0 0 n\n",    // size beyond the signed range
      "colour=blue\n",
      "no equals sign\n",
  };
  for (const char* line : badLines) EXPECT_FALSE(ParseRunRecord(head + line, r)) << line;
  EXPECT_TRUE(ParseRunRecord(head + "launcher=1 2\nprogram=3 4\nrestored=0\nfile=1 ABCDEF01 7 a\n", r));
  EXPECT_FALSE(r.Restored);
  EXPECT_EQ(r.Program.Id, 3u);
}
