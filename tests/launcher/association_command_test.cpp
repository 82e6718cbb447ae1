// The "open" command of an association: placeholders, folders and quoting.
#include <gtest/gtest.h>

#include "launcher/association_command.h"

namespace {
std::string Build(const std::string& registered, const std::string& doc = "C:\\start dir\\DOC.pdf") {
  return BuildAssociationCommand(registered, doc, "C:\\windows", "C:\\Program Files");
}
}  // namespace

TEST(AssociationCommand, QuotedProgramAndQuotedPlaceholder) {
  EXPECT_EQ(Build("\"C:\\Program Files\\Viewer\\view.exe\" \"%1\""),
            "\"C:\\Program Files\\Viewer\\view.exe\" \"C:\\start dir\\DOC.pdf\"");
}

TEST(AssociationCommand, FolderPlaceholdersAndUnquotedPlaceholder) {
  EXPECT_EQ(Build("%SystemRoot%\\system32\\notepad.exe %1"),
            "\"C:\\windows\\system32\\notepad.exe\" \"C:\\start dir\\DOC.pdf\"");
  EXPECT_EQ(Build("\"%ProgramFiles%\\V\\v.exe\" /open %1 %2"),
            "\"C:\\Program Files\\V\\v.exe\" /open \"C:\\start dir\\DOC.pdf\" %2");
}

TEST(AssociationCommand, UnquotedProgramPathWithBlanks) {
  EXPECT_EQ(Build("C:\\Program Files\\V\\v.exe -view %1"),
            "\"C:\\Program Files\\V\\v.exe\" -view \"C:\\start dir\\DOC.pdf\"");
  EXPECT_EQ(Build("rundll32.exe shimg.dll,View %1"),
            "\"rundll32.exe\" shimg.dll,View \"C:\\start dir\\DOC.pdf\"");
  EXPECT_EQ(Build("viewer %1"), "\"viewer\" \"C:\\start dir\\DOC.pdf\"");
}

TEST(AssociationCommand, PercentLAndNoPlaceholder) {
  EXPECT_EQ(Build("v.exe %L"), "\"v.exe\" \"C:\\start dir\\DOC.pdf\"");
  // Only "%1" is replaced when both occur.
  EXPECT_EQ(Build("v.exe %1 %L"), "\"v.exe\" \"C:\\start dir\\DOC.pdf\" %L");
  // Without a placeholder the path is appended after one blank.
  EXPECT_EQ(Build("\"C:\\V\\v.exe\""), "\"C:\\V\\v.exe\" \"C:\\start dir\\DOC.pdf\"");
}

TEST(AssociationCommand, PlaceholderInsideALargerQuotedArgument) {
  EXPECT_EQ(Build("v.exe \"/file=%1\""), "\"v.exe\" \"/file=C:\\start dir\\DOC.pdf\"");
}

TEST(AssociationCommand, DocumentAsProgramAndEmptyCommand) {
  EXPECT_EQ(Build("\"%1\" %*", "C:\\d\\x.bat"), "\"C:\\d\\x.bat\" %*");
  EXPECT_EQ(Build(""), "\"\" \"C:\\start dir\\DOC.pdf\"");
  // The document path keeps folder placeholders of its own.
  EXPECT_EQ(Build("v.exe %1", "C:\\%SystemRoot%\\d.pdf"), "\"v.exe\" \"C:\\%SystemRoot%\\d.pdf\"");
}
