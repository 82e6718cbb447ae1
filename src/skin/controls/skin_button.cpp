// TSkinButton, TSkinMenuButton (see skin_button.h).
#include "skin/controls/skin_button.h"

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "skin/controls/skin_text.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
constexpr UINT_PTR kClickTimer = 1;
constexpr int kParentBackgroundTag = 5555;
}  // namespace

int ChooseButtonFace(bool disabled, bool pressed, bool hot, bool focused) {
  if (disabled) return kFaceDisabled;
  if (pressed) return kFacePressed;
  if (hot) return kFaceHot;
  if (focused) return kFaceFocused;
  return kFaceNormal;
}

int ButtonGlyphFrame(int face, bool down) {
  if (down) return 4;
  return face == kFacePressed ? 3 : face == kFaceDisabled ? 2 : 1;
}

void TSkinButton::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                           TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkin(windowSkin, skinData, manageColour, canvas);
  TControl* owner = control_ ? control_ : dynamic_cast<TControl*>(Owner());
  parentBackground_ = (owner && owner->Tag == kParentBackgroundTag) ||
                      (skinData && HasOption(skinData->Options, xoTransparent));
}

void TSkinButton::InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                                 TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkinWindow(window, skinData, windowSkin, canvas);
  parentBackground_ = skinData && HasOption(skinData->Options, xoTransparent);
}

bool TSkinButton::HasFace() const {
  return skinData_ && skinData_->Objects.Buttons && !skinData_->Objects.Buttons->Image.Empty();
}

bool TSkinButton::NoFocusRect() const {
  return skinData_ && HasOption(skinData_->Options, xoNoFocusRect);
}

bool TSkinButton::WindowDisabled() const {
  return handle_ && (GetStyle(handle_, GWL_STYLE) & WS_DISABLED);
}

int TSkinButton::FaceState() const {
  return ChooseButtonFace(WindowDisabled(), mouseState_ & kPressed, mouseState_ & kHot,
                          handle_ && GetFocus() == handle_);
}

void TSkinButton::StartTimer() {
  timerActive_ = true;
  SetTimer(handle_, kClickTimer, 100, nullptr);
  SetWindowLongA(handle_, GWL_STYLE, GetWindowLongA(handle_, GWL_STYLE) & ~WS_VISIBLE);
}

void TSkinButton::EndTimer() {
  KillTimer(handle_, kClickTimer);
  if (!timerActive_) return;
  timerActive_ = false;
  SetWindowLongA(handle_, GWL_STYLE, GetWindowLongA(handle_, GWL_STYLE) | WS_VISIBLE);
}

bool TSkinButton::BeforeMessage(TMessage& m) {
  if (m.Msg == CM_VISIBLECHANGED && m.WParam == 0 && timerActive_) EndTimer();
  if (forwarding_) {
    CallDefault(m);
    return false;
  }
  switch (m.Msg) {
    case WM_PAINT:
      if (!HasFace()) break;
      PaintByMessage(m);
      return false;
    case WM_ERASEBKGND:
      if (!HasFace()) break;
      m.Result = 1;
      return false;
    case WM_TIMER:
      if (m.WParam != kClickTimer) break;
      EndTimer();
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != handle_) SetFocus(handle_);
      mouseState_ |= kPressed;
      PaintControl(nullptr);
      m.Result = 0;
      return false;
    case WM_LBUTTONUP: {
      if (!(mouseState_ & kPressed)) break;
      mouseState_ &= ~kPressed;
      PaintControl(nullptr);
      // The control sees one whole click, made while it is hidden from painting so
      // that it does not draw its own pressed face.
      StartTimer();
      forwarding_ = true;
      SendMessageW(handle_, WM_LBUTTONDOWN, m.WParam, m.LParam);
      SendMessageW(handle_, WM_LBUTTONUP, m.WParam, m.LParam);
      forwarding_ = false;
      EndTimer();
      if (IsWindow(handle_) && IsWindowVisible(handle_)) Repaint();
      m.Result = 0;
      return false;
    }
    default:
      break;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      PaintControl(nullptr);
      return;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam != VK_SPACE) break;
      if (m.Msg == WM_KEYDOWN)
        mouseState_ |= kPressed;
      else
        mouseState_ &= ~kPressed;
      Repaint();
      return;
    case WM_MOUSEMOVE: {
      bool enabled = !(GetStyle(handle_, GWL_STYLE) & WS_DISABLED);
      if (enabled && !(mouseState_ & kHot)) {
        mouseState_ |= kHot;
        Repaint();
      }
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
      TrackMouseEvent(&track);
      return;
    }
    case WM_MOUSELEAVE:
      mouseState_ &= ~(kHot | kPressed);
      Repaint();
      return;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
    case BM_SETSTATE:
    case BM_SETSTYLE:
      Repaint();
      return;
    default:
      break;
  }
  TSkinControl::AfterMessage(m);
}

HDC TSkinButton::BeginFace(const RECT& rect, int state) {
  if (!HasFace()) return nullptr;
  int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if ((face_.Width() != w || face_.Height() != h) && !face_.SetSize(w, h)) return nullptr;
  HDC dc = face_.Canvas();
  if (!dc) return nullptr;
  if (parentBackground_)
    PaintParentBackground(control_ ? control_ : graphicControl_, dc);
  else
    FillFace(dc, rect);
  const TDataSkinButton& b = *skinData_->Objects.Buttons;
  DrawNineSlice(dc, rect, b.Image, b.Margins(), false, b.Tile == 1, b.Frame > 0 ? b.Frame : 5,
                state, b.Trans == 1);
  return dc;
}

RECT TSkinButton::DrawCaption(HDC dc, const RECT& textRect, int state, UINT extraFlags) {
  std::wstring text = ExpandLineBreaks(caption_);
  SelectGuard font(dc, ControlFont(control_ ? control_ : graphicControl_, handle_));
  TColor colour = ButtonTextColour(skinData_, state, state != kFaceDisabled,
                                   ControlFontColour(control_ ? control_ : graphicControl_));
  SetTextColor(dc, ColorToRGB(colour));
  SetBkMode(dc, TRANSPARENT);
  RECT extent = textRect;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent,
            DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP | extraFlags);
  int w = extent.right - extent.left, h = extent.bottom - extent.top;
  RECT r{textRect.left + (textRect.right - textRect.left - w) / 2,
         textRect.top + (textRect.bottom - textRect.top - h) / 2, 0, 0};
  r.right = r.left + w;
  r.bottom = r.top + h;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER | extraFlags);
  return r;
}

void TSkinButton::DrawFocus(HDC dc, const RECT& textExtent) {
  if (!focused_ || NoFocusRect() || caption_.empty()) return;
  RECT r = textExtent;
  InflateRect(&r, 2, 2);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  DrawFocusRect(dc, &r);
}

void TSkinButton::DrawControl(HDC dc, const RECT& rect) {
  if (!HasFace()) return;
  focused_ = handle_ && GetFocus() == handle_;
  enabled_ = !WindowDisabled();
  caption_ = ControlCaption(control_, handle_);
  int state = FaceState();
  HDC face = BeginFace(rect, state);
  if (!face) return;
  DrawFaceContent(face, rect, state);
  BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, face, 0, 0, SRCCOPY);
}

void TSkinButton::DrawFaceContent(HDC face, const RECT& rect, int state) {
  RECT textRect = rect;
  InflateRect(&textRect, -2, -2);
  RECT extent = DrawCaption(face, textRect, state, 0);
  DrawFocus(face, extent);
}

// ---- TSkinMenuButton ----

int TSkinMenuButton::FaceState() const {
  // Focus shows as the hot face.
  return ChooseButtonFace(WindowDisabled(), mouseState_ & kPressed,
                          (mouseState_ & kHot) || (handle_ && GetFocus() == handle_), false);
}

void TSkinMenuButton::DrawFaceContent(HDC face, const RECT& rect, int state) {
  int w = rect.right - rect.left, h = rect.bottom - rect.top;
  // The caption, with its "||" line breaks, is centred in the part left of the arrow.
  RECT extent = DrawCaption(face, RECT{2, 0, w - 15, h}, state, 0);
  DrawFocus(face, extent);
  POINT arrow[3] = {{w - 12, h / 2 + 2}, {w - 15, h / 2 - 1}, {w - 9, h / 2 - 1}};
  COLORREF colour = GetSysColor(state == kFaceDisabled ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
  OwnedBrush brush(CreateSolidBrush(colour));
  OwnedPen pen(CreatePen(PS_SOLID, 1, colour));
  SelectGuard selectBrush(face, brush.Get());
  SelectGuard selectPen(face, pen.Get());
  Polygon(face, arrow, 3);
}
