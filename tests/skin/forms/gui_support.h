// Helpers of the window-skin tests under Wine: bounded waits that pump messages, real
// mouse and key input through SendInput, the open pop-up menu window, plain test windows
// of this module, pixels read back from a window's DC, and a skin manager set up with the
// tests' skin.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "form_test_skin.h"
#include "skin/forms/skin_manager.h"

namespace gui {

// Pumps messages until done() holds or limitMs passed; returns done().
bool WaitFor(const std::function<bool()>& done, int limitMs = 4000);
// Pumps messages for a while (only to see that something does NOT happen).
void PumpFor(int ms);

// Mouse input as a user makes it: absolute moves and button presses (SendInput).
void MoveMouse(POINT screen);
void MouseButton(DWORD flags);  // MOUSEEVENTF_LEFTDOWN, ...
void Click(POINT screen, bool right = false);
void KeyChord(WORD modifier, WORD key);  // e.g. VK_MENU + VK_SPACE
void Key(WORD key);                      // pressed and released

// The visible pop-up menu window (class "#32768"), or null.
HWND VisiblePopupMenu();

// A plain top-level window of this module (DefWindowProc) with the client size asked
// for; destroyed with the owner.
class TestWindow {
 public:
  TestWindow(const wchar_t* caption, int x, int y, int clientWidth, int clientHeight,
             DWORD style = WS_OVERLAPPEDWINDOW, DWORD exStyle = 0);
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  ~TestWindow();
  HWND Get() const { return window_; }
  // Shows and activates the window.
  void ShowActive();

 private:
  HWND window_ = nullptr;
};

// The colour of a window pixel (window coordinates) as the window shows it.
TColor WindowPixel(HWND window, int x, int y);
RECT WindowRect(HWND window);
// A point given in window coordinates, on the screen.
POINT ScreenPoint(HWND window, int x, int y);
SIZE ClientSize(HWND window);

// A skin manager with one main skin data component holding the tests' skin, switched on;
// torn down at the end.
class SkinnedSession {
 public:
  explicit SkinnedSession(const formskin::Options& options = {});
  SkinnedSession(const SkinnedSession&) = delete;
  SkinnedSession& operator=(const SkinnedSession&) = delete;
  ~SkinnedSession();
  TSkinManage& Manager() const { return *TSkinManage::Instance(); }
  TSkinData& Data() const { return *data_; }
  // The running window skin of a window, waiting for its skin-init; null when none came.
  TWinSkinForm* WaitSkinned(HWND window, int limitMs = 4000);

 private:
  std::unique_ptr<TSkinData> data_;
};

}  // namespace gui
