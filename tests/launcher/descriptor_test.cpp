// The descriptor app.data: main entry from line 4, Boolean from line 5.
#include <gtest/gtest.h>

#include "launcher/descriptor.h"

TEST(Descriptor, ReadsLinesFourAndFive) {
  TDescriptor d = ParseDescriptor("Quillpack\r\n1.0\r\n2024-01-01\r\nprog.exe\r\n0\r\n");
  EXPECT_EQ(d.MainEntryName, "prog.exe");
  EXPECT_FALSE(d.KeepInUserFolder);
  EXPECT_TRUE(ParseDescriptor("a\r\nb\r\nc\r\nMy Doc.pdf\r\ntrue\r\nextra\r\nlines").KeepInUserFolder);
  EXPECT_TRUE(ParseDescriptor("a\r\nb\r\nc\r\nx\r\n1").KeepInUserFolder);  // no final line end
  EXPECT_TRUE(ParseDescriptor("a\nb\nc\nx\nTrue\n").KeepInUserFolder);     // LF only
}

TEST(Descriptor, ShortDescriptorsKeepDefaults) {
  EXPECT_EQ(ParseDescriptor("").MainEntryName, "");
  TDescriptor four = ParseDescriptor("a\r\nb\r\nc\r\nmain.exe\r\n");
  EXPECT_EQ(four.MainEntryName, "main.exe");
  EXPECT_FALSE(four.KeepInUserFolder);
  // An empty fifth line is not a Boolean text.
  EXPECT_THROW(ParseDescriptor("a\r\nb\r\nc\r\nmain.exe\r\n\r\n"), EDescriptorError);
}

TEST(Descriptor, BadBooleanFails) {
  EXPECT_THROW(ParseDescriptor("a\r\nb\r\nc\r\nx\r\nmaybe\r\n"), EDescriptorError);
  EXPECT_THROW(ParseDescriptor(std::string("a\r\nb\r\nc\r\nx\r\n\0\r\n", 17)), EDescriptorError);
}
