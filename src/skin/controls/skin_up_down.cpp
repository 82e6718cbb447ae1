// TSkinUpDown (see skin_up_down.h).
#include "skin/controls/skin_up_down.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
constexpr int kEditMargin = 3;  // pixels kept clear inside an edit parent's edges

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}
}  // namespace

bool TSkinUpDown::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      PaintByMessage(m);
      return false;
    case WM_ERASEBKGND:
      if (!control_ && handle_) {
        RECT client{};
        GetClientRect(handle_, &client);
        FillColour(reinterpret_cast<HDC>(m.WParam), client, 0xFFFFFF);
      }
      m.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallDefault(m);
      mouseState_ |= kPressed;
      PaintControl(nullptr);
      return false;
    case WM_LBUTTONUP:
      mouseState_ &= ~kPressed;
      CallDefault(m);
      PaintControl(nullptr);
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

RECT TSkinUpDown::DrawingRect(const RECT& rect) const {
  RECT r = rect;
  HWND parent = InEdit ? GetParent(handle_) : nullptr;
  RECT own{}, outer{};
  if (!parent || !GetWindowRect(handle_, &own) || !GetWindowRect(parent, &outer)) return r;
  r.top += std::max(0L, outer.top + kEditMargin - own.top);
  r.bottom -= std::max(0L, own.bottom - (outer.bottom - kEditMargin));
  r.right -= std::max(0L, own.right - (outer.right - kEditMargin));
  return r;
}

void TSkinUpDown::DrawControl(HDC dc, const RECT& rect) {
  if (!handle_ || !dc) return;
  if (InEdit) FillColour(dc, rect, 0xFFFFFF);
  RECT area = DrawingRect(rect);
  int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0 || !work_.SetSize(width, height)) return;
  HDC canvas = work_.Canvas();
  if (!canvas) return;
  work_.Fill(skinData_ ? skinData_->Colours.ButtonFace : SystemColour(COLOR_BTNFACE));

  LONG style = GetStyle(handle_, GWL_STYLE);
  bool horizontal = Horizontal || (style & UDS_HORZ);
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(handle_, &cursor);
  cursor.x -= area.left;
  cursor.y -= area.top;
  RECT first = horizontal ? RECT{0, 0, width / 2, height} : RECT{0, 0, width, height / 2};
  RECT second = horizontal ? RECT{width / 2, 0, width, height} : RECT{0, height / 2, width, height};
  auto stateOf = [&](const RECT& half) {
    if (style & WS_DISABLED) return 3;
    return PtInRect(&half, cursor) && (mouseState_ & kPressed) ? 2 : 1;
  };
  drawnCells_[0] = DrawHalf(canvas, first, horizontal ? 2 : 0, stateOf(first), horizontal);
  drawnCells_[1] = DrawHalf(canvas, second, horizontal ? 3 : 1, stateOf(second), horizontal);
  GdiFlush();
  BitBlt(dc, area.left, area.top, width, height, canvas, 0, 0, SRCCOPY);
}

int TSkinUpDown::DrawHalf(HDC dc, const RECT& half, int part, int state, bool horizontal) {
  const TDataSkinBorder* object = nullptr;
  if (skinData_)
    object = horizontal ? skinData_->Objects.UpDownHorz.get() : skinData_->Objects.UpDownVert.get();
  // Vertical: up 1-4, down 5-8; horizontal: left 1-4, right 5-8.
  int cell = horizontal ? state + 4 * part - 8 : state + 4 * part;
  if (!object || object->Image.Empty()) {
    DrawPlainHalf(dc, half, part, state);
    return cell;
  }
  DrawStripFrame(dc, half, object->Image, true, 8, cell);
  if (!object->Image2.Empty()) DrawStripFrameCentred(dc, half, object->Image2, true, 8, cell);
  return cell;
}

void TSkinUpDown::DrawPlainHalf(HDC dc, const RECT& half, int part, int state) const {
  TColor face = skinData_ ? skinData_->Colours.ButtonFace : SystemColour(COLOR_BTNFACE);
  TColor shadow = skinData_ ? skinData_->Colours.ButtonShadow : SystemColour(COLOR_BTNSHADOW);
  TColor dark = skinData_ ? skinData_->Colours.ButtonDkShadow : SystemColour(COLOR_3DDKSHADOW);
  OwnedPen pen(CreatePen(PS_SOLID, 1, ColorToRGB(dark)));
  OwnedBrush brush(CreateSolidBrush(ColorToRGB(state == 2 || state == 4 ? shadow : face)));
  if (!pen || !brush) return;
  SelectGuard penGuard(dc, pen.Get());
  SelectGuard brushGuard(dc, brush.Get());
  Rectangle(dc, half.left, half.top, half.right, half.bottom);
  int x = (half.left + half.right) / 2, y = (half.top + half.bottom) / 2;
  switch (part) {
    case 0:  // up
      y -= 2;
      Line(dc, x, y, x, y - 1);
      Line(dc, x + 1, y + 1, x + 4, y + 4);
      Line(dc, x, y + 1, x + 3, y + 4);
      Line(dc, x, y + 2, x + 2, y + 4);
      Line(dc, x - 1, y + 1, x - 4, y + 4);
      Line(dc, x, y + 2, x - 3, y + 4);
      Line(dc, x, y + 1, x - 2, y + 4);
      break;
    case 1:  // down
      y -= 2;
      Line(dc, x, y + 3, x, y + 4);
      Line(dc, x + 1, y + 2, x + 4, y - 1);
      Line(dc, x, y + 2, x + 3, y - 1);
      Line(dc, x, y + 1, x + 2, y);
      Line(dc, x - 1, y + 2, x - 4, y - 1);
      Line(dc, x, y + 2, x - 3, y - 1);
      Line(dc, x, y + 1, x - 2, y);
      break;
    case 2: {  // left
      POINT points[] = {{x, y}, {x + 1, y + 2}, {x + 1, y - 2}, {x - 1, y}, {x + 1, y + 2}};
      Polyline(dc, points, 5);
      break;
    }
    default: {  // right
      POINT points[] = {{x, y}, {x - 1, y + 2}, {x - 1, y - 2}, {x + 1, y}, {x - 1, y + 2}};
      Polyline(dc, points, 5);
      break;
    }
  }
}
