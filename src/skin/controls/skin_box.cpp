// Container wrappers (see skin_box.h).
#include "skin/controls/skin_box.h"

#include "skin/data/skin_data.h"

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
