// Skin object readers on small hand-made skins: which objects exist, margins, Tile
// clamps, fixed frame counts, the Buttons cell counts, the title, the borders, the
// colour table, the caption-button rules and the MDI buttons.
#include <gtest/gtest.h>

#include "skin/data/caption_buttons.h"
#include "test_skins.h"

using testskin::Cells;
using testskin::Read;
using testskin::Solid;
using testskin::TestSkin;

namespace {

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

// Checks the four margins, given in the order of a RECT: left, top, right, bottom.
void ExpectMargins(const TDataSkinObject& object, const RECT& expected) {
  SCOPED_TRACE(object.Name);
  EXPECT_EQ(object.LeftWidth, expected.left);
  EXPECT_EQ(object.TopHeight, expected.top);
  EXPECT_EQ(object.RightWidth, expected.right);
  EXPECT_EQ(object.BottomHeight, expected.bottom);
}

TEST(SkinObjectReaders, PlainObjectExistsOnlyWithItsImageKey) {
  TestSkin skin;
  skin.Text(
          "[MenuItem]\nImage=item.bmp\nLeftWidth=2\nTopHeight=3\nRightWidth=4\nBottomHeight=5\n"
          "Trans=1\nTile=2\nStyle=7\nNormalColour=255\nNormalColour2=10,20,30\n"
          "[MenuBackground]\nTile=1\n"
          "[ToolBars]\nImage=nothing.bmp\nTile=-1\n")
      .Image("item.bmp", Solid(50, 10, kRed));
  auto read = Read(skin);
  const TSkinObjects& s = read->objects;
  ASSERT_TRUE(s.MenuItem);
  EXPECT_EQ(s.MenuItem->Name, "MenuItem");
  ExpectMargins(*s.MenuItem, {2, 3, 4, 5});
  EXPECT_EQ(s.MenuItem->Trans, 1);
  EXPECT_EQ(s.MenuItem->Tile, 0);  // above 1: stretch
  EXPECT_EQ(s.MenuItem->Style, 7);
  EXPECT_EQ(s.MenuItem->Frame, 5);  // fixed
  EXPECT_EQ(s.MenuItem->NormalColour, 255);
  EXPECT_EQ(s.MenuItem->MouseOverColour, -1);
  EXPECT_EQ(s.MenuItem->NormalColour2, RgbColour(10, 20, 30));
  EXPECT_EQ(s.MenuItem->PressedColour2, read->colours.ButtonText);
  EXPECT_EQ(s.MenuItem->Image.Width(), 50);
  EXPECT_EQ(s.MenuItem->Image.GetPixel(3, 3), kRed);

  EXPECT_FALSE(s.MenuBackground);  // no Image key
  ASSERT_TRUE(s.ToolBars);         // Image names a missing entry: object without image
  EXPECT_TRUE(s.ToolBars->Image.Empty());
  EXPECT_EQ(s.ToolBars->Tile, -1);  // negative values stay
  EXPECT_FALSE(s.Scrollbar);
  EXPECT_FALSE(s.MenuBar);
  EXPECT_FALSE(s.Progress);
}

TEST(SkinObjectReaders, FixedAndReadFrameCounts) {
  TestSkin skin;
  skin.Text(
          "[Scrollbar]\nImage=a.bmp\nFrame=7\n"
          "[Headerbar]\nImage=a.bmp\n"
          "[HorzScrollThumb]\nImage=a.bmp\nFrame=9\nFrameCount=6\n"
          "[VertScrollThumb]\nImage=a.bmp\n"
          "[Progress.Chunk]\nImage=a.bmp\nFrame=3\n"
          "[Track]\nImage=a.bmp\nFrame=2\n"
          "[UpDown.Horz]\nImage=a.bmp\nFrame=3\nGlyphImage=b.bmp\n"
          "[Tabs]\nImage=a.bmp\nBorder=b.bmp\n"
          "[Progress]\nBitmap=a.bmp\nStyle=1\nTile=2\n"
          "[Tab.Pane]\nImage=a.bmp\nLeftWidth=9\nTopHeight=4\nRightWidth=5\nBottomHeight=1\n"
          "[GroupBox]\nImage=a.bmp\nBackgroundAlignment=2\nBackgroundLeftShift=3\n"
          "BackgroundRightShift=4\n")
      .Image("a.bmp", Solid(46, 4, kRed))
      .Image("b.bmp", Solid(8, 8, kBlue));
  auto read = Read(skin);
  const TSkinObjects& s = read->objects;
  EXPECT_EQ(s.Scrollbar->Frame, 23);
  EXPECT_EQ(s.Headerbar->Frame, 5);  // Frame key 0 -> 5
  EXPECT_EQ(s.HorzScrollThumb->Frame, 6);
  EXPECT_EQ(s.VertScrollThumb->Frame, 3);
  EXPECT_EQ(s.ProgressChunk->Frame, 3);
  EXPECT_EQ(s.Track->Frame, 2);
  EXPECT_EQ(s.Track->Name, "Track");
  ASSERT_TRUE(s.UpDownHorz);
  EXPECT_EQ(s.UpDownHorz->Frame, 8);
  EXPECT_EQ(s.UpDownHorz->Image2.Width(), 8);
  EXPECT_EQ(s.Tabs->Frame, 5);
  EXPECT_EQ(s.Tabs->Image2.GetPixel(1, 1), kBlue);
  ASSERT_TRUE(s.Progress);
  EXPECT_EQ(s.Progress->Frame, 1);  // Style not 0
  EXPECT_EQ(s.Progress->Tile, 1);   // above 1: 1 for Progress
  EXPECT_EQ(s.Progress->NormalColour, 0);  // Progress reads no colours
  ExpectMargins(*s.TabPane, {4, 4, 4, 1});
  EXPECT_EQ(s.TabPane->Frame, 1);
  ASSERT_TRUE(s.GroupBox);
  EXPECT_EQ(s.GroupBox->Frame, 1);
  EXPECT_EQ(s.GroupBox->BackgroundAlignment, 2);
  EXPECT_EQ(s.GroupBox->BackgroundLeftShift, 3);
  EXPECT_EQ(s.GroupBox->BackgroundRightShift, 4);
  // No TRACKVERT section: the built-in one stands in.
  ASSERT_TRUE(s.TrackVert);
  EXPECT_EQ(s.TrackVert->Name, "TRACKVERT");
  EXPECT_EQ(s.TrackVert->Frame, 1);
  ExpectMargins(*s.TrackVert, {3, 3, 3, 3});
  EXPECT_FALSE(s.TrackVert->Image.Empty());
}

TEST(SkinObjectReaders, ProgressWithStyleZeroHasTwoCells) {
  TestSkin skin;
  skin.Text("[Progress]\nBitmap=a.bmp\n").Image("a.bmp", Solid(4, 4, kRed));
  EXPECT_EQ(Read(skin)->objects.Progress->Frame, 2);
}

TEST(SkinObjectReaders, BordersTitleAndMenuBar) {
  TestSkin skin;
  skin.Text(
          "[Personality]\nLeft=l.bmp\nLeftTopHeight=11\nLeftBotHeight=12\nLeftStretch=5\n"
          "Top=t.bmp\nTopTopHeight=21\nTopBotHeight=22\nTopFrame=2\nTopTrans=0\nTopStretch=0\n"
          "TextBack=t.bmp\nTextShift=3\nTextShiftVert=4\nTextRightClip=5\nTextAlignment=1\n"
          "ActiveTextR=10\nActiveTextG=20\nActiveTextB=30\nInActiveTextR=1\nInActiveTextG=-1\n"
          "InActiveTextB=3\nmenuBar=m.bmp\nTileMenu=3\nTileLeftMenu=6\n"
          "[Fonts]\nFontHeight=17\n")
      .Image("l.bmp", Solid(4, 30, kGreen))
      .Image("t.bmp", Solid(60, 20, kBlue))
      .Image("m.bmp", Solid(20, 10, kRed));
  auto read = Read(skin);
  const TSkinObjects& s = read->objects;
  ExpectMargins(*s.Left, {0, 11, 0, 12});
  EXPECT_EQ(s.Left->Tile, 1);  // above 1: 1 for borders
  EXPECT_EQ(s.Left->Frame, 1);
  EXPECT_EQ(s.Left->Trans, 1);
  ExpectMargins(*s.Top, {21, 0, 22, 0});
  EXPECT_EQ(s.Top->Frame, 2);
  EXPECT_EQ(s.Top->Trans, 0);
  EXPECT_EQ(s.Top->Tile, 0);
  EXPECT_TRUE(s.Right->Image.Empty());  // not given: empty, the object still exists
  EXPECT_EQ(s.Right->Frame, 1);
  EXPECT_EQ(s.Bottom->Tile, 1);

  EXPECT_EQ(s.Title->Frame, 2);
  ExpectMargins(*s.Title, {3, 4, 5, 0});
  EXPECT_EQ(s.Title->TextAlignment, 1);
  EXPECT_EQ(s.Title->FontHeight, 17);
  EXPECT_EQ(s.Title->ActiveText, RgbColour(10, 20, 30));
  EXPECT_EQ(s.Title->InActiveText, TDataSkinTitle::kNoTextColour);  // one key negative
  EXPECT_EQ(s.Title->Image.Width(), 60);

  ASSERT_TRUE(s.MenuBar);
  EXPECT_EQ(s.MenuBar->Name, "Personality");
  EXPECT_EQ(s.MenuBar->Tile, 1);
  ExpectMargins(*s.MenuBar, {6, 0, 1, 0});
  EXPECT_EQ(s.MenuBar->Frame, 2);
}

TEST(SkinObjectReaders, ButtonsCellCounts) {
  struct Case {
    int w, h;
    const char* frameKey;
    int expected;
  } cases[] = {
      {52, 13, "", 4}, {160, 16, "", 10}, {30, 20, "", 4}, {65, 13, "", 5},
      {52, 13, "RadioButtonFrame=7\n", 7}, {0, 0, "", 4},
  };
  for (const Case& c : cases) {
    TestSkin skin;
    skin.Text(std::string("[Buttons]\nBitmap=b.bmp\nTile=3\nNormalColour2=1 2 3\n") +
              (c.w ? "RadioButton=r.bmp\n" : "") + c.frameKey)
        .Image("b.bmp", Solid(50, 20, kRed));
    if (c.w) skin.Image("r.bmp", Solid(c.w, c.h, kGreen));
    auto read = Read(skin);
    const TDataSkinButton& b = *read->objects.Buttons;
    EXPECT_EQ(b.RadioButtonFrame, c.expected) << c.w << "x" << c.h << " " << c.frameKey;
    EXPECT_EQ(b.CheckButtonFrame, 4);
    EXPECT_EQ(b.Frame, 5);
    EXPECT_EQ(b.Tile, 0);
    EXPECT_TRUE(b.HasNormalColour2);
    EXPECT_FALSE(b.HasPressedColour2);
    EXPECT_EQ(b.NormalColour2, RgbColour(1, 2, 3));
    EXPECT_EQ(b.PressedColour2, read->colours.ButtonText);
  }
}

TEST(SkinObjectReaders, ColourTableDefaultsAndSections) {
  TestSkin skin;
  skin.Text(
      "[Colours]\nButtonFace=200,100,50\nMenuText=1 2 3\n"
      "[Colour1]\ncolor=9 9 9\n[COLOURS]\n[colour.x]\n");
  auto read = Read(skin);
  const TSkinColourTable& c = read->colours;
  EXPECT_EQ(c.ButtonFace, RgbColour(200, 100, 50));
  EXPECT_EQ(c.Menubar, RgbColour(200, 100, 50));  // defaults to the ButtonFace read
  EXPECT_EQ(c.MenuText, RgbColour(1, 2, 3));
  EXPECT_EQ(c.WindowText, SystemColour(8));
  EXPECT_EQ(c.Scrollbar, SystemColour(0));
  EXPECT_EQ(c.ButtonDkShadow, SystemColour(21));
  EXPECT_EQ(c.TitleTextNoActive, SystemColour(19));
  ASSERT_EQ(c.ColourSections.size(), 2u);  // Colour1 and colour.x, not COLOURS
  EXPECT_EQ(c.ColourSections[0], RgbColour(9, 9, 9));
  EXPECT_EQ(c.ColourSections[1], SystemColour(8));
  // No top border image: the title colour is the button face.
  EXPECT_EQ(c.TitleColour, c.ButtonFace);
}

TEST(SkinObjectReaders, TitleColourSamplesTheTopBorder) {
  TestSkin skin;
  // Sampled at x = 30 div 3 = 10 and y = (20 div 2 cells) div 3 = 3.
  PixelImage top = Solid(30, 20, kRed);
  top.At(10, 3) = PixelOf(kGreen);
  skin.Text("[Personality]\nTop=t.bmp\nTopFrame=2\n").Image("t.bmp", top);
  EXPECT_EQ(Read(skin)->colours.TitleColour, kGreen);
}

TEST(SkinObjectReaders, TopFrameZeroGivesTheButtonFaceAsTitleColour) {
  TestSkin skin;
  skin.Text("[Personality]\nTop=t.bmp\nTopFrame=0\n[Colours]\nButtonFace=1 2 3\n")
      .Image("t.bmp", Solid(30, 20, kRed));
  auto read = Read(skin);
  EXPECT_EQ(read->colours.TitleColour, RgbColour(1, 2, 3));
  EXPECT_EQ(read->objects.Top->Frame, 0);
}

TEST(CaptionButtons, DerivedFramesCompareTheRatioExactly) {
  // width / height <= 3.8 gives 3 frames, also at exactly 3.8 (76 x 20, 19 x 5).
  EXPECT_EQ(DerivedCaptionButtonFrames(TBitmap(76, 20), 0), 3);
  EXPECT_EQ(DerivedCaptionButtonFrames(TBitmap(19, 5), 0), 3);
  EXPECT_EQ(DerivedCaptionButtonFrames(TBitmap(77, 20), 0), 6);
  EXPECT_EQ(DerivedCaptionButtonFrames(TBitmap(3800, 1000), 0), 3);
  EXPECT_EQ(DerivedCaptionButtonFrames(TBitmap(3801, 1000), 0), 6);
  EXPECT_EQ(DerivedCaptionButtonFrames(TBitmap(76, 20), -1), 6);
}

TEST(CaptionButtons, SectionRulesAndDerivedFrames) {
  TestSkin skin;
  skin.Text(
          "[Buttons]\nBitmap=x.bmp\n[Button.Radio]\n[BUTTON]\n"
          "[ButtonClose]\nAction=0\nButtonImage=b60.bmp\nXcoord=5\nYcoord=6\nAlign=1\n"
          "[buttonMax]\nAction=1\nButtonImage=b90.bmp\n"
          "[ButtonGone]\nAction=-1\nButtonImage=b60.bmp\n"
          "[ButtonKept]\nAction=-1\nVisibility=0\nButtonImage=b60.bmp\n"
          "[ButtonIcon]\nAction=3\nButtonImage=b60.bmp\n"
          "[ButtonFixed]\nAction=11\nButtonImage=b60.bmp\nframe=2\nVisibility1=4\nCombineOp=1\n"
          "[ButtonNoImage]\nAction=2\n")
      .Image("b60.bmp", Solid(60, 20, kRed))
      .Image("b90.bmp", Solid(90, 20, kRed));
  auto read = Read(skin);
  const TCaptionButtonList& list = read->objects.CaptionButtons;
  ASSERT_EQ(list.size(), 6u + kMdiButtonCount);
  EXPECT_EQ(list[0]->Name, "BUTTONCLOSE");
  EXPECT_EQ(list[0]->Frame, 3);  // 60 / 20 <= 3.8
  EXPECT_EQ(list[0]->Xcoord, 5);
  EXPECT_EQ(list[0]->Ycoord, 6);
  EXPECT_EQ(list[0]->Align, 1);
  EXPECT_EQ(list[0]->CombineOp, -1);
  EXPECT_EQ(list[0]->Visibility1, 0);
  EXPECT_EQ(list[1]->Name, "BUTTONMAX");
  EXPECT_EQ(list[1]->Frame, 6);  // 90 / 20 > 3.8
  EXPECT_EQ(list[2]->Name, "BUTTONKEPT");
  EXPECT_EQ(list[2]->Frame, 6);  // negative action
  EXPECT_EQ(list[2]->Visibility1, -1);
  EXPECT_EQ(list[3]->Name, "BUTTONICON");
  EXPECT_EQ(list[3]->Frame, 3);
  EXPECT_TRUE(list[3]->Image.Empty());  // icon button: image dropped
  EXPECT_EQ(list[4]->Name, "BUTTONFIXED");
  EXPECT_EQ(list[4]->Frame, 2);
  EXPECT_FALSE(list[4]->Image.Empty());  // frame given: image kept
  EXPECT_EQ(list[4]->Visibility1, 4);
  EXPECT_EQ(list[4]->CombineOp, 1);
  EXPECT_EQ(list[5]->Frame, 6);  // no image
  for (int i = 0; i < kMdiButtonCount; ++i) {
    const TDataSkinSysButton& mdi = *list[6 + i];
    EXPECT_EQ(mdi.Action, 7 + i);
    EXPECT_EQ(mdi.Align, 100);
    EXPECT_EQ(mdi.Visibility, 100);
    EXPECT_EQ(mdi.Visibility1, 100);
    EXPECT_EQ(mdi.Frame, 4);
    EXPECT_TRUE(mdi.Image.Empty());  // no MDICONTROLS image
    EXPECT_EQ(mdi.Xcoord, 0);
  }
}

TEST(CaptionButtons, MdiButtonsAreCutFromTwelveCells) {
  TestSkin skin;
  // 12 cells of 10 pixels: cells 0-3 red, 4-7 green, 8-11 blue.
  skin.Text("[MDICONTROLS]\nImage=mdi.bmp\n")
      .Image("mdi.bmp", Cells(120, 9, 3, {kRed, kGreen, kBlue}));
  auto read = Read(skin);
  const TCaptionButtonList& list = read->objects.CaptionButtons;
  ASSERT_EQ(list.size(), 3u);
  const TColor expected[] = {kRed, kGreen, kBlue};
  const int xcoords[] = {42, 28, 14};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(list[i]->Image.Width(), 40);
    EXPECT_EQ(list[i]->Image.Height(), 9);
    EXPECT_EQ(list[i]->Image.GetPixel(0, 0), expected[i]);
    EXPECT_EQ(list[i]->Image.GetPixel(39, 8), expected[i]);
    EXPECT_EQ(list[i]->Xcoord, xcoords[i]);
  }
}

TEST(CaptionButtons, NarrowMdiImageGivesEmptyButtons) {
  TestSkin skin;
  skin.Text("[MDICONTROLS]\nImage=mdi.bmp\n").Image("mdi.bmp", Solid(11, 9, kRed));
  auto read = Read(skin);
  for (const auto& b : read->objects.CaptionButtons) {
    EXPECT_TRUE(b->Image.Empty());
    EXPECT_EQ(b->Xcoord, 4 * (3 - (b->Action - 7)));
  }
}

TEST(SkinObjectReaders, ImageProblemsAreReported) {
  TestSkin skin;
  skin.Text("[MenuItem]\nImage=gone.bmp\n[Scrollbar]\nImage=s.BMP\n[SunkEdge]\nImage=bad.bmp\n")
      .Image("s.bmp", Solid(4, 4, kRed))
      .Raw("bad.bmp", {'B', 'M', 1, 2, 3});
  const std::vector<uint8_t> file = skin.File();
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadPackage(file.data(), file.size()));
  TQuickIni ini;
  ini.LoadFromText(skin.ini);
  std::vector<std::string> problems;
  TImageProblemEvent event = [&](const std::string& section, const std::string& key,
                                 const std::string& value, const char* problem) {
    problems.push_back(section + "." + key + "=" + value + ": " + problem);
  };
  TSkinObjects previous, next;
  next.CreateAlwaysPresent();
  TSkinColourTable colours;
  ReadSkinObjects(ini, reader, previous, next, colours, &event);
  ASSERT_EQ(problems.size(), 3u);
  // In reading order: SunkEdge comes before MenuItem and Scrollbar.
  EXPECT_EQ(problems[0], "SunkEdge.Image=bad.bmp: not a readable BMP");
  EXPECT_EQ(problems[1], "MenuItem.Image=gone.bmp: missing");
  EXPECT_EQ(problems[2], "Scrollbar.Image=s.BMP: not a .bmp name");
  EXPECT_TRUE(next.Scrollbar->Image.Empty());
}

// Numbers no real skin has must not break reading or the derived images.
TEST(SkinObjectReaders, HostileNumbersAreHarmless) {
  TestSkin skin;
  skin.Text(
          "[Personality]\nTop=a.bmp\nTopFrame=-3\nLeftFrame=2147483647\nLeft=a.bmp\n"
          "[SunkEdge]\nImage=a.bmp\nLeftWidth=-50\nRightWidth=100000\nTopHeight=2147483647\n"
          "Trans=1\n[ComboButton]\nImage=a.bmp\nTopHeight=-3\nBottomHeight=-2147483648\n"
          "[ExtraImages]\nImage=a.bmp\nLeftWidth=99999\n"
          "[HorzScrollThumb]\nImage=a.bmp\nFrameCount=-1\n"
          "[ButtonX]\nButtonImage=a.bmp\nframe=-7\nAction=0x7FFFFFFF\n"
          "[Buttons]\nRadioButton=a.bmp\nRadioButtonFrame=-4\n")
      .Image("a.bmp", Cells(40, 21, 4, {kRed, kGreen, kBlue}));
  auto read = Read(skin);
  const TSkinObjects& s = read->objects;
  EXPECT_EQ(read->colours.TitleColour, read->colours.ButtonFace);
  EXPECT_EQ(s.Left->Frame, 2147483647);
  EXPECT_EQ(s.HorzScrollThumb->Frame, -1);
  EXPECT_EQ(s.CaptionButtons[0]->Frame, -7);
  EXPECT_EQ(s.Buttons->RadioButtonFrame, -4);
  ASSERT_TRUE(s.ComboButton);
  EXPECT_EQ(s.ComboButton->Image.Width(), 200);
  EXPECT_EQ(s.ComboxArrow->Image.Width(), 68);
}

}  // namespace
