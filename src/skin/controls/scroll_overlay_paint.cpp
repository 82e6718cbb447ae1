// TWScrollbar: painting the skinned bar (see scroll_overlay.h). The bar is composed in
// an off-screen bitmap (track, two arrows, thumb and grip from the skin) and copied to
// the overlay in one call.
#include <algorithm>
#include <cstdlib>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
// A rectangle along the bar from start to end, across from 0 to thickness.
RECT Along(bool vertical, int start, int end, int thickness) {
  return vertical ? RECT{0, start, thickness, end} : RECT{start, 0, end, thickness};
}

bool Inside(int value, int length) { return value >= 0 && value <= length; }
}  // namespace

void TWScrollbar::PaintBar(HDC dc) {
  TSkinData* skin = wrapper_ ? wrapper_->SkinData() : nullptr;
  if (!skin || !skin->Objects.Scrollbar || skin->Objects.Scrollbar->Image.Empty()) return;
  SCROLLBARINFO info;
  if (!ReadBar(info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  const int width = info.rcScrollBar.right - info.rcScrollBar.left;
  const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
  if (mode_ != kControl && (client.right < width || client.bottom < height)) return;

  // 1.-2. State, length, arrow size and thickness.
  const bool enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  const int length = vertical_ ? height : width;
  barLength_ = length;
  int a = arrowSize_;
  const TDataSkinObject& strip = *skin->Objects.Scrollbar;
  const int imageHeight = strip.Image.Height();
  const int thickness = std::abs(imageHeight - a) > 2 ? a : imageHeight;

  // 3. The off-screen bitmap, filled with the face colour.
  if ((buffer_.Width() != width || buffer_.Height() != height) && !buffer_.SetSize(width, height)) return;
  HDC canvas = buffer_.Canvas();
  if (!canvas) return;
  SetStretchBltMode(canvas, HALFTONE);
  FillColour(canvas, RECT{0, 0, width, height}, skin->Colours.ButtonFace);

  // 4. The track between the arrows.
  const TDataSkinObject* track = vertical_ ? skin->Objects.VertScroll.get() : skin->Objects.HorzScroll.get();
  if (track && !track->Image.Empty() && length - 2 * a > 0) {
    DrawNineSlice(canvas, Along(vertical_, a, length - a, thickness), track->Image, track->Margins(),
                  false, track->Tile == 1, 4, enabled ? 1 : 3, track->Trans == 1);
  }

  // 5. The arrows (half length each on a bar shorter than two arrows).
  if (length < 2 * a) a = length / 2;
  int first = vertical_ ? 9 : 1, second = vertical_ ? 13 : 5;
  if (hot_ == kFirstArrow) first += pressed_ ? 1 : 3;
  if (hot_ == kSecondArrow) second += pressed_ ? 1 : 3;
  DrawStripFrame(canvas, Along(vertical_, 0, a, thickness), strip.Image, true, 23, first);
  DrawStripFrame(canvas, Along(vertical_, length - a, length, thickness), strip.Image, true, 23, second);

  // 6. The thumb: following the cursor while it is dragged, else where the system has it.
  int start = info.xyThumbTop, end = info.xyThumbBottom;
  if (pressed_ && hot_ == kThumb && mode_ != kControl) {
    POINT cursor{};
    GetCursorPos(&cursor);
    int thumbLength = end - start;
    int moved = vertical_ ? cursor.y - cursorAtPress_.y : cursor.x - cursorAtPress_.x;
    start = std::max(a, std::min(moved + thumbStartAtPress_, length - a - thumbLength));
    end = start + thumbLength;
  }
  thumbStart_ = start;
  thumbEnd_ = end;

  // 7. The thumb body.
  const TDataSkinObject* thumb =
      vertical_ ? skin->Objects.VertScrollThumb.get() : skin->Objects.HorzScrollThumb.get();
  if (enabled && end > start && Inside(start, length) && Inside(end, length)) {
    if (thumb && !thumb->Image.Empty()) {
      int cell = hot_ == kThumb ? (pressed_ ? 2 : 3) : 1;
      DrawNineSlice(canvas, Along(vertical_, start, end, thickness), thumb->Image, thumb->Margins(),
                    false, false, thumb->Frame > 0 ? thumb->Frame : 3, cell, thumb->Trans == 1);
    }
    // 8. The grip, centred on the thumb.
    const int grip = imageHeight;
    const int thumbLength = end - start;
    if (grip < thumbLength + 2) {
      int cell = (vertical_ ? 20 : 17) + (hot_ == kThumb ? (pressed_ ? 1 : 2) : 0);
      int gripStart = start + (thumbLength - grip) / 2;
      if (Inside(gripStart, length) && Inside(gripStart + grip, length))
        DrawStripFrame(canvas, Along(vertical_, gripStart, gripStart + grip, grip), strip.Image, true,
                       23, cell);
    }
  }

  // 9. Onto the overlay.
  if (mode_ == kControl)
    StretchBlt(dc, 0, 0, client.right, client.bottom, canvas, 0, 0, width, height, SRCCOPY);
  else
    BitBlt(dc, 0, 0, width, height, canvas, 0, 0, SRCCOPY);
}
