// Window regions of skinned frames (see frame_region.h).
#include "skin/forms/frame_region.h"

#include <vector>

#include "skin/data/skin_draw.h"
#include "skin/data/skin_object_set.h"

namespace {

constexpr size_t kRectBlock = 500;   // the buffer grows by this many rectangles
constexpr size_t kMergeEvery = 2000;  // rectangles gathered before a merge

// Rectangles gathered into region data, merged into one region in blocks.
class RunCollector {
 public:
  RunCollector() { rects_.reserve(kRectBlock); }
  void Add(int left, int top, int right, int bottom) {
    if (rects_.size() == rects_.capacity()) rects_.reserve(rects_.capacity() + kRectBlock);
    rects_.push_back(RECT{left, top, right, bottom});
    if (rects_.size() >= kMergeEvery) Merge();
  }
  OwnedRegion Finish() {
    Merge();
    if (!result_) result_.Reset(CreateRectRgn(0, 0, 0, 0));
    return std::move(result_);
  }

 private:
  void Merge() {
    if (rects_.empty()) return;
    const size_t bytes = sizeof(RGNDATAHEADER) + rects_.size() * sizeof(RECT);
    std::vector<unsigned char> data(bytes);
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(rects_.size());
    header->nRgnSize = static_cast<DWORD>(rects_.size() * sizeof(RECT));
    RECT bound = rects_.front();
    for (const RECT& r : rects_) UnionRect(&bound, &bound, &r);
    header->rcBound = bound;
    memcpy(data.data() + sizeof(RGNDATAHEADER), rects_.data(), rects_.size() * sizeof(RECT));
    OwnedRegion block(ExtCreateRegion(nullptr, static_cast<DWORD>(bytes),
                                      reinterpret_cast<const RGNDATA*>(data.data())));
    rects_.clear();
    if (!block) return;
    if (!result_) {
      result_ = std::move(block);
    } else {
      CombineRgn(result_.Get(), result_.Get(), block.Get(), RGN_OR);
    }
  }

  std::vector<RECT> rects_;
  OwnedRegion result_;
};

// A channel is transparent within key..key+1 (capped at 255).
bool NearKey(unsigned value, unsigned key) { return value >= key && value <= (key == 255 ? 255 : key + 1); }

bool IsKeyPixel(Pixel32 p) {
  const unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  return NearKey(r, 0xFF) && NearKey(g, 0x00) && NearKey(b, 0xFF);
}

void AddRect(HRGN target, const RECT& r) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  OwnedRegion piece(CreateRectRgn(r.left, r.top, r.right, r.bottom));
  CombineRgn(target, target, piece.Get(), RGN_OR);
}

// A piece's own region: its opaque pixels when it is transparent and thick enough, else
// its whole rectangle.
void AddPiece(HRGN target, const TDataSkinObject& piece, const RECT& r, bool stacked,
              int thickness, int minThickness) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  if (piece.Trans == 1 && thickness >= minThickness && !piece.Image.Empty()) {
    std::unique_ptr<TBitmap> rendered =
        NineSliceBitmap(r.right - r.left, r.bottom - r.top, piece.Image, piece.Margins(), stacked,
                        piece.Tile != 1, piece.Frame > 0 ? piece.Frame : 1, 1);
    if (rendered) {
      OwnedRegion own = RegionFromBitmap(*rendered, r.left, r.top);
      CombineRgn(target, target, own.Get(), RGN_OR);
      return;
    }
  }
  AddRect(target, r);
}

}  // namespace

OwnedRegion RegionFromBitmap(const TBitmap& bitmap, int dx, int dy) {
  RunCollector runs;
  GdiFlush();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const Pixel32* row = bitmap.ScanLine(y);
    if (!row) break;
    int x = 0;
    const int w = bitmap.Width();
    while (x < w) {
      while (x < w && IsKeyPixel(row[x])) ++x;
      const int start = x;
      while (x < w && !IsKeyPixel(row[x])) ++x;
      if (x > start) runs.Add(start + dx, y + dy, x + dx, y + dy + 1);
    }
  }
  return runs.Finish();
}

bool FrameHasTransparency(const TSkinObjects& o) {
  return (o.Left && o.Left->Trans != 0) || (o.Right && o.Right->Trans != 0) ||
         (o.Top && o.Top->Trans != 0) || (o.Bottom && o.Bottom->Trans != 0);
}

OwnedRegion BuildFrameRegion(const TSkinObjects& o, const TWindowFacts& f) {
  if (!FrameHasTransparency(o)) return OwnedRegion(CreateRectRgn(0, 0, f.width, f.height));
  const TFrameWidths& w = f.frame;
  OwnedRegion region(CreateRectRgn(w.left, w.top, f.width - w.right, f.height - w.bottom));
  AddPiece(region.Get(), *o.Left, RECT{0, 0, w.left, f.height}, false, w.left, 2);
  AddPiece(region.Get(), *o.Right, RECT{f.width - w.right, 0, f.width, f.height}, false, w.right, 2);
  AddPiece(region.Get(), *o.Top, RECT{w.left, 0, f.width - w.right, w.top}, true, w.top, 2);
  AddPiece(region.Get(), *o.Bottom, RECT{w.left, f.height - w.bottom, f.width - w.right, f.height},
           true, w.bottom, 2);
  return region;
}
