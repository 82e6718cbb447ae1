// Container wrappers (see skin_box.h).
#include "skin/controls/skin_box.h"

#include "framework/win_control.h"
#include "skin/controls/skin_control_list.h"
#include "skin/data/skin_data.h"

void TSkinBox::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                        TBitmap* canvas) {
  if (attached_) return;
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control) return;
  manageColour_ = manageColour;
  skinData_ = skinData;
  canvas_ = canvas;
  control_ = control;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) handle_ = windowed->Handle();
  JoinWindowSkin(windowSkin);
  if (manageColour_) {
    savedColour_ = control->Color();
    control->SetColor(FaceColour());
  }
  attached_ = true;
  state_ = kStateAttached;
}

void TSkinBox::Unskin() {
  // State 4: the control is going; its colour no longer matters.
  if (state_ != 4 && manageColour_ && control_) control_->SetColor(savedColour_);
  state_ = kStateUnskinned;
}

bool TSkinBoxH::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: {
      RECT r{};
      if (GetWindowRect(handle_, &r)) {
        OffsetRect(&r, -r.left, -r.top);
        FillFace(reinterpret_cast<HDC>(m.WParam), r);
      }
      m.Result = 0;
      return false;
    }
    case WM_CTLCOLORSTATIC:
      CallDefault(m);
      if (skinData_ && skinData_->FaceBrush()) {
        SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
        m.Result = reinterpret_cast<LRESULT>(skinData_->FaceBrush());
      }
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}
