// Skin files and packages: TSkinReader lookups, the old-format message, and damaged,
// oversized or hostile packages (refused or read as empty, never read past the data).
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "skin/data/lzh.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_reader.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

void PutInt32(std::vector<uint8_t>& out, int32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}

// A package written field by field, so tests can make it lie.
std::vector<uint8_t> RawPackage(int32_t format, const std::string& names, const std::vector<int32_t>& sizes,
                                const std::string& data, int32_t name_length = INT32_MIN) {
  std::vector<uint8_t> p;
  PutInt32(p, format);
  PutInt32(p, name_length != INT32_MIN ? name_length : static_cast<int32_t>(names.size()));
  p.insert(p.end(), 8, 0xAB);
  p.insert(p.end(), names.begin(), names.end());
  for (int32_t s : sizes) PutInt32(p, s);
  p.insert(p.end(), data.begin(), data.end());
  return p;
}

std::vector<uint8_t> SkinFile(const std::vector<uint8_t>& package) { return BuildSkinFile(package); }

std::string EntryText(const TSkinReader& reader, const std::string& name) {
  TMemoryStream out;
  reader.GetEntry(name, out);
  EXPECT_EQ(out.Position(), 0);
  return std::string(out.Bytes().begin(), out.Bytes().end());
}

bool Load(TSkinReader& reader, const std::vector<uint8_t>& file) {
  return reader.LoadPackage(file.data(), file.size());
}

}  // namespace

TEST(SkinPackageTest, BuiltPackageLoadsAndEntriesAreFoundByFoldedName) {
  std::vector<uint8_t> package =
      BuildSkinPackage({{"Skin.ini", Bytes("[Personality]\r\n")}, {"Top.bmp", Bytes("BMtop")}, {"x.bmp", {}}});
  TSkinReader reader;
  TMemoryStream file(SkinFile(package));
  ASSERT_TRUE(reader.LoadPackage(file));
  EXPECT_EQ(reader.Status(), SkinLoadStatus::Ok);
  EXPECT_EQ(reader.EntryCount(), 3);
  EXPECT_EQ(reader.EntryNames(), (std::vector<std::string>{"skin.ini", "top.bmp", "x.bmp"}));
  EXPECT_EQ(reader.Header().format, 20000);
  EXPECT_EQ(EntryText(reader, "TOP.BMP"), "BMtop");
  EXPECT_EQ(EntryText(reader, "x.bmp"), "");
  EXPECT_EQ(EntryText(reader, "nothing.bmp"), "");

  TMemoryStream out;
  std::string name = "unchanged";
  EXPECT_FALSE(reader.FindEntry(".INI", out, name));  // the search text is not folded
  EXPECT_EQ(out.Size(), 0);
  ASSERT_TRUE(reader.FindEntry(".ini", out, name));
  EXPECT_EQ(name, "skin.ini");
  EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), "[Personality]\r\n");
}

TEST(SkinPackageTest, NameBlockSplitsLikeATextList) {
  const uint8_t text[] = "a\r\nb\rc\n\r\nD\r\n";
  EXPECT_EQ(SplitNameBlock(text, sizeof text - 1), (std::vector<std::string>{"a", "b", "c", "", "d"}));
  const uint8_t with_nul[] = {'a', '\n', 'b', 0, 'c', '\n'};
  EXPECT_EQ(SplitNameBlock(with_nul, sizeof with_nul), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(SplitNameBlock(text, 0).empty());
  const uint8_t no_break[] = {'o', 'n', 'e'};
  EXPECT_EQ(SplitNameBlock(no_break, 3), (std::vector<std::string>{"one"}));
}

TEST(SkinPackageTest, EmptyNameLineIsAnEntryAndDuplicatesReturnTheFirst) {
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, SkinFile(RawPackage(20000, "a.bmp\r\n\r\na.bmp\r\n", {2, 3, 4}, "11222" "3333"))));
  EXPECT_EQ(reader.EntryCount(), 3);
  EXPECT_EQ(reader.EntryNames()[1], "");
  EXPECT_EQ(reader.EntrySize(1), 3);
  EXPECT_EQ(EntryText(reader, "a.bmp"), "11");
  EXPECT_EQ(EntryText(reader, ""), "222");
}

TEST(SkinPackageTest, OtherFormatShowsTheOldSkinMessageAndKeepsTheEntries) {
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, SkinFile(RawPackage(20000, "a.bmp\r\n", {1}, "A"))));
  EXPECT_FALSE(Load(reader, SkinFile(RawPackage(19999, "b.bmp\r\n", {1}, "B"))));
  EXPECT_EQ(reader.Status(), SkinLoadStatus::OldFormat);
  EXPECT_STREQ(kOldSkinMessage, "This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(reader.Message(), kOldSkinMessage);
  EXPECT_EQ(reader.Header().format, 19999);
  EXPECT_EQ(EntryText(reader, "a.bmp"), "A");
  EXPECT_EQ(EntryText(reader, "b.bmp"), "");
}

TEST(SkinPackageTest, ZeroOrNegativeLengthOrShortFileGivesAnEmptyPackage) {
  for (const std::vector<uint8_t>& file :
       {std::vector<uint8_t>{}, std::vector<uint8_t>{1, 0}, std::vector<uint8_t>{0, 0, 0, 0, 0x12},
        std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0x34}}) {
    TSkinReader reader;
    EXPECT_FALSE(Load(reader, file));
    EXPECT_EQ(reader.Status(), SkinLoadStatus::OldFormat);
    EXPECT_EQ(reader.Header().format, 0);
    EXPECT_EQ(reader.EntryCount(), 0);
  }
}

TEST(SkinPackageTest, LengthFieldBeyondWhatASkinOrTheStreamHoldsIsRefused) {
  struct Case {
    int32_t length;
    size_t stream_bytes;
  };
  for (Case c : {Case{0x7FFFFFFF, 100000}, Case{skinpkg::kMaxPackageSize + 1, 2000000},
                 Case{static_cast<int32_t>(lzh::MaxOutputFor(10) + 1), 10}}) {
    std::vector<uint8_t> file;
    PutInt32(file, c.length);
    file.resize(4 + c.stream_bytes, 0x55);
    TSkinReader reader;
    EXPECT_FALSE(Load(reader, file)) << c.length;
    EXPECT_EQ(reader.Status(), SkinLoadStatus::TooLarge);
    EXPECT_NE(reader.Message().find("damaged"), std::string::npos) << reader.Message();
  }
  // At the bound a truncated stream still decodes (to garbage) and is judged by its header.
  std::vector<uint8_t> file;
  PutInt32(file, static_cast<int32_t>(lzh::MaxOutputFor(10)));
  file.resize(14, 0x00);
  TSkinReader reader;
  EXPECT_FALSE(Load(reader, file));
  EXPECT_NE(reader.Status(), SkinLoadStatus::TooLarge);
}

TEST(SkinPackageTest, ANormalSkinFileStaysWithinTheExpansionBound) {
  std::vector<uint8_t> zeros(1 << 20, 0);  // about the best case for the compressor
  std::vector<uint8_t> file = BuildSkinFile(BuildSkinPackage({{"s.ini", zeros}}));
  TSkinReader reader;
  EXPECT_TRUE(Load(reader, file)) << reader.Message();
}

TEST(SkinPackageTest, EntryCountIsLimitedTo1001) {
  auto names = [](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "e" + std::to_string(i) + ".bmp\r\n";
    return text;
  };
  TSkinReader reader;
  EXPECT_TRUE(Load(reader, SkinFile(RawPackage(20000, names(1001), std::vector<int32_t>(1001, 0), ""))));
  EXPECT_EQ(reader.EntryCount(), 1001);
  EXPECT_FALSE(Load(reader, SkinFile(RawPackage(20000, names(1002), std::vector<int32_t>(1002, 0), ""))));
  EXPECT_EQ(reader.Status(), SkinLoadStatus::Damaged);
  EXPECT_EQ(reader.EntryCount(), 1001);  // the earlier package stays

  std::vector<TSkinEntrySource> too_many(1002, TSkinEntrySource{"x.bmp", {}});
  EXPECT_THROW(BuildSkinPackage(too_many), std::invalid_argument);
}

TEST(SkinPackageTest, BadNameLengthSizesOrTableAreRefused) {
  struct Case {
    const char* what;
    std::vector<uint8_t> package;
  };
  const Case cases[] = {
      {"negative name length", RawPackage(20000, "a.bmp\r\n", {1}, "A", -5)},
      {"name length past the end", RawPackage(20000, "a.bmp\r\n", {1}, "A", 1000)},
      {"negative size", RawPackage(20000, "a.bmp\r\nb.bmp\r\n", {1, -1}, "AB")},
      {"size table past the end", RawPackage(20000, "a.bmp\r\nb.bmp\r\nc.bmp\r\n", {1}, "")},
      {"header cut short", std::vector<uint8_t>{0x20, 0x4E, 0, 0, 3, 0}},
  };
  for (const Case& c : cases) {
    TSkinReader reader;
    EXPECT_FALSE(Load(reader, SkinFile(c.package))) << c.what;
    EXPECT_EQ(reader.Status(), SkinLoadStatus::Damaged) << c.what;
    EXPECT_FALSE(reader.Message().empty()) << c.what;
  }
}

TEST(SkinPackageTest, EntriesRunningPastTheDataReadAsEmpty) {
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, SkinFile(RawPackage(20000, "a\r\nb\r\nc\r\n", {2, 0x7FFFFFFF, 1}, "AAB"))));
  EXPECT_EQ(EntryText(reader, "a"), "AA");
  EXPECT_EQ(EntryText(reader, "b"), "");
  EXPECT_EQ(EntryText(reader, "c"), "");  // starts past the end after b's size
  const uint8_t* data;
  size_t size;
  EXPECT_FALSE(reader.EntryBytes(1, data, size));
  EXPECT_FALSE(reader.EntryBytes(3, data, size));
  EXPECT_FALSE(reader.EntryBytes(-1, data, size));
}

TEST(SkinPackageTest, DecompressReadsTheLengthAndFillsTheOutputStream) {
  std::vector<uint8_t> package = Bytes("any bytes at all, not only packages");
  TMemoryStream input(BuildSkinFile(package));
  input.Seek(7);
  TMemoryStream output;
  ASSERT_TRUE(TSkinReader::Decompress(input, output));
  EXPECT_EQ(output.Bytes(), package);

  std::vector<uint8_t> huge;
  PutInt32(huge, 0x40000000);
  huge.resize(100);
  TMemoryStream bad(huge);
  TMemoryStream none;
  EXPECT_FALSE(TSkinReader::Decompress(bad, none));
  EXPECT_EQ(none.Size(), 0);
}

TEST(SkinPackageTest, BuildRefusesNamesWithLineBreaks) {
  EXPECT_THROW(BuildSkinPackage({{"a\r.bmp", {}}}), std::invalid_argument);
  EXPECT_THROW(BuildSkinPackage({{std::string("a\0b", 3), {}}}), std::invalid_argument);
}
