// Helpers of the window-skin tests under Wine: bounded waits that pump messages, real
// mouse and key input through SendInput, the open pop-up menu window, plain test windows
// of this module, pixels read back from a window's DC, and a skin manager set up with the
// tests' skin.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

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

// Modal menu loops: a driver thread makes the input and watches while the test thread
// pumps messages (the loops run there).
// A bounded poll for the driver thread (it has no messages to pump).
bool Poll(const std::function<bool()>& done, int limitMs = 4000);
// Runs the driver on its own thread while this thread pumps messages; a menu still open
// at the end is closed.
void Drive(const std::function<void()>& driver);

// Steps of input on a driver thread, each with the state it must lead to. The first
// failure is kept, with what describe() tells of the state at that moment. Under Wine a
// switch between menus now and then misses its input (the menu loop drops it): a step is
// tried again, up to tries times in all (a repeated mouse move is harmless, so mouse
// steps may try more often; a late key would overshoot).
class InputSteps {
 public:
  explicit InputSteps(std::function<std::string()> describe) : describe_(std::move(describe)) {}
  // Records what as the failure when ok is false (and none came before); returns ok.
  bool Check(bool ok, const char* what);
  void Step(const std::function<void()>& input, const std::function<bool()>& reached,
            const char* what, int tries = 2);
  const std::string& Failure() const { return failure_; }

 private:
  std::function<std::string()> describe_;
  std::string failure_;
};

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
  // parts: the optional parts of the window skins (kept by reference).
  explicit SkinnedSession(const formskin::Options& options = {},
                          const TWindowSkinParts& parts = AllWindowSkinParts());
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
