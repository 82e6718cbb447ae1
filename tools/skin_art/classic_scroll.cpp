// Scrolling and sliding art of "Quillmere Classic": scroll-bar arrows, tracks, thumbs
// and grips; track-bar grooves and thumbs; up-down buttons; the combo box edge, button
// and arrow.
#include "classic_parts.h"

namespace skin_art {

namespace {

using namespace palette;

constexpr int kCell = 16;  // scroll-bar thickness and arrow size


enum Direction { Left, Right, Up, Down };
std::vector<std::string> Arrow(Direction d) {
  switch (d) {
    case Up: return kArrowUp;
    case Down: return FlipRows(kArrowUp);
    case Left: return Transpose(kArrowUp);
    case Right: return MirrorRows(Transpose(kArrowUp));
  }
  return kArrowUp;
}

// One scroll arrow button: a face with a 1-pixel transparent rim and an arrow.
Raster ArrowButton(Direction d, Look look) {
  Raster r = InsetFace(kCell, kCell, 1, look, 2);
  r.GlyphCentred(0, 0, kCell, kCell, Arrow(d), GlyphColour(look));
  return r;
}

// Three grip lines across a thumb, on a transparent cell.
Raster Grip(bool vertical, Look look) {
  Raster r(kCell, kCell);
  const Rgb dark = look == Look::Pressed ? kSlateDark : Rgb{120, 130, 150};
  for (int i = 0; i < 3; ++i) {
    const int at = 5 + 2 * i;
    if (vertical) {
      r.HLine(5, 11, at, dark);
    } else {
      r.VLine(at, 5, 11, dark);
    }
  }
  return r;
}

// A size grip: dots in a triangle at the bottom-right corner.
Raster SizeGrip(Rgb back) {
  Raster r(kCell, kCell, back);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col <= row; ++col) {
      const int x = kCell - 4 - 4 * (row - col), y = kCell - 4 - 4 * (2 - row);
      r.Fill(x, y, x + 2, y + 2, kWhite);
      r.Fill(x, y, x + 1, y + 1, kShadow);
    }
  return r;
}

void WriteScrollBars(SkinWriter& w) {
  // 23 cells: left 1-4, right 5-8, up 9-12, down 13-16 (normal, pressed, disabled, hot);
  // horizontal grip 17-19 and vertical grip 20-22 (normal, pressed, hot); 23 a size grip.
  std::vector<Raster> cells;
  for (Direction d : {Left, Right, Up, Down})
    for (Look look : {Look::Normal, Look::Pressed, Look::Disabled, Look::Hot})
      cells.push_back(ArrowButton(d, look));
  for (bool vertical : {false, true})
    for (Look look : {Look::Normal, Look::Pressed, Look::Hot}) cells.push_back(Grip(vertical, look));
  cells.push_back(SizeGrip(kFace));
  w.Section("Scrollbar");
  w.Key("Image", w.Image("scrollbar.bmp", SideBySide(cells)));
  w.Key("Trans", 1);

  // Tracks: enabled, pressed, disabled, enabled.
  auto track = [](bool vertical, Look look) {
    Raster r(kCell, kCell);
    Rgb a = {226, 228, 233}, b = {242, 243, 245};
    if (look == Look::Pressed) a = {206, 210, 218}, b = {226, 229, 234};
    if (look == Look::Disabled) a = b = {244, 244, 245};
    if (vertical) {
      r.HGradient(0, 0, kCell, kCell, a, b);
      r.VLine(0, 0, kCell, {210, 213, 219});
    } else {
      r.VGradient(0, 0, kCell, kCell, a, b);
      r.HLine(0, kCell, 0, {210, 213, 219});
    }
    return r;
  };
  for (bool vertical : {false, true}) {
    w.Section(vertical ? "VertScroll" : "HorzScroll");
    w.Key("Image", w.Image(vertical ? "vscroll.bmp" : "hscroll.bmp",
                           SideBySide({track(vertical, Look::Normal), track(vertical, Look::Pressed),
                                       track(vertical, Look::Disabled), track(vertical, Look::Normal)})));
    w.Margins(vertical ? 0 : 2, vertical ? 2 : 0, vertical ? 0 : 2, vertical ? 2 : 0);
    w.Key("Tile", 0);
  }

  // Thumbs: normal, pressed, hot; rounded and inset across the bar.
  auto thumb = [](Look look) {
    Raster r(kCell, kCell);
    Rgb top = {234, 237, 243}, bottom = {204, 210, 222}, edge = {136, 146, 166};
    if (look == Look::Pressed) top = {172, 186, 210}, bottom = {198, 208, 226}, edge = {84, 104, 142};
    if (look == Look::Hot) top = {224, 234, 250}, bottom = {188, 204, 232}, edge = {100, 124, 168};
    Raster body(kCell, kCell - 2);
    body.VGradient(0, 0, kCell, kCell - 2, top, bottom);
    body.RoundOutline(0, 0, kCell, kCell - 2, 3, edge);
    r.Blit(body, 0, 1);
    return r;
  };
  const Raster horz = SideBySide({thumb(Look::Normal), thumb(Look::Pressed), thumb(Look::Hot)});
  std::vector<Raster> vcells;
  for (Look look : {Look::Normal, Look::Pressed, Look::Hot}) vcells.push_back(TransposeRaster(thumb(look)));
  w.Section("HorzScrollThumb");
  w.Key("Image", w.Image("hthumb.bmp", horz));
  w.Key("FrameCount", 3);
  w.Margins(4, 3, 4, 3);
  w.Key("Trans", 1);
  w.Section("VertScrollThumb");
  w.Key("Image", w.Image("vthumb.bmp", SideBySide(vcells)));
  w.Key("FrameCount", 3);
  w.Margins(3, 4, 3, 4);
  w.Key("Trans", 1);
}

// Track-bar thumb pointing down, 11 x 19: a body with a pointed bottom.
Raster PointedThumb(Look look) {
  auto inside = [](int x, int y) {
    if (x < 0 || x > 10 || y < 0 || y > 18) return false;
    if (y < 13) return !((y == 0 && (x == 0 || x == 10)));
    return std::abs(x - 5) <= 5 - (y - 13);
  };
  Rgb top = {252, 252, 253}, bottom = {214, 219, 228}, edge = {110, 120, 140};
  if (look == Look::Pressed) top = {190, 200, 218}, bottom = {214, 221, 232}, edge = kSlateDark;
  if (look == Look::Hot) top = {246, 249, 255}, bottom = {200, 215, 240}, edge = {88, 113, 160};
  if (look == Look::Disabled) top = bottom = {240, 240, 241}, edge = kLineSoft;
  return Shape(11, 19, inside, top, bottom, edge);
}

void WriteTrackBars(SkinWriter& w) {
  // Thumbs: 5 frames (normal, normal, pressed, hot, disabled); frame 2 is drawn.
  const Look looks[] = {Look::Normal, Look::Normal, Look::Pressed, Look::Hot, Look::Disabled};
  auto strip = [&](int turn) {  // 0 down, 1 up, 2 right, 3 left
    std::vector<Raster> cells;
    for (Look look : looks) {
      Raster t = PointedThumb(look);
      if (turn == 1) t = FlipRaster(t);
      if (turn == 2) t = TransposeRaster(t);
      if (turn == 3) t = MirrorRaster(TransposeRaster(t));
      cells.push_back(t);
    }
    return SideBySide(cells);
  };
  const std::string down = w.Image("thumbdown.bmp", strip(0));
  const std::string up = w.Image("thumbup.bmp", strip(1));
  const std::string right = w.Image("thumbright.bmp", strip(2));
  const std::string left = w.Image("thumbleft.bmp", strip(3));
  const std::pair<const char*, std::string> thumbs[] = {
      {"Trackbar.ThumbHorz", down}, {"Trackbar.ThumbVert", right}, {"Trackbar.ThumbLeft", left},
      {"Trackbar.ThumbRight", right}, {"Trackbar.ThumbUp", up}, {"Trackbar.ThumbDown", down}};
  for (const auto& [section, image] : thumbs) {
    w.Section(section);
    w.Key("Image", image);
    w.Key("Trans", 1);
  }

  // Grooves: a sunken channel with 3-pixel ends.
  Raster groove(24, 6, {236, 238, 241});
  groove.HLine(0, 24, 0, kShadow);
  groove.HLine(1, 23, 1, {206, 210, 217});
  groove.HLine(0, 24, 5, kWhite);
  groove.VLine(0, 0, 6, kShadow);
  groove.VLine(23, 0, 6, kWhite);
  w.Section("Track");
  w.Key("Image", w.Image("track.bmp", groove));
  w.Key("Frame", 1);
  w.Margins(3, 3, 3, 3);
  Raster vgroove = TransposeRaster(groove);
  w.Section("TRACKVERT");
  w.Key("Image", w.Image("trackvert.bmp", vgroove));
  w.Key("Frame", 1);
  w.Margins(3, 3, 3, 3);
}

void WriteUpDown(SkinWriter& w) {
  // 8 cells: the first arrow (up or left) in states normal, pressed, disabled, hot, then
  // the second (down or right). Image holds the faces, GlyphImage the arrows.
  const Look looks[] = {Look::Normal, Look::Pressed, Look::Disabled, Look::Hot};
  for (bool horizontal : {false, true}) {
    const int fw = horizontal ? 10 : 16, fh = horizontal ? 16 : 10;
    std::vector<Raster> faces, glyphs;
    for (Direction d : horizontal ? std::vector<Direction>{Left, Right} : std::vector<Direction>{Up, Down})
      for (Look look : looks) {
        faces.push_back(InsetFace(fw, fh, 0, look, 2));
        const auto arrow = Arrow(d);
        Raster g(static_cast<int>(arrow[0].size()), static_cast<int>(arrow.size()));
        g.Glyph(0, 0, arrow, GlyphColour(look));
        glyphs.push_back(g);
      }
    w.Section(horizontal ? "UpDown.Horz" : "UpDown.Vert");
    w.Key("Image", w.Image(horizontal ? "updownh.bmp" : "updownv.bmp", SideBySide(faces)));
    w.Key("GlyphImage", w.Image(horizontal ? "updownh_glyph.bmp" : "updownv_glyph.bmp", SideBySide(glyphs)));
    w.Margins(3, 3, 3, 3);
    w.Key("Trans", 1);
  }
}

void WriteCombo(SkinWriter& w) {
  // Edit edge: normal, pressed, disabled, hot (4 cells of 20 x 21).
  auto edge = [](Look look) {
    Raster r(20, 21, look == Look::Disabled ? Rgb{244, 244, 245} : kWindow);
    Rgb line = kLine;
    if (look == Look::Pressed) line = kSlate;
    if (look == Look::Hot) line = {110, 130, 170};
    if (look == Look::Disabled) line = kLineSoft;
    r.Frame(0, 0, 20, 21, line);
    return r;
  };
  w.Section("SunkEdge");
  w.Key("Image", w.Image("sunkedge.bmp", SideBySide({edge(Look::Normal), edge(Look::Pressed),
                                                      edge(Look::Disabled), edge(Look::Hot)})));
  w.Margins(2, 2, 2, 2);
  w.Key("Trans", 0);

  // The drop-down button inside the edge: a face with a 1-pixel transparent rim.
  w.Section("ComboButton");
  w.Key("Image", w.Image("combobutton.bmp",
                         SideBySide({InsetFace(18, 21, 1, Look::Normal), InsetFace(18, 21, 1, Look::Pressed),
                                     InsetFace(18, 21, 1, Look::Disabled), InsetFace(18, 21, 1, Look::Hot)})));
  w.Key("Style", 0);
  w.Margins(3, 3, 3, 3);
  w.Key("Trans", 1);

  // Extra images: the combo arrow in four states, then a status-bar size grip.
  std::vector<Raster> extra;
  for (Look look : {Look::Normal, Look::Pressed, Look::Disabled, Look::Hot}) {
    Raster r(12, 12);
    r.GlyphCentred(0, 0, 12, 12, kArrowSmall, GlyphColour(look));
    extra.push_back(r);
  }
  Raster grip(12, 12);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col <= row; ++col) {
      const int x = 12 - 3 - 3 * (row - col), y = 12 - 3 - 3 * (2 - row);
      grip.Fill(x, y, x + 2, y + 2, kWhite);
      grip.Fill(x, y, x + 1, y + 1, kShadow);
    }
  extra.push_back(grip);
  w.Section("ExtraImages");
  w.Key("Image", w.Image("extra.bmp", SideBySide(extra)));
  w.Key("Trans", 1);
}

}  // namespace

void WriteScrollParts(SkinWriter& w) {
  WriteScrollBars(w);
  WriteTrackBars(w);
  WriteUpDown(w);
  WriteCombo(w);
}

}  // namespace skin_art
