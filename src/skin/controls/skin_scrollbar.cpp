// TSkinScrollbar, TSkinListView, TSkinScControl (see skin_scrollbar.h).
#include "skin/controls/skin_scrollbar.h"

#include <commctrl.h>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/path_text.h"
#include "skin/controls/skin_control_list.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_messages.h"
#include "skin/data/skin_data.h"

namespace {
bool HasProperty(TControl* control, const char* name) {
  return control && control->Properties().Find(name) != nullptr;
}
}  // namespace

TSkinScrollbar::~TSkinScrollbar() { FreeOverlays(); }

void TSkinScrollbar::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool,
                              TBitmap* canvas) {
  InitScrollbar(dynamic_cast<TControl*>(Owner()), skinData, windowSkin, canvas);
}

void TSkinScrollbar::InitScrollbar(TControl* control, TSkinData* skinData,
                                   TSkinControlList* windowSkin, TBitmap* canvas) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (attached_ || !windowed) return;
  AttachWindowed(windowed, skinData, windowSkin, canvas);
  // The border: a control with a border, unless single mode.
  border_ = HasProperty(control, "BorderStyle") &&
            !SameTextAscii(GetEnumProp(control, "BorderStyle"), "bsNone");
  if (SameTextAscii(control->ClassName(), "TImageScrollBox") || Kind == 1) border_ = false;
  if (HasProperty(control, "FixedColor")) {
    savedColour_ = static_cast<TColor>(GetIntProp(control, "FixedColor"));
    manageColour_ = true;
    SetPropText(control, "FixedColor", std::to_string(skinData ? skinData->Colours.ButtonFace : 0));
  }
  MakeOverlays(this, handle_, control, horz_, vert_);
  if (!control->Visible()) HideOverlays();
  TakeMessageMethod(control);
  attached_ = true;
  state_ = kStateAttached;
  if (border_) RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TSkinScrollbar::PlaceOverlays() { ::PlaceOverlays(horz_, vert_); }

void TSkinScrollbar::HideOverlays() { ::HideOverlays(horz_, vert_); }

void TSkinScrollbar::FreeOverlays() { ::FreeOverlays(horz_, vert_); }

void TSkinScrollbar::Unskin() {
  if (manageColour_ && control_) SetPropText(control_, "FixedColor", std::to_string(savedColour_));
  manageColour_ = false;
  TSkinControl::Unskin();
  if (state_ != kStateDead) FreeOverlays();
  else HideOverlays();  // the window is gone: its bars with it
}

void TSkinScrollbar::DrawBorder(HDC dc) {
  RECT r{};
  if (!GetWindowRect(handle_, &r)) return;
  RECT frame{0, 0, r.right - r.left, r.bottom - r.top};
  OwnedBrush shadow(CreateSolidBrush(ColorToRGB(skinData_ ? skinData_->Colours.ButtonShadow
                                                          : SystemColour(COLOR_BTNSHADOW))));
  OwnedBrush face(CreateSolidBrush(ColorToRGB(FaceColour())));
  FrameRect(dc, &frame, shadow.Get());
  InflateRect(&frame, -1, -1);
  FrameRect(dc, &frame, face.Get());
}

bool TSkinScrollbar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      if (!border_) break;
      CallDefault(m);
      if (HDC dc = GetWindowDC(handle_)) {
        DrawBorder(dc);
        ReleaseDC(handle_, dc);
      }
      return false;
    case skinmsg::kPaintFrameTo:
      if (m.LParam != skinmsg::kMagic) break;
      if (m.WParam && border_) DrawBorder(reinterpret_cast<HDC>(m.WParam));
      m.Result = skinmsg::kMagic;
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinScrollbar::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      PlaceOverlays();
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      SetOverlayHotPart(m.Msg, m.WParam, horz_, vert_);
      return;
    case WM_MOUSEWHEEL:
      InvalidateOverlays(horz_, vert_);
      return;
    case CM_VISIBLECHANGED:
      if (m.WParam) PlaceOverlays(); else HideOverlays();
      return;
    case CM_RECREATEWND:
      if (windowSkin_ && windowSkin_->Window)
        PostMessageW(windowSkin_->Window, skinmsg::kReplaceScrollBar, reinterpret_cast<WPARAM>(handle_), 0);
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinScrollbar::DrawControl(HDC dc, const RECT&) {
  const LONG style = GetStyle(handle_, GWL_STYLE);
  if (horz_) {
    if (horz_->Showing()) horz_->Invalidate();
    else if (style & WS_HSCROLL) horz_->Place();
  }
  if (vert_) {
    if (vert_->Showing()) vert_->Invalidate();
    else if (style & WS_VSCROLL) vert_->Place();
  }
  RECT corner{};
  if (ScrollCorner(handle_, horz_, vert_, corner))
    FillColour(dc, corner, skinData_ ? skinData_->Colours.ButtonFace : FaceColour());
}

void TSkinListView::InitScrollbar(TControl* control, TSkinData* skinData,
                                  TSkinControlList* windowSkin, TBitmap* canvas) {
  if (attached_) return;
  TSkinScrollbar::InitScrollbar(control, skinData, windowSkin, canvas);
  if (!attached_ || header_) return;
  if (HWND header = HeaderWindow()) {
    auto* wrapper = new TSkinHeader(this);
    wrapper->InitSkinWindow(header, skinData, windowSkin, canvas);
    header_ = wrapper;
  }
}

HWND TSkinListView::HeaderWindow() const {
  return handle_ ? reinterpret_cast<HWND>(SendMessageW(handle_, LVM_GETHEADER, 0, 0)) : nullptr;
}

// ---- TSkinScControl ----

TSkinScControl::~TSkinScControl() { FreeOverlay(); }

void TSkinScControl::FreeOverlay() {
  delete overlay_;
  overlay_ = nullptr;
}

void TSkinScControl::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool,
                              TBitmap* canvas) {
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (attached_ || !control) return;
  AttachWindowed(control, skinData, windowSkin, canvas);
  overlay_ = new TWScrollbar(this, TWScrollbar::kControl);
  overlay_->Attach(this, handle_, control);
  if (!control->Visible()) overlay_->HideOverlay();
  TakeMessageMethod(control);
  attached_ = true;
  state_ = kStateAttached;
}

void TSkinScControl::Unskin() {
  TSkinControl::Unskin();
  if (state_ != kStateDead) FreeOverlay();
}

void TSkinScControl::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
      if (overlay_) overlay_->Place();
      return;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case CN_HSCROLL:
    case CN_VSCROLL:
      if (overlay_) overlay_->Invalidate();
      return;
    case CM_VISIBLECHANGED:
      if (!overlay_) return;
      if (m.WParam) overlay_->Place(); else overlay_->HideOverlay();
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinScControl::DrawControl(HDC, const RECT&) {
  if (overlay_) overlay_->Invalidate();
}
