// TMediaPlayer and the media-player glyphs (see media_player.h).
#include "framework/media_player.h"

#include <algorithm>

#include "framework/gdi.h"

namespace {

// Glyph shapes on a 12 x 12 grid.
void Triangle(HDC dc, int x, int y, int w, int h, bool right) {
  POINT p[3];
  if (right) {
    p[0] = {x, y};
    p[1] = {x + w, y + h / 2};
    p[2] = {x, y + h};
  } else {
    p[0] = {x + w, y};
    p[1] = {x, y + h / 2};
    p[2] = {x + w, y + h};
  }
  Polygon(dc, p, 3);
}

void Bar(HDC dc, int x, int y, int w, int h) { Rectangle(dc, x, y, x + w, y + h); }

}  // namespace

void DrawMediaGlyph(HDC dc, const RECT& rect, TMPBtnType kind, COLORREF colour) {
  const int size = std::max(4, std::min({12, static_cast<int>(rect.right - rect.left) - 4,
                                         static_cast<int>(rect.bottom - rect.top) - 4}));
  const int x = (rect.left + rect.right - size) / 2, y = (rect.top + rect.bottom - size) / 2;
  const int s = size;
  OwnedBrush brush(CreateSolidBrush(colour));
  OwnedPen pen(CreatePen(PS_SOLID, 1, colour));
  SelectGuard useBrush(dc, brush.Get());
  SelectGuard usePen(dc, pen.Get());
  switch (kind) {
    case btPlay: Triangle(dc, x + s / 6, y, s * 2 / 3, s, true); break;
    case btPause:
      Bar(dc, x + s / 6, y, s / 4, s);
      Bar(dc, x + s - s / 6 - s / 4, y, s / 4, s);
      break;
    case btStop: Bar(dc, x + 1, y + 1, s - 2, s - 2); break;
    case btNext:
      Triangle(dc, x, y, s * 2 / 3, s, true);
      Bar(dc, x + s - s / 4, y, s / 4, s);
      break;
    case btPrev:
      Bar(dc, x, y, s / 4, s);
      Triangle(dc, x + s / 3, y, s * 2 / 3, s, false);
      break;
    case btStep:
      Triangle(dc, x, y + s / 4, s / 2, s / 2, true);
      Triangle(dc, x + s / 2, y + s / 4, s / 2, s / 2, true);
      break;
    case btBack:
      Triangle(dc, x, y + s / 4, s / 2, s / 2, false);
      Triangle(dc, x + s / 2, y + s / 4, s / 2, s / 2, false);
      break;
    case btRecord: Ellipse(dc, x + 1, y + 1, x + s - 1, y + s - 1); break;
    case btEject: {
      POINT p[3] = {{x + s / 2, y}, {x + s, y + s * 2 / 3 - 1}, {x, y + s * 2 / 3 - 1}};
      Polygon(dc, p, 3);
      Bar(dc, x, y + s - s / 4, s, s / 4);
      break;
    }
  }
}

std::vector<TMPBtnType> MediaButtonsShown(unsigned visible) {
  std::vector<TMPBtnType> shown;
  for (int kind = 0; kind < kMediaButtonKinds; ++kind)
    if (visible & (1u << kind)) shown.push_back(static_cast<TMPBtnType>(kind));
  return shown;
}

RECT MediaButtonRect(const RECT& client, int index, int count) {
  const int width = client.right - client.left;
  const int left = client.left + (count > 0 ? width * index / count : 0);
  const int right = client.left + (count > 0 ? width * (index + 1) / count : width);
  return RECT{left, client.top, right, client.bottom};
}

int MediaButtonAt(const RECT& client, int count, POINT point) {
  if (!PtInRect(&client, point)) return -1;
  for (int i = 0; i < count; ++i) {
    const RECT r = MediaButtonRect(client, i, count);
    if (point.x >= r.left && point.x < r.right) return i;
  }
  return -1;
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 253, 30); }

void TMediaPlayer::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Integer<TMediaPlayer>("VisibleButtons", [](TMediaPlayer& p) -> int64_t { return p.visible_; },
                             [](TMediaPlayer& p, int64_t v) { p.SetVisibleButtons(static_cast<unsigned>(v)); });
  list.Integer<TMediaPlayer>("EnabledButtons", [](TMediaPlayer& p) -> int64_t { return p.enabled_; },
                             [](TMediaPlayer& p, int64_t v) { p.SetEnabledButtons(static_cast<unsigned>(v)); });
}

void TMediaPlayer::SetVisibleButtons(unsigned set) {
  visible_ = set & kAllMediaButtons;
  Invalidate();
}

void TMediaPlayer::SetEnabledButtons(unsigned set) {
  enabled_ = set & kAllMediaButtons;
  Invalidate();
}

void TMediaPlayer::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
}

void TMediaPlayer::PaintWindow(HDC dc) {
  const std::vector<TMPBtnType> shown = MediaButtonsShown(visible_);
  const int count = static_cast<int>(shown.size());
  for (int i = 0; i < count; ++i) {
    RECT r = MediaButtonRect(Client(), i, count);
    const bool on = (enabled_ >> shown[static_cast<size_t>(i)]) & 1u;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (i == pressed_ ? DFCS_PUSHED : 0));
    DrawMediaGlyph(dc, r, shown[static_cast<size_t>(i)], GetSysColor(on ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  }
}

bool TMediaPlayer::HandleMessage(TMessage& m) {
  const std::vector<TMPBtnType> shown = MediaButtonsShown(visible_);
  const int count = static_cast<int>(shown.size());
  const POINT at{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int index = MediaButtonAt(Client(), count, at);
      if (index >= 0 && ((enabled_ >> shown[static_cast<size_t>(index)]) & 1u)) {
        pressed_ = index;
        SetCapture(Handle());
        Invalidate();
      }
      m.Result = 0;
      return true;
    }
    case WM_LBUTTONUP: {
      const int index = pressed_;
      pressed_ = -1;
      if (GetCapture() == Handle()) ReleaseCapture();
      Invalidate();
      if (index >= 0 && MediaButtonAt(Client(), count, at) == index && OnClick)
        OnClick(shown[static_cast<size_t>(index)]);
      m.Result = 0;
      return true;
    }
    default:
      return TWinControl::HandleMessage(m);
  }
}
