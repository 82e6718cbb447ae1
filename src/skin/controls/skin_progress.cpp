// TSkinProgress (see skin_progress.h).
#include "skin/controls/skin_progress.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
constexpr DWORD kMarqueeStyle = 0x08;  // PBS_MARQUEE
constexpr DWORD kVerticalStyle = 0x04;  // PBS_VERTICAL

// Clips dc to the columns [from, to) while it lives.
class ColumnClip {
 public:
  ColumnClip(HDC dc, int from, int to, int height) : dc_(dc), saved_(SaveDC(dc)) {
    IntersectClipRect(dc, from, 0, to, height);
  }
  ~ColumnClip() { RestoreDC(dc_, saved_); }
  ColumnClip(const ColumnClip&) = delete;
  ColumnClip& operator=(const ColumnClip&) = delete;

 private:
  HDC dc_;
  int saved_;
};
}  // namespace

bool TSkinProgress::HasImage() const {
  return skinData_ && skinData_->Objects.Progress && !skinData_->Objects.Progress->Image.Empty();
}

bool TSkinProgress::IsMarquee() const {
  return handle_ && (GetStyle(handle_, GWL_STYLE) & kMarqueeStyle);
}

int TSkinProgress::MarqueeBlockLength(int barLength) { return std::max(8, barLength / 4); }

int TSkinProgress::FillLength(int barLength, int position, int low, int high) {
  if (barLength <= 0 || high <= low || position <= low) return 0;
  if (position >= high) return barLength;
  return MulDiv(barLength, position - low, high - low);
}

bool TSkinProgress::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (!HasImage()) break;
      PaintByMessage(m);
      return false;
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinProgress::AfterMessage(TMessage& m) {
  if (m.Msg == WM_TIMER && IsMarquee() && HasImage()) {
    // The control's marquee timer: the block moves on and is drawn over whatever the
    // control drew for the step.
    AdvanceMarquee();
    PaintControl(nullptr);
    return;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinProgress::AdvanceMarquee() {
  RECT r{};
  if (!GetWindowRect(handle_, &r)) return;
  bool vertical = GetStyle(handle_, GWL_STYLE) & kVerticalStyle;
  int length = vertical ? r.bottom - r.top : r.right - r.left;
  int step = std::max(2, length / 24);
  marqueeOffset_ += step;
  if (marqueeOffset_ >= length) marqueeOffset_ = -MarqueeBlockLength(length) + step;
}

void TSkinProgress::DrawFill(HDC dc, int from, int to, int length, int thickness,
                             bool marquee) const {
  from = std::max(from, 0);
  to = std::min(to, length);
  if (to <= from) return;
  const TDataSkinBorder& bar = *skinData_->Objects.Progress;
  const TDataSkinObject* chunk = skinData_->Objects.ProgressChunk.get();
  if (chunk && chunk->Image.Empty()) chunk = nullptr;
  bool chunks = bar.Style == 1 || (marquee && chunk);
  if (!chunks) {
    // Cell 2 of the two-cell image over the filled part.
    ColumnClip clip(dc, from, to, thickness);
    RECT fill{0, 0, length, thickness};
    if (!marquee) fill.right = to;
    DrawNineSlice(dc, fill, bar.Image, bar.Margins(), false, bar.Tile == 1, 2, 2, true);
    return;
  }
  if (!chunk) return;
  int frames = std::max(1, chunk->Frame);
  int chunkWidth = chunk->Image.Width() / frames, chunkHeight = chunk->Image.Height();
  if (chunkWidth <= 0 || chunkHeight <= 0) return;
  if (chunk->Tile == 1) {
    // Chunks side by side from the inner edge of the track, centred across it.
    int start = bar.LeftWidth + 2;
    int y = (thickness - chunkHeight) / 2;
    ColumnClip clip(dc, start + from, std::min(start + to, length - 2), thickness);
    int first = marquee ? start + from : start;
    for (int x = first; x < start + to; x += chunkWidth) {
      RECT cell{x, y, x + chunkWidth, y + chunkHeight};
      DrawStripFrame(dc, cell, chunk->Image, chunk->Trans == 1, frames, 1);
    }
    return;
  }
  // One three-part chunk stretched over the filled part, two pixels inside the track.
  RECT strip{2 + from, 2, std::min(2 + to, length - 2), thickness - 2};
  if (strip.right <= strip.left || strip.bottom <= strip.top) return;
  DrawThreePartStretch(dc, strip, chunk->Image, false, frames, 1, chunk->LeftWidth,
                       chunk->RightWidth);
}

void TSkinProgress::DrawControl(HDC dc, const RECT& rect) {
  if (!HasImage() || !handle_) return;
  const TDataSkinBorder& bar = *skinData_->Objects.Progress;
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  bool vertical = GetStyle(handle_, GWL_STYLE) & kVerticalStyle;
  int length = vertical ? height : width, thickness = vertical ? width : height;
  if (!work_.SetSize(length, thickness)) return;
  HDC canvas = work_.Canvas();
  if (!canvas) return;
  work_.Fill(FaceColour());

  RECT whole{0, 0, length, thickness};
  bool marquee = IsMarquee();
  if (bar.Style == 1) {
    DrawNineSlice(canvas, whole, bar.Image, bar.Margins(), false, false, 1, 1, true);
  } else {
    DrawNineSlice(canvas, whole, bar.Image, bar.Margins(), false, bar.Tile == 1, 2, 1, true);
  }
  if (marquee) {
    DrawFill(canvas, marqueeOffset_, marqueeOffset_ + MarqueeBlockLength(length), length,
             thickness, true);
  } else {
    PBRANGE range{};
    SendMessageW(handle_, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    int position = static_cast<int>(SendMessageW(handle_, PBM_GETPOS, 0, 0));
    int fill = FillLength(length, position, range.iLow, range.iHigh);
    if (fill > 0) DrawFill(canvas, 0, fill, length, thickness, false);
  }
  GdiFlush();
  if (vertical) {
    RotateAnticlockwise(work_);
    canvas = work_.Canvas();
    if (!canvas) return;
  }
  BitBlt(dc, rect.left, rect.top, width, height, canvas, 0, 0, SRCCOPY);
}
