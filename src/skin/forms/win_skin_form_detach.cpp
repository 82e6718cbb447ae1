// TWinSkinForm: re-applying a skin and letting go of the window, with or without giving
// back its system frame (see win_skin_form.h).
#include "framework/form.h"
#include "skin/data/skin_data.h"
#include "skin/controls/skin_messages.h"
#include "skin/forms/win_skin_form.h"

namespace {
constexpr UINT kFrameChangedFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;  // 0x37
}  // namespace

void TWinSkinForm::FreeControls() {
  for (auto& control : controls_) {
    if (control && !control->Dead()) control->Restore();
  }
  controls_.clear();
}

void TWinSkinForm::AssignChildWindow(HWND child) {
  if (const TChildWindowAction& assign = ControlAssignment().AssignChild) assign(*this, controls_, child);
}

void TWinSkinForm::Reapply() {
  if (form_ && skin_) form_->SetColor(skin_->Colours.ButtonFace);
  for (auto& control : controls_) {
    if (control) control->Reapply();
  }
  // Controls made since the skin started get their wrappers now.
  if (const TControlAssigner& assign = ControlAssigner()) assign(*this, controls_);
  state_ = wsReapplying;
  if (skinFrame_) {
    RebuildMenuBar();  // the bar's buttons and items measure in the new skin
    ResizeKeepingClient(true);
    BuildRegion();
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
  }
  SendMessageW(window_, skinmsg::kSkinnedNotify, 0, skinmsg::kMagic);
  state_ = wsRunning;
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinSkinForm::Detach() {
  StopHoverTimer();
  // A bare window gets its menu back to destroy it with itself; a form owns its menu.
  if (menus_ && !form_) menus_->GiveBack();
  formHandler_.Detach();
  subclass_.Detach();
  mdiClientSubclass_.Detach();
  FreeControls();
  hot_ = nullptr;
  attached_ = false;
}

void TWinSkinForm::DetachAndRestore() {
  const bool destroying = state_ == wsDestroying;
  if (!skinFrame_) {
    StopHoverTimer();
    FreeControls();
    if (form_ && !destroying) form_->SetColor(savedFormColour_);
    formHandler_.Detach();
    subclass_.Detach();
    mdiClientSubclass_.Detach();
    attached_ = false;
    if (!destroying && IsWindow(window_)) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return;
  }
  StopHoverTimer();
  if (!subclass_.Attached()) return;
  formHandler_.Detach();
  subclass_.Detach();
  FreeControls();
  hot_ = nullptr;
  attached_ = false;
  if (form_ && !destroying) form_->SetColor(savedFormColour_);
  if (!IsWindow(window_)) return;
  if (facts_.Has(kHasSystemMenu)) {
    SetWindowLongW(window_, GWL_STYLE, GetWindowLongW(window_, GWL_STYLE) | WS_SYSMENU);
  }
  PutCaptionBitsBack();
  mdiClientSubclass_.Detach();
  if (menus_ && !destroying) menus_->GiveBack();
  if (!destroying && (facts_.windowKind == wkMdiChild || !child_)) {
    RECT w{};
    GetWindowRect(window_, &w);
    if (facts_.windowKind == wkMdiChild) MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&w), 2);
    const TFrameWidths& f = facts_.frame;
    const int width = (w.right - w.left) + systemNcSize_.cx - f.left - f.right;
    const int height = (w.bottom - w.top) + systemNcSize_.cy - f.top - f.bottom - facts_.menuBarHeight;
    UINT flags = SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER;
    if (facts_.showState != ssNormal) flags |= SWP_NOSIZE;
    SetWindowPos(window_, nullptr, w.left, w.top, width, height, flags);
  }
  SetWindowRgn(window_, nullptr, TRUE);
  DropRegion();
}
