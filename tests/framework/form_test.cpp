// Forms under Wine: the application's list of forms, MDI frames and children, AutoScroll
// and Color acting on the window, client sizes with a menu bar, window icons, the
// control property of framework windows, Enabled on a real window, and a main form
// that cannot be shown.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/panel.h"
#include "framework/window_class.h"

namespace {
bool HasStyle(HWND window, DWORD bit) {
  return (static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & bit) != 0;
}

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return SIZE{0, 0};
  BITMAP bm{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return SIZE{bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
}

class TUnshowable : public TForm {
 public:
  explicit TUnshowable(TComponent* owner) : TForm(owner) {}

 protected:
  void CreateWnd() override { throw std::runtime_error("no display"); }
};
}  // namespace

TEST(Forms, ApplicationListsFormsInCreationOrder) {
  TApplication app;
  auto* first = app.CreateForm<TForm>();
  auto* second = new TForm(&app);
  TForm unowned(nullptr);
  ASSERT_EQ(app.FormCount(), 3);
  EXPECT_EQ(app.Forms()[0], first);
  EXPECT_EQ(app.Forms()[1], second);
  EXPECT_EQ(app.Forms()[2], &unowned);
  EXPECT_EQ(app.MainForm(), first);
  EXPECT_EQ(app.FindForm(second->Handle()), second);
  EXPECT_EQ(app.FindForm(nullptr), nullptr);
  second->Free();
  ASSERT_EQ(app.FormCount(), 2);
  EXPECT_EQ(app.Forms()[1], &unowned);
}

TEST(Forms, MdiFrameMakesItsClientAndChildrenLiveInIt) {
  TApplication app;
  auto* frame = app.CreateForm<TForm>();
  frame->FormStyle = fsMDIForm;
  frame->SetClientSize(400, 300);
  auto* orphan = new TForm(&app);
  orphan->FormStyle = fsMDIChild;
  orphan->MDIFrame = orphan;  // not a frame
  EXPECT_THROW(orphan->HandleNeeded(), std::runtime_error);

  HWND client = frame->ClientHandle();
  EXPECT_EQ(client, nullptr);  // no window yet
  frame->HandleNeeded();
  client = frame->ClientHandle();
  ASSERT_NE(client, nullptr);
  wchar_t cls[32];
  GetClassNameW(client, cls, 32);
  EXPECT_EQ(_wcsicmp(cls, L"MDIClient"), 0);
  RECT r{};
  GetWindowRect(client, &r);
  EXPECT_EQ(r.right - r.left, 400);  // the frame's default processing sizes its client
  EXPECT_EQ(r.bottom - r.top, 300);

  auto* child = new TForm(&app);
  child->FormStyle = fsMDIChild;
  child->SetCaption("child");
  child->SetBounds(10, 10, 200, 150);
  HWND window = child->Handle();
  EXPECT_EQ(GetParent(window), client);
  EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_MDICHILD, 0);
  EXPECT_EQ(TWinControl::FromHandle(window), child);
  EXPECT_TRUE(child->Visible());
  EXPECT_EQ(frame->ActiveMDIChild(), child);
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window), 0);
  EXPECT_TRUE(IsZoomed(window));
  GetClientRect(client, &r);
  RECT childRect{};
  GetWindowRect(window, &childRect);
  EXPECT_GE(childRect.right - childRect.left, r.right);  // fills its frame's client
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(child->HandleAllocated());
  EXPECT_EQ(frame->ActiveMDIChild(), nullptr);
  child->Free();
}

TEST(Forms, AutoScrollShowsBarsAndMovesControls) {
  TForm form(nullptr);
  form.SetClientSize(200, 100);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(150, 20, 100, 30);  // past the right edge
  HWND window = form.Handle();
  EXPECT_FALSE(HasStyle(window, WS_HSCROLL));
  EXPECT_TRUE(SetPropText(&form, "AutoScroll", "True"));
  EXPECT_TRUE(HasStyle(window, WS_HSCROLL));
  EXPECT_FALSE(HasStyle(window, WS_VSCROLL));
  SendMessageW(window, WM_HSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(panel->Left(), 150 - 50);  // the panel's right edge at the client's
  EXPECT_EQ(form.ScrollPosition().x, 50);
  RECT r{};
  GetWindowRect(panel->Handle(), &r);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  EXPECT_EQ(r.left - origin.x, 100);
  // Moving the panel inside hides the bar and scrolls back.
  panel->SetBounds(100, 20, 50, 30);
  EXPECT_FALSE(HasStyle(window, WS_HSCROLL));
  EXPECT_EQ(form.ScrollPosition().x, 0);
  EXPECT_EQ(panel->Left(), 150);
  // A control below the bottom brings the vertical bar; switching off removes both.
  panel->SetBounds(150, 90, 100, 40);
  EXPECT_TRUE(HasStyle(window, WS_VSCROLL));
  EXPECT_TRUE(HasStyle(window, WS_HSCROLL));
  SendMessageW(window, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(form.ScrollPosition().y, 8);
  EXPECT_TRUE(SetPropText(&form, "AutoScroll", "False"));
  EXPECT_FALSE(HasStyle(window, WS_VSCROLL));
  EXPECT_FALSE(HasStyle(window, WS_HSCROLL));
  EXPECT_EQ(panel->Top(), 90);
}

TEST(Forms, ColorSetByNameShowsOnScreen) {
  TForm form(nullptr);
  form.BorderStyle = bsNone;
  form.SetBounds(30, 30, 60, 40);
  form.HandleNeeded();
  ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
  EXPECT_TRUE(SetIntProp(&form, "Color", RGB(10, 200, 30)));
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(form.Handle());
  EXPECT_EQ(GetPixel(dc, 20, 20), RGB(10, 200, 30));
  ReleaseDC(form.Handle(), dc);
}

TEST(Forms, ClientSizeWithMenuBarAndIcons) {
  TForm form(nullptr);
  OwnedMenu menu(CreateMenu());
  AppendMenuW(menu.Get(), MF_STRING, 1, L"&File");
  form.SetMenu(std::move(menu));
  form.SetClientSize(300, 200);
  EXPECT_EQ(form.ClientWidth(), 300);
  EXPECT_EQ(form.ClientHeight(), 200);
  HICON icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  form.SetIcon(icon);
  HWND window = form.Handle();
  RECT r{};
  GetClientRect(window, &r);
  EXPECT_EQ(r.right, 300);
  EXPECT_EQ(r.bottom, 200);
  EXPECT_EQ(GetMenu(window), form.Menu());
  EXPECT_EQ(GetIntProp(&form, "ClientHeight"), 200);

  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0)), icon);
  auto small = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  ASSERT_NE(small, nullptr);
  SIZE size = IconSize(small);
  EXPECT_EQ(size.cx, GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(size.cy, GetSystemMetrics(SM_CYSMICON));

  // The menu stays the form's: the window does not destroy it.
  HMENU kept = form.Menu();
  form.DestroyHandle();
  EXPECT_TRUE(IsMenu(kept));
  form.SetMenu(OwnedMenu());
  EXPECT_FALSE(IsMenu(kept));
}

TEST(Forms, ControlPropertyMapsWindowsToControls) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  HWND window = panel->Handle();
  wchar_t expected[64];
  swprintf(expected, 64, L"ControlOfs%.8X%.8X",
           static_cast<unsigned>(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr))),
           static_cast<unsigned>(GetCurrentThreadId()));
  EXPECT_EQ(wndclass::ControlPropertyName(), expected);
  EXPECT_EQ(GlobalFindAtomW(expected), wndclass::ControlPropertyAtom());
  // Another module reading the property by its name finds the control.
  EXPECT_EQ(GetPropW(window, expected), reinterpret_cast<HANDLE>(static_cast<TWinControl*>(panel)));
  EXPECT_EQ(TWinControl::FromHandle(window), panel);
  HWND bare = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, form.Handle(), nullptr,
                              nullptr, nullptr);
  EXPECT_EQ(TWinControl::FromHandle(bare), nullptr);
  DestroyWindow(bare);
  form.DestroyHandle();
  EXPECT_EQ(TWinControl::FromHandle(window), nullptr);
}

TEST(Forms, EnabledActsOnTheWindow) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  HWND window = panel->Handle();
  panel->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(window));
  EXPECT_EQ(GetEnumProp(panel, "Enabled"), "False");
  EXPECT_TRUE(SetPropText(panel, "Enabled", "True"));
  EXPECT_TRUE(IsWindowEnabled(window));
  EnableWindow(window, FALSE);  // from outside the framework
  EXPECT_FALSE(panel->Enabled());
}

TEST(Forms, MainFormThatCannotBeShownEndsRunWithAStatus) {
  TApplication app;
  std::string shown;
  app.OnException = [&shown](const std::string& text) { shown = text; };
  app.CreateForm<TUnshowable>();
  app.Run();  // must return, not throw
  EXPECT_EQ(app.ExitCode(), 1);
  EXPECT_EQ(shown, "no display");
  EXPECT_TRUE(app.Terminated());
}
