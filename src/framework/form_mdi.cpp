// TForm's MDI side (see form.h): the frame's MDI client, children made inside it, the
// active child's menu merged into the frame's, and the MDI default procedures.
#include <stdexcept>

#include "framework/application.h"
#include "framework/form.h"

namespace {
constexpr UINT kFirstChildId = 0xFF00;  // command identifiers of the MDI children
}

HWND TForm::FrameClientForChild() const {
  TForm* frame = MDIFrame;
  if (!frame) {
    TApplication* app = Application();
    frame = app ? app->MainForm() : nullptr;
  }
  if (!frame || frame->FormStyle != fsMDIForm || frame == this)
    throw std::runtime_error("Cannot create form. No MDI forms are currently active");
  frame->HandleNeeded();
  if (!frame->mdiClient_) throw std::runtime_error("The MDI frame has no MDI client window");
  return frame->mdiClient_;
}

void TForm::CreateMdiClient() {
  CLIENTCREATESTRUCT client{};
  client.hWindowMenu = nullptr;
  client.idFirstChild = kFirstChildId;
  RECT r{};
  GetClientRect(WindowHandle(), &r);
  mdiClient_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                               WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL |
                                   WS_HSCROLL | WS_VISIBLE,
                               0, 0, r.right, r.bottom, WindowHandle(), nullptr,
                               GetModuleHandleW(nullptr), &client);
  if (!mdiClient_) throw std::runtime_error("Error creating the MDI client of form '" + Name + "'");
}

void TForm::CreateWnd() {
  mdiClient_ = nullptr;
  TWinControl::CreateWnd();
}

LRESULT TForm::DefaultProcedure(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND window = WindowHandle();
  if (FormStyle == fsMDIForm && mdiClient_)
    return DefFrameProcW(window, mdiClient_, msg, wParam, lParam);
  if (FormStyle == fsMDIChild && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_MDICHILD))
    return DefMDIChildProcW(window, msg, wParam, lParam);
  return TWinControl::DefaultProcedure(msg, wParam, lParam);
}

TForm* TForm::ActiveMDIChild() const {
  if (!mdiClient_) return nullptr;
  auto active = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TForm*>(FromHandle(active));
}

TForm* TForm::FrameForm() const {
  if (FormStyle != fsMDIChild) return nullptr;
  TForm* frame = MDIFrame;
  if (!frame) {
    TApplication* app = Application();
    frame = app ? app->MainForm() : nullptr;
  }
  return frame && frame != this && frame->FormStyle == fsMDIForm ? frame : nullptr;
}

void TForm::MdiActivated(HWND deactivated, HWND activated) {
  TForm* frame = FrameForm();
  if (!frame || !frame->mainMenu_ || !HandleAllocated()) return;
  if (activated == WindowHandle()) {
    frame->MergeMenu(mainMenu_);
  } else if (deactivated == WindowHandle() && !activated && mainMenu_ &&
             frame->mainMenu_->Merged() == mainMenu_) {
    frame->MergeMenu(nullptr);
  }
}

void TForm::MergeMenu(TMenu* menu) {
  if (!mainMenu_ || mainMenu_->Merged() == menu) return;
  mainMenu_->Merge(menu);
  // The MDI client keeps the frame's menu (and puts a maximised child's buttons in it).
  if (mdiClient_ && !menu_ && HandleAllocated()) {
    SendMessageW(mdiClient_, WM_MDISETMENU, reinterpret_cast<WPARAM>(mainMenu_->Handle()), 0);
    DrawMenuBar(WindowHandle());
  }
}
