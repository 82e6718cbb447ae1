// TSkinTrackBar (see skin_track_bar.h).
#include "skin/controls/skin_track_bar.h"

#include <algorithm>

#include "framework/graphics_util.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
bool Usable(const TDataSkinObject* object) { return object && !object->Image.Empty(); }

// Copies part of the image stretched to dest, magenta keyed out.
void Piece(HDC dc, const TBitmap& image, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) {
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  TransparentStretch(dc, RECT{dx, dy, dx + dw, dy + dh}, image, RECT{sx, sy, sx + sw, sy + sh}, kSkinKeyColour);
}
}  // namespace

bool TSkinTrackBar::Vertical() const { return handle_ && (GetStyle(handle_, GWL_STYLE) & TBS_VERT); }

bool TSkinTrackBar::BeforeMessage(TMessage& m) {
  if ((m.Msg == WM_NOTIFY || m.Msg == CN_NOTIFY) && m.LParam) {
    auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(m.LParam);
    if (draw->hdr.code == static_cast<UINT>(NM_CUSTOMDRAW) && draw->hdr.hwndFrom == handle_)
      return CustomDraw(m, *draw);
  }
  return TSkinControl::BeforeMessage(m);
}

bool TSkinTrackBar::CustomDraw(TMessage& m, NMCUSTOMDRAW& draw) {
  if (!skinData_) return true;
  if (draw.dwDrawStage == CDDS_PREPAINT) {
    m.Result = CDRF_NOTIFYITEMDRAW;
    return false;
  }
  if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return true;  // the control's own answer
  switch (draw.dwItemSpec) {
    case TBCD_TICS:
      m.Result = CDRF_DODEFAULT;
      return false;
    case TBCD_THUMB:
      DrawThumb(draw.hdc);
      m.Result = CDRF_SKIPDEFAULT;
      return false;
    case TBCD_CHANNEL:
      DrawChannel(draw.hdc);
      m.Result = CDRF_SKIPDEFAULT;
      return false;
    default:
      return true;
  }
}

void TSkinTrackBar::DrawChannel(HDC dc) {
  RECT c{};
  SendMessageW(handle_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
  const TDataSkinObject* standing = skinData_->Objects.TrackVert.get();
  if (Vertical() && Usable(standing)) {
    // The system may report a standing channel lying: then the axes are exchanged.
    RECT v = c.right - c.left > c.bottom - c.top ? RECT{c.top, c.left, c.bottom, c.right} : c;
    const TBitmap& image = standing->Image;
    int w = image.Width(), h = image.Height();
    int top = std::min(standing->TopHeight, h), bottom = std::min(standing->BottomHeight, h - top);
    int x = v.left + std::max<int>(0, (v.right - v.left - w) / 2);
    int length = v.bottom - v.top;
    Piece(dc, image, 0, 0, w, top, x, v.top, w, top);
    Piece(dc, image, 0, top, w, h - top - bottom, x, v.top + top, w, length - top - bottom);
    Piece(dc, image, 0, h - bottom, w, bottom, x, v.bottom - bottom, w, bottom);
    return;
  }
  const TDataSkinObject* lying = skinData_->Objects.Track.get();
  if (!Usable(lying)) return;
  const TBitmap& image = lying->Image;
  int w = image.Width(), h = image.Height();
  int left = std::min(lying->LeftWidth, w), right = std::min(lying->RightWidth, w - left);
  int channelHeight = c.bottom - c.top;
  int y = c.top + (h < channelHeight ? channelHeight / 2 : 0);
  int length = c.right - c.left;
  Piece(dc, image, 0, 0, left, h, c.left, y, left, h);
  Piece(dc, image, left, 0, w - left - right, h, c.left + left, y, length - left - right, h);
  Piece(dc, image, w - right, 0, right, h, c.right - right, y, right, h);
}

void TSkinTrackBar::DrawThumb(HDC dc) {
  RECT t{};
  SendMessageW(handle_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
  const TDataSkinObject* thumb = nullptr;
  if (Vertical() && Usable(skinData_->Objects.TrackbarThumbVert.get()))
    thumb = skinData_->Objects.TrackbarThumbVert.get();
  else if (Usable(skinData_->Objects.TrackbarThumbHorz.get()))
    thumb = skinData_->Objects.TrackbarThumbHorz.get();
  if (!thumb) {
    FrameColour(dc, t, skinData_->Colours.ButtonShadow);
    return;
  }
  DrawStripFrame(dc, t, thumb->Image, true, 5, 2);
}

void TSkinTrackBar::SkinChanged() {
  // Taking the focus and giving it back makes the control draw itself again.
  HWND previous = GetFocus();
  if (handle_) SetFocus(handle_);
  if (previous) SetFocus(previous);
}
