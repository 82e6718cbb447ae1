// The preview window (see preview_form.h).
#include "preview_form.h"

#include "framework/application.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework/progress_bar.h"
#include "framework/user_handles.h"
#include "framework/wide.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/skin_messages.h"

namespace {
constexpr UINT kOpenBox = WM_APP + 41;
constexpr UINT_PTR kExitTimer = 0x9E71;
constexpr UINT_PTR kPollTimer = 0x9E72;
constexpr UINT kPollMs = 30;
constexpr UINT kCommandClose = 101;
constexpr UINT kCommandAbout = 102;

struct BoxSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK MatchMessageBox(HWND w, LPARAM l) {
  auto* s = reinterpret_cast<BoxSearch*>(l);
  if (GetWindow(w, GW_OWNER) == s->owner && WindowClassName(w) == "#32770") {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

// The message box this thread shows over the form, or null.
HWND FindMessageBox(HWND owner) {
  BoxSearch search{owner, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &MatchMessageBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
}  // namespace

TPreviewForm::TPreviewForm(TComponent* owner, const PreviewOptions& options,
                           std::function<void(const std::string&)> report)
    : TForm(owner), options_(options), report_(std::move(report)) {
  Name = "PreviewForm";
  SetCaption(options.caption);
  BorderStyle = options.border;
  SetIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)));
  if (options.mdi) FormStyle = fsMDIForm;
  if (!options.noMenu) {
    // A main menu: File (Close) and Help (About).
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kCommandClose, L"&Close\tAlt+F4");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, kCommandAbout, L"&About the preview");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
    SetMenu(OwnedMenu(bar));
  }
  SetBounds(options.at.x, options.at.y, 100, 100);
  SetClientSize(options.client.cx, options.client.cy);
  if (options.mdi) return;  // the MDI client fills the form; the children are forms

  auto* panel = new TPanel(this);
  panel->Name = "Panel1";
  panel->SetParent(this);
  panel->SetBounds(16, 16, 240, 96);
  auto* label = new TLabel(this);
  label->Name = "Label1";
  label->SetParent(panel);
  label->SetBounds(12, 12, 200, 16);
  label->SetCaption("A label on a panel");
  auto* progress = new TProgressBar(this);
  progress->Name = "ProgressBar1";
  progress->SetParent(this);
  progress->SetBounds(16, 128, 240, 18);
}

void TPreviewForm::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  if (options_.rightToLeft) params.ExStyle |= WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT | WS_EX_RTLREADING;
}

bool TPreviewForm::HandleMessage(TMessage& m) {
  switch (m.Msg) {
    case kOpenBox:
      OpenMessageBox();
      m.Result = 0;
      return true;
    case WM_COMMAND:
      if (LOWORD(m.WParam) == kCommandClose && m.LParam == 0) {
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
        m.Result = 0;
        return true;
      }
      if (LOWORD(m.WParam) == kCommandAbout && m.LParam == 0) {
        MessageBoxW(Handle(), L"quillskin preview: a window skinned by the skin engine.",
                    Widen(options_.caption).c_str(), MB_OK);
        m.Result = 0;
        return true;
      }
      break;
    case WM_SHOWWINDOW:
      if (m.WParam && !shown_) {
        shown_ = true;
        if (options_.exitAfterMs >= 0) SetTimer(Handle(), kExitTimer, static_cast<UINT>(options_.exitAfterMs), nullptr);
        SetTimer(Handle(), kPollTimer, kPollMs, nullptr);
        if (!options_.message.empty()) PostMessageW(Handle(), kOpenBox, 0, 0);
      }
      break;
    case WM_TIMER:
      if (m.WParam == kExitTimer) {
        KillTimer(Handle(), kExitTimer);
        if (HWND box = FindMessageBox(Handle())) PostMessageW(box, WM_CLOSE, 0, 0);
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
        m.Result = 0;
        return true;
      }
      if (m.WParam == kPollTimer) {
        // The window to report: the form, or the message box over it.
        HWND target = options_.message.empty() ? Handle() : FindMessageBox(Handle());
        TSkinManage* manager = TSkinManage::Instance();
        TWinSkinForm* skin = manager && target ? manager->FindWindowSkin(target) : nullptr;
        const bool settled = (options_.state != 1 || IsZoomed(target)) &&
                             (options_.state != 2 || IsIconic(target)) &&
                             (!options_.inactive || GetActiveWindow() != target);
        if (skin && skin->State() == wsRunning && IsWindowVisible(target) && settled) {
          KillTimer(Handle(), kPollTimer);
          Report(target);
        }
        m.Result = 0;
        return true;
      }
      break;
    default:
      break;
  }
  return TForm::HandleMessage(m);
}

void TPreviewForm::Report(HWND window) {
  if (reported_) return;
  reported_ = true;
  RedrawWindow(window, nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  report_(PreviewJson(window));
  if (!options_.capture.empty()) {
    if (!CaptureWindow(window, options_.capture)) Failed = true;
    if (HWND box = FindMessageBox(Handle())) PostMessageW(box, WM_CLOSE, 0, 0);
    if (TApplication* app = Application()) app->Terminate();
  }
}

void TPreviewForm::OpenMessageBox() {
  // A system dialog, skinned as one; the poll timer reports it once it is skinned.
  MessageBoxW(Handle(), Widen(options_.message).c_str(), Widen(options_.caption).c_str(), MB_OK);
}
