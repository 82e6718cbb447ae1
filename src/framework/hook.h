// TWindowsHook: the one owner of a thread's window hook (Windows only), for instance
// WH_CBT (window creation, activation, destruction) or WH_MSGFILTER (menus and dialogs
// in their own message loops). Each hook gets its own thunk from the thunk pool, so
// several hooks of one kind can live side by side.
//
// Rules:
// - The callback sees every call with a code of 0 or more; it returns true when it
//   answers itself (its result goes back to the system), false to pass the call on to
//   the next hook. A callback that throws counts as false. No exception leaves the hook.
// - Uninstalling or destroying the owner from inside its own callback is safe.
#pragma once
#include <windows.h>

#include <functional>

class TWindowsHook {
 public:
  using Callback = std::function<bool(int code, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  TWindowsHook() = default;
  TWindowsHook(const TWindowsHook&) = delete;
  TWindowsHook& operator=(const TWindowsHook&) = delete;
  ~TWindowsHook() { Uninstall(); }

  // Installs a hook of this type (WH_CBT, WH_MSGFILTER, ...) for the thread (0: the
  // calling thread). False when already installed or when the system refuses.
  bool Install(int type, Callback callback, DWORD threadId = 0);
  void Uninstall() noexcept;
  bool Installed() const { return record_ != nullptr; }
  HHOOK Handle() const;

  // Hooks alive in this process (for leak tests).
  static int LiveCount() noexcept;

 private:
  struct Record;
  static LRESULT __stdcall Dispatch(Record* record, int code, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  static void Release(Record* record) noexcept;

  Record* record_ = nullptr;
};
