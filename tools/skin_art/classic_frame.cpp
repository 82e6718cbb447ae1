// Window frame art of "Quillmere Classic": borders with rounded top corners, the title
// bar, caption buttons, MDI child buttons, menu bar and menu items, and the colour
// scheme.
#include "classic_parts.h"

namespace skin_art {

namespace {

using namespace palette;

constexpr int kTitle = 26;   // title bar height (the top border)
constexpr int kSide = 4;     // left and right border width
constexpr int kBottom = 4;   // bottom border height
constexpr int kTemplateW = 64, kTemplateH = kTitle + 8 + kBottom;

// The whole frame of a small window, later cut into the four border pieces.
Raster FrameTemplate(bool active) {
  const Rgb top = active ? kTitleTop : kTitleTopOff;
  const Rgb bottom = active ? kTitleBottom : kTitleBottomOff;
  const Rgb edge = active ? kFrameEdge : kFrameEdgeOff;
  const Rgb inner = Darker(bottom, 0.25);
  Raster t(kTemplateW, kTemplateH);
  t.Fill(0, 0, kTemplateW, kTemplateH, bottom);
  t.VGradient(0, 0, kTemplateW, kTitle, top, bottom);
  t.HLine(0, kTemplateW, 1, Lighter(top, 0.3));  // light line under the top edge
  // Inner line around the client area.
  t.HLine(kSide - 1, kTemplateW - kSide + 1, kTitle - 1, inner);
  t.VLine(kSide - 1, kTitle - 1, kTemplateH - kBottom + 1, inner);
  t.VLine(kTemplateW - kSide, kTitle - 1, kTemplateH - kBottom + 1, inner);
  t.HLine(kSide - 1, kTemplateW - kSide + 1, kTemplateH - kBottom, inner);
  // Outer edge: rounded top corners (radius 5, transparent outside), square bottom.
  t.RoundOutline(0, 0, kTemplateW, kTemplateH + 10, 5, edge);
  t.HLine(0, kTemplateW, kTemplateH - 1, edge);
  return t;
}

// One caption button frame (20 x 18): a rounded plate on the title with a glyph.
enum class Plate { Normal, Pressed, Hot, Inactive };
Raster CaptionButton(Plate plate, const std::vector<std::string>& glyph, bool danger) {
  Rgb top, bottom, edge, mark = kWhite;
  switch (plate) {
    case Plate::Normal: top = Lighter(kTitleTop, 0.18); bottom = Lighter(kTitleBottom, 0.08); edge = kFrameEdge; break;
    case Plate::Pressed: top = Darker(kTitleBottom, 0.3); bottom = Darker(kTitleBottom, 0.12); edge = kFrameEdge; break;
    case Plate::Hot:
      top = danger ? Rgb{222, 112, 100} : Lighter(kTitleTop, 0.38);
      bottom = danger ? Rgb{184, 68, 58} : Lighter(kTitleBottom, 0.22);
      edge = danger ? Rgb{120, 40, 34} : kFrameEdge;
      break;
    case Plate::Inactive: top = Lighter(kTitleTopOff, 0.2); bottom = kTitleBottomOff; edge = kFrameEdgeOff; mark = {244, 245, 247}; break;
  }
  Raster r(20, 18);
  r.VGradient(0, 0, 20, 18, top, bottom);
  r.RoundOutline(0, 0, 20, 18, 3, edge);
  r.GlyphCentred(0, 0, 20, 18, glyph, mark);
  return r;
}

Raster CaptionStrip(const std::vector<std::string>& glyph, bool danger = false) {
  return SideBySide({CaptionButton(Plate::Normal, glyph, danger),
                     CaptionButton(Plate::Pressed, glyph, danger),
                     CaptionButton(Plate::Hot, glyph, danger),
                     CaptionButton(Plate::Inactive, glyph, danger)});
}

const std::vector<std::string> kClose = {
    "##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##"};
const std::vector<std::string> kMaximise = {
    "#########", "#########", "#.......#", "#.......#", "#.......#", "#.......#", "#########"};
const std::vector<std::string> kRestore = {
    "..#######", "..#######", "..#.....#", "#######.#", "#######.#",
    "#.....###", "#.....#..", "#######.."};
const std::vector<std::string> kMinimise = {".........", ".........", ".........", ".........",
                                            ".........", "########.", "########."};
// Smaller glyphs for the MDI child buttons in the menu bar.
const std::vector<std::string> kCloseSmall = {"#....#", ".#..#.", "..##..", "..##..", ".#..#.", "#....#"};
const std::vector<std::string> kRestoreSmall = {"..####", "..#..#", "####.#", "####.#", "#..##.", "####.."};
const std::vector<std::string> kMinimiseSmall = {"......", "......", "......", "......", "#####.", "#####."};

// MDI child buttons: 16 x 14 light plates; frames normal, pressed, hot, hot.
Raster MdiButton(const std::vector<std::string>& glyph) {
  std::vector<Raster> cells;
  for (Look look : {Look::Normal, Look::Pressed, Look::Hot, Look::Hot}) {
    Raster c = Face(16, 14, look, 2);
    c.GlyphCentred(0, 0, 16, 14, glyph, kGlyph);
    cells.push_back(c);
  }
  return SideBySide(cells);
}

void WriteColours(SkinWriter& w) {
  w.Section("Colours");
  w.Colour("WindowText", kText);
  w.Colour("ButtonFace", kFace);
  w.Colour("Scrollbar", {238, 239, 242});
  w.Colour("HilightText", kWhite);
  w.Colour("Hilight", kSlate);
  w.Colour("Menubar", kFace);
  w.Colour("Menu", kMenu);
  w.Colour("MenuText", kText);
  w.Colour("ButtonText", kText);
  w.Colour("ButtonHilight", kWhite);
  w.Colour("Buttonlight", kLight);
  w.Colour("ButtonShadow", kShadow);
  w.Colour("ButtonDkShadow", kDkShadow);
  w.Colour("MenuBarText", kText);
  w.Colour("TitleTextActive", kWhite);
  w.Colour("TitleTextNoActive", {238, 240, 244});
  w.Section("Colour.Accent");
  w.Colour("color", kSlate);
  w.Section("Colour.Paper");
  w.Colour("color", kWindow);
}

void WriteBorders(SkinWriter& w) {
  const Raster on = FrameTemplate(true), off = FrameTemplate(false);
  auto cut = [](const Raster& t, int l, int tp, int r, int b) { return t.Crop(l, tp, r, b); };
  const int W = kTemplateW, H = kTemplateH;
  w.Section("Personality");
  w.Comment("Borders: left and right frames side by side, top and bottom stacked;");
  w.Comment("frame 1 active, frame 2 inactive.");
  w.Key("Left", w.Image("left.bmp", SideBySide({cut(on, 0, 0, kSide, H), cut(off, 0, 0, kSide, H)})));
  w.Key("Right", w.Image("right.bmp", SideBySide({cut(on, W - kSide, 0, W, H), cut(off, W - kSide, 0, W, H)})));
  w.Key("Top", w.Image("top.bmp", Stacked({cut(on, kSide, 0, W - kSide, kTitle), cut(off, kSide, 0, W - kSide, kTitle)})));
  w.Key("Bottom", w.Image("bottom.bmp", Stacked({cut(on, kSide, H - kBottom, W - kSide, H),
                                                 cut(off, kSide, H - kBottom, W - kSide, H)})));
  w.Key("LeftTopHeight", kTitle);
  w.Key("LeftBotHeight", kBottom);
  w.Key("RightTopHeight", kTitle);
  w.Key("RightBotHeight", kBottom);
  w.Key("TopTopHeight", 4);
  w.Key("TopBotHeight", 4);
  w.Key("BottomTopHeight", 0);
  w.Key("BottomBotHeight", 0);
  for (const char* side : {"Left", "Right", "Top", "Bottom"}) {
    w.Key(std::string(side) + "Frame", 2);
    w.Key(std::string(side) + "Stretch", 1);
  }
  w.Key("LeftTrans", 1);   // rounded corners
  w.Key("RightTrans", 1);
  w.Key("TopTrans", 0);
  w.Key("BottomTrans", 0);

  // Title: a soft lighter band behind the caption text, two frames stacked.
  auto band = [](bool active) {
    Raster r(24, kTitle);
    const Rgb c = active ? Lighter(Mix(kTitleTop, kTitleBottom, 0.5), 0.07)
                         : Lighter(Mix(kTitleTopOff, kTitleBottomOff, 0.5), 0.07);
    Raster plate(24, kTitle - 10, c);
    plate.RoundOutline(0, 0, 24, kTitle - 10, 5, c);
    r.Blit(plate, 0, 5);
    return r;
  };
  w.Key("TextBack", w.Image("titleback.bmp", Stacked({band(true), band(false)})));
  w.Key("TextShift", 24);
  w.Key("TextShiftVert", 0);
  w.Key("TextRightClip", 76);
  w.Key("TextAlignment", 0);
  w.Key("Textbackground", 0);
  w.Key("TXTBackleft", 6);
  w.Key("TXTBackRight", 6);
  w.Key("ActiveTextR", 255);
  w.Key("ActiveTextG", 255);
  w.Key("ActiveTextB", 255);
  w.Key("InActiveTextR", 238);
  w.Key("InActiveTextG", 240);
  w.Key("InActiveTextB", 244);

  // Menu bar: two frames stacked (active, inactive), centre stretched.
  auto bar = [](bool active) {
    Raster r(16, 20);
    r.VGradient(0, 0, 16, 20, Lighter(kFace, 0.6), active ? kFace : Lighter(kFace, 0.3));
    r.HLine(0, 16, 19, Lighter(kShadow, 0.35));
    return r;
  };
  w.Key("menuBar", w.Image("menubar.bmp", Stacked({bar(true), bar(false)})));
  w.Key("TileMenu", 1);
  w.Key("TileLeftMenu", 1);
  w.Key("TileRightMenu", 1);

  w.Section("Fonts");
  w.Key("FontHeight", 14);
}

void WriteCaptionButtons(SkinWriter& w) {
  w.Comment("Caption buttons: frames normal, pressed, hot, inactive.");
  const std::string close = w.Image("close.bmp", CaptionStrip(kClose, true));
  const std::string maximise = w.Image("maximize.bmp", CaptionStrip(kMaximise));
  const std::string restore = w.Image("restore.bmp", CaptionStrip(kRestore));
  const std::string minimise = w.Image("minimize.bmp", CaptionStrip(kMinimise));
  struct Button {
    const char* section;
    std::string image;
    int action, x, visibility;
  };
  // Align 1 measures Xcoord from the right edge; Visibility 2: not maximised, 1: maximised.
  const Button buttons[] = {{"ButtonClose", close, 0, 26, 0},
                            {"ButtonMaximize", maximise, 1, 48, 2},
                            {"ButtonRestore", restore, 1, 48, 1},
                            {"ButtonMinimize", minimise, 2, 70, 0}};
  for (const Button& b : buttons) {
    w.Section(b.section);
    w.Key("ButtonImage", b.image);
    w.Key("Action", b.action);
    w.Key("Align", 1);
    w.Key("Xcoord", b.x);
    w.Key("Ycoord", 4);
    w.Key("Visibility", b.visibility);
    w.Key("frame", 4);
  }
  // The window icon with the system menu: drawn from the window's own icon.
  w.Section("ButtonIcon");
  w.Key("Action", 3);
  w.Key("Align", 0);
  w.Key("Xcoord", 7);
  w.Key("Ycoord", 5);
  w.Key("Visibility", 0);

  w.Section("MDICONTROLS");
  w.Comment("Minimise, restore and close of the active MDI child: 4 frames each.");
  w.Key("Image", w.Image("mdicontrols.bmp", SideBySide({MdiButton(kMinimiseSmall),
                                                        MdiButton(kRestoreSmall),
                                                        MdiButton(kCloseSmall)})));
}

void WriteMenus(SkinWriter& w) {
  // Menu items: 1 normal (transparent), 2 separator (its lowest rows), 3 disabled,
  // 4 selected, 5 selected.
  const int iw = 24, ih = 20;
  Raster normal(iw, ih);
  Raster separator(iw, ih);
  separator.HLine(2, iw - 2, ih - 5, {204, 207, 214});
  separator.HLine(2, iw - 2, ih - 4, kWhite);
  Raster selected(iw, ih);
  selected.VGradient(0, 0, iw, ih, Lighter(kSlate, 0.12), kSlate);
  selected.HLine(2, iw - 2, 1, Lighter(kSlate, 0.3));
  selected.RoundOutline(0, 0, iw, ih, 3, Darker(kSlate, 0.15));
  w.Section("MenuItem");
  w.Key("Image", w.Image("menuitem.bmp", SideBySide({normal, separator, normal, selected, selected})));
  w.Key("LeftWidth", 3);
  w.Key("RightWidth", 3);
  w.Key("TopHeight", 3);
  w.Key("BottomHeight", 3);
  w.Key("Trans", 1);
  w.Key("Tile", 0);

  // Pop-up menu background: a thin outline and a 2-pixel margin of menu colour.
  Raster back(24, 24, kMenu);
  back.Frame(0, 0, 24, 24, kLine);
  w.Section("MenuBackground");
  w.Key("Image", w.Image("menuback.bmp", back));
  w.Key("LeftWidth", 3);
  w.Key("RightWidth", 3);
  w.Key("TopHeight", 3);
  w.Key("BottomHeight", 3);
  w.Key("Tile", 0);
}

}  // namespace

void WriteFrameParts(SkinWriter& w) {
  WriteBorders(w);
  WriteColours(w);
  WriteCaptionButtons(w);
  WriteMenus(w);
}

}  // namespace skin_art
