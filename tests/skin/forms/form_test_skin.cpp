// The form-skinning tests' skin (see form_test_skin.h).
#include "form_test_skin.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>

#include "framework/wide.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_reader.h"

namespace formskin {
namespace {

constexpr Pixel32 kKey = PixelOf(kSkinKeyColour);

PixelImage LeftImage(TColor c1, TColor c2, bool cut) {
  PixelImage image(2 * kLeftWidth, 40);
  for (int cell = 0; cell < 2; ++cell) {
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < kLeftWidth; ++x) {
        TColor c = cell == 0 ? c1 : c2;
        if (y < 8) c = kLeftCorner;
        Pixel32 p = PixelOf(c);
        if (cut && y < 3) p = kKey;
        image.At(cell * kLeftWidth + x, y) = p;
      }
    }
  }
  return image;
}

PixelImage TopImage(bool cut) {
  PixelImage image(40, 2 * kTopHeight);
  for (int cell = 0; cell < 2; ++cell) {
    for (int y = 0; y < kTopHeight; ++y) {
      for (int x = 0; x < 40; ++x) {
        TColor c;
        if (x < 6 || x >= 34) {
          c = kTopCap;
        } else if (x - 6 < kTopMiddle / 2) {
          c = cell == 0 ? kTop1 : kTop2;
        } else {
          c = cell == 0 ? kTop1b : kTop2b;
        }
        Pixel32 p = PixelOf(c);
        if (cut && x < 3 && y < 3) p = kKey;
        image.At(x, cell * kTopHeight + y) = p;
      }
    }
  }
  return image;
}

std::string Rgb(TColor c) {
  return std::to_string(RedOf(c)) + " " + std::to_string(GreenOf(c)) + " " + std::to_string(BlueOf(c));
}

}  // namespace

testskin::TestSkin Make(const Options& o) {
  testskin::TestSkin skin;
  const std::string trans = o.transparent ? "1" : "0";
  skin.Text("[Personality]\n"
            "Left=left.bmp\nLeftFrame=2\nLeftTopHeight=8\nLeftBotHeight=0\nLeftStretch=1\nLeftTrans=" + trans + "\n"
            "Right=right.bmp\nRightFrame=2\nRightTopHeight=8\nRightStretch=1\nRightTrans=0\n"
            "Top=top.bmp\nTopFrame=2\nTopTopHeight=6\nTopBotHeight=6\nTopStretch=0\nTopTrans=" + trans + "\n"
            "Bottom=bottom.bmp\nBottomFrame=2\nBottomStretch=1\nBottomTrans=0\n"
            "TextShift=30\nTextRightClip=70\nTextAlignment=" + std::to_string(o.textAlignment) + "\n" +
            (o.withMenus ? "menuBar=menubar.bmp\nTileLeftMenu=2\nTileRightMenu=2\n" : "") +
            "[Colours]\nButtonFace=" + Rgb(kFace) + "\nTitleTextActive=" + Rgb(kTextActive) +
            "\nTitleTextNoActive=" + Rgb(kTextInactive) + "\nMenu=" + Rgb(kMenu) + "\n");
  skin.Image("left.bmp", LeftImage(kLeft1, kLeft2, o.transparent));
  skin.Image("right.bmp", LeftImage(kRight1, kRight2, false));
  skin.Image("top.bmp", TopImage(o.transparent));
  PixelImage bottom(40, 2 * kBottomHeight);
  for (int y = 0; y < 2 * kBottomHeight; ++y)
    for (int x = 0; x < 40; ++x) bottom.At(x, y) = PixelOf(y < kBottomHeight ? kBottom1 : kBottom2);
  skin.Image("bottom.bmp", bottom);
  if (o.withButtons) {
    skin.Text("[ButtonClose]\nButtonImage=close.bmp\nAction=0\nAlign=1\nXcoord=20\nYcoord=4\n"
              "[ButtonMax]\nButtonImage=max.bmp\nAction=1\nAlign=1\nXcoord=40\nYcoord=4\n"
              "[ButtonMin]\nButtonImage=min.bmp\nAction=2\nAlign=1\nXcoord=60\nYcoord=4\n"
              "[ButtonIcon]\nAction=3\nAlign=0\nXcoord=8\nYcoord=4\n");
    skin.Image("close.bmp", testskin::Cells(48, 16, 3, {kClose[0], kClose[1], kClose[2]}));
    skin.Image("max.bmp", testskin::Cells(48, 16, 3, {kMax[0], kMax[1], kMax[2]}));
    skin.Image("min.bmp", testskin::Cells(48, 16, 3, {kMin[0], kMin[1], kMin[2]}));
  }
  if (o.withMenus) {
    PixelImage bar(20, 2 * 20);
    for (int y = 0; y < 2 * 20; ++y)
      for (int x = 0; x < 20; ++x) bar.At(x, y) = PixelOf(y < 20 ? kMenuBar1 : kMenuBar2);
    skin.Image("menubar.bmp", bar);
    skin.Text("[MenuBackground]\nImage=menubg.bmp\nLeftWidth=3\nRightWidth=3\nTopHeight=3\nBottomHeight=3\n");
    PixelImage back(12, 12);
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 12; ++x) back.At(x, y) = PixelOf(kMenuBack);
    skin.Image("menubg.bmp", back);
    // The active MDI child's minimise, restore and close: four 12 x 12 cells each.
    skin.Text("[MDICONTROLS]\nImage=mdi.bmp\n");
    std::vector<TColor> cells;
    for (int i = 0; i < 3; ++i) cells.insert(cells.end(), {kMdiButton[i], kMdiOther, kMdiOther, kMdiOther});
    skin.Image("mdi.bmp", testskin::Cells(12 * 12, 12, 12, cells));
  }
  skin.Text(o.extra);
  return skin;
}

std::unique_ptr<TSkinData> Load(const Options& o) {
  const std::vector<uint8_t> file = Make(o).File();
  TSkinReader reader;
  if (!reader.LoadPackage(file.data(), file.size())) throw std::runtime_error(reader.Message());
  TMemoryStream text;
  std::string name;
  reader.FindEntry(".ini", text, name);
  text.Seek(0);
  TQuickIni ini;
  ini.LoadFromStream(text);
  auto data = std::make_unique<TSkinData>();
  data->ReadSkinDescription(ini, reader);
  return data;
}

TWindowFacts Facts(const TSkinData& skin, int w, int h) {
  TWindowFacts f;
  f.width = w;
  f.height = h;
  f.borderKind = bkSizeable;
  f.frame = FrameWidthsOf(skin.Objects, f.borderKind);
  f.buttonFlags = kHasSystemMenu | kHasMaximiseBox | kHasMinimiseBox;
  f.caption = L"Wide Test Caption";
  return f;
}

std::string WriteFile(const Options& o) {
  wchar_t folder[MAX_PATH] = {}, path[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"qsk", 0, path);
  const std::vector<uint8_t> file = Make(o).File();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return Narrow(path);
}

}  // namespace formskin
