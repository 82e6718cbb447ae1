// MDI under the window skins: a frame with an MDI client and two children made with
// WM_MDICREATE; the children are skinned as the hook sees them created, and a maximised
// child switches the manager into MDI-maximised mode (no region, the full client area)
// until it is restored.
#include <gtest/gtest.h>

#include "gui_support.h"

namespace {

using gui::SkinnedSession;
using gui::WaitFor;

HWND g_client = nullptr;  // the MDI client of the one frame of a test

LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcW(window, g_client, msg, wParam, lParam);
}

void RegisterClasses() {
  static bool done = false;
  if (done) return;
  WNDCLASSW frame{};
  frame.lpfnWndProc = &FrameProc;
  frame.hInstance = GetModuleHandleW(nullptr);
  frame.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  frame.lpszClassName = L"QuillmereMdiFrame";
  RegisterClassW(&frame);
  WNDCLASSW child{};
  child.lpfnWndProc = &DefMDIChildProcW;
  child.hInstance = GetModuleHandleW(nullptr);
  child.hCursor = frame.hCursor;
  child.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  child.lpszClassName = L"QuillmereMdiChild";
  RegisterClassW(&child);
  done = true;
}

HWND MakeChild(const wchar_t* title, int x, int y) {
  MDICREATESTRUCTW create{};
  create.szClass = L"QuillmereMdiChild";
  create.szTitle = title;
  create.hOwner = GetModuleHandleW(nullptr);
  create.x = x;
  create.y = y;
  create.cx = 200;
  create.cy = 150;
  create.style = WS_OVERLAPPEDWINDOW;
  return reinterpret_cast<HWND>(SendMessageW(g_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

TEST(WinSkinMdi, ChildMaximisedInItsFrame) {
  RegisterClasses();
  SkinnedSession session;
  HWND frame = CreateWindowExW(0, L"QuillmereMdiFrame", L"MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                               40, 40, 560, 420, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(frame);
  RECT area{};
  GetClientRect(frame, &area);
  CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
  g_client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                             area.right, area.bottom, frame, nullptr, GetModuleHandleW(nullptr), &ccs);
  ASSERT_TRUE(g_client);
  ShowWindow(frame, SW_SHOWNORMAL);
  SetForegroundWindow(frame);
  TWinSkinForm* frameSkin = session.WaitSkinned(frame);
  ASSERT_TRUE(frameSkin);
  EXPECT_EQ(frameSkin->Facts().windowKind, wkMdiFrame);

  HWND first = MakeChild(L"First child", 10, 10);
  HWND second = MakeChild(L"Second child", 60, 50);
  ASSERT_TRUE(first && second);
  TWinSkinForm* firstSkin = session.WaitSkinned(first);
  TWinSkinForm* secondSkin = session.WaitSkinned(second);
  ASSERT_TRUE(firstSkin && secondSkin);
  EXPECT_EQ(secondSkin->Facts().windowKind, wkMdiChild);
  EXPECT_TRUE(secondSkin->HasRegion());
  // The child keeps its client size inside the skinned frame.
  const RECT normal = gui::WindowRect(second);
  EXPECT_EQ((normal.right - normal.left) - gui::ClientSize(second).cx,
            formskin::kLeftWidth + formskin::kRightWidth);

  SendMessageW(g_client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second), 0);
  ASSERT_TRUE(WaitFor([&] { return IsZoomed(second) && session.Manager().MdiMaximised(); }));
  EXPECT_FALSE(secondSkin->HasRegion());
  EXPECT_FALSE(firstSkin->HasRegion());
  // The maximised child's client area is the MDI client's.
  const SIZE inside = gui::ClientSize(g_client);
  const SIZE child = gui::ClientSize(second);
  EXPECT_EQ(child.cx, inside.cx);
  EXPECT_EQ(child.cy, inside.cy);

  SendMessageW(g_client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(second), 0);
  ASSERT_TRUE(WaitFor([&] { return !IsZoomed(second) && !session.Manager().MdiMaximised(); }));
  EXPECT_TRUE(WaitFor([&] { return secondSkin->HasRegion(); }));

  DestroyWindow(frame);
  g_client = nullptr;
}

}  // namespace
