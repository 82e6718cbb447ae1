// Window-skin test helpers (see gui_support.h).
#include "gui_support.h"

#include <atomic>
#include <thread>

#include "framework/bitmap.h"
#include "framework/gdi.h"

namespace gui {

bool WaitFor(const std::function<bool()>& done, int limitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    if (GetTickCount() - start > static_cast<DWORD>(limitMs)) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(int ms) { WaitFor([] { return false; }, ms); }

void MoveMouse(POINT p) {
  const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((static_cast<long long>(p.x) * 65536 + cx - 1) / cx);
  in.mi.dy = static_cast<LONG>((static_cast<long long>(p.y) * 65536 + cy - 1) / cy);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

void MouseButton(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}

void Click(POINT p, bool right) {
  MoveMouse(p);
  PumpFor(30);
  MouseButton(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  MouseButton(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void KeyChord(WORD modifier, WORD key) {
  INPUT in[4] = {};
  for (INPUT& i : in) i.type = INPUT_KEYBOARD;
  in[0].ki.wVk = modifier;
  in[1].ki.wVk = key;
  in[2].ki.wVk = key;
  in[2].ki.dwFlags = KEYEVENTF_KEYUP;
  in[3].ki.wVk = modifier;
  in[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, in, sizeof in[0]);
}

void Key(WORD key) {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = key;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof in[0]);
}

namespace {
BOOL CALLBACK FindVisiblePopupMenu(HWND w, LPARAM l) {
  wchar_t name[16] = {};
  GetClassNameW(w, name, 16);
  if (lstrcmpW(name, L"#32768") == 0 && IsWindowVisible(w)) {
    *reinterpret_cast<HWND*>(l) = w;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND VisiblePopupMenu() {
  HWND found = nullptr;
  EnumWindows(&FindVisiblePopupMenu, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool Poll(const std::function<bool()>& done, int limitMs) {
  for (int waited = 0; waited < limitMs; waited += 10) {
    if (done()) return true;
    Sleep(10);
  }
  return done();
}

void Drive(const std::function<void()>& driver) {
  std::atomic<bool> done{false};
  std::thread thread([&] {
    driver();
    done = true;
  });
  while (!WaitFor([&] { return done.load(); }, 30000)) EndMenu();
  thread.join();
}

bool InputSteps::Check(bool ok, const char* what) {
  if (!ok && failure_.empty()) failure_ = std::string(what) + " (" + describe_() + ")";
  return ok;
}

void InputSteps::Step(const std::function<void()>& input, const std::function<bool()>& reached,
                      const char* what, int tries) {
  for (int i = 1; i < tries; ++i) {
    input();
    if (Poll(reached, 1500)) return;
  }
  input();
  Check(Poll(reached), what);
}

namespace {
const wchar_t kClass[] = L"QuillmereSkinTestWindow";
void RegisterOnce() {
  static bool done = false;
  if (done) return;
  WNDCLASSW wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  wc.lpszClassName = kClass;
  RegisterClassW(&wc);
  done = true;
}
}  // namespace

TestWindow::TestWindow(const wchar_t* caption, int x, int y, int clientWidth, int clientHeight,
                       DWORD style, DWORD exStyle) {
  RegisterOnce();
  RECT r{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  window_ = CreateWindowExW(exStyle, kClass, caption, style, x, y, r.right - r.left,
                            r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

void TestWindow::ShowActive() {
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
}

TColor WindowPixel(HWND window, int x, int y) {
  WindowDC dc(window, WindowDC::Whole);
  TBitmap pixel(1, 1);
  BitBlt(pixel.Canvas(), 0, 0, 1, 1, dc.Get(), x, y, SRCCOPY);
  return pixel.GetPixel(0, 0);
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

POINT ScreenPoint(HWND window, int x, int y) {
  const RECT r = WindowRect(window);
  return POINT{r.left + x, r.top + y};
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

SkinnedSession::SkinnedSession(const formskin::Options& options, const TWindowSkinParts& parts) {
  InstallSkinManager(parts);
  data_ = formskin::Load(options);
  data_->Loaded();
  data_->SetActive(true);
}

SkinnedSession::~SkinnedSession() {
  data_.reset();
  DestroySkinManager();
  SetSkinManagerFactory(nullptr);
}

TWinSkinForm* SkinnedSession::WaitSkinned(HWND window, int limitMs) {
  TWinSkinForm* skin = nullptr;
  WaitFor([&] {
    skin = TSkinManage::Instance() ? TSkinManage::Instance()->FindWindowSkin(window) : nullptr;
    return skin && skin->State() == wsRunning;
  }, limitMs);
  return skin && skin->State() == wsRunning ? skin : nullptr;
}

}  // namespace gui
