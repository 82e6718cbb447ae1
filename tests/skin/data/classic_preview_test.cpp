// The default skin end to end under Wine: classic.skn (built beside the test program)
// is unpacked, its images are loaded as bitmaps and a small window is composed with the
// drawing routines as the frame painter lays them out. Pixels are checked (transparent
// corners keep the desktop, the title is slate blue, faces are light grey) and the
// picture is kept as classic_preview.bmp beside the program for people to look at.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "framework/wide.h"
#include "skin/data/image_utils.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"
#include "skin/data/skin_reader.h"
#include "test_skins.h"

namespace {

using testskin::BesideProgram;

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(Widen(path).c_str(), std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

constexpr TColor kDesktop = 0x30A030;

class ClassicPreview : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<uint8_t> file = ReadAll(BesideProgram("classic.skn"));
    if (file.empty()) GTEST_SKIP() << "classic.skn is not built beside the test";
    ASSERT_TRUE(reader_.LoadPackage(file.data(), file.size())) << reader_.Message();
    TMemoryStream text;
    std::string name;
    ASSERT_TRUE(reader_.FindEntry(".ini", text, name));
    ini_.LoadFromStream(text);
  }
  TBitmap Image(const std::string& section, const std::string& key) {
    TMemoryStream entry;
    reader_.GetEntry(ini_.ReadString(section, key, ""), entry);
    TBitmap b;
    EXPECT_TRUE(b.LoadFromBmp(entry.Bytes())) << section << "/" << key;
    return b;
  }
  int Int(const std::string& section, const std::string& key) { return ini_.ReadInteger(section, key, 0); }

  TSkinReader reader_;
  TQuickIni ini_;
};

TEST_F(ClassicPreview, ComposesAWindow) {
  const int W = 260, H = 200;
  TBitmap window(W, H);
  window.Fill(kDesktop);
  HDC dc = window.Canvas();
  const std::string p = "Personality";
  TBitmap left = Image(p, "Left"), right = Image(p, "Right"), top = Image(p, "Top"),
          bottom = Image(p, "Bottom");
  const int lw = left.Width() / Int(p, "LeftFrame"), rw = right.Width() / Int(p, "RightFrame");
  const int th = top.Height() / Int(p, "TopFrame"), bh = bottom.Height() / Int(p, "BottomFrame");
  ASSERT_EQ(lw, 4);
  ASSERT_EQ(th, 26);

  // Borders as the frame painter draws them: frame 1 (active), margins from the skin,
  // centre stretched for stretch value 1, keyed where the piece is transparent.
  DrawNineSlice(dc, RECT{0, 0, lw, H}, left, RECT{0, Int(p, "LeftTopHeight"), 0, Int(p, "LeftBotHeight")},
                false, Int(p, "LeftStretch") != 1, 2, 1, Int(p, "LeftTrans") == 1);
  DrawNineSlice(dc, RECT{W - rw, 0, W, H}, right, RECT{0, Int(p, "RightTopHeight"), 0, Int(p, "RightBotHeight")},
                false, Int(p, "RightStretch") != 1, 2, 1, Int(p, "RightTrans") == 1);
  DrawNineSlice(dc, RECT{lw, 0, W - rw, th}, top, RECT{Int(p, "TopTopHeight"), 0, Int(p, "TopBotHeight"), 0},
                true, Int(p, "TopStretch") != 1, 2, 1, Int(p, "TopTrans") == 1);
  DrawNineSlice(dc, RECT{lw, H - bh, W - rw, H}, bottom, RECT{Int(p, "BottomTopHeight"), 0, Int(p, "BottomBotHeight"), 0},
                true, Int(p, "BottomStretch") != 1, 2, 1, Int(p, "BottomTrans") == 1);
  // Client area in the face colour.
  const TColor face = RgbColour(232, 233, 236);
  OwnedBrush faceBrush(CreateSolidBrush(static_cast<COLORREF>(face)));
  RECT client = {lw, th, W - rw, H - bh};
  FillRect(dc, &client, faceBrush.Get());

  // Title text background and caption text.
  TBitmap back = Image(p, "TextBack");
  DrawThreePart(dc, RECT{lw + 20, 0, lw + 120, th}, back, true, true, 2, 1, Int(p, "TXTBackleft"),
                Int(p, "TXTBackRight"));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT text = {lw + 26, 0, lw + 114, th};
  DrawTextUnicode(dc, L"  Quillmere ", text, DT_SINGLELINE | DT_VCENTER);

  // Caption buttons: Align 1 places them Xcoord from the right edge.
  for (const char* section : {"ButtonClose", "ButtonMaximize", "ButtonMinimize"}) {
    TBitmap strip = Image(section, "ButtonImage");
    const int frames = Int(section, "frame"), bw = strip.Width() / frames;
    const int x = W - Int(section, "Xcoord"), y = Int(section, "Ycoord");
    DrawStripFrame(dc, RECT{x, y, x + bw, y + strip.Height()}, strip, true, frames, 1);
  }

  // A push button, a check box, a radio button, a progress bar and a scroll bar.
  TBitmap button = Image("Buttons", "Bitmap");
  const RECT bm = {Int("Buttons", "LeftWidth"), Int("Buttons", "TopHeight"), Int("Buttons", "RightWidth"),
                   Int("Buttons", "BottomHeight")};
  DrawNineSlice(dc, RECT{20, 40, 110, 64}, button, bm, false, false, 5, 1, true);
  DrawNineSlice(dc, RECT{120, 40, 210, 64}, button, bm, false, false, 5, 4, true);
  TBitmap check = Image("Buttons", "CheckButton");
  DrawStripFrameCentred(dc, RECT{20, 74, 33, 87}, check, true, Int("Buttons", "CheckButtonFrame"), 2);
  TBitmap radio = Image("Buttons", "RadioButton");
  DrawStripFrameCentred(dc, RECT{120, 74, 133, 87}, radio, true, Int("Buttons", "RadioButtonFrame"), 2);
  TBitmap progress = Image("Progress", "Bitmap");
  const RECT pm = {Int("Progress", "LeftWidth"), Int("Progress", "TopHeight"), Int("Progress", "RightWidth"),
                   Int("Progress", "BottomHeight")};
  DrawNineSlice(dc, RECT{20, 98, 230, 114}, progress, pm, false, false, 2, 1, true);
  DrawNineSlice(dc, RECT{20, 98, 130, 114}, progress, pm, false, false, 2, 2, true);
  TBitmap arrows = Image("Scrollbar", "Image"), track = Image("HorzScroll", "Image"),
          thumb = Image("HorzScrollThumb", "Image");
  const int t = arrows.Height();
  DrawNineSlice(dc, RECT{20 + t, 126, 230 - t, 126 + t}, track, RECT{2, 0, 2, 0}, false, false, 4, 1, false);
  DrawStripFrame(dc, RECT{20, 126, 20 + t, 126 + t}, arrows, true, 23, 1);
  DrawStripFrame(dc, RECT{230 - t, 126, 230, 126 + t}, arrows, true, 23, 5);
  DrawNineSlice(dc, RECT{70, 126, 130, 126 + t}, thumb, RECT{4, 3, 4, 3}, false, false, 3, 1, true);
  DrawStripFrame(dc, RECT{92, 126, 92 + t, 126 + t}, arrows, true, 23, 17);

  // A combo box from the combined images the skin data builds at reading time, and a
  // vertical up-down beside it.
  TSkinData data;
  data.ReadSkinDescription(ini_, reader_);
  const TDataSkinBorder* combo = data.Objects.ComboButton.get();
  ASSERT_TRUE(combo);
  EXPECT_EQ(combo->Style, 2);
  DrawNineSlice(dc, RECT{20, 146, 150, 167}, combo->Image,
                RECT{combo->LeftWidth, combo->TopHeight, combo->RightWidth, combo->BottomHeight}, false,
                false, combo->Frame, 1, true);
  const TDataSkinBorder* updown = data.Objects.UpDownVert.get();
  ASSERT_TRUE(updown);
  for (int part = 0; part < 2; ++part) {
    const RECT half = {160, 146 + part * 11, 176, 157 + part * 11 - part};
    DrawStripFrame(dc, half, updown->Image, true, 8, 1 + 4 * part);
    DrawStripFrameCentred(dc, half, updown->Image2, true, 8, 1 + 4 * part);
  }

  const std::vector<uint8_t> picture = window.SaveToBmp();
  std::ofstream(Widen(BesideProgram("classic_preview.bmp")).c_str(), std::ios::binary)
      .write(reinterpret_cast<const char*>(picture.data()), static_cast<std::streamsize>(picture.size()));

  // The rounded top corners let the desktop through; the square bottom ones do not.
  EXPECT_EQ(window.GetPixel(0, 0), kDesktop);
  EXPECT_EQ(window.GetPixel(W - 1, 0), kDesktop);
  EXPECT_NE(window.GetPixel(0, H - 1), kDesktop);
  EXPECT_NE(window.GetPixel(0, H / 2), kDesktop);
  // The title is slate blue, away from the text and buttons.
  const TColor title = window.GetPixel(W / 2 + 20, th / 2);
  EXPECT_GT(BlueOf(title), RedOf(title) + 30);
  // The client face, and the button corners keyed onto it.
  EXPECT_EQ(window.GetPixel(W / 2, H - bh - 10), face);
  EXPECT_EQ(window.GetPixel(20, 40), face);
  EXPECT_NE(window.GetPixel(60, 52), face);
  // The progress fill is slate blue; the empty part is light.
  const TColor fill = window.GetPixel(60, 106), empty = window.GetPixel(200, 106);
  EXPECT_GT(BlueOf(fill), RedOf(fill) + 30);
  EXPECT_GT(RedOf(empty), 180);
  // The combo: its edit field is keyed out (the control paints it), its edge is drawn.
  EXPECT_EQ(window.GetPixel(60, 156), face);
  EXPECT_NE(window.GetPixel(20, 156), face);
}

}  // namespace
