// The default skin's generator output: the description reads with the skin reader,
// every image it names exists (and every image is named), image sizes divide into the
// frame counts the skin objects use, margins fit their frames, and every object of the
// key catalogue is present.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "classic_skin.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_keys.h"

namespace {

class ClassicSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = skin_art::BuildClassicSkin();
    ini_.LoadFromText(skin_.description);
    for (const auto& [name, image] : skin_.images) images_[name] = &image;
  }
  // The image a key names; fails the test when it is missing.
  const PixelImage* ImageOf(const std::string& section, const std::string& key) {
    const std::string name = ini_.ReadString(section, key, "");
    EXPECT_FALSE(name.empty()) << section << "/" << key;
    auto it = images_.find(name);
    EXPECT_NE(it, images_.end()) << section << "/" << key << " names " << name;
    return it == images_.end() ? nullptr : it->second;
  }
  // Checks that the image divides into `frames` cells (side by side or stacked) and
  // that the section's margins fit one cell.
  void ExpectFrames(const std::string& section, const std::string& key, int frames,
                    bool stacked = false, bool margins = true) {
    SCOPED_TRACE(section + "/" + key);
    const PixelImage* image = ImageOf(section, key);
    if (!image) return;
    ASSERT_GT(frames, 0);
    const int along = stacked ? image->height : image->width;
    EXPECT_EQ(along % frames, 0) << along << " pixels, " << frames << " frames";
    const int fw = stacked ? image->width : image->width / frames;
    const int fh = stacked ? image->height / frames : image->height;
    EXPECT_GT(fw, 0);
    EXPECT_GT(fh, 0);
    if (margins) {
      EXPECT_LE(ini_.ReadInteger(section, "LeftWidth", 0) + ini_.ReadInteger(section, "RightWidth", 0), fw);
      EXPECT_LE(ini_.ReadInteger(section, "TopHeight", 0) + ini_.ReadInteger(section, "BottomHeight", 0), fh);
    }
  }

  skin_art::SkinFolder skin_;
  TQuickIni ini_;
  std::map<std::string, const PixelImage*> images_;
};

TEST_F(ClassicSkin, NamesAndImagesMatch) {
  EXPECT_EQ(skin_.descriptionName, "skin.ini");
  std::set<std::string> named;
  for (size_t i = 0; i < ini_.LineCount(); ++i) {
    const std::string& line = ini_.Line(i);
    const size_t eq = line.find('=');
    if (eq != std::string::npos && line.size() > 4 && line.compare(line.size() - 4, 4, ".bmp") == 0)
      named.insert(line.substr(eq + 1));
  }
  for (const std::string& name : named) EXPECT_TRUE(images_.count(name)) << name;
  for (const auto& [name, image] : skin_.images) {
    EXPECT_TRUE(named.count(name)) << name << " is never used";
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(name, lower);  // entries are named in lower case
    EXPECT_FALSE(image.Empty()) << name;
    // Round trip through the BMP writer the generator uses.
    std::vector<uint8_t> bytes = EncodeBmp24(image);
    PixelImage back;
    ASSERT_TRUE(DecodeBmp(bytes.data(), bytes.size(), back)) << name;
    EXPECT_EQ(back.pixels, image.pixels) << name;
  }
  EXPECT_LE(skin_.images.size() + 1, 1001u);
}

TEST_F(ClassicSkin, FrameCountsDivideImages) {
  const std::string p = "Personality";
  for (const char* side : {"Left", "Right"})
    ExpectFrames(p, side, ini_.ReadInteger(p, std::string(side) + "Frame", 1), false, false);
  for (const char* side : {"Top", "Bottom"})
    ExpectFrames(p, side, ini_.ReadInteger(p, std::string(side) + "Frame", 1), true, false);
  ExpectFrames(p, "TextBack", 2, true, false);
  ExpectFrames(p, "menuBar", 2, true, false);
  ExpectFrames("Buttons", "Bitmap", 5);
  ExpectFrames("Buttons", "CheckButton", ini_.ReadInteger("Buttons", "CheckButtonFrame", 0), false, false);
  ExpectFrames("Buttons", "RadioButton", ini_.ReadInteger("Buttons", "RadioButtonFrame", 0), false, false);
  ExpectFrames("MDICONTROLS", "Image", 12, false, false);
  ExpectFrames("Progress", "Bitmap", ini_.ReadInteger("Progress", "Style", 0) != 0 ? 1 : 2);
  const std::map<std::string, int> fixed = {
      {"GroupBoxEdge", 2}, {"GroupBox", 1}, {"Tabs", 5}, {"StatusBarEdges", 3}, {"Tab.Pane", 1},
      {"ToolBars", 5}, {"ComboButton", 4}, {"SunkEdge", 4}, {"ExtraImages", 5}, {"MenuItem", 5},
      {"MenuBackground", 1}, {"Scrollbar", 23}, {"HorzScroll", 4}, {"VertScroll", 4},
      {"Trackbar.ThumbHorz", 5}, {"Trackbar.ThumbVert", 5}, {"Trackbar.ThumbLeft", 5},
      {"Trackbar.ThumbRight", 5}, {"Trackbar.ThumbUp", 5}, {"Trackbar.ThumbDown", 5},
      {"UpDown.Horz", 8}, {"UpDown.Vert", 8}};
  for (const auto& [section, frames] : fixed) ExpectFrames(section, "Image", frames);
  ExpectFrames("UpDown.Horz", "GlyphImage", 8, false, false);
  ExpectFrames("UpDown.Vert", "GlyphImage", 8, false, false);
  ExpectFrames("Tabs", "Border", 1, false, false);
  for (const char* s : {"Progress.Chunk", "Track", "TRACKVERT"})
    ExpectFrames(s, "Image", std::max(1, ini_.ReadInteger(s, "Frame", 0)));
  ExpectFrames("Headerbar", "Image", ini_.ReadInteger("Headerbar", "Frame", 0) != 0 ? ini_.ReadInteger("Headerbar", "Frame", 0) : 5);
  for (const char* s : {"HorzScrollThumb", "VertScrollThumb"})
    ExpectFrames(s, "Image", ini_.ReadInteger(s, "FrameCount", 3));
  // Caption buttons: every one with an image gives its frame count explicitly.
  for (const std::string& s : skinkeys::CaptionButtonSections(ini_)) {
    if (ini_.ReadString(s, "ButtonImage", "").empty()) continue;
    ExpectFrames(s, "ButtonImage", ini_.ReadInteger(s, "frame", 0), false, false);
  }
}

TEST_F(ClassicSkin, CoversEveryObjectOfTheCatalogue) {
  for (size_t i = 0; i < skinkeys::kPlainObjectSectionCount; ++i)
    EXPECT_FALSE(ini_.ReadString(skinkeys::kPlainObjectSections[i], "Image", "").empty())
        << skinkeys::kPlainObjectSections[i];
  for (const auto& two : skinkeys::kTwoImageSections)
    EXPECT_FALSE(ini_.ReadString(two.section, "Image", "").empty()) << two.section;
  for (const char* key : {"Left", "Right", "Top", "Bottom", "TextBack", "menuBar"})
    EXPECT_FALSE(ini_.ReadString("Personality", key, "").empty()) << key;
  for (const char* key : {"Bitmap", "CheckButton", "RadioButton"})
    EXPECT_FALSE(ini_.ReadString("Buttons", key, "").empty()) << key;
  EXPECT_FALSE(ini_.ReadString("Progress", "Bitmap", "").empty());
  EXPECT_FALSE(ini_.ReadString("GroupBox", "Image", "").empty());
  EXPECT_FALSE(ini_.ReadString("MDICONTROLS", "Image", "").empty());
  for (size_t i = 0; i < 16; ++i)
    EXPECT_FALSE(ini_.ReadString("Colours", skinkeys::kColourKeys[i].name, "").empty())
        << skinkeys::kColourKeys[i].name;
  // Close, maximise, restore, minimise and the icon.
  std::set<int> actions;
  for (const std::string& s : skinkeys::CaptionButtonSections(ini_)) actions.insert(ini_.ReadInteger(s, "Action", 0));
  EXPECT_EQ(actions, (std::set<int>{0, 1, 2, 3}));
}

TEST_F(ClassicSkin, BordersHaveTransparentCornersOnly) {
  const PixelImage* left = ImageOf("Personality", "Left");
  ASSERT_TRUE(left);
  const Pixel32 key = PixelOf(kSkinKeyColour);
  EXPECT_EQ(left->At(0, 0), key);  // the rounded top corner
  const int frameHeight = left->height;
  EXPECT_NE(left->At(0, frameHeight - 1), key);  // square bottom corner
  EXPECT_NE(left->At(3, 0), key);
  // The left border's frame width is the frame's thickness; the top's height is the title.
  EXPECT_EQ(left->width / ini_.ReadInteger("Personality", "LeftFrame", 1), 4);
  const PixelImage* top = ImageOf("Personality", "Top");
  ASSERT_TRUE(top);
  EXPECT_EQ(top->height / ini_.ReadInteger("Personality", "TopFrame", 1),
            ini_.ReadInteger("Personality", "LeftTopHeight", 0));
  for (Pixel32 p : top->pixels) ASSERT_NE(p, key);  // drawn opaque (TopTrans=0)
}

}  // namespace
