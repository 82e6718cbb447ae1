// TWinSkinForm: client-area calculation, hit testing, non-client mouse input, the hover
// timer, caption-button actions, show-state commands and WM_SYSCOMMAND (see
// win_skin_form.h).
#include "skin/forms/platform_version.h"
#include "skin/forms/skin_manager.h"
#include "skin/controls/skin_messages.h"
#include "skin/forms/win_skin_form.h"

namespace {
// The signed screen point of a mouse message (multiple monitors give negative values).
POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
}  // namespace

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  const RECT proposed = params->rgrc[0];  // the new window rectangle, before the system's say
  const WINDOWPOS* pos = wParam ? params->lppos : nullptr;
  Previous(WM_NCCALCSIZE, wParam, lParam);
  const TFrameWidths& f = facts_.frame;
  if (!wParam) {
    // Only the rectangle: the window rectangle becomes the skinned client rectangle.
    auto* r = reinterpret_cast<RECT*>(lParam);
    if (facts_.borderKind == bkNoCaption) return 0;
    *r = RECT{proposed.left + f.left, proposed.top + f.top + facts_.menuBarHeight,
              proposed.right - f.right, proposed.bottom - f.bottom};
    return 0;
  }
  if ((facts_.windowKind == wkMdiChild && facts_.showState != ssNormal) ||
      facts_.borderKind == bkNoCaption) {
    params->rgrc[1] = params->rgrc[0];
    return WVR_VALIDRECTS;
  }
  const int x = pos ? pos->x : proposed.left, y = pos ? pos->y : proposed.top;
  const int cx = pos ? pos->cx : proposed.right - proposed.left;
  const int cy = pos ? pos->cy : proposed.bottom - proposed.top;
  RECT client{x + f.left, y + f.top + facts_.menuBarHeight, x + cx - f.right, y + cy - f.bottom};
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
  params->rgrc[0] = client;
  params->rgrc[1] = client;
  return WVR_VALIDRECTS;
}

POINT TWinSkinForm::ToWindow(POINT screen) const {
  if (facts_.windowKind == wkMdiChild && facts_.showState == ssMinimised) {
    ScreenToClient(window_, &screen);
    return screen;
  }
  RECT w{};
  GetWindowRect(window_, &w);
  return POINT{screen.x - w.left, screen.y - w.top};
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
  const LRESULT answer = Previous(WM_NCHITTEST, wParam, lParam);
  if (answer != HTNOWHERE && answer != HTCAPTION) return answer;
  const POINT p = ToWindow(PointOf(lParam));
  if (facts_.menuBarHeight > 0 && p.y >= facts_.frame.top) return HTMENU;
  if (p.y > 3) return HTCAPTION;
  return answer;
}

bool TWinSkinForm::OnNcMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const POINT screen = PointOf(lParam);
  const POINT p = ToWindow(screen);
  TWinSysButton* button = buttons_.HitTest(p);
  if (!button && menus_ && menus_->HandleNcMouse(msg, p, result)) return true;
  switch (msg) {
    case WM_NCMOUSEMOVE:
      if (!facts_.active) {
        result = 0;
        return true;
      }
      if (button) {
        button->Enter();
        result = 0;
        return true;
      }
      if (hot_) hot_->Leave();
      return false;
    case WM_NCLBUTTONDOWN:
      if (button) {
        if (!facts_.active) SetForegroundWindow(window_);
        button->Press();
        result = 0;
        return true;
      }
      if (facts_.active && facts_.showState == ssMaximised && wParam == HTCAPTION) {
        // A maximised window cannot be dragged by its title bar.
        result = Previous(msg, HTMENU, lParam);
        return true;
      }
      return false;
    case WM_NCLBUTTONUP:
      if (button) {
        if (hot_ == button) {
          button->Release();
          RunAction(*button, screen);
        }
        result = 0;
        return true;
      }
      return false;
    case WM_NCLBUTTONDBLCLK:
      if (button) {
        if (button->IsIcon()) {
          StopHoverTimer();
          PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        result = 0;
        return true;
      }
      if (wParam == HTCAPTION || wParam == HTMENU) {
        if (facts_.showState != ssNormal) {
          Restore();
          result = 0;
          return true;
        }
        if (facts_.Has(kHasMaximiseBox)) {
          ToggleMaximise();
          result = 0;
          return true;
        }
      }
      return false;
    case WM_NCRBUTTONDOWN:
      if (wParam == HTCAPTION && facts_.windowKind != wkMdiChild) {
        OpenSystemMenu(screen);
        result = 0;
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TWinSkinForm::OnHoverTimer() {
  if (menuTracking_) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (hot_) {
    const POINT p = ToWindow(cursor);
    if (!PtInRect(&hot_->Rect, p)) hot_->Leave();
  }
  if (!form_) {
    for (auto& control : controls_) {
      if (!control) continue;
      RECT r{};
      if (GetWindowRect(control->ControlWindow(), &r) && !PtInRect(&r, cursor)) control->MouseLeft();
    }
  }
}

bool TWinSkinForm::CloseAllowed() const {
  if (CurrentPlatform().ClosesWithoutSystemMenu()) return true;
  HMENU menu = systemMenu_ ? systemMenu_ : GetSystemMenu(window_, FALSE);
  return menu && GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

void TWinSkinForm::SendToMdiChild(UINT command) {
  if (facts_.windowKind != wkMdiFrame || !mdiClient_) return;
  HWND child = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0));
  if (child) SendMessageW(child, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::RunAction(TWinSysButton& button, POINT screen) {
  using namespace captionaction;
  switch (button.Action()) {
    case kClose:
      if (CloseAllowed()) {
        StopHoverTimer();
        PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case kMaximise:
    case kMaximise2:
      ToggleMaximise();
      break;
    case kMinimise:
    case kMinimise2:
      ToggleMinimise();
      break;
    case kIcon:
    case kIcon2:
    case kSystemMenu:
      OpenSystemMenu(POINT{screen.x + 1, screen.y + 1});
      break;
    case kMdiMinimise:
    case kMdiMinimise2:
      SendToMdiChild(SC_MINIMIZE);
      break;
    case kMdiRestore:
    case kMdiRestore2:
      SendToMdiChild(SC_RESTORE);
      break;
    case kMdiClose:
    case kMdiClose2:
      SendToMdiChild(SC_CLOSE);
      break;
    default:
      PostMessageW(window_, skinmsg::kCustomButton, static_cast<WPARAM>(button.Action()), 0);
      break;
  }
}

void TWinSkinForm::ToggleMaximise() {
  if (facts_.showState == ssMaximised) {
    Restore();
    return;
  }
  if (facts_.windowKind == wkMdiChild) manager_.SetMdiMaximised(true);
  facts_.showState = ssMaximised;
  PostMessageW(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  hot_ = nullptr;
}

void TWinSkinForm::ToggleMinimise() {
  if (facts_.showState == ssMinimised) {
    Restore();
    return;
  }
  facts_.showState = ssMinimised;
  if (facts_.Has(kHasSystemMenu) && !(facts_.buttonFlags & kCaptionBitsRemoved)) {
    SetWindowLongW(window_, GWL_STYLE, GetWindowLongW(window_, GWL_STYLE) | WS_SYSMENU);
  }
  PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::Restore() {
  facts_.showState = ssNormal;
  PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

bool TWinSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const UINT command = static_cast<UINT>(wParam & 0xFFF0);
  if (command == SC_KEYMENU && !menuTracking_ && lParam != ' ' && lParam != '-' && menus_ &&
      menus_->HandleKeyMenu(static_cast<wchar_t>(lParam))) {
    result = 0;
    return true;
  }
  if (command == SC_KEYMENU && !menuTracking_ && lParam == ' ') {
    POINT corner{0, 0};
    ClientToScreen(window_, &corner);
    OpenSystemMenu(corner);
    result = 0;
    return true;
  }
  switch (command) {
    case SC_MINIMIZE:
      facts_.showState = ssMinimised;
      if (facts_.windowKind == wkMdiChild) PutCaptionBitsBack();
      break;
    case SC_MAXIMIZE:
      facts_.showState = ssMaximised;
      break;
    case SC_RESTORE:
      facts_.showState = ssNormal;
      if (facts_.windowKind == wkMdiChild) {
        RemoveCaptionBits();
        manager_.SetMdiMaximised(false);
      }
      break;
    default:
      break;
  }
  result = Previous(WM_SYSCOMMAND, wParam, lParam);
  return true;
}
