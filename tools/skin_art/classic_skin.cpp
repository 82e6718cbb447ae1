// The "Quillmere Classic" skin: the description writer, the shared face drawing and
// the assembly of all parts.
#include "classic_skin.h"

#include <algorithm>

#include "classic_parts.h"

namespace skin_art {

std::string SkinWriter::Image(const std::string& file, const Raster& raster) {
  folder_.images.emplace_back(file, raster.Image());
  return file;
}
void SkinWriter::Comment(const std::string& text) { folder_.description += "; " + text + "\r\n"; }
void SkinWriter::Section(const std::string& name) {
  if (!folder_.description.empty()) folder_.description += "\r\n";
  folder_.description += "[" + name + "]\r\n";
}
void SkinWriter::Key(const std::string& key, const std::string& value) {
  folder_.description += key + "=" + value + "\r\n";
}
void SkinWriter::Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
void SkinWriter::Colour(const std::string& key, Rgb c) {
  Key(key, std::to_string(c.r) + " " + std::to_string(c.g) + " " + std::to_string(c.b));
}
void SkinWriter::Margins(int left, int top, int right, int bottom) {
  Key("LeftWidth", left);
  Key("TopHeight", top);
  Key("RightWidth", right);
  Key("BottomHeight", bottom);
}
SkinFolder SkinWriter::Finish() {
  folder_.descriptionName = "skin.ini";
  return std::move(folder_);
}

Raster Face(int w, int h, Look look, double radius) {
  using namespace palette;
  Raster r(w, h);
  Rgb top, bottom, edge;
  switch (look) {
    case Look::Normal: top = {252, 252, 253}; bottom = {221, 224, 230}; edge = {128, 136, 152}; break;
    case Look::Pressed: top = {198, 205, 217}; bottom = {226, 229, 235}; edge = {92, 108, 138}; break;
    case Look::Disabled: top = {242, 242, 243}; bottom = {236, 237, 239}; edge = kLineSoft; break;
    case Look::Hot: top = {246, 249, 255}; bottom = {206, 219, 242}; edge = {88, 113, 160}; break;
    case Look::Focused: top = {252, 252, 253}; bottom = {221, 224, 230}; edge = kSlate; break;
  }
  r.VGradient(0, 0, w, h, top, bottom);
  if (look == Look::Normal || look == Look::Hot || look == Look::Focused)
    r.HLine(2, w - 2, 1, kWhite);  // a soft highlight under the top edge
  r.RoundOutline(0, 0, w, h, radius, edge);
  if (look == Look::Focused)  // a second, lighter ring inside the edge
    r.RoundOutline(1, 1, w - 2, h - 2, std::max(radius - 1, 1.0), Lighter(kSlate, 0.55), false);
  return r;
}

Raster InsetFace(int w, int h, int inset, Look look, double radius) {
  Raster r(w, h);
  r.Blit(Face(w - 2 * inset, h - 2 * inset, look, radius), inset, inset);
  return r;
}

Rgb GlyphColour(Look look) {
  return look == Look::Disabled ? palette::kGlyphOff : palette::kGlyph;
}

Raster Shape(int w, int h, const std::function<bool(int, int)>& inside, Rgb top, Rgb bottom,
             Rgb edge) {
  Raster r(w, h);
  for (int y = 0; y < h; ++y) {
    const Rgb row = Mix(top, bottom, h > 1 ? double(y) / (h - 1) : 0);
    for (int x = 0; x < w; ++x) {
      if (!inside(x, y)) continue;
      const bool border = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) ||
                          !inside(x, y + 1) || x == 0 || y == 0 || x == w - 1 || y == h - 1;
      r.Set(x, y, border ? edge : row);
    }
  }
  return r;
}

Raster TransposeRaster(const Raster& r) {
  Raster out(r.Height(), r.Width());
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) out.Set(y, x, r.Get(x, y));
  return out;
}
Raster FlipRaster(const Raster& r) {
  Raster out(r.Width(), r.Height());
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) out.Set(x, r.Height() - 1 - y, r.Get(x, y));
  return out;
}
Raster MirrorRaster(const Raster& r) {
  Raster out(r.Width(), r.Height());
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) out.Set(r.Width() - 1 - x, y, r.Get(x, y));
  return out;
}

const std::vector<std::string> kArrowUp = {
    "...#...",
    "..###..",
    ".#####.",
    "#######",
};
const std::vector<std::string> kArrowSmall = {
    "#####",
    ".###.",
    "..#..",
};
const std::vector<std::string> kCheckMark = {
    "......#",
    ".....##",
    "#...###",
    "##.###.",
    "#####..",
    ".###...",
    "..#....",
};

SkinFolder BuildClassicSkin() {
  SkinWriter w;
  w.Comment("Quillmere Classic: the default skin of Quillmere, drawn by tools/skin_art.");
  w.Comment("Magenta (255 0 255) marks transparent pixels in every image.");
  WriteFrameParts(w);
  WriteControlParts(w);
  WriteScrollParts(w);
  return w.Finish();
}

}  // namespace skin_art
