// The preview window (see preview_form.h).
#include "preview_form.h"

#include "framework/application.h"
#include "framework/bit_btn.h"
#include "framework/buttons.h"
#include "framework/header_control.h"
#include "framework/list_controls.h"
#include "framework/memo.h"
#include "framework/scroll_controls.h"
#include "framework/speed_button.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework/progress_bar.h"
#include "framework/user_handles.h"
#include "framework/wide.h"
#include "preview_controls.h"
#include "preview_menus.h"
#include "skin/forms/skin_manager.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/data/skin_data.h"
#include "skin/controls/skin_messages.h"
#include "skin/forms/win_skin_menu.h"

namespace {
constexpr UINT kOpenBox = WM_APP + 41;
constexpr UINT kOpenMenu = WM_APP + 42;
constexpr UINT_PTR kMenuTimer = 0x9E73;
constexpr UINT_PTR kExitTimer = 0x9E71;
constexpr UINT_PTR kPollTimer = 0x9E72;
constexpr UINT kPollMs = 30;

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
  if (!options.noMenu) AddPreviewMenus(*this, options.rightToLeft);
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
  AddControls();
  AddPanelsAndPlayer();
}

namespace {
template <class T>
T* Put(TPreviewForm* form, const char* name, int x, int y, int w, int h, const char* caption = "") {
  auto* c = new T(form);
  c->Name = name;
  c->SetBounds(x, y, w, h);
  c->SetCaption(caption);
  return c;
}
}  // namespace

void TPreviewForm::AddControls() {
  // Every state a control can show at rest, each with the wrapper that skins it.
  auto add = [this](TControl* c, const char* wrapper) {
    if (!c->Parent()) c->SetParent(this);  // pages keep their page control
    skinned_.push_back({c, wrapper});
  };
  add(Put<TButton>(this, "Button1", 280, 16, 100, 28, "Focused"), "TSkinButton");
  auto* disabled = Put<TButton>(this, "Button2", 390, 16, 100, 28, "Disabled");
  disabled->SetEnabled(false);
  add(disabled, "TSkinButton");
  auto* byDefault = Put<TButton>(this, "Button3", 500, 16, 120, 40, "Default||button");
  byDefault->SetDefault(true);
  add(byDefault, "TSkinButton");
  auto* bit = Put<TBitBtn>(this, "BitBtn1", 280, 60, 120, 32, "Glyph");
  bit->Glyph.Bitmap.SetSize(16, 16);
  bit->Glyph.Bitmap.Fill(RgbColour(40, 120, 200));
  bit->Glyph.Bitmap.SetPixel(0, 15, RgbColour(255, 0, 255));
  add(bit, "TSkinBitButton");
  auto* flat = Put<TSpeedButton>(this, "SpeedButton1", 410, 60, 48, 32, "Flat");
  flat->Flat = true;
  add(flat, "TSkinSpeedButton");
  auto* down = Put<TSpeedButton>(this, "SpeedButton2", 464, 60, 48, 32, "Down");
  down->GroupIndex = 1;
  down->SetDown(true);
  add(down, "TSkinSpeedButton");
  const TCheckBoxState states[] = {cbUnchecked, cbChecked, cbGrayed, cbChecked};
  const char* checkNames[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"};
  const char* checkCaptions[] = {"Unchecked", "Checked", "Indeterminate", "Disabled"};
  for (int i = 0; i < 4; ++i) {
    auto* box = Put<TCheckBox>(this, checkNames[i], 280, 104 + i * 22, 150, 20, checkCaptions[i]);
    box->AllowGrayed = true;
    box->SetState(states[i]);
    box->SetEnabled(i != 3);
    add(box, "TSkinCheckBox");
  }
  const char* radioNames[] = {"RadioButton1", "RadioButton2", "RadioButton3"};
  const char* radioCaptions[] = {"Checked", "Unchecked", "Disabled"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = Put<TRadioButton>(this, radioNames[i], 450, 104 + i * 22, 150, 20, radioCaptions[i]);
    radio->SetEnabled(i != 2);
    add(radio, "TSkinRadioButton");
    if (i == 0) radio->SetChecked(true);
  }
  auto* memo = Put<TMemo>(this, "Memo1", 16, 170, 240, 120);
  memo->WordWrap = false;
  memo->SetScrollBars(ssBoth);
  std::string text;
  for (int i = 1; i <= 40; ++i) text += "Line " + std::to_string(i) + " of a memo long enough to scroll\r\n";
  memo->SetText(text);
  add(memo, "TSkinScrollbar");
  auto* list = Put<TListBox>(this, "ListBox1", 16, 300, 240, 120);
  for (int i = 1; i <= 40; ++i) list->AddItem("List item " + std::to_string(i));
  add(list, "TSkinScrollbar");
  auto* view = Put<TListView>(this, "ListView1", 280, 200, 340, 220);
  view->AddColumn("Name", 140);
  view->AddColumn("Size", 80);
  view->AddColumn("Kind", 100);
  for (int i = 1; i <= 30; ++i)
    view->AddItem({"File " + std::to_string(i), std::to_string(i * 17) + " KB", "Document"});
  add(view, "TSkinListView");
  auto* header = Put<THeaderControl>(this, "HeaderControl1", 280, 452, 340, 24);
  header->AddSection("Left", 110);
  header->AddSection("Right", 110, taRightJustify);
  header->AddSection("Centre", 110, taCenter);
  add(header, "TSkinHeader");
  auto* bar = Put<TScrollBar>(this, "ScrollBar1", 280, 430, 340, 17);
  bar->SetParams(30, 0, 100, 20);
  add(bar, "TSkinScControl");
  // Progress bars at 0 (ProgressBar1 above), a quarter and full; an edit.
  if (auto* empty = dynamic_cast<TControl*>(FindComponent("ProgressBar1"))) add(empty, "TSkinProgress");
  auto* quarter = Put<TProgressBar>(this, "ProgressBar2", 16, 150, 240, 16);
  quarter->SetPosition(25);
  add(quarter, "TSkinProgress");
  auto* full = Put<TProgressBar>(this, "ProgressBar3", 16, 428, 240, 16);
  full->SetPosition(100);
  add(full, "TSkinProgress");
  auto* edit = Put<TEdit>(this, "Edit1", 16, 450, 240, 22);
  edit->SetText("An edit");
  add(edit, "TSkinEdit");
  AddPreviewComboBoxes(*this, add);
  AddPreviewSpinControls(*this, add);
  AddPreviewTabs(*this, add);
  AddPreviewBars(*this, add);
}

void TPreviewForm::ChooseWrapper(TComponent* control, TSkinControl*& slot) const {
  for (const auto& [shown, wrapper] : skinned_)
    if (shown == control) slot = NewSkinControl(wrapper, control);
}

void TPreviewForm::FocusFirstControl() {
  // The first button shows the focused face while the preview is the active window.
  if (!skinned_.empty() && GetActiveWindow() == Handle() && !options_.inactive)
    if (auto* first = dynamic_cast<TWinControl*>(skinned_.front().first)) SetFocus(first->Handle());
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
    case kOpenMenu:
      OpenMenu();
      m.Result = 0;
      return true;
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
        // A slow start must not cost the caller its JSON line: wait for the report.
        if (reported_) CloseAll();
        else exitPending_ = true;
        m.Result = 0;
        return true;
      }
      if (m.WParam == kMenuTimer) {
        CaptureOpenMenu();
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
        if (skin && skin->State() == wsRunning && !wrapped_) {
          // The controls took their wrappers; the report follows at the next tick.
          wrapped_ = true;
          FocusFirstControl();
        } else if (skin && skin->State() == wsRunning && IsWindowVisible(target) && settled) {
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
  if (options_.openMenu > 0 && options_.message.empty()) {
    PostMessageW(Handle(), kOpenMenu, 0, 0);
    return;  // captured while the menu is open
  }
  if (!options_.capture.empty()) {
    if (!CaptureWindow(window, options_.capture)) Failed = true;
    if (HWND box = FindMessageBox(Handle())) PostMessageW(box, WM_CLOSE, 0, 0);
    if (TApplication* app = Application()) app->Terminate();
    return;
  }
  if (exitPending_) CloseAll();
}

void TPreviewForm::CloseAll() {
  if (HWND box = FindMessageBox(Handle())) PostMessageW(box, WM_CLOSE, 0, 0);
  PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TPreviewForm::OpenMessageBox() {
  // A system dialog, skinned as one; the poll timer reports it once it is skinned.
  MessageBoxW(Handle(), Widen(options_.message).c_str(), Widen(options_.caption).c_str(), MB_OK);
}

void TPreviewForm::OpenMenu() {
  TSkinManage* manager = TSkinManage::Instance();
  TWinSkinForm* skin = manager ? manager->FindWindowSkin(Handle()) : nullptr;
  TWinSkinMenu* menus = skin ? WinSkinMenuOf(*skin) : nullptr;
  const size_t index = static_cast<size_t>(options_.openMenu - 1);
  if (!menus || index >= menus->Buttons().size()) {
    // No such menu: the capture shows the window as it is.
    if (!options_.capture.empty()) {
      if (!CaptureWindow(Handle(), options_.capture)) Failed = true;
      if (TApplication* app = Application()) app->Terminate();
    }
    return;
  }
  // The menu's own loop runs the timer that takes the capture.
  if (!options_.capture.empty()) SetTimer(Handle(), kMenuTimer, 300, nullptr);
  menus->Open(*menus->Buttons()[index]);
}

void TPreviewForm::CaptureOpenMenu() {
  KillTimer(Handle(), kMenuTimer);
  if (!CaptureWindow(Handle(), options_.capture)) Failed = true;
  EndMenu();
  if (TApplication* app = Application()) app->Terminate();
}
