// quillskin in-process: build and unpack round trips, the old-format message on stderr,
// hostile entry names kept inside the target folder, usage errors and help.
#include <gtest/gtest.h>

#include <ctime>
#include <functional>

#include "captured_output.h"
#include "command.h"
#include "framework/bmp_format.h"
#include "framework/file_system.h"
#include "framework/stream.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_reader.h"
#include "tool_files.h"

namespace {

int Quillskin(const std::vector<std::string>& args, CapturedOutput& io) { return RunQuillskin(args, io); }

void RemoveTree(const std::string& path) {
  for (const FolderItem& item : fsys::ListFolder(path)) {
    std::string child = JoinPath(path, item.name);
    if (item.is_folder) {
      RemoveTree(child);
    } else {
      fsys::RemoveFile(child);
    }
  }
  fsys::RemoveFolder(path);
}

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    path_ = fsys::TempFolder() + "quillskin_test_" + std::to_string(std::time(nullptr)) + "_" +
            std::to_string(++counter);
    RemoveTree(path_);
    fsys::CreateFolders(path_);
  }
  ~TempFolder() { RemoveTree(path_); }
  std::string operator/(const std::string& name) const { return JoinPath(path_, name); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  TFileStream file(path, FileMode::Create);
  if (!bytes.empty()) file.Write(bytes.data(), bytes.size());
}

std::vector<uint8_t> ReadFile(const std::string& path) { return ReadWholeFile(path, 1 << 26); }

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> SmallBmp(int w, int h) {
  PixelImage image(w, h, 0x00FF00FF);
  for (int x = 0; x < w; ++x) image.At(x, 0) = 0x00123456;
  return EncodeBmp24(image);
}

}  // namespace

TEST(QuillskinTest, BuildThenUnpackGivesBackEveryFile) {
  TempFolder temp;
  std::string skin = temp / "skin";
  fsys::CreateFolders(skin);
  const std::vector<uint8_t> ini = Bytes("[Personality]\r\nTop=top.bmp\r\n[Buttons]\r\nBitmap=skins\\button.bmp\r\n");
  const std::vector<uint8_t> top = SmallBmp(30, 6), button = SmallBmp(100, 21);
  WriteFile(skin + fsys::Separator() + "Skin.INI", ini);
  WriteFile(JoinPath(skin, "top.bmp"), top);
  WriteFile(JoinPath(skin, "Button.bmp"), button);
  fsys::CreateFolders(JoinPath(skin, "sub"));  // subfolders are left out

  CapturedOutput io;
  ASSERT_EQ(Quillskin({"build", skin, "--output", temp / "out.skn"}, io), 0) << io.err;
  EXPECT_EQ(io.err, "");
  EXPECT_NE(io.out.find("3 entries"), std::string::npos) << io.out;

  std::vector<uint8_t> file = ReadFile(temp / "out.skn");
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadPackage(file.data(), file.size()));
  EXPECT_EQ(reader.EntryNames(), (std::vector<std::string>{"skin.ini", "button.bmp", "top.bmp"}));

  CapturedOutput io2;
  ASSERT_EQ(Quillskin({"unpack", temp / "out.skn", temp / "back"}, io2), 0) << io2.err;
  EXPECT_EQ(ReadFile(JoinPath(temp / "back", "skin.ini")), ini);
  EXPECT_EQ(ReadFile(JoinPath(temp / "back", "top.bmp")), top);
  EXPECT_EQ(ReadFile(JoinPath(temp / "back", "button.bmp")), button);
}

TEST(QuillskinTest, BuildWarnsAboutBrokenAndMissingImages) {
  TempFolder temp;
  WriteFile(temp / "skin.ini", Bytes("[Personality]\nLeft=left.bmp\nRight=Right.BMP\nTop=top.bmp\n"));
  std::vector<uint8_t> cut = SmallBmp(8, 8);
  cut.resize(cut.size() / 2);
  WriteFile(temp / "top.bmp", cut);
  CapturedOutput io;
  ASSERT_EQ(Quillskin({"build", temp.Path(), "-o", temp / "w.skn"}, io), 0) << io.err;
  EXPECT_NE(io.err.find("\"top.bmp\" is not a usable BMP"), std::string::npos) << io.err;
  EXPECT_NE(io.err.find("\"left.bmp\", which the folder lacks"), std::string::npos) << io.err;
  EXPECT_NE(io.err.find("only a lower-case .bmp"), std::string::npos) << io.err;
}

TEST(QuillskinTest, BuildRefusesFoldersWithoutOneDescription) {
  TempFolder temp;
  CapturedOutput io;
  EXPECT_EQ(Quillskin({"build", temp.Path(), "--output=" + (temp / "x.skn")}, io), 1);
  EXPECT_NE(io.err.find("no skin description"), std::string::npos) << io.err;

  WriteFile(temp / "a.ini", {});
  WriteFile(temp / "b.ini", {});
  CapturedOutput io2;
  EXPECT_EQ(Quillskin({"build", temp.Path(), "--output", temp / "x.skn"}, io2), 1);
  EXPECT_NE(io2.err.find("more than one description"), std::string::npos) << io2.err;
  EXPECT_FALSE(fsys::FileExists(temp / "x.skn"));

  CapturedOutput io3;
  EXPECT_EQ(Quillskin({"build", temp / "missing", "--output", temp / "x.skn"}, io3), 1);
  CapturedOutput io4;
  EXPECT_EQ(Quillskin({"build", temp.Path()}, io4), 1);
  EXPECT_NE(io4.err.find("--output"), std::string::npos) << io4.err;
}

TEST(QuillskinTest, OldSkinFileIsReportedOnStderr) {
  TempFolder temp;
  std::vector<uint8_t> package = BuildSkinPackage({{"skin.ini", {}}});
  package[0] = 0x1F;  // format 19999
  WriteFile(temp / "old.skn", BuildSkinFile(package));
  CapturedOutput io;
  EXPECT_EQ(Quillskin({"unpack", temp / "old.skn", temp / "out"}, io), 1);
  EXPECT_NE(io.err.find("This is Older Skin File\nPlease update to new version !\n"), std::string::npos)
      << io.err;
  EXPECT_NE(io.err.find("was not loaded"), std::string::npos);
  EXPECT_FALSE(fsys::FolderExists(temp / "out"));
}

TEST(QuillskinTest, UnpackNeverWritesOutsideTheFolder) {
  TempFolder temp;
  const std::vector<std::string> hostile = {
      "../escape.bmp", "..\\escape.bmp", "/abs.bmp", "c:evil.bmp", "sub/x.bmp", "..", ".",
      "con",           "nul.bmp",        "com1.txt", "trail.",     "trail ",    "a\x01.bmp", "\xC3(.bmp", "",
  };
  std::vector<TSkinEntrySource> entries = {{"skin.ini", Bytes("[x]")}};
  for (const std::string& name : hostile) entries.push_back({name, Bytes("evil")});
  entries.push_back({"fine.bmp", Bytes("fine")});
  entries.push_back({"fine.bmp", Bytes("second")});
  WriteFile(temp / "h.skn", BuildSkinFile(BuildSkinPackage(entries)));

  CapturedOutput io;
  EXPECT_EQ(Quillskin({"unpack", temp / "h.skn", temp / "out"}, io), 1);
  std::vector<FolderItem> written = fsys::ListFolder(temp / "out");
  std::vector<std::string> names;
  for (const FolderItem& item : written) names.push_back(item.name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"fine.bmp", "skin.ini"}));
  EXPECT_EQ(ReadFile(JoinPath(temp / "out", "fine.bmp")), Bytes("fine"));
  EXPECT_FALSE(fsys::FileExists(temp / "escape.bmp"));
  EXPECT_NE(io.err.find("an earlier entry has this name"), std::string::npos);
  size_t skipped = 0;
  for (size_t at = io.err.find("skipped entry"); at != std::string::npos; at = io.err.find("skipped entry", at + 1)) {
    ++skipped;
  }
  EXPECT_EQ(skipped, hostile.size() + 1) << io.err;
}

TEST(QuillskinTest, UnpackGoesOnPastAnEntryItCannotWrite) {
  TempFolder temp;
  WriteFile(temp / "s.skn", BuildSkinFile(BuildSkinPackage({{"skin.ini", Bytes("a")}, {"z.bmp", Bytes("z")}})));
  fsys::CreateFolders(JoinPath(temp / "out", "skin.ini"));  // a folder in the entry's place
  CapturedOutput io;
  EXPECT_EQ(Quillskin({"unpack", temp / "s.skn", temp / "out"}, io), 1);
  EXPECT_NE(io.err.find("Cannot write"), std::string::npos) << io.err;
  EXPECT_EQ(ReadFile(JoinPath(temp / "out", "z.bmp")), Bytes("z"));
}

TEST(QuillskinTest, SafeEntryNames) {
  std::string reason;
  for (const char* ok : {"top.bmp", "a b.bmp", ".hidden", "caf\xC3\xA9.bmp", "console.bmp", "com10"}) {
    EXPECT_TRUE(IsSafeEntryFileName(ok, reason)) << ok << ": " << reason;
  }
  for (const char* bad : {"AUX.bmp", "Lpt3", "conin$", "a*b", "q?", "x|y", "\"q\"", "<a>", "\xED\xA0\x80"}) {
    EXPECT_FALSE(IsSafeEntryFileName(bad, reason)) << bad;
  }
  EXPECT_FALSE(IsSafeEntryFileName(std::string(256, 'a'), reason));
}

TEST(QuillskinTest, HelpUsageAndUnknownCommands) {
  CapturedOutput io;
  EXPECT_EQ(Quillskin({"--help"}, io), 0);
  EXPECT_NE(io.out.find("build"), std::string::npos);
  EXPECT_NE(io.out.find("unpack"), std::string::npos);
  for (const char* command : {"build", "unpack"}) {
    CapturedOutput help;
    EXPECT_EQ(Quillskin({command, "--help"}, help), 0);
    EXPECT_EQ(help.out.rfind(std::string("Usage: quillskin ") + command, 0), 0u) << help.out;
  }
  CapturedOutput none;
  EXPECT_EQ(Quillskin({}, none), 1);
  EXPECT_FALSE(none.err.empty());
  CapturedOutput unknown;
  EXPECT_EQ(Quillskin({"frobnicate"}, unknown), 1);
  EXPECT_NE(unknown.err.find("Unknown command"), std::string::npos);
  CapturedOutput bad_option;
  EXPECT_EQ(Quillskin({"unpack", "--fast", "a", "b"}, bad_option), 1);
  EXPECT_NE(bad_option.err.find("Unknown option"), std::string::npos);
  CapturedOutput missing_arg;
  EXPECT_EQ(Quillskin({"unpack", "a"}, missing_arg), 1);
  CapturedOutput missing_file;
  EXPECT_EQ(Quillskin({"unpack", "no-such-file.skn", "out"}, missing_file), 1);
  EXPECT_NE(missing_file.err.find("no-such-file.skn"), std::string::npos);
}
