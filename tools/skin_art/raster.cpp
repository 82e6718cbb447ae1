// Pixel drawing for the skin artwork.
#include "raster.h"

#include <algorithm>
#include <cmath>

namespace skin_art {

namespace {
int Channel(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }
}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return {Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t),
          Channel(a.b + (b.b - a.b) * t)};
}
Rgb Lighter(Rgb c, double t) { return Mix(c, Rgb{255, 255, 255}, t); }
Rgb Darker(Rgb c, double t) { return Mix(c, Rgb{0, 0, 0}, t); }

Raster::Raster(int width, int height, Rgb fill) : image_(width, height, fill.Pixel()) {}

Rgb Raster::Get(int x, int y) const {
  const TColor c = ColourOf(image_.At(x, y));
  return {RedOf(c), GreenOf(c), BlueOf(c)};
}

void Raster::Set(int x, int y, Rgb c) {
  if (x >= 0 && y >= 0 && x < Width() && y < Height()) image_.At(x, y) = c.Pixel();
}

void Raster::Fill(int left, int top, int right, int bottom, Rgb c) {
  for (int y = std::max(top, 0); y < std::min(bottom, Height()); ++y)
    for (int x = std::max(left, 0); x < std::min(right, Width()); ++x) image_.At(x, y) = c.Pixel();
}

void Raster::VGradient(int left, int top, int right, int bottom, Rgb a, Rgb b) {
  const int n = bottom - top;
  for (int i = 0; i < n; ++i) HLine(left, right, top + i, Mix(a, b, n > 1 ? double(i) / (n - 1) : 0));
}

void Raster::HGradient(int left, int top, int right, int bottom, Rgb a, Rgb b) {
  const int n = right - left;
  for (int i = 0; i < n; ++i) VLine(left + i, top, bottom, Mix(a, b, n > 1 ? double(i) / (n - 1) : 0));
}

void Raster::Frame(int left, int top, int right, int bottom, Rgb c) {
  HLine(left, right, top, c);
  HLine(left, right, bottom - 1, c);
  VLine(left, top, bottom, c);
  VLine(right - 1, top, bottom, c);
}

bool Raster::InsideRounded(int x, int y, int w, int h, double r) {
  if (x < 0 || y < 0 || x >= w || y >= h) return false;
  const double px = x + 0.5, py = y + 0.5;
  const double cx = px < r ? r : px > w - r ? w - r : px;
  const double cy = py < r ? r : py > h - r ? h - r : py;
  const double dx = px - cx, dy = py - cy;
  return dx * dx + dy * dy <= r * r + 0.25;
}

void Raster::RoundOutline(int left, int top, int w, int h, double r, Rgb edge,
                          bool clearOutside) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!InsideRounded(x, y, w, h, r)) {
        if (clearOutside) Set(left + x, top + y, kMagenta);
      } else if (!InsideRounded(x - 1, y, w, h, r) || !InsideRounded(x + 1, y, w, h, r) ||
                 !InsideRounded(x, y - 1, w, h, r) || !InsideRounded(x, y + 1, w, h, r)) {
        Set(left + x, top + y, edge);
      }
    }
}

void Raster::Glyph(int x, int y, const std::vector<std::string>& rows, Rgb c) {
  for (size_t j = 0; j < rows.size(); ++j)
    for (size_t i = 0; i < rows[j].size(); ++i)
      if (rows[j][i] == '#') Set(x + static_cast<int>(i), y + static_cast<int>(j), c);
}

void Raster::GlyphCentred(int left, int top, int right, int bottom,
                          const std::vector<std::string>& rows, Rgb c) {
  const int gh = static_cast<int>(rows.size());
  int gw = 0;
  for (const auto& row : rows) gw = std::max(gw, static_cast<int>(row.size()));
  Glyph(left + (right - left - gw) / 2, top + (bottom - top - gh) / 2, rows, c);
}

void Raster::Blit(const Raster& source, int x, int y) {
  for (int j = 0; j < source.Height(); ++j)
    for (int i = 0; i < source.Width(); ++i) Set(x + i, y + j, source.Get(i, j));
}

Raster Raster::Crop(int left, int top, int right, int bottom) const {
  Raster out(right - left, bottom - top);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) out.Set(x - left, y - top, Get(x, y));
  return out;
}

Raster SideBySide(const std::vector<Raster>& frames) {
  const int w = frames.front().Width(), h = frames.front().Height();
  Raster out(w * static_cast<int>(frames.size()), h);
  for (size_t i = 0; i < frames.size(); ++i) out.Blit(frames[i], w * static_cast<int>(i), 0);
  return out;
}

Raster Stacked(const std::vector<Raster>& frames) {
  const int w = frames.front().Width(), h = frames.front().Height();
  Raster out(w, h * static_cast<int>(frames.size()));
  for (size_t i = 0; i < frames.size(); ++i) out.Blit(frames[i], 0, h * static_cast<int>(i));
  return out;
}

std::vector<std::string> FlipRows(const std::vector<std::string>& rows) {
  return std::vector<std::string>(rows.rbegin(), rows.rend());
}

std::vector<std::string> Transpose(const std::vector<std::string>& rows) {
  size_t w = 0;
  for (const auto& row : rows) w = std::max(w, row.size());
  std::vector<std::string> out(w, std::string(rows.size(), '.'));
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t x = 0; x < rows[y].size(); ++x) out[x][y] = rows[y][x];
  return out;
}

std::vector<std::string> MirrorRows(const std::vector<std::string>& rows) {
  std::vector<std::string> out = rows;
  for (auto& row : out) std::reverse(row.begin(), row.end());
  return out;
}

}  // namespace skin_art
