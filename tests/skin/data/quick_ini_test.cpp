// TQuickIni and the value syntaxes: lines, sections, keys, integers, colour triplets,
// RGB key triples, image names, and the section-name rules of the key catalogue.
#include <gtest/gtest.h>

#include "skin/data/quick_ini.h"
#include "skin/data/skin_keys.h"
#include "skin/data/skin_values.h"

namespace {
TQuickIni Ini(const std::string& text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  return ini;
}
}  // namespace

TEST(QuickIniTest, KeysAreTrimmedFoldedAndMatchedWithoutCase) {
  TQuickIni ini = Ini("[Buttons]\r\n  Trans = 1  \r\nTILE=2\r\n#Colour=5\r\nnovalue\r\n=7\r\n");
  EXPECT_EQ(ini.ReadString("Buttons", "trans", "d"), "1");
  EXPECT_EQ(ini.ReadInteger("BUTTONS", "Tile", 0), 2);
  EXPECT_EQ(ini.ReadString("Buttons", "#colour", "d"), "5");  // '#' starts no comment
  EXPECT_EQ(ini.ReadString("Buttons", "novalue", "d"), "d");
  EXPECT_EQ(ini.ReadString("Buttons", "missing", "d"), "d");
  EXPECT_EQ(ini.ReadString("Nowhere", "trans", "d"), "d");
  EXPECT_EQ(Ini("").ReadString("Buttons", "trans", "d"), "d");
}

TEST(QuickIniTest, FirstOccurrenceDecidesAndOnlyTheFirstSectionIsSearched) {
  TQuickIni ini = Ini(
      "[A]\nImage=\nImage=late.bmp\nStyle=1\n"
      "[B]\nStyle=2\n"
      "[a]\nStyle=3\nExtra=4\n");
  EXPECT_EQ(ini.ReadString("A", "Image", "none"), "none");
  EXPECT_EQ(ini.ReadInteger("A", "Style", 0), 1);
  EXPECT_EQ(ini.ReadInteger("A", "Extra", -1), -1);  // in the second [a], never seen
  EXPECT_EQ(ini.ReadInteger("B", "Extra", -1), -1);  // the walk stops at the next header
  EXPECT_EQ(ini.SectionIndex("a"), 0);
  EXPECT_EQ(ini.SectionIndex("B"), 4);
}

TEST(QuickIniTest, CommentsBlankLinesLineBreaksAndNul) {
  std::string text = "  ; indented comment\r\n\r\n[S]\rK1=a\n\nK2=b ; not a comment\r\n";
  text += std::string("K3=c\0K4=d\n", 10);
  TQuickIni ini = Ini(text);
  EXPECT_EQ(ini.LineCount(), 4u);
  EXPECT_EQ(ini.ReadString("S", "K1", ""), "a");
  EXPECT_EQ(ini.ReadString("S", "K2", ""), "b ; not a comment");
  EXPECT_EQ(ini.ReadString("S", "K3", ""), "c");
  EXPECT_EQ(ini.ReadString("S", "K4", "none"), "none");  // after the NUL

  TMemoryStream stream(std::vector<uint8_t>{'x', 'x', '[', 'T', ']', '\n', 'k', '=', '9'});
  stream.Seek(2);  // reads from the current position
  TQuickIni from_stream;
  from_stream.LoadFromStream(stream);
  EXPECT_EQ(from_stream.ReadInteger("T", "k", 0), 9);
}

TEST(QuickIniTest, SectionNamesAreTrimmedButLookupsUseTheWholeHeader) {
  TQuickIni ini = Ini("[ Buttons ]\nTrans=1\n[Personality]\n[Personality]\n[]\n");
  std::vector<std::string> names;
  ini.ReadSectionNames(names);
  EXPECT_EQ(names, (std::vector<std::string>{"Buttons", "Personality", "Personality", ""}));
  EXPECT_EQ(ini.SectionIndex("Buttons"), -1);
  EXPECT_EQ(ini.SectionIndex(" Buttons "), 0);
}

TEST(QuickIniTest, IntegerSyntax) {
  struct Case {
    const char* value;
    int32_t expected;
  };
  const Case cases[] = {
      {"0x1F", 31}, {"0X1f", 31}, {"$1F", 31}, {"-12", -12}, {"+7", 7}, {"0", 0},
      {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"$FFFFFFFF", -1},
      {"0xFF000000", static_cast<int32_t>(0xFF000000u)},
      // Not numbers: the default (-99).
      {"0x", -99}, {"1F", -99}, {"$", -99}, {"", -99}, {"1 2", -99}, {"2147483648", -99},
      {"-2147483649", -99}, {"$100000000", -99}, {"-", -99}, {"0x-1", -99}, {"1.5", -99},
  };
  for (const Case& c : cases) {
    TQuickIni ini = Ini(std::string("[S]\nv=") + c.value + "\n");
    EXPECT_EQ(ini.ReadInteger("S", "v", -99), c.expected) << c.value;
  }
  int32_t value = 5;
  EXPECT_FALSE(ParseSkinInteger("12 ", value));  // values reach it trimmed; blanks do not convert
  EXPECT_FALSE(ParseSkinInteger(" 12", value));
  EXPECT_EQ(value, 5);
}

TEST(SkinValuesTest, ColourTriplets) {
  struct Case {
    const char* value;
    TColor expected;
  };
  const Case cases[] = {
      {"255 128 0", RgbColour(255, 128, 0)}, {"255,128,0", RgbColour(255, 128, 0)},
      {"255;128;0", RgbColour(255, 128, 0)}, {"200,100,50", 200 + 256 * 100 + 65536 * 50},
      {"300 0 0", RgbColour(44, 0, 0)},      {"255 128", RgbColour(255, 0, 0)},
      {"  1 2 3  ", RgbColour(1, 2, 3)},     {"1 2 3 4", RgbColour(1, 2, 3)},
      {"1, 2, 3,", RgbColour(1, 2, 3)},      {"-5 x7 y9", RgbColour(5, 7, 9)},
      {"12", RgbColour(0, 0, 0)},            {"red", RgbColour(0, 0, 0)},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseColour(c.value, 0x123456), c.expected) << c.value;
  // A long run is taken modulo 256 (10^20 mod 256 = 0, so 10^20 - 1 gives 255).
  EXPECT_EQ(ParseColour("99999999999999999999 1 2", 0), RgbColour(255, 1, 2));
  EXPECT_EQ(ParseColour("", 0x123456), 0x123456);
  EXPECT_EQ(ParseColour("   ", 0x123456), 0x123456);
}

TEST(SkinValuesTest, RgbKeyTripleNeedsAllThreeKeys) {
  TQuickIni ini = Ini(
      "[Personality]\nActiveTextR=255\nActiveTextG=0x10\nActiveTextB=300\n"
      "InActiveTextR=1\nInActiveTextG=2\n");
  TColor active = 7, inactive = 7;
  EXPECT_TRUE(ReadRGB(ini, "Personality", "ActiveText", active));
  EXPECT_EQ(active, RgbColour(255, 16, 44));
  EXPECT_FALSE(ReadRGB(ini, "Personality", "InActiveText", inactive));
  EXPECT_EQ(inactive, 7);
}

TEST(SkinValuesTest, ImageValuesNameLowerCaseBmpEntries) {
  EXPECT_EQ(SkinImageEntryName("skins\\Top.bmp"), "Top.bmp");
  EXPECT_EQ(SkinImageEntryName("C:top.bmp"), "top.bmp");
  EXPECT_EQ(SkinImageEntryName("top.bmp"), "top.bmp");
  EXPECT_EQ(SkinImageEntryName("Top.BMP"), "");
  EXPECT_EQ(SkinImageEntryName("top.bmp.txt"), "");
  EXPECT_EQ(SkinImageEntryName("skins\\"), "");
  EXPECT_EQ(SkinImageEntryName(""), "");
  EXPECT_EQ(SkinImageEntryName("top"), "");

  TSkinReader reader;
  std::vector<uint8_t> file = BuildSkinFile(BuildSkinPackage({{"top.bmp", {'B', 'M'}}}));
  ASSERT_TRUE(reader.LoadPackage(file.data(), file.size()));
  TMemoryStream out;
  ReadSkinImageEntry(reader, "skins\\Top.bmp", out);
  EXPECT_EQ(out.Size(), 2);
  ReadSkinImageEntry(reader, "Top.BMP", out);
  EXPECT_EQ(out.Size(), 0);
}

TEST(SkinKeysTest, SectionNameRules) {
  using namespace skinkeys;
  EXPECT_TRUE(IsColourSection("Colour1"));
  EXPECT_TRUE(IsColourSection("COLOUR"));
  EXPECT_FALSE(IsColourSection("Colours"));
  EXPECT_FALSE(IsColourSection("Color1"));
  EXPECT_TRUE(IsCaptionButtonName("Button1"));
  EXPECT_TRUE(IsCaptionButtonName("buttonclose"));
  for (const char* name : {"Button", "BUTTONS", "Button.Radio", "button.checkbox", "Buttn1"}) {
    EXPECT_FALSE(IsCaptionButtonName(name)) << name;
  }
  TQuickIni ini = Ini(
      "[Button1]\nAction=1\n[Button2]\nAction=-1\n[Button3]\nAction=-1\nVisibility=0\n"
      "[Buttons]\n[Button4]\nAction=-1\nVisibility=2\n[Button5]\n");
  EXPECT_EQ(CaptionButtonSections(ini), (std::vector<std::string>{"Button1", "Button3", "Button5"}));
}

TEST(SkinKeysTest, CatalogueDefaults) {
  using namespace skinkeys;
  EXPECT_EQ(kColourKeys[0].system_index, 8);
  EXPECT_EQ(kColourKeys[5].system_index, kDefaultIsButtonFace);
  const KeyDef* frame = FindKey(kCaptionButtonKeys, kCaptionButtonKeyCount, "FRAME");
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->default_value, 0);
  const KeyDef* combine = FindKey(kCaptionButtonKeys, kCaptionButtonKeyCount, "combineop");
  ASSERT_NE(combine, nullptr);
  EXPECT_EQ(combine->default_value, -1);
  const KeyDef* image = FindKey(kPlainObjectKeys, kPlainObjectKeyCount, "image");
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(image->makes_object);
  EXPECT_EQ(FindKey(kPlainObjectKeys, kPlainObjectKeyCount, "nothing"), nullptr);
  EXPECT_EQ(kPlainObjectSectionCount, 23u);
}
