// TApplication (see application.h).
#include "framework/application.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/form.h"
#include "framework/wide.h"

namespace {
TApplication* g_application = nullptr;  // the process's one application
}

TApplication* Application() { return g_application; }

TApplication::TApplication() : TComponent(nullptr) {
  if (!g_application) g_application = this;
}

TApplication::~TApplication() {
  DestroyComponents();  // the forms, while the application is still reachable
  if (g_application == this) g_application = nullptr;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
}

namespace {
// Keyboard shortcuts of MDI children (Ctrl+F4, Ctrl+F6) when the main form is an MDI frame.
bool TranslateMdiKeys(TForm* mainForm, MSG& msg) {
  HWND client = mainForm ? mainForm->ClientHandle() : nullptr;
  return client && TranslateMDISysAccel(client, &msg);
}
}  // namespace

bool IsMenuShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  const TShortCut shortcut = ShortCutOfKey(static_cast<WORD>(msg.wParam));
  if (!shortcut || !msg.hwnd) return false;
  auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
  if (!form || !IsWindowEnabled(form->Handle())) return false;
  TMenuItem* item = form->MainMenu() ? form->MainMenu()->FindShortCut(shortcut) : nullptr;
  if (!item && form->PopupMenu) item = form->PopupMenu->FindShortCut(shortcut);
  if (!item) return false;
  item->Click();
  return true;
}

void TApplication::Run() {
  if (mainForm_ && ShowMainForm && !terminated_) {
    try {
      mainForm_->Show();
    } catch (const std::exception& e) {
      ShowException(e.what());
      exitCode_ = 1;
      terminated_ = true;
      return;
    }
  }
  MSG msg;
  while (!terminated_) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (TranslateMdiKeys(mainForm_, msg) || IsMenuShortCut(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  terminated_ = true;
}

TForm* TApplication::FindForm(HWND window) const {
  if (!window) return nullptr;
  for (TForm* form : forms_)
    if (form->HandleAllocated() && form->Handle() == window) return form;
  return nullptr;
}

void TApplication::Terminate() {
  if (!terminated_) PostQuitMessage(0);
  terminated_ = true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    if (TranslateMdiKeys(mainForm_, msg) || IsMenuShortCut(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

int TApplication::ShowMessageBox(const std::string& text, UINT flags) {
  HWND owner = nullptr;
  if (mainForm_ && mainForm_->HandleAllocated() && IsWindowVisible(mainForm_->Handle()))
    owner = mainForm_->Handle();
  return ::MessageBoxW(owner, Widen(text).c_str(), Widen(Title).c_str(), flags);
}

void TApplication::ShowException(const std::string& text) {
  if (OnException) {
    OnException(text);
    return;
  }
  // A message box that could not be shown answers 0 (or -1 under Wine).
  if (ShowMessageBox(text, MB_OK | MB_ICONERROR) > 0) return;
  WriteErrorLine((Title.empty() ? std::string() : Title + ": ") + text);
}

void WriteErrorLine(const std::string& text) {
  const std::string line = text + "\n";
  HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  DWORD written = 0;
  if (error && error != INVALID_HANDLE_VALUE)
    WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

void TApplication::AddForm(TForm* form) { forms_.push_back(form); }

void TApplication::RemoveForm(TForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (mainForm_ == form) mainForm_ = nullptr;
}
