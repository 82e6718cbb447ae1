// Control art of "Quillmere Classic": push buttons, check boxes and radio buttons,
// progress bars, group boxes, tabs, status bars, tool bars and headers.
#include "classic_parts.h"

namespace skin_art {

namespace {

using namespace palette;

int Number(Rgb c) { return c.Colour(); }  // a colour as the plain number keys expect


// A 13 x 13 check box glyph.
Raster CheckBox(bool checked, bool enabled) {
  Raster r(13, 13);
  r.VGradient(0, 0, 13, 13, enabled ? Rgb{236, 238, 242} : Rgb{242, 242, 243},
              enabled ? kWhite : Rgb{246, 246, 247});
  r.RoundOutline(0, 0, 13, 13, 2, enabled ? Rgb{118, 126, 142} : kLineSoft);
  if (checked) r.GlyphCentred(0, 0, 13, 13, kCheckMark, enabled ? kSlateDark : kGlyphOff);
  return r;
}

// A 13 x 13 radio button glyph.
Raster RadioButton(bool checked, bool enabled) {
  Raster r(13, 13);
  r.VGradient(0, 0, 13, 13, enabled ? Rgb{236, 238, 242} : Rgb{242, 242, 243},
              enabled ? kWhite : Rgb{246, 246, 247});
  r.RoundOutline(0, 0, 13, 13, 6.5, enabled ? Rgb{118, 126, 142} : kLineSoft);
  if (checked) {
    Raster dot(5, 5, enabled ? kSlateDark : kGlyphOff);
    dot.RoundOutline(0, 0, 5, 5, 2.5, enabled ? kSlate : kGlyphOff);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 5; ++x)
        if (Raster::InsideRounded(x, y, 5, 5, 2.5)) r.Set(4 + x, 4 + y, dot.Get(x, y));
  }
  return r;
}

void WriteButtons(SkinWriter& w) {
  w.Section("Buttons");
  w.Comment("Push button frames: normal, pressed, disabled, hot, focused.");
  w.Key("Bitmap", w.Image("button.bmp", SideBySide({Face(22, 22, Look::Normal), Face(22, 22, Look::Pressed),
                                                    Face(22, 22, Look::Disabled), Face(22, 22, Look::Hot),
                                                    Face(22, 22, Look::Focused)})));
  w.Comment("Check and radio glyphs: unchecked, checked, unchecked disabled, checked disabled.");
  w.Key("CheckButton", w.Image("check.bmp", SideBySide({CheckBox(false, true), CheckBox(true, true),
                                                        CheckBox(false, false), CheckBox(true, false)})));
  w.Key("RadioButton", w.Image("radio.bmp", SideBySide({RadioButton(false, true), RadioButton(true, true),
                                                        RadioButton(false, false), RadioButton(true, false)})));
  w.Key("CheckButtonFrame", 4);
  w.Key("RadioButtonFrame", 4);
  w.Margins(4, 4, 4, 4);
  w.Key("Trans", 1);
  w.Key("Tile", 0);
  w.Key("NormalColour", Number(kText));
  w.Key("MouseOverColour", Number(kSlateDark));
  w.Key("PressedColour", Number(kText));
}

void WriteProgress(SkinWriter& w) {
  // Two frames: the trough, and the fill laid over its first part.
  Raster trough(16, 14);
  trough.VGradient(0, 0, 16, 14, {214, 217, 223}, {242, 243, 245});
  trough.RoundOutline(0, 0, 16, 14, 3, kLine);
  Raster fill(16, 14);
  fill.VGradient(0, 0, 16, 14, Lighter(kSlate, 0.45), kSlate);
  fill.HLine(2, 14, 2, Lighter(kSlate, 0.65));
  fill.RoundOutline(0, 0, 16, 14, 3, Darker(kSlate, 0.2));
  w.Section("Progress");
  w.Key("Bitmap", w.Image("progress.bmp", SideBySide({trough, fill})));
  w.Key("Style", 0);
  w.Margins(4, 4, 4, 4);
  w.Key("Trans", 1);
  w.Key("Tile", 0);

  // Chunks for the one-frame style: a slate block with a one-pixel gap.
  Raster chunk(8, 10);
  chunk.VGradient(0, 0, 7, 10, Lighter(kSlate, 0.4), kSlate);
  w.Section("Progress.Chunk");
  w.Key("Image", w.Image("progresschunk.bmp", chunk));
  w.Key("Frame", 1);
  w.Key("Trans", 1);
  w.Key("Tile", 1);
}

void WriteGroupBox(SkinWriter& w) {
  Raster edge(12, 12);
  edge.RoundOutline(0, 0, 12, 12, 3, kShadow);
  Raster edgeOff(12, 12);
  edgeOff.RoundOutline(0, 0, 12, 12, 3, kLineSoft);
  w.Section("GroupBoxEdge");
  w.Key("Image", w.Image("groupedge.bmp", SideBySide({edge, edgeOff})));
  w.Margins(4, 4, 4, 4);
  w.Key("Trans", 1);

  Raster label(24, 18, kFace);
  label.RoundOutline(0, 0, 24, 18, 4, Lighter(kShadow, 0.3));
  w.Section("GroupBox");
  w.Key("Image", w.Image("grouplabel.bmp", label));
  w.Margins(5, 5, 5, 5);
  w.Key("Trans", 1);
  w.Key("NormalColour", Number(kSlateDark));
  w.Key("BackgroundAlignment", 0);
  w.Key("BackgroundLeftShift", 0);
  w.Key("BackgroundRightShift", 0);
}

// A tab (30 x 22): rounded top corners, open at the bottom when selected.
Raster Tab(Look look) {
  Raster r(30, 22);
  const bool selected = look == Look::Focused;
  Rgb top = {238, 239, 242}, bottom = {220, 223, 229};
  if (selected) top = kWhite, bottom = kFace;
  if (look == Look::Hot) top = {246, 249, 255}, bottom = {214, 225, 244};
  if (look == Look::Disabled) top = bottom = {236, 237, 239};
  r.VGradient(0, 0, 30, 22, top, bottom);
  r.RoundOutline(0, 0, 30, 22 + 6, 3, look == Look::Disabled ? kLineSoft : kLine);
  if (selected) {
    r.HLine(2, 28, 1, kSlate);
    r.HLine(1, 29, 2, Lighter(kSlate, 0.35));
  } else {
    r.HLine(0, 30, 21, kLine);  // the pane's top line runs under unselected tabs
  }
  return r;
}

void WriteTabs(SkinWriter& w) {
  Raster pane(24, 24, kFace);
  pane.Frame(0, 0, 24, 24, kLine);
  pane.HLine(1, 23, 1, kWhite);
  pane.VLine(1, 1, 23, kWhite);
  const std::string paneName = w.Image("tabpane.bmp", pane);
  w.Section("Tabs");
  w.Comment("Tab frames: normal, selected, hot, disabled, normal; Border is the pane.");
  w.Key("Image", w.Image("tabs.bmp", SideBySide({Tab(Look::Normal), Tab(Look::Focused), Tab(Look::Hot),
                                                  Tab(Look::Disabled), Tab(Look::Normal)})));
  w.Key("Border", paneName);
  w.Key("Style", 0);
  w.Margins(4, 4, 4, 2);
  w.Key("Trans", 1);
  w.Key("Tile", 0);
  w.Key("NormalColour", Number(kText));
  w.Key("MouseOverColour", Number(kSlateDark));
  w.Key("PressedColour", Number(kText));

  w.Section("Tab.Pane");
  w.Key("Image", paneName);
  w.Margins(4, 4, 4, 4);
}

void WriteBars(SkinWriter& w) {
  // Status bar panels: lowered, raised, none.
  Raster lowered(12, 12, kFace), raised(12, 12, kFace), none(12, 12, kFace);
  lowered.HLine(0, 12, 0, kShadow);
  lowered.VLine(0, 0, 12, kShadow);
  lowered.HLine(0, 12, 11, kWhite);
  lowered.VLine(11, 0, 12, kWhite);
  raised.HLine(0, 12, 0, kWhite);
  raised.VLine(0, 0, 12, kWhite);
  raised.HLine(0, 12, 11, kShadow);
  raised.VLine(11, 0, 12, kShadow);
  w.Section("StatusBarEdges");
  w.Key("Image", w.Image("statusbar.bmp", SideBySide({lowered, raised, none})));
  w.Margins(2, 2, 2, 2);
  w.Key("NormalColour", Number(kText));

  // Flat tool-bar buttons: normal (transparent), pressed, disabled, hot, checked.
  Raster flat(22, 22);
  w.Section("ToolBars");
  w.Key("Image", w.Image("toolbar.bmp", SideBySide({flat, Face(22, 22, Look::Pressed), flat,
                                                     Face(22, 22, Look::Hot), Face(22, 22, Look::Pressed)})));
  w.Margins(4, 4, 4, 4);
  w.Key("Trans", 1);

  // Column headers: normal, hot, pressed, normal, normal.
  auto header = [](Look look) {
    Raster r(20, 20);
    Rgb top = kWhite, bottom = {226, 228, 233};
    if (look == Look::Hot) top = {246, 249, 255}, bottom = {214, 225, 244};
    if (look == Look::Pressed) top = {208, 213, 222}, bottom = {230, 232, 236};
    r.VGradient(0, 0, 20, 20, top, bottom);
    r.HLine(0, 20, 19, {170, 176, 188});
    r.VLine(18, 3, 17, {190, 195, 204});
    r.VLine(19, 3, 17, kWhite);
    return r;
  };
  w.Section("Headerbar");
  w.Key("Image", w.Image("header.bmp", SideBySide({header(Look::Normal), header(Look::Hot), header(Look::Pressed),
                                                    header(Look::Normal), header(Look::Normal)})));
  w.Key("Frame", 5);
  w.Margins(2, 2, 3, 2);
  w.Key("NormalColour", Number(kText));
}

}  // namespace

void WriteControlParts(SkinWriter& w) {
  WriteButtons(w);
  WriteProgress(w);
  WriteGroupBox(w);
  WriteTabs(w);
  WriteBars(w);
}

}  // namespace skin_art
