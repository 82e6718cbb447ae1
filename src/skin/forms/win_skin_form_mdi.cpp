// TWinSkinForm: the MDI client of a skinned MDI frame (its menu changes rebuild the
// frame's bar), and MDI-maximised mode of MDI child skins (see win_skin_form.h).
#include "skin/data/skin_data.h"
#include "skin/forms/skin_manager.h"
#include "skin/controls/skin_messages.h"
#include "skin/forms/win_skin_form.h"

namespace {
constexpr UINT kFrameChangedFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

bool ActiveChildMaximised(HWND client) {
  BOOL maximised = FALSE;
  HWND active = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
  return active && maximised;
}
}  // namespace

bool TWinSkinForm::HandleMdiClientMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case skinmsg::kRedrawMdiFrame:
      RedrawWindow(window_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      result = 0;
      return true;
    case WM_NCCALCSIZE:
      // The client's own scroll bars stay off unless the skin data asks for them.
      if (skin_ && !HasOption(skin_->Options, xoMDIScrollbar)) {
        const LONG style = GetWindowLongW(mdiClient_, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL)) {
          SetWindowLongW(mdiClient_, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
        }
      }
      return false;
    case WM_MDICREATE:
      if (skin_) skin_->MenuUpdate = false;
      return false;
    case WM_MDIDESTROY: {
      result = mdiClientSubclass_.CallPrevious(msg, wParam, lParam);
      manager_.SetMdiMaximised(ActiveChildMaximised(mdiClient_));
      if (!SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0) && skin_) {
        skin_->MenuUpdate = savedMenuUpdate_;
        RebuildMenuBar();
      } else {
        PaintFrame();
      }
      return true;
    }
    case WM_MDISETMENU:
      // The client sets the frame's menu (and adds a maximised child's items): the skin
      // builds its bar from it and takes it off the frame again.
      result = mdiClientSubclass_.CallPrevious(msg, wParam, lParam);
      if (wParam) RebuildMenuBar();
      return true;
    case WM_MDITILE:
    case WM_MDICASCADE:
      manager_.SetMdiMaximised(false);
      return false;
    default:
      (void)lParam;
      return false;
  }
}

void TWinSkinForm::EnterMdiMaximised() {
  if (facts_.windowKind != wkMdiChild) return;
  SetWindowRgn(window_, nullptr, TRUE);
  DropRegion();
  PutCaptionBitsBack();
}

void TWinSkinForm::LeaveMdiMaximised() {
  if (facts_.windowKind != wkMdiChild) return;
  RefreshShowState();
  if (facts_.showState == ssMinimised) {
    PutCaptionBitsBack();
    return;
  }
  facts_.showState = ssNormal;
  BuildRegion();
  RemoveCaptionBits();
  if (!regionValid_) SetWindowPos(window_, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
}
