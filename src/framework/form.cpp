// TForm (see form.h).
#include "framework/form.h"

#include "framework/application.h"

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  if (TApplication* app = Application()) app->AddForm(this);
}

TForm::~TForm() {
  if (TApplication* app = Application()) app->RemoveForm(this);
}

void TForm::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Boolean<TForm>("AutoScroll", [](TForm& f) { return f.AutoScroll; },
                      [](TForm& f, bool v) { f.AutoScroll = v; });
  list.Enumeration<TForm>("BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog"},
                          [](TForm& f) -> int64_t { return f.BorderStyle; });
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
      style |= WS_POPUP;
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
  // The main form has its own taskbar button.
  TApplication* app = Application();
  if (app && app->MainForm() == this && app->MainFormOnTaskBar) ex |= WS_EX_APPWINDOW;
  return ex;
}

void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, WindowStyle(), FALSE, WindowExStyle());
  SetBounds(left_, top_, r.right - r.left, r.bottom - r.top);
}

int TForm::ClientWidth() const {
  return HandleAllocated() ? TWinControl::ClientWidth() : clientWidth_;
}

int TForm::ClientHeight() const {
  return HandleAllocated() ? TWinControl::ClientHeight() : clientHeight_;
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WindowStyle();
  params.ExStyle = WindowExStyle();
  params.WndParent = nullptr;
  TApplication* app = Application();
  params.Icon = Icon ? Icon : (app ? app->Icon : nullptr);
}

RECT TForm::WindowBoundsForCreate() const {
  RECT r = BoundsRect();
  if (Position == poScreenCenter) {
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
    SetForegroundWindow(window);
  } else {
    ShowWindow(window, SW_HIDE);
  }
}

bool TForm::HandleMessage(TMessage& m) {
  if (m.Msg == WM_CLOSE) {
    TApplication* app = Application();
    if (app && app->MainForm() == this) app->Terminate();
    Hide();
    m.Result = 0;
    return true;
  }
  return TWinControl::HandleMessage(m);
}
