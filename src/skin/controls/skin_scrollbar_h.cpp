// TSkinScrollbarH (see skin_scrollbar_h.h).
#include "skin/controls/skin_scrollbar_h.h"

#include "skin/data/skin_data.h"

TSkinScrollbarH::~TSkinScrollbarH() { FreeOverlays(); }

void TSkinScrollbarH::InitSkinWindow(HWND window, TSkinData* skinData,
                                     TSkinControlList* windowSkin, TBitmap* canvas) {
  if (attached_ || !AttachBare(window, skinData, windowSkin, canvas)) return;
  MakeOverlays(this, window, nullptr, horz_, vert_);
  if (!TakeWindowProcedure(window)) {
    FreeOverlays();
    return;
  }
  attached_ = true;
  state_ = kStateAttached;
}

void TSkinScrollbarH::PlaceOverlays() { ::PlaceOverlays(horz_, vert_); }

void TSkinScrollbarH::FreeOverlays() { ::FreeOverlays(horz_, vert_); }

void TSkinScrollbarH::Unskin() {
  TSkinControl::Unskin();
  if (state_ != kStateDead) {
    FreeOverlays();
  } else {
    HideOverlays(horz_, vert_);  // the window is gone: its bars with it
  }
}

void TSkinScrollbarH::AfterMessage(TMessage& m) {
  // A hidden window (a closed list) hides its overlays whatever message it got.
  if (handle_ && !IsWindowVisible(handle_)) {
    if (horz_ && horz_->Showing()) horz_->HideOverlay();
    if (vert_ && vert_->Showing()) vert_->HideOverlay();
  }
  switch (m.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
    case WM_WINDOWPOSCHANGED:
      PlaceOverlays();
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      SetOverlayHotPart(m.Msg, m.WParam, horz_, vert_);
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinScrollbarH::DrawControl(HDC dc, const RECT&) {
  InvalidateOverlays(horz_, vert_);
  RECT corner{};
  if (ScrollCorner(handle_, horz_, vert_, corner))
    FillColour(dc, corner, skinData_ ? skinData_->Colours.ButtonFace : FaceColour());
}
