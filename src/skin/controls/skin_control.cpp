// TSkinControl: attaching, message routing, switching and detaching (see
// skin_control.h; the shared painting operations are in skin_control_paint.cpp).
#include "skin/controls/skin_control.h"

#include "framework/wide.h"
#include "framework/win_control.h"
#include "skin/controls/skin_control_list.h"
#include "skin/controls/skin_messages.h"
#include "skin/data/skin_data.h"

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
  RestoreMessageMethod();
  if (windowSkin_) windowSkin_->Remove(this);
  windowSkin_ = nullptr;
}

void TSkinControl::ForgetWindowSkin(const TSkinControlList* list) {
  if (windowSkin_ == list) windowSkin_ = nullptr;
}

void TSkinControl::JoinWindowSkin(TSkinControlList* windowSkin) {
  windowSkin_ = windowSkin;
  if (windowSkin_) windowSkin_->Add(this);
}

void TSkinControl::AttachWindowed(TWinControl* control, TSkinData* skinData,
                                  TSkinControlList* windowSkin, TBitmap* canvas) {
  skinData_ = skinData;
  canvas_ = canvas;
  control_ = control;
  handle_ = control->Handle();
  unicode_ = IsWindowUnicode(handle_) != FALSE;
  JoinWindowSkin(windowSkin);
}

void TSkinControl::TakeMessageMethod(TControl* control) {
  if (!control || usesMethod_) return;
  usesMethod_ = subclass_.Attach(*control, [this](TMessage& m) {
    Dispatch(m);
    return true;
  });
}

bool TSkinControl::TakeWindowProcedure(HWND window) {
  if (windowProcedure_.Attached()) return true;
  return windowProcedure_.Attach(window, [this](UINT msg, WPARAM wParam, LPARAM lParam,
                                                LRESULT& result) {
    TMessage m{msg, wParam, lParam, 0};
    Dispatch(m);
    result = m.Result;
    return true;
  });
}

void TSkinControl::RestoreMessageMethod() {
  subclass_.Detach();
  windowProcedure_.Detach();
}

bool TSkinControl::AttachBare(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                              TBitmap* canvas) {
  if (!IsWindow(window)) return false;
  skinData_ = skinData;
  canvas_ = canvas;
  handle_ = window;
  enabled_ = true;
  Kind = 0;
  unicode_ = IsWindowUnicode(window) != FALSE;
  caption_ = WideWindowText(window);
  JoinWindowSkin(windowSkin);
  return true;
}

void TSkinControl::InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                                  TBitmap* canvas) {
  if (attached_ || !AttachBare(window, skinData, windowSkin, canvas)) return;
  if (!TakeWindowProcedure(window)) return;
  InvalidateRect(window, nullptr, TRUE);
  attached_ = true;
  state_ = kStateAttached;
}

void TSkinControl::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                            TBitmap* canvas) {
  if (attached_) return;
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control) return;
  manageColour_ = manageColour;
  skinData_ = skinData;
  canvas_ = canvas;
  control_ = control;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    handle_ = windowed->Handle();
    unicode_ = IsWindowUnicode(handle_) != FALSE;
  }
  if (TakesMessages()) TakeMessageMethod(control);
  JoinWindowSkin(windowSkin);
  if (manageColour_) {
    savedColour_ = control->Color();
    control->SetColor(FaceColour());
  }
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
  attached_ = true;
  state_ = kStateAttached;
}

void TSkinControl::Unskin() {
  if (manageColour_ && control_) control_->SetColor(savedColour_);
}

void TSkinControl::SkinChanged() {
  if (manageColour_ && control_) control_->SetColor(FaceColour());
  Repaint();
}

void TSkinControl::Dispatch(TMessage& m) noexcept {
  try {
    if (m.Msg == skinmsg::kControlSkinSwitch) {
      active_ = static_cast<int>(m.WParam) > 0;
      if (active_) Repaint();
      m.Result = 0;
      return;
    }
    if (!active_) {
      CallDefault(m);
      // A switched-off wrapper still learns that its window is gone.
      if (m.Msg == WM_NCDESTROY) MarkDead();
      return;
    }
    if (BeforeMessage(m)) {
      CallDefault(m);
      AfterMessage(m);
    }
  } catch (...) {
    // Drawing failures leave the control's own drawing in place.
  }
}

void TSkinControl::CallDefault(TMessage& m) {
  if (usesMethod_) {
    subclass_.CallPrevious(m);
  } else if (windowProcedure_.Attached()) {
    // The window subclass itself hands WM_NCDESTROY on once the wrapper has seen it.
    if (m.Msg != WM_NCDESTROY) m.Result = windowProcedure_.CallPrevious(m.Msg, m.WParam, m.LParam);
  } else if (handle_) {
    m.Result = DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
  }
}

bool TSkinControl::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCDESTROY:
      CallDefault(m);
      MarkDead();
      return false;
    case skinmsg::kQuerySkinned:
      m.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::MarkDead() {
  if (state_ == kStateDead) return;
  active_ = false;
  state_ = kStateDead;
  Unskin();
}

void TSkinControl::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
      Repaint();
      break;
    case WM_PAINT:
      PaintControl(reinterpret_cast<HDC>(m.WParam));
      break;
    default:
      break;
  }
}

void TSkinControl::PaintControl(HDC dc) {
  if (!handle_ || !GetWindowRect(handle_, &windowRect_)) return;
  RECT r{0, 0, windowRect_.right - windowRect_.left, windowRect_.bottom - windowRect_.top};
  try {
    if (dc) {
      DrawControl(dc, r);
    } else {
      HDC windowDc = GetWindowDC(handle_);
      if (!windowDc) return;
      try {
        DrawControl(windowDc, r);
      } catch (...) {
      }
      ReleaseDC(handle_, windowDc);
    }
  } catch (...) {
  }
}

void TSkinControl::DrawControl(HDC, const RECT&) {}
