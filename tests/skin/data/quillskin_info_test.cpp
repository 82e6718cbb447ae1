// quillskin info in-process: the objects, caption buttons and colours it lists for a
// hand-made skin, its warnings, the JSON form, and the status for a skin not loaded.
#include <gtest/gtest.h>

#include "captured_output.h"
#include "command.h"
#include "framework/file_system.h"
#include "framework/stream.h"
#include "test_skins.h"

using testskin::Cells;
using testskin::Solid;
using testskin::TestSkin;

namespace {

class QuillskinInfo : public ::testing::Test {
 protected:
  void TearDown() override {
    if (!file_.empty()) fsys::RemoveFile(file_);
  }
  int Info(const std::vector<uint8_t>& skinFile, bool json) {
    file_ = fsys::CreateTempFile("", "qsi");
    {
      TFileStream file(file_, FileMode::Create);
      file.Write(skinFile.data(), skinFile.size());
    }
    std::vector<std::string> args = {"info"};
    if (json) args.push_back("--json");
    args.push_back(file_);
    return RunQuillskin(args, io_);
  }
  static TestSkin Skin() {
    TestSkin skin;
    skin.Text(
            "[Personality]\nTop=top.bmp\nTopFrame=2\nRight=r.BMP\n[MenuItem]\nImage=item.bmp\n"
            "LeftWidth=3\n[Scrollbar]\nImage=gone.bmp\n[Buttons]\nRadioButton=radio.bmp\n"
            "[ButtonClose]\nButtonImage=close.bmp\nXcoord=7\n[Colours]\nButtonFace=1 2 3\n"
            "[Colour.A]\ncolor=4 5 6\n")
        .Image("top.bmp", Solid(60, 40, 0x326496))
        .Image("item.bmp", Cells(51, 10, 5, {0x00FF00}))
        .Image("radio.bmp", Solid(52, 13, 0xFF))
        .Image("close.bmp", Solid(60, 20, 0xFF));
    return skin;
  }

  CapturedOutput io_;
  std::string file_;
};

TEST_F(QuillskinInfo, ListsWhatTheEngineBuilds) {
  ASSERT_EQ(Info(Skin().File(), false), 0) << io_.err;
  const std::string& out = io_.out;
  EXPECT_NE(out.find("Description: skin.ini"), std::string::npos);
  EXPECT_NE(out.find("  item.bmp"), std::string::npos);
  // Name, class, Frame, cells, margins, Trans, Tile, Style, image sizes.
  EXPECT_NE(out.find("  Top                 TDataSkinBorder        2 down       0    0     0      0"
                     "     1    1     0 60x40    0x0\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("  MenuItem            TDataSkinObject        5 across     3"), std::string::npos);
  EXPECT_NE(out.find("  Scrollbar           TDataSkinObject       23 across"), std::string::npos);
  EXPECT_NE(out.find("RadioButtonFrame 4, CheckButtonFrame 4, CheckButton 0x0, RadioButton 52x13"),
            std::string::npos);
  EXPECT_NE(out.find("  TRACK "), std::string::npos);
  EXPECT_NE(out.find("  Toolbar "), std::string::npos);
  EXPECT_NE(out.find("  ComboxArrow "), std::string::npos);
  EXPECT_NE(out.find("  BUTTONCLOSE              0     0      7      0          0           0     3 60x20"),
            std::string::npos);
  EXPECT_NE(out.find("  MDICONTROLS3             9   100"), std::string::npos);
  EXPECT_NE(out.find("  ButtonFace          00030201\n"), std::string::npos);
  EXPECT_NE(out.find("  WindowText          FF000008\n"), std::string::npos);
  EXPECT_NE(out.find("  TitleColour         00326496\n"), std::string::npos);
  EXPECT_NE(out.find("  ColourSections[0]   00060504\n"), std::string::npos);

  const std::string& err = io_.err;
  EXPECT_NE(err.find("warning: [Personality] Right=r.BMP: not a .bmp name"), std::string::npos);
  EXPECT_NE(err.find("warning: [Scrollbar] Image=gone.bmp: missing"), std::string::npos);
  EXPECT_NE(err.find("warning: MenuItem: image width 51 does not divide into 5 cells"),
            std::string::npos);
  EXPECT_EQ(err.find("Top:"), std::string::npos);  // 40 rows divide into 2 cells laid down
}

TEST_F(QuillskinInfo, JsonHasTheSameFacts) {
  ASSERT_EQ(Info(Skin().File(), true), 0) << io_.err;
  const std::string& out = io_.out;
  EXPECT_EQ(out.front(), '{');
  EXPECT_EQ(out.substr(out.size() - 2), "}\n");
  EXPECT_NE(out.find("{\"Name\": \"Top\", \"Class\": \"TDataSkinBorder\", \"Frame\": 2, \"Cells\": "
                     "\"down\", \"LeftWidth\": 0"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("\"RadioButtonFrame\": 4, \"CheckButtonFrame\": 4, \"CheckButton\": "
                     "{\"Width\": 0, \"Height\": 0}, \"RadioButton\": {\"Width\": 52, \"Height\": 13}"),
            std::string::npos);
  EXPECT_NE(out.find("\"Action\": 0, \"Align\": 0, \"Xcoord\": 7"), std::string::npos);
  EXPECT_NE(out.find("\"TitleColour\": \"00326496\""), std::string::npos);
  EXPECT_NE(out.find("\"colourSections\": [\"00060504\"]"), std::string::npos);
  EXPECT_NE(out.find("\"[Scrollbar] Image=gone.bmp: missing\""), std::string::npos);
  EXPECT_NE(out.find("{\"name\": \"skin.ini\", \"size\": "), std::string::npos);
}

TEST_F(QuillskinInfo, OldSkinIsNotLoaded) {
  std::vector<uint8_t> package = Skin().Package();
  package[0] = 0x21;  // format number 20001
  EXPECT_EQ(Info(BuildSkinFile(package), false), 1);
  EXPECT_EQ(io_.out, "");
  EXPECT_EQ(io_.err.find("This is Older Skin File\nPlease update to new version !\n"), 0u)
      << io_.err;
  EXPECT_NE(io_.err.find("was not loaded"), std::string::npos);
}

TEST_F(QuillskinInfo, UsageErrors) {
  EXPECT_EQ(RunQuillskin({"info"}, io_), 1);
  EXPECT_EQ(RunQuillskin({"info", "--help"}, io_), 0);
  EXPECT_NE(io_.out.find("Usage: quillskin info [--json] SKIN.skn"), std::string::npos);
  EXPECT_EQ(RunQuillskin({"info", fsys::TempFolder() + "no-such.skn"}, io_), 1);
}

}  // namespace
