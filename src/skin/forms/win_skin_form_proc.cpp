// TWinSkinForm's window procedure: the messages of the window skin in the order of their
// checks, the frame paint and the framework-level messages (see win_skin_form.h).
#include "framework/form.h"
#include "skin/data/skin_data.h"
#include "skin/forms/frame_painter.h"
#include "skin/forms/skin_manager.h"
#include "skin/controls/skin_messages.h"
#include "skin/forms/win_skin_form.h"

// The system's menu-bar painter into a given rectangle (user32; not in the SDK headers).
extern "C" DWORD WINAPI DrawMenuBarTemp(HWND window, HDC dc, LPRECT rect, HMENU menu, HFONT font);

namespace {
constexpr UINT kFrameChangedFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
}  // namespace

LRESULT TWinSkinForm::Previous(UINT msg, WPARAM wParam, LPARAM lParam) {
  return subclass_.CallPrevious(msg, wParam, lParam);
}

void TWinSkinForm::UpdateFacts() {
  RECT w{};
  GetWindowRect(window_, &w);
  facts_.width = w.right - w.left;
  facts_.height = w.bottom - w.top;
  wchar_t text[1000] = {};
  GetWindowTextW(window_, text, 1000);
  facts_.caption = text;
  if (facts_.windowKind == wkMdiFrame) {
    HWND active = mdiClient_ ? reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0)) : nullptr;
    facts_.mdiChildMaximised = active && IsZoomed(active);
  }
}

void TWinSkinForm::PaintFrame(HDC given) {
  if (state_ != wsRunning && state_ != wsReapplying) return;
  if (!skinFrame_ || facts_.borderKind == bkNoCaption || !skin_ || menuChanging_) return;
  if (facts_.windowKind == wkMdiChild && facts_.showState == ssMaximised) return;
  try {
    UpdateFacts();
    WindowDC own(given ? nullptr : window_, WindowDC::Whole);
    HDC dc = given ? given : own.Get();
    if (!dc) return;
    TFramePaintInput in;
    in.skin = skin_;
    in.facts = &facts_;
    in.captionFont = captionFont_.Get();
    in.buttons = &buttons_;
    in.icon = icon_;
    in.previousText = titleText_;
    HWND window = window_;
    in.query = [window](int visibility, int action) {
      return SendMessageW(window, skinmsg::kButtonVisibility, static_cast<WPARAM>(visibility),
                          static_cast<LPARAM>(action));
    };
    titleText_ = PaintSkinFrame(dc, in);
    hot_ = nullptr;
    if (menus_ && menus_->HasBar() && facts_.menuBarHeight > 0) {
      const TFrameWidths& f = facts_.frame;
      menus_->Paint(dc, RECT{f.left, f.top, facts_.width - f.right, f.top + facts_.menuBarHeight},
                    facts_.active, facts_.rightToLeft);
    } else if (HMENU menu = facts_.menuBarHeight > 0 && facts_.windowKind != wkMdiChild ? GetMenu(window_) : nullptr;
               menu && facts_.showState != ssMinimised) {
      // A menu the skin has not taken (yet): the system draws it in the band (in window
      // coordinates, so its own tracking finds the items where they show).
      const TFrameWidths& f = facts_.frame;
      RECT band{f.left, f.top, facts_.width - f.right, f.top + facts_.menuBarHeight};
      DrawMenuBarTemp(window_, dc, &band, menu, nullptr);
    }
  } catch (...) {
    // Painting failures leave the frame as it is.
  }
}

bool TWinSkinForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_NCPAINT:
      if (state_ == wsCreated) {
        result = 0;
        return true;
      }
      break;
    case WM_ERASEBKGND:
      result = Previous(msg, wParam, lParam);
      if (!form_ && skin_ && skin_->FaceBrush()) {
        RECT client{};
        GetClientRect(window_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, skin_->FaceBrush());
        result = 1;
      }
      return true;
    case WM_NCDESTROY:
      state_ = wsDestroying;
      Detach();
      state_ = wsDead;
      return false;  // the previous procedure receives it
    case WM_NCACTIVATE:
      if (state_ == wsCreated && facts_.windowKind != wkMdiChild) {
        result = 0;
        return true;
      }
      break;
    case skinmsg::kUndocumentedCaption:
      result = 0;
      return true;
    case WM_INITMENUPOPUP:
      manager_.SetMenuKind(reinterpret_cast<HMENU>(wParam) == systemMenu_ ? 2 : 1);
      if (menus_) menus_->HandleMenuMessage(msg, wParam, lParam, result);
      return false;
    case WM_MENUSELECT:
      if (menus_) menus_->HandleMenuMessage(msg, wParam, lParam, result);
      return false;
    case WM_EXITMENULOOP:
      // The menus end their own menu kind; without them no bar menu can be open, and the
      // next pop-up is a context menu again unless the window says otherwise.
      if (menus_)
        menus_->HandleMenuMessage(msg, wParam, lParam, result);
      else
        manager_.SetMenuKind(0);
      return false;
    case WM_CTLCOLORBTN:
      result = Previous(msg, wParam, lParam);
      if (!form_) SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return true;
    case WM_CTLCOLORSTATIC:
      result = Previous(msg, wParam, lParam);
      if (!form_ && skin_ && skin_->FaceBrush()) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        result = reinterpret_cast<LRESULT>(skin_->FaceBrush());
      }
      return true;
    case skinmsg::kSkinInit:
      if (lParam == skinmsg::kSkinInitParam) SkinInit();
      result = 0;
      return true;
    case skinmsg::kQuerySkinned:
      result = 1;
      return true;
    case skinmsg::kReplaceScrollBar:
      if (const TChildWindowAction& replace = ControlAssignment().ReplaceScrollbar)
        replace(*this, controls_, reinterpret_cast<HWND>(wParam));
      result = 0;
      return true;
    case skinmsg::kIsSkinned:
    case skinmsg::kPaintFrameTo:
    case skinmsg::kReapply:
    case WM_SETTEXT:
      // A framework form answers these from its message method (see AttachForm).
      if (form_) break;
      return HandleSkinnedQuery(msg, wParam, lParam, result, nullptr);
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (wParam == 0 && OnMenuItem(msg, lParam, result)) return true;
      if (menus_ && menus_->HandleMenuMessage(msg, wParam, lParam, result)) return true;
      break;
    case skinmsg::kMenuChanged:
      if (form_) break;  // a framework form hears of it from its message method
      menuChanging_ = true;
      result = Previous(msg, wParam, lParam);
      menuChanging_ = false;
      OnMenuChanged();
      return true;
    case WM_TIMER:
      if (wParam == reinterpret_cast<UINT_PTR>(this)) {
        OnHoverTimer();
        result = 0;
        return true;
      }
      break;
    default:
      break;
  }
  if (!skinFrame_) return false;
  if (child_ && facts_.windowKind != wkMdiChild) return false;
  return HandleFrameMessage(msg, wParam, lParam, result);
}

bool TWinSkinForm::HandleSkinnedQuery(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                                      TMessage* formMessage) {
  switch (msg) {
    case skinmsg::kIsSkinned:
      result = lParam == skinmsg::kMagic ? skinmsg::kMagic : 1;
      return true;
    case skinmsg::kPaintFrameTo:
      if (lParam != skinmsg::kMagic) return false;
      if (wParam) PaintFrame(reinterpret_cast<HDC>(wParam));
      result = skinmsg::kMagic;
      return true;
    case skinmsg::kReapply:
      Reapply();
      result = 0;
      return true;
    case WM_SETTEXT:
      if (!IsWindowVisible(window_) || !skinFrame_ || state_ == wsCreated) return false;
      // The system draws its own caption while it takes the text: draw ours over it.
      SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
      if (formMessage) {
        formHandler_.CallPrevious(*formMessage);
        result = formMessage->Result;
      } else {
        result = Previous(msg, wParam, lParam);
      }
      SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
      if (facts_.showState == ssMaximised && facts_.windowKind == wkMdiChild) {
        if (HWND client = GetParent(window_)) PostMessageW(client, skinmsg::kRedrawMdiFrame, 0, 0);
      } else if (facts_.showState == ssMinimised) {
        PaintFrame();
      } else {
        SetWindowPos(window_, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
      }
      return true;
    default:
      return false;
  }
}

bool TWinSkinForm::HandleFrameMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_ACTIVATE:
      facts_.active = LOWORD(wParam) != WA_INACTIVE;
      return false;
    case WM_SIZE:
      result = Previous(msg, wParam, lParam);
      if (wParam == SIZE_MINIMIZED) facts_.showState = ssMinimised;
      else if (wParam == SIZE_MAXIMIZED) facts_.showState = ssMaximised;
      else if (wParam == SIZE_RESTORED) facts_.showState = ssNormal;
      // However an MDI child got maximised or restored, the manager's mode follows it.
      if (facts_.windowKind == wkMdiChild && state_ != wsCreated) {
        if (wParam == SIZE_MAXIMIZED) manager_.SetMdiMaximised(true);
        if (wParam == SIZE_RESTORED && manager_.MdiMaximised()) manager_.SetMdiMaximised(false);
      }
      if (facts_.showState != ssMinimised &&
          !(facts_.windowKind == wkMdiChild && (manager_.MdiMaximised() || facts_.showState != ssNormal)) &&
          (state_ == wsRunning || state_ == wsReapplying)) {
        BuildRegion();
      }
      return true;
    case WM_GETMINMAXINFO:
      result = Previous(msg, wParam, lParam);
      RefreshShowState();
      if (facts_.showState == ssMinimised ||
          (facts_.windowKind == wkMdiChild && facts_.showState == ssMaximised)) {
        PutCaptionBitsBack();
      } else {
        RemoveCaptionBits();
      }
      return true;
    case WM_WINDOWPOSCHANGED:
      RefreshShowState();
      return false;
    case WM_COMMAND:
      switch (wParam & 0xFFF0) {
        case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE: case SC_NEXTWINDOW:
        case SC_PREVWINDOW: case SC_CLOSE: case SC_RESTORE:
          if (HIWORD(wParam) == 0 && lParam == 0 && wParam >= 0xF000) {
            PostMessageW(window_, WM_SYSCOMMAND, wParam, 0);
            result = 0;
            return true;
          }
          break;
        default:
          break;
      }
      return false;
    case WM_SYSCOMMAND:
      return OnSysCommand(wParam, lParam, result);
    case skinmsg::kOpenMenuAt:
      // Opens the bar's menu under a screen point (lParam), as a click there would.
      if (menus_ && menus_->HasBar() && state_ == wsRunning) {
        const POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        menus_->OpenAt(ToWindow(screen));
      }
      result = 0;
      return true;
    default:
      break;
  }
  if (state_ == wsCreated) return false;
  if (facts_.windowKind == wkMdiChild && facts_.showState == ssMaximised) return false;
  switch (msg) {
    case WM_NCCALCSIZE:
      // A menu set on the window after skinning: the skin takes it into its bar.
      if (!menuChangePosted_ && menus_ && facts_.windowKind != wkMdiChild &&
          facts_.borderKind != bkNoCaption && GetMenu(window_)) {
        menuChangePosted_ = PostMessageW(window_, skinmsg::kMenuChanged, 0, 0) != FALSE;
      }
      result = OnNcCalcSize(wParam, lParam);
      return true;
    case WM_NCPAINT:
      if (!(facts_.buttonFlags & kCaptionBitsRemoved)) {
        const LONG style = GetWindowLongW(window_, GWL_STYLE);
        if (style & WS_SYSMENU) SetWindowLongW(window_, GWL_STYLE, style & ~WS_SYSMENU);
      }
      if (facts_.borderKind == bkNoCaption) {
        result = Previous(msg, wParam, lParam);
      } else {
        PaintFrame();
        result = 0;
      }
      return true;
    case WM_NCACTIVATE:
      facts_.active = wParam != 0;
      if (wParam) StartHoverTimer(); else StopHoverTimer();
      if (mdiClient_) SendMessageW(mdiClient_, WM_NCACTIVATE, wParam, lParam);
      if (facts_.windowKind == wkMdiChild) Previous(msg, wParam, lParam);
      PaintFrame();
      result = 1;
      return true;
    case WM_NCHITTEST:
      result = OnNcHitTest(wParam, lParam);
      return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      return OnNcMouse(msg, wParam, lParam, result);
    case skinmsg::kRepaintFrame:
      PaintFrame();
      result = 0;
      return true;
    default:
      return false;
  }
}
