// The control assignment of system windows under Wine: a standard message box and a
// dialog made from a dialog template are skinned by the skin manager, and each of their
// child windows gets the wrapper its window class and style call for; a size grip made
// later inside a skinned window is offered by the manager's hook; a framework form shown
// under the manager gets its controls' wrappers through the installed assignment, and a
// control added later gets one at re-apply.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "framework/buttons.h"
#include "framework/form.h"
#include "framework/memo.h"
#include "gui_support.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_control.h"
#include "skin/forms/assigned_wrappers.h"
#include "skin/forms/control_assignment.h"

namespace {

// The wrapper class of each entry of a window skin, by the entry's window.
std::map<HWND, std::string> WrappersOf(TWinSkinForm& skin) {
  std::map<HWND, std::string> result;
  for (const auto& entry : skin.Controls()) {
    auto* assigned = dynamic_cast<TAssignedWrapper*>(entry.get());
    if (assigned && assigned->Wrapper()) result[entry->ControlWindow()] = assigned->Wrapper()->ClassName();
  }
  return result;
}

std::string Of(const std::map<HWND, std::string>& wrappers, HWND window) {
  auto found = wrappers.find(window);
  return found == wrappers.end() ? "none" : found->second;
}

// An in-memory dialog template: one item per control, in the order added.
class DialogTemplate {
 public:
  DialogTemplate(const wchar_t* caption, short cx, short cy) {
    Align(4);
    DLGTEMPLATE head{};
    head.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    head.cx = cx;
    head.cy = cy;
    Add(&head, sizeof(head));
    Word(0);  // no menu
    Word(0);  // the dialog class
    Text(caption);
    Word(8);
    Text(L"MS Shell Dlg");
  }
  void Item(const wchar_t* cls, const wchar_t* text, DWORD style, short id, short x, short y, short cx,
            short cy) {
    Align(4);
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = static_cast<WORD>(id);
    Add(&item, sizeof(item));
    Text(cls);
    Text(text);
    Word(0);  // no creation data
    ++count_;
    reinterpret_cast<DLGTEMPLATE*>(bytes_.data())->cdit = count_;
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

 private:
  void Add(const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }
  void Word(WORD w) { Add(&w, sizeof(w)); }
  void Text(const wchar_t* text) { Add(text, (wcslen(text) + 1) * sizeof(wchar_t)); }
  void Align(size_t to) {
    while (bytes_.size() % to) bytes_.push_back(0);
  }
  std::vector<unsigned char> bytes_;
  WORD count_ = 0;
};

enum : short {
  kPush = 101, kDefault, kCheck, kAuto3, kRadio, kGroup, kOwnerDraw, kEdit, kDropList, kSimple,
  kScroll, kGrip, kStatic,
};

struct DialogRun {
  gui::SkinnedSession* session = nullptr;
  std::map<short, std::string> seen;  // wrapper class by control id
  bool skinned = false;
  std::string dialog;                 // the dialog window's own wrapper
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* run = reinterpret_cast<DialogRun*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetTimer(dialog, 1, 20, nullptr);
      return TRUE;
    case WM_TIMER: {
      TSkinManage* manager = TSkinManage::Instance();
      TWinSkinForm* skin = manager ? manager->FindWindowSkin(dialog) : nullptr;
      static int ticks = 0;
      if ((!skin || skin->State() != wsRunning) && ++ticks < 150) return TRUE;
      KillTimer(dialog, 1);
      if (skin && skin->State() == wsRunning) {
        run->skinned = true;
        const auto wrappers = WrappersOf(*skin);
        for (short id = kPush; id <= kStatic; ++id) run->seen[id] = Of(wrappers, GetDlgItem(dialog, id));
      }
      EndDialog(dialog, 0);
      return TRUE;
    }
    default:
      (void)wParam;
      return FALSE;
  }
}

// Shows the dialog made from t until its skin runs (or a bounded wait ends).
DialogRun RunDialog(gui::SkinnedSession& session, const DialogTemplate& t) {
  DialogRun run;
  run.session = &session;
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.Get(), nullptr, &DialogProc,
                          reinterpret_cast<LPARAM>(&run));
  return run;
}

class AssignmentDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallControlAssignment(); }
  void TearDown() override { SetControlAssigner(nullptr); }
};

}  // namespace

TEST_F(AssignmentDialogTest, DialogTemplateChildrenGetWrappersByClassAndStyle) {
  gui::SkinnedSession session;
  DialogTemplate t(L"Assignment dialog", 220, 160);
  t.Item(L"BUTTON", L"Push", BS_PUSHBUTTON | WS_TABSTOP, kPush, 4, 4, 50, 14);
  t.Item(L"BUTTON", L"Default", BS_DEFPUSHBUTTON | WS_TABSTOP, kDefault, 60, 4, 50, 14);
  t.Item(L"BUTTON", L"Check", BS_AUTOCHECKBOX | WS_TABSTOP, kCheck, 4, 22, 60, 12);
  t.Item(L"BUTTON", L"Three", BS_3STATE | WS_TABSTOP, kAuto3, 70, 22, 60, 12);
  t.Item(L"BUTTON", L"Radio", BS_AUTORADIOBUTTON | WS_TABSTOP, kRadio, 140, 22, 60, 12);
  t.Item(L"BUTTON", L"Group", BS_GROUPBOX, kGroup, 4, 36, 100, 40);
  t.Item(L"BUTTON", L"Owner", BS_OWNERDRAW, kOwnerDraw, 110, 40, 50, 14);
  t.Item(L"EDIT", L"text", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, kEdit, 4, 80, 80, 12);
  t.Item(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_TABSTOP, kDropList, 90, 80, 60, 60);
  t.Item(L"COMBOBOX", L"", CBS_SIMPLE, kSimple, 160, 80, 50, 40);
  t.Item(L"SCROLLBAR", L"", SBS_HORZ, kScroll, 4, 100, 80, 10);
  t.Item(L"SCROLLBAR", L"", SBS_SIZEGRIP, kGrip, 200, 140, 10, 10);
  t.Item(L"STATIC", L"Label", SS_LEFT, kStatic, 4, 120, 60, 10);
  DialogRun run = RunDialog(session, t);
  ASSERT_TRUE(run.skinned);
  EXPECT_EQ(run.seen[kPush], "TSkinButton");
  EXPECT_EQ(run.seen[kDefault], "TSkinButton");
  EXPECT_EQ(run.seen[kCheck], "TSkinCheckBox");
  EXPECT_EQ(run.seen[kAuto3], "TSkinCheckBox");
  EXPECT_EQ(run.seen[kRadio], "TSkinRadioButton");
  EXPECT_EQ(run.seen[kGroup], "none");
  EXPECT_EQ(run.seen[kOwnerDraw], "none");
  EXPECT_EQ(run.seen[kEdit], "TSkinEdit");
  EXPECT_EQ(run.seen[kScroll], "none");  // an ordinary scroll bar keeps its own look
  EXPECT_EQ(run.seen[kGrip], "TSkinSizer");
  EXPECT_EQ(run.seen[kStatic], "none");
  EXPECT_EQ(run.seen[kDropList], "TSkinComBox");
  EXPECT_EQ(run.seen[kSimple], "none");  // a simple combo box keeps its own look
}

TEST_F(AssignmentDialogTest, OnlyTheProgramsWrapperKindsAreMade) {
  // A program that makes push-button wrappers only: every other rule finds no wrapper.
  static const TSkinControlKinds buttonsOnly{{"TSkinButton", MakeSkinControl<TSkinButton>}};
  InstallControlAssignment(buttonsOnly);
  gui::SkinnedSession session;
  DialogTemplate t(L"Buttons only", 220, 160);
  t.Item(L"BUTTON", L"Push", BS_PUSHBUTTON | WS_TABSTOP, kPush, 4, 4, 50, 14);
  t.Item(L"BUTTON", L"Check", BS_AUTOCHECKBOX | WS_TABSTOP, kCheck, 4, 22, 60, 12);
  t.Item(L"EDIT", L"text", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, kEdit, 4, 80, 80, 12);
  t.Item(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_TABSTOP, kDropList, 90, 80, 60, 60);
  t.Item(L"SCROLLBAR", L"", SBS_SIZEGRIP, kGrip, 200, 140, 10, 10);
  DialogRun run = RunDialog(session, t);
  ASSERT_TRUE(run.skinned);
  EXPECT_EQ(run.seen[kPush], "TSkinButton");
  for (short id : {kCheck, kEdit, kDropList, kGrip}) EXPECT_EQ(run.seen[id], "none") << id;
}

namespace {
struct BoxRun {
  std::map<std::wstring, std::string> buttons;  // wrapper class by button text
  bool skinned = false;
};
BoxRun* g_box = nullptr;

BOOL CALLBACK MatchBox(HWND w, LPARAM l) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  if (wcscmp(cls, L"#32770") != 0 || !IsWindowVisible(w)) return TRUE;
  *reinterpret_cast<HWND*>(l) = w;
  return FALSE;
}

void CALLBACK InspectBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &MatchBox, reinterpret_cast<LPARAM>(&box));
  TSkinManage* manager = TSkinManage::Instance();
  TWinSkinForm* skin = box && manager ? manager->FindWindowSkin(box) : nullptr;
  static int ticks = 0;
  if ((!skin || skin->State() != wsRunning) && ++ticks < 150) return;
  KillTimer(nullptr, timer);
  if (skin && skin->State() == wsRunning) {
    g_box->skinned = true;
    const auto wrappers = WrappersOf(*skin);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t cls[16] = {}, text[32] = {};
      GetClassNameW(child, cls, 16);
      if (_wcsicmp(cls, L"Button") != 0) continue;
      GetWindowTextW(child, text, 32);
      g_box->buttons[text] = Of(wrappers, child);
    }
  }
  if (box) PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
}
}  // namespace

TEST_F(AssignmentDialogTest, MessageBoxButtonsAreSkinned) {
  gui::SkinnedSession session;
  BoxRun run;
  g_box = &run;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &InspectBox);
  MessageBoxW(nullptr, L"Skinned message", L"Assignment", MB_YESNOCANCEL);
  KillTimer(nullptr, timer);
  g_box = nullptr;
  ASSERT_TRUE(run.skinned);
  ASSERT_EQ(run.buttons.size(), 3u);
  for (const auto& button : run.buttons) EXPECT_EQ(button.second, "TSkinButton");
}

TEST_F(AssignmentDialogTest, SkinnedFormGetsWrappersAndALaterSizeGrip) {
  gui::SkinnedSession session;
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->SetBounds(10, 10, 80, 26);
  form.Show();
  TWinSkinForm* skin = session.WaitSkinned(form.Handle());
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(Of(WrappersOf(*skin), button->Handle()), "TSkinButton");
  // A size grip made after the skin started is offered by the manager's hook.
  HWND grip = CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 270, 170, 16,
                              16, form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(grip, nullptr);
  EXPECT_EQ(Of(WrappersOf(*skin), grip), "TSkinSizer");
  EXPECT_EQ(SendMessageW(grip, 13603, 0, 0), 1);
  DestroyWindow(grip);
  // A memo whose window is made again asks the window skin (message 13591) for a new
  // scroll-bar wrapper.
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  memo->SetBounds(10, 50, 120, 80);
  skin->Reapply();
  ASSERT_EQ(Of(WrappersOf(*skin), memo->Handle()), "TSkinScrollbar");
  memo->SetScrollBars(ssVertical);
  EXPECT_TRUE(gui::WaitFor([&] { return Of(WrappersOf(*skin), memo->Handle()) == "TSkinScrollbar"; }));
  EXPECT_EQ(SendMessageW(memo->Handle(), 13603, 0, 0), 1);
}
