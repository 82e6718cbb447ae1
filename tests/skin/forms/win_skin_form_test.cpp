// Window skins on real windows under Wine: the skinned frame in place with the client
// size kept, the region, active and inactive frames, caption buttons driven by real
// mouse input, a dialog frame, a system dialog widened, detaching, skin changes, a
// framework form, the caption style of Windows 2000 and a component of one form.
#include <gtest/gtest.h>

#include "framework/file_system.h"
#include "framework/form.h"
#include "gui_support.h"
#include "skin/forms/platform_version.h"
#include "skin/controls/skin_messages.h"

namespace {

using namespace formskin;
using gui::SkinnedSession;
using gui::TestWindow;
using gui::ScreenPoint;
using gui::WaitFor;

TEST(WinSkinForm, FrameInPlaceClientSizeKeptRegionCut) {
  SkinnedSession session;
  TestWindow window(L"Skinned", 60, 60, 300, 200);
  window.ShowActive();
  TWinSkinForm* skin = session.WaitSkinned(window.Get());
  ASSERT_TRUE(skin);
  const SIZE client = gui::ClientSize(window.Get());
  EXPECT_EQ(client.cx, 300);
  EXPECT_EQ(client.cy, 200);
  const RECT w = gui::WindowRect(window.Get());
  EXPECT_EQ(w.right - w.left, 300 + kLeftWidth + kRightWidth);
  EXPECT_EQ(w.bottom - w.top, 200 + kTopHeight + kBottomHeight);
  // The client area starts right inside the skinned frame.
  POINT origin{0, 0};
  ClientToScreen(window.Get(), &origin);
  EXPECT_EQ(origin.x - w.left, kLeftWidth);
  EXPECT_EQ(origin.y - w.top, kTopHeight);

  ASSERT_TRUE(WaitFor([&] { return gui::WindowPixel(window.Get(), 2, 100) == kLeft1; }));
  EXPECT_EQ(gui::WindowPixel(window.Get(), 2, 5), kLeftCorner);
  EXPECT_EQ(gui::WindowPixel(window.Get(), w.right - w.left - 3, 100), kRight1);
  EXPECT_EQ(gui::WindowPixel(window.Get(), 150, w.bottom - w.top - 2), kBottom1);
  EXPECT_EQ(gui::WindowPixel(window.Get(), kLeftWidth + 3, 20), kTopCap);

  // The transparent corner is cut out of the window's region.
  EXPECT_TRUE(skin->HasRegion());
  OwnedRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window.Get(), region.Get()), ERROR);
  EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.Get(), 2, 5));
  EXPECT_TRUE(PtInRegion(region.Get(), 150, 100));

  // A skinned window answers the query message; the hit test knows the title bar.
  EXPECT_EQ(SendMessageW(window.Get(), skinmsg::kQuerySkinned, 0, 0), 1);
  const POINT title = ScreenPoint(window.Get(), 120, 12);
  EXPECT_EQ(SendMessageW(window.Get(), WM_NCHITTEST, 0, MAKELPARAM(title.x, title.y)), HTCAPTION);
}

TEST(WinSkinForm, InactiveFrameWhenAnotherWindowIsActive) {
  SkinnedSession session;
  TestWindow first(L"First", 60, 60, 200, 120);
  first.ShowActive();
  ASSERT_TRUE(session.WaitSkinned(first.Get()));
  TestWindow second(L"Second", 400, 300, 200, 120);
  second.ShowActive();
  ASSERT_TRUE(session.WaitSkinned(second.Get()));
  EXPECT_TRUE(WaitFor([&] { return gui::WindowPixel(first.Get(), 2, 60) == kLeft2; }));
  EXPECT_EQ(gui::WindowPixel(first.Get(), 100, 120 + kTopHeight + 2), kBottom2);
  EXPECT_TRUE(WaitFor([&] { return gui::WindowPixel(second.Get(), 2, 60) == kLeft1; }));
}

TEST(WinSkinForm, CloseButtonHotPressedAndReleased) {
  SkinnedSession session;
  TestWindow window(L"Close me", 80, 80, 300, 160);
  window.ShowActive();
  TWinSkinForm* skin = session.WaitSkinned(window.Get());
  ASSERT_TRUE(skin);
  ASSERT_TRUE(WaitFor([&] { return gui::WindowPixel(window.Get(), 2, 60) == kLeft1; }));
  const int width = gui::WindowRect(window.Get()).right - gui::WindowRect(window.Get()).left;
  const int cx = width - 20 + 8, cy = 4 + 8;  // the close button's middle
  EXPECT_EQ(gui::WindowPixel(window.Get(), cx, cy), kClose[0]);

  gui::MoveMouse(ScreenPoint(window.Get(), cx, cy));
  EXPECT_TRUE(WaitFor([&] { return gui::WindowPixel(window.Get(), cx, cy) == kClose[2]; }))
      << "hot frame";
  gui::MouseButton(MOUSEEVENTF_LEFTDOWN);
  EXPECT_TRUE(WaitFor([&] { return gui::WindowPixel(window.Get(), cx, cy) == kClose[1]; }))
      << "pressed frame";
  gui::MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(window.Get()); })) << "a release closes the window";
  gui::MoveMouse(POINT{5, 700});
}

TEST(WinSkinForm, MaximiseAndRestoreByTheButton) {
  SkinnedSession session;
  TestWindow window(L"Grow", 80, 80, 300, 160);
  window.ShowActive();
  ASSERT_TRUE(session.WaitSkinned(window.Get()));
  const RECT before = gui::WindowRect(window.Get());
  auto maxButton = [&] {
    const RECT r = gui::WindowRect(window.Get());
    return POINT{r.right - 40 + 8, r.top + 4 + 8};
  };
  gui::Click(maxButton());
  ASSERT_TRUE(WaitFor([&] { return IsZoomed(window.Get()) != FALSE; })) << "maximised";
  EXPECT_TRUE(WaitFor([&] { return gui::WindowPixel(window.Get(), 2, 60) == kLeft1; }));
  gui::PumpFor(50);
  gui::Click(maxButton());
  ASSERT_TRUE(WaitFor([&] { return !IsZoomed(window.Get()); })) << "restored";
  const RECT after = gui::WindowRect(window.Get());
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  gui::MoveMouse(POINT{5, 700});
}

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(WinSkinForm, DoubleClickOnTheTitleMaximisesAndRestores) {
  SkinnedSession session;
  TestWindow window(L"Double click", 80, 80, 260, 140);
  window.ShowActive();
  ASSERT_TRUE(session.WaitSkinned(window.Get()));
  const POINT title = ScreenPoint(window.Get(), 120, 12);
  gui::Click(title);
  gui::MouseButton(MOUSEEVENTF_LEFTDOWN);
  gui::MouseButton(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitFor([&] { return IsZoomed(window.Get()) != FALSE; })) << "maximised";
  gui::PumpFor(GetDoubleClickTime() + 50);
  const POINT again = ScreenPoint(window.Get(), 120, 12);
  gui::Click(again);
  gui::MouseButton(MOUSEEVENTF_LEFTDOWN);
  gui::MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(WaitFor([&] { return !IsZoomed(window.Get()); })) << "restored";
  EXPECT_EQ(gui::ClientSize(window.Get()).cx, 260);
  gui::MoveMouse(POINT{5, 700});
}

TEST(WinSkinForm, DialogFrameHasNoIconButton) {
  SkinnedSession session;
  TestWindow window(L"Dialog frame", 80, 80, 240, 120, WS_CAPTION | WS_SYSMENU | WS_POPUP,
                    WS_EX_DLGMODALFRAME);
  window.ShowActive();
  TWinSkinForm* skin = session.WaitSkinned(window.Get());
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->Facts().borderKind, bkDialog);
  ASSERT_TRUE(WaitFor([&] { return gui::WindowPixel(window.Get(), 2, 60) == kLeft1; }));
  bool iconShown = false, closeShown = false;
  for (size_t i = 0; i < skin->Buttons().Count(); ++i) {
    const TWinSysButton& b = skin->Buttons().At(i);
    if (b.IsIcon() && b.Visible) iconShown = true;
    if (b.Action() == 0 && b.Visible) closeShown = true;
  }
  EXPECT_FALSE(iconShown);
  EXPECT_TRUE(closeShown);
}

TEST(WinSkinForm, SystemDialogIsWidenedAndItsControlsMove) {
  SkinnedSession session;
  // A modeless system dialog 60 units wide with a long caption and one button.
  struct {
    DLGTEMPLATE t;
    WORD menu, cls, title[40];
  } tpl{};
  tpl.t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  tpl.t.cx = 60;
  tpl.t.cy = 40;
  const wchar_t caption[] = L"A system dialog caption that is long";
  for (size_t i = 0; i < sizeof caption / sizeof caption[0]; ++i) tpl.title[i] = caption[i];
  HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tpl.t, nullptr,
                                           &PlainDialog, 0);
  ASSERT_TRUE(dialog);
  HWND button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE, 10, 10, 40, 20, dialog,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  const RECT before = gui::WindowRect(dialog);
  ShowWindow(dialog, SW_SHOW);
  SetForegroundWindow(dialog);
  TWinSkinForm* skin = session.WaitSkinned(dialog);
  ASSERT_TRUE(skin);
  EXPECT_TRUE(skin->Facts().systemDialog);
  const RECT after = gui::WindowRect(dialog);
  const int added = (after.right - after.left) - (before.right - before.left);
  EXPECT_GT(added, 0) << "widened for its caption";
  RECT b{};
  GetWindowRect(button, &b);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&b), 2);
  // Moved right by half of what the client area gained.
  const SIZE client = gui::ClientSize(dialog);
  EXPECT_GT(b.left, 10);
  EXPECT_NEAR(b.left, 10 + (client.cx - (before.right - before.left)) / 2, client.cx);
  DestroyWindow(dialog);
}

TEST(WinSkinForm, DetachGivesBackTheSystemFrameWithTheSameClientSize) {
  SkinnedSession session;
  TestWindow window(L"Detach", 80, 80, 260, 150);
  window.ShowActive();
  ASSERT_TRUE(session.WaitSkinned(window.Get()));
  int changes = 0;
  session.Data().OnSkinChanged = [&](TSkinData*) { ++changes; };
  session.Data().SetActive(false);  // unskin all, after 250 ms
  ASSERT_TRUE(WaitFor([&] { return changes == 1; }));
  EXPECT_EQ(session.Manager().FindWindowSkin(window.Get()), nullptr);
  const SIZE client = gui::ClientSize(window.Get());
  EXPECT_EQ(client.cx, 260);
  EXPECT_EQ(client.cy, 150);
  OwnedRegion region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window.Get(), region.Get()), ERROR) << "no region any more";
  EXPECT_NE(SendMessageW(window.Get(), skinmsg::kQuerySkinned, 0, 0), 1);
}

TEST(WinSkinForm, TwoRequestsWithin250MsRunOnce) {
  SkinnedSession session;
  TestWindow window(L"Requests", 80, 80, 200, 100);
  window.ShowActive();
  ASSERT_TRUE(session.WaitSkinned(window.Get()));
  int changes = 0;
  session.Data().OnSkinChanged = [&](TSkinData*) { ++changes; };
  TSkinManage& manager = session.Manager();
  manager.SetRequestingSkinData(&session.Data());
  manager.Request(maSkinAll, 250);
  manager.SetRequestingSkinData(&session.Data());
  manager.Request(maSkinAll, 250);
  ASSERT_TRUE(WaitFor([&] { return changes >= 1; }));
  gui::PumpFor(400);
  EXPECT_EQ(changes, 1);
  // An activation followed at once by a deactivation runs only the deactivation.
  manager.SetRequestingSkinData(&session.Data());
  manager.Request(maSkinAll, 250);
  manager.SetRequestingSkinData(&session.Data());
  manager.Request(maUnskinAll, 250);
  ASSERT_TRUE(WaitFor([&] { return changes >= 2; }));
  gui::PumpFor(400);
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(manager.Enabled());
  EXPECT_EQ(manager.FindWindowSkin(window.Get()), nullptr);
}

TEST(WinSkinForm, FrameworkFormAnswersFromItsMessageMethod) {
  SkinnedSession session;
  int restoredColour = 0;
  {
    TForm form(nullptr);
    form.SetBounds(90, 90, 100, 100);
    form.SetClientSize(280, 140);
    form.SetCaption("Framework form");
    form.Show();
    TWinSkinForm* skin = session.WaitSkinned(form.Handle());
    ASSERT_TRUE(skin);
    EXPECT_EQ(skin->Form(), &form);
    EXPECT_EQ(form.Color(), kFace);
    EXPECT_EQ(gui::ClientSize(form.Handle()).cx, 280);
    // The skinned-query messages reach the form's message method, also through Perform.
    EXPECT_EQ(form.Perform(skinmsg::kIsSkinned, 0, skinmsg::kMagic), skinmsg::kMagic);
    EXPECT_EQ(SendMessageW(form.Handle(), skinmsg::kIsSkinned, 0, 0), 1);
    TBitmap frame(gui::WindowRect(form.Handle()).right - gui::WindowRect(form.Handle()).left, 40);
    EXPECT_EQ(form.Perform(skinmsg::kPaintFrameTo, reinterpret_cast<WPARAM>(frame.Canvas()),
                           skinmsg::kMagic),
              skinmsg::kMagic);
    EXPECT_EQ(frame.GetPixel(2, 30), kLeft1);
    // A new caption keeps the skinned frame.
    form.SetCaption("Another caption");
    EXPECT_TRUE(WaitFor([&] { return gui::WindowPixel(form.Handle(), 2, 60) == kLeft1; }));
    session.Data().SetActive(false);
    ASSERT_TRUE(WaitFor([&] { return !session.Manager().FindWindowSkin(form.Handle()); }));
    restoredColour = form.Color();
    EXPECT_NE(form.Perform(skinmsg::kIsSkinned, 0, skinmsg::kMagic), skinmsg::kMagic);
  }
  EXPECT_EQ(restoredColour, SystemColour(COLOR_BTNFACE));
}

TEST(WinSkinForm, Windows2000TakesTheCaptionBitsWhileSkinned) {
  TPlatformVersion windows2000;
  windows2000.versionWord = 5;  // NT family, major 5, minor 0
  SetPlatformVersion(windows2000);
  {
    SkinnedSession session;
    TestWindow window(L"Caption bits", 80, 80, 220, 120);
    window.ShowActive();
    ASSERT_TRUE(session.WaitSkinned(window.Get()));
    EXPECT_NE(GetWindowLongW(window.Get(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(gui::ClientSize(window.Get()).cx, 220);
    session.Data().SetActive(false);
    ASSERT_TRUE(WaitFor([&] { return !session.Manager().FindWindowSkin(window.Get()); }));
    EXPECT_EQ(GetWindowLongW(window.Get(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(gui::ClientSize(window.Get()).cx, 220);
  }
  ResetPlatformVersion();
}

// A window that counts the custom-button messages it gets.
struct CustomButtonWindow {
  static WPARAM lastAction;
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == skinmsg::kCustomButton) lastAction = wParam;
    return DefWindowProcW(window, msg, wParam, lParam);
  }
};
WPARAM CustomButtonWindow::lastAction = 0;

TEST(WinSkinForm, CustomButtonNotifiesTheWindow) {
  Options o;
  o.extra = "[ButtonCustom]\nButtonImage=close.bmp\nAction=42\nAlign=0\nXcoord=40\nYcoord=4\n";
  SkinnedSession session(o);
  WNDCLASSW wc{};
  wc.lpfnWndProc = &CustomButtonWindow::Proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = L"QuillmereCustomButtonWindow";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"Custom", WS_OVERLAPPEDWINDOW, 90, 90, 300, 160,
                                nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_TRUE(window);
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  ASSERT_TRUE(session.WaitSkinned(window));
  ASSERT_TRUE(WaitFor([&] { return gui::WindowPixel(window, 48, 12) == kClose[0]; }));
  CustomButtonWindow::lastAction = 0;
  gui::Click(ScreenPoint(window, 48, 12));
  EXPECT_TRUE(WaitFor([] { return CustomButtonWindow::lastAction == 42; }));
  gui::MoveMouse(POINT{5, 700});
  DestroyWindow(window);
}

TEST(WinSkinForm, AnotherSkinFileReskinsTheWindowsKeepingTheirClientSize) {
  const std::string classic = testskin::BesideProgram("classic.skn");
  if (!fsys::FileExists(classic)) GTEST_SKIP() << "classic.skn is not built beside the test";
  SkinnedSession session;
  TestWindow window(L"Skin change", 80, 80, 260, 140);
  window.ShowActive();
  TWinSkinForm* skin = session.WaitSkinned(window.Get());
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->Facts().frame.left, kLeftWidth);
  int changes = 0;
  session.Data().OnSkinChanged = [&](TSkinData*) { ++changes; };
  session.Data().SetSkinFile(classic);  // read at once; the windows follow after 250 ms
  ASSERT_FALSE(session.Data().SkinEmpty());
  ASSERT_TRUE(WaitFor([&] { return changes == 1; }));
  EXPECT_EQ(session.Manager().FindWindowSkin(window.Get()), skin) << "the same window skin";
  const TFrameWidths widths = FrameWidthsOf(session.Data().Objects, bkSizeable);
  EXPECT_NE(widths.top, kTopHeight);
  EXPECT_EQ(skin->Facts().frame.top, widths.top);
  const SIZE client = gui::ClientSize(window.Get());
  EXPECT_EQ(client.cx, 260);
  EXPECT_EQ(client.cy, 140);
  const RECT w = gui::WindowRect(window.Get());
  EXPECT_EQ(w.bottom - w.top, 140 + widths.top + widths.bottom);
  EXPECT_TRUE(WaitFor([&] { return gui::WindowPixel(window.Get(), 1, 100) != kLeft1; }));
}

TEST(WinSkinForm, OnlyThisFormComponentSkinsItsOwnForm) {
  InstallSkinManager();
  {
    TForm form(nullptr);
    form.SetBounds(100, 100, 100, 100);
    form.SetClientSize(220, 120);
    auto* data = new TSkinData(&form);
    data->SkinFormtype = sfOnlyThisForm;
    data->Loaded();
    data->SetSkinFile(formskin::WriteFile());
    ASSERT_FALSE(data->SkinEmpty());
    TestWindow other(L"Other window", 400, 300, 120, 60);
    form.Show();
    other.ShowActive();
    form.Show();
    data->SetActive(true);  // skins only the owner form, after 250 ms
    TSkinManage& manager = *TSkinManage::Instance();
    ASSERT_TRUE(WaitFor([&] {
      TWinSkinForm* skin = manager.FindWindowSkin(form.Handle());
      return skin && skin->State() == wsRunning;
    }));
    data->SetActive(false);
    EXPECT_TRUE(WaitFor([&] { return !manager.FindWindowSkin(form.Handle()); }));
    EXPECT_EQ(gui::ClientSize(form.Handle()).cx, 220);
  }
  DestroySkinManager();
  SetSkinManagerFactory(nullptr);
}

}  // namespace
