// TForm: styles, client size, icons, menu bar, showing and closing (see form.h). MDI
// and AutoScroll are in form_mdi.cpp and form_scroll.cpp.
#include "framework/form.h"

#include "framework/application.h"

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  if (TApplication* app = Application()) app->AddForm(this);
}

TForm::~TForm() {
  if (TApplication* app = Application()) app->RemoveForm(this);
  // While the form part still exists: an MDI child goes through its MDI client, and
  // the menu bar stays the form's.
  DestroyHandleFromDestructor();
  if (mainMenu_) {
    mainMenu_->OnChange = nullptr;
    mainMenu_->OnDestroy = nullptr;
  }
}

void TForm::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Boolean<TForm>("AutoScroll", [](TForm& f) { return f.AutoScroll(); },
                      [](TForm& f, bool v) { f.SetAutoScroll(v); });
  list.Enumeration<TForm>("BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog"},
                          [](TForm& f) -> int64_t { return f.BorderStyle; });
  list.Enumeration<TForm>("FormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm"},
                          [](TForm& f) -> int64_t { return f.FormStyle; });
  list.Enumeration<TForm>("Position", {"poDesigned", "poScreenCenter"},
                          [](TForm& f) -> int64_t { return f.Position; });
  list.Integer<TForm>("ClientWidth", [](TForm& f) -> int64_t { return f.ClientWidth(); },
                      [](TForm& f, int64_t v) {
                        f.SetClientSize(static_cast<int>(v), f.ClientHeight());
                      });
  list.Integer<TForm>("ClientHeight", [](TForm& f) -> int64_t { return f.ClientHeight(); },
                      [](TForm& f, int64_t v) {
                        f.SetClientSize(f.ClientWidth(), static_cast<int>(v));
                      });
}

DWORD TForm::WindowStyle() const {
  DWORD style = WS_CLIPCHILDREN;
  switch (BorderStyle) {
    case bsNone:
      style |= FormStyle == fsMDIChild ? 0 : WS_POPUP;
      break;
    case bsSingle:
    case bsDialog:
      style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
  }
  if (BorderStyle != bsNone && (BorderIcons & biSystemMenu)) {
    style |= WS_SYSMENU;
    if (BorderStyle != bsDialog) {
      if (BorderIcons & biMinimize) style |= WS_MINIMIZEBOX;
      if (BorderIcons & biMaximize) style |= WS_MAXIMIZEBOX;
    }
  }
  return style;
}

DWORD TForm::WindowExStyle() const {
  DWORD ex = 0;
  if (BorderStyle == bsDialog) ex |= WS_EX_DLGMODALFRAME;
  if (FormStyle == fsMDIChild) return ex | WS_EX_MDICHILD;
  // The main form has its own taskbar button.
  TApplication* app = Application();
  if (app && app->MainForm() == this && app->MainFormOnTaskBar) ex |= WS_EX_APPWINDOW;
  return ex;
}

SIZE TForm::NonClientSize() const {
  DWORD style = HandleAllocated() ? static_cast<DWORD>(GetWindowLongW(WindowHandle(), GWL_STYLE))
                                  : WindowStyle();
  DWORD ex = HandleAllocated() ? static_cast<DWORD>(GetWindowLongW(WindowHandle(), GWL_EXSTYLE))
                               : WindowExStyle();
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, style, Menu() && FormStyle != fsMDIChild, ex);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void TForm::SetClientSize(int width, int height) {
  SIZE frame = NonClientSize();
  SetBounds(left_, top_, width + frame.cx, height + frame.cy);
}

int TForm::ClientWidth() const {
  return HandleAllocated() ? TWinControl::ClientWidth() : width_ - NonClientSize().cx;
}

int TForm::ClientHeight() const {
  return HandleAllocated() ? TWinControl::ClientHeight() : height_ - NonClientSize().cy;
}

void TForm::SetIcon(HICON icon) {
  icon_ = icon;
  if (HandleAllocated()) ApplyIcons();
}

void TForm::ApplyIcons() {
  TApplication* app = Application();
  HICON big = icon_ ? icon_ : (app ? app->Icon : nullptr);
  // The small icon is a copy at the small size (from the icon's resource when it has one).
  OwnedIcon small;
  if (big) {
    small.Reset(static_cast<HICON>(CopyImage(big, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_COPYFROMRESOURCE)));
    if (!small)
      small.Reset(static_cast<HICON>(CopyImage(big, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0)));
  }
  SendMessageW(WindowHandle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(WindowHandle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
  smallIcon_ = std::move(small);  // the old small icon goes once the window has the new
}

HMENU TForm::Menu() const {
  if (menu_) return menu_.Get();
  return mainMenu_ ? mainMenu_->Handle() : nullptr;
}

void TForm::ShowMenu(HMENU menu) {
  if (HandleAllocated() && FormStyle != fsMDIChild) {
    ::SetMenu(WindowHandle(), menu);
    DrawMenuBar(WindowHandle());
    // Whoever draws the bar instead of the system learns of the new menu.
    Perform(CM_MENUCHANGED, 0, 0);
  }
}

void TForm::SetMenu(OwnedMenu menu) {
  ShowMenu(menu.Get() ? menu.Get() : (mainMenu_ ? mainMenu_->Handle() : nullptr));
  menu_ = std::move(menu);  // the old menu is off the window before it goes
}

void TForm::SetMainMenu(TMainMenu* menu) {
  if (mainMenu_) {
    mainMenu_->OnChange = nullptr;
    mainMenu_->OnDestroy = nullptr;
  }
  // The active MDI child's new menu shows in its frame's.
  TForm* frame = FrameForm();
  if (frame && frame->mainMenu_ && HandleAllocated() && frame->ClientHandle() &&
      reinterpret_cast<HWND>(SendMessageW(frame->ClientHandle(), WM_MDIGETACTIVE, 0, 0)) == WindowHandle()) {
    frame->MergeMenu(menu);
  }
  mainMenu_ = menu;
  if (menu) {
    menu->OnDestroy = [this](TMenu&) { SetMainMenu(nullptr); };
    menu->OnChange = [this](TMenu&) {
      if (!HandleAllocated()) return;
      Perform(CM_MENUCHANGED, 0, 0);
    };
  }
  if (!menu_) ShowMenu(menu ? menu->Handle() : nullptr);
}

bool TForm::HandleMenuMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
      // A menu item's command (not a control's notification, not an accelerator's).
      if (HIWORD(m.WParam) == 0 && m.LParam == 0) {
        TMenuItem* item = mainMenu_ ? mainMenu_->FindItem(LOWORD(m.WParam)) : nullptr;
        if (!item && PopupMenu) item = PopupMenu->FindItem(LOWORD(m.WParam));
        if (item) {
          item->Click();
          m.Result = 0;
          return true;
        }
      }
      return false;
    case WM_CONTEXTMENU: {
      if (!PopupMenu || reinterpret_cast<HWND>(m.WParam) != WindowHandle()) return false;
      POINT at{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      if (m.LParam == -1) {  // from the keyboard: at the client area's corner
        at = POINT{0, 0};
        ClientToScreen(WindowHandle(), &at);
      } else {
        // Only clicks in the client area.
        POINT client = at;
        ScreenToClient(WindowHandle(), &client);
        RECT r{};
        GetClientRect(WindowHandle(), &r);
        if (!PtInRect(&r, client)) return false;
      }
      PopupMenu->Popup(at.x, at.y, WindowHandle());
      m.Result = 0;
      return true;
    }
    case CM_MENUCHANGED:
      if (HandleAllocated() && FormStyle != fsMDIChild && GetMenu(WindowHandle())) {
        DrawMenuBar(WindowHandle());
      }
      m.Result = 0;
      return true;
    default:
      return false;
  }
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WindowStyle();
  params.ExStyle = WindowExStyle();
  params.WndParent = nullptr;
  params.Menu = FormStyle == fsMDIChild ? nullptr : Menu();
  TApplication* app = Application();
  params.Icon = app ? app->Icon : nullptr;
  if (FormStyle == fsMDIChild) {
    // MDI children show when made, inside their frame's MDI client.
    params.WndParent = FrameClientForChild();
    params.Style |= WS_VISIBLE;
    visible_ = true;
  } else if (Parent()) {
    // A form placed on another control is a child window of it, without a menu bar.
    params.Style = (params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
    params.WndParent = Parent()->Handle();
    params.Menu = nullptr;
  }
}

void TForm::HandleCreated() {
  ApplyIcons();
  if (FormStyle == fsMDIForm) CreateMdiClient();
  UpdateScrollBars();
}

void TForm::DestroyWnd() {
  // The window would destroy its menu with it: the form owns the menu.
  if (GetMenu(WindowHandle()) && FormStyle != fsMDIChild) ::SetMenu(WindowHandle(), nullptr);
  // A closing MDI child's menu leaves the frame's.
  TForm* frame = FrameForm();
  if (frame && mainMenu_ && frame->mainMenu_ && frame->mainMenu_->Merged() == mainMenu_)
    frame->MergeMenu(nullptr);
  HWND frameClient = FormStyle == fsMDIChild ? GetParent(WindowHandle()) : nullptr;
  mdiClient_ = nullptr;
  if (frameClient)
    SendMessageW(frameClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(WindowHandle()), 0);
  else
    TWinControl::DestroyWnd();
}

RECT TForm::WindowBoundsForCreate() const {
  RECT r = BoundsRect();
  if (Position == poScreenCenter && FormStyle != fsMDIChild && !Parent()) {
    // Centred on the primary monitor's work area.
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = work.left + ((work.right - work.left) - width_) / 2;
    int y = work.top + ((work.bottom - work.top) - height_) / 2;
    r = RECT{x, y, x + width_, y + height_};
  }
  return r;
}

void TForm::VisibleChanged() {
  if (!Visible() && !HandleAllocated()) return;
  HWND window = Handle();
  if (Visible()) {
    ShowWindow(window, SW_SHOWNORMAL);
    if (FormStyle != fsMDIChild && !Parent()) SetForegroundWindow(window);
  } else {
    ShowWindow(window, SW_HIDE);
  }
}

bool TForm::HandleMessage(TMessage& m) {
  if (HandleMenuMessage(m)) return true;
  switch (m.Msg) {
    case WM_CLOSE: {
      TApplication* app = Application();
      if (app && app->MainForm() == this) app->Terminate();
      if (FormStyle == fsMDIChild) {
        visible_ = false;
        DestroyHandle();  // an MDI child cannot hide; it comes back on demand
      } else {
        Hide();
      }
      m.Result = 0;
      return true;
    }
    case WM_MDIACTIVATE:
      if (FormStyle == fsMDIChild)
        MdiActivated(reinterpret_cast<HWND>(m.WParam), reinterpret_cast<HWND>(m.LParam));
      break;
    case WM_SIZE:
      // The default processing first (an MDI frame sizes its MDI client there).
      if (!TWinControl::HandleMessage(m)) DefaultHandler(m);
      UpdateScrollBars();
      return true;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (!m.LParam && HandleScroll(m.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(m.WParam))) {
        m.Result = 0;
        return true;
      }
      break;
    default:
      break;
  }
  return TWinControl::HandleMessage(m);
}
