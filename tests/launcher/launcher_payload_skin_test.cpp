// A packed launcher with the default skin in its payload, run as its own process under
// Wine: the skin travels from the payload to the window, whose frame is drawn from it
// (a shaped window, a slate-blue title bar). A file held open in the start folder stops
// the run before the window hides, so the window stays up to be looked at.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/wide.h"
#include "launcher/exit_status.h"
#include "skin/controls/skin_messages.h"
#include "packed_launcher.h"
#include "process_windows.h"

using namespace qmtest;

namespace {
COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}
}  // namespace

TEST_F(PackedLauncher, PayloadSkinDrawsTheWindow) {
  WriteFile(root_ / "extra.txt", "from the payload");
  PackRecorder("rec.exe", {root_ / "extra.txt"}, false, DefaultSkinPath());
  WriteFile(start_ + "\\extra.txt", "held by another program");
  Win32Handle held(CreateFileW(Widen(start_ + "\\extra.txt").c_str(), GENERIC_READ, 0, nullptr,
                               OPEN_EXISTING, 0, nullptr));
  ASSERT_NE(held.Get(), INVALID_HANDLE_VALUE);
  StartedProgram run(launcher_, {}, start_, RunEnvironment({}));
  HWND window = nullptr;
  const DWORD start = GetTickCount();
  while (!window && GetTickCount() - start < 30000) {
    HWND main = WaitForWindow(run.Id(), L"TformMain", 0);
    if (main && !ChildText(main, L"TFailureText").empty()) window = main;
    Sleep(50);
  }
  ASSERT_NE(window, nullptr) << "no failure shown";
  // The window answers the skin engine's is-skinned query and has a shaped region.
  EXPECT_EQ(SendMessageW(window, skinmsg::kIsSkinned, 0, skinmsg::kMagic), skinmsg::kMagic);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(window, region), ERROR);
  DeleteObject(region);
  // The title bar is slate blue, away from the caption text and buttons. The window is
  // put above all others: another test's window may show at the same place.
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RECT r{};
  GetWindowRect(window, &r);
  COLORREF title = 0;
  for (int i = 0; i < 100; ++i) {
    title = ScreenPixel((r.left + r.right) / 2 + 60, r.top + 8);
    if (GetBValue(title) > GetRValue(title) + 30) break;
    Sleep(50);
  }
  EXPECT_GT(GetBValue(title), GetRValue(title) + 30) << std::hex << title;
  EXPECT_TRUE(PressKeyAndWaitGone(window, VK_F4, true));
  RunResult result = run.Wait();
  EXPECT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, kExitPrepareFailed);
}
