// Footer and record encoding: round trips, legacy conversion, string limits.
#include <gtest/gtest.h>

#include <cstring>

#include "archive/archive_format.h"
#include "archive_builder.h"

using namespace zlbformat;

TEST(ArchiveFormat, RecordRoundTripKeepsEveryField) {
  TZLBEntry in;
  in.Name = "program.exe";
  in.StoredPath = "bin\\x86\\";
  in.UncompressedSize = 0x123456789LL;
  in.CompressedSize = 0x2345678;
  in.EncryptedSize = 77;
  in.DataOffset = 0x100000000LL;
  in.ContentCRC = 0xDEADBEEF;
  in.Method = smCompressedEncrypted;
  in.Level = fcMaximum;
  uint8_t bytes[kRecordSize];
  EncodeRecord(in, bytes);
  TZLBEntry out;
  DecodeRecord(bytes, out);
  EXPECT_EQ(out.Name, in.Name);
  EXPECT_EQ(out.StoredPath, in.StoredPath);
  EXPECT_EQ(out.UncompressedSize, in.UncompressedSize);
  EXPECT_EQ(out.CompressedSize, in.CompressedSize);
  EXPECT_EQ(out.EncryptedSize, in.EncryptedSize);
  EXPECT_EQ(out.DataOffset, in.DataOffset);
  EXPECT_EQ(out.ContentCRC, in.ContentCRC);
  EXPECT_EQ(out.Method, in.Method);
  EXPECT_EQ(out.Level, in.Level);
  EXPECT_EQ(bytes[0], 11);
  EXPECT_EQ(bytes[12], 0);  // unused string bytes of a fresh record are zero
}

TEST(ArchiveFormat, StringsFillTheirFieldAndLongerOnesAreCut) {
  TZLBEntry in;
  in.Name = std::string(255, 'n');
  in.StoredPath = std::string(300, 'p');
  uint8_t bytes[kRecordSize];
  EncodeRecord(in, bytes);
  TZLBEntry out;
  DecodeRecord(bytes, out);
  EXPECT_EQ(out.Name, in.Name);
  EXPECT_EQ(out.StoredPath, std::string(255, 'p'));
}

TEST(ArchiveFormat, BytesBehindAStringAreIgnored) {
  TZLBEntry in;
  in.Name = "a.txt";
  uint8_t bytes[kRecordSize];
  EncodeRecord(in, bytes);
  std::memcpy(bytes + 6, "old-leftover", 12);
  TZLBEntry out;
  DecodeRecord(bytes, out);
  EXPECT_EQ(out.Name, "a.txt");
}

TEST(ArchiveFormat, FooterRoundTripAndVersions) {
  TZLBFooter in;
  in.ArchiveCRC = 0xCAFEBABE;
  in.EntryCount = 3;
  in.DirectorySize = 99;
  in.DataSize = 0x1122334455LL;
  in.DirectoryCompressed = true;
  uint8_t bytes[kFooterSize];
  EncodeFooter(in, bytes);
  TZLBFooter out;
  ASSERT_TRUE(DecodeFooter(bytes, out));
  EXPECT_EQ(out.Version, 2u);
  EXPECT_EQ(out.ArchiveCRC, in.ArchiveCRC);
  EXPECT_EQ(out.EntryCount, 3);
  EXPECT_EQ(out.DirectorySize, 99);
  EXPECT_EQ(out.DataSize, in.DataSize);
  EXPECT_TRUE(out.DirectoryCompressed);
  for (size_t i = 25; i < kFooterSize; ++i) EXPECT_EQ(bytes[i], 0) << i;
  bytes[8] = 3;
  EXPECT_FALSE(DecodeFooter(bytes, out));
  EXPECT_EQ(out.Version, 3u);
}

TEST(ArchiveFormat, LegacyRecordsAndFooterAreConvertedWithSignExtension) {
  testarc::Options legacy;
  legacy.version = 1;
  legacy.editRecords = [](std::vector<TZLBEntry>& r) { r[0].UncompressedSize = -5; };
  testarc::Bytes archive = testarc::Build({{"old.txt", "dir\\", "hello"}}, legacy);
  TZLBFooter footer;
  ASSERT_TRUE(DecodeFooter(archive.data() + archive.size() - kFooterSize, footer));
  EXPECT_EQ(footer.Version, 1u);
  EXPECT_EQ(footer.EntryCount, 1);
  EXPECT_TRUE(footer.DirectoryCompressed);
  EXPECT_EQ(footer.DataSize, static_cast<int64_t>(testarc::Zlib("hello").size()));

  uint8_t record[kLegacyRecordSize] = {};
  record[0] = 3;
  std::memcpy(record + 1, "a.b", 3);
  const uint8_t minusTwo[4] = {0xFE, 0xFF, 0xFF, 0xFF};
  std::memcpy(record + 512, minusTwo, 4);
  record[520] = 0x10;  // data offset 16
  record[528] = smStored;
  TZLBEntry e;
  e.EncryptedSize = 9;
  DecodeLegacyRecord(record, e);
  EXPECT_EQ(e.Name, "a.b");
  EXPECT_EQ(e.UncompressedSize, -2);
  EXPECT_EQ(e.DataOffset, 16);
  EXPECT_EQ(e.EncryptedSize, 0);
  EXPECT_EQ(e.Method, smStored);
}
