// TWindowSubclass: the one owner of a replaced window procedure (Windows only), for
// windows the framework did not create (dialogs, message boxes, MDI clients, standard
// controls). Each subclass gets its own thunk from the thunk pool, so the window
// procedure reaches its owner without a lookup.
//
// Rules:
// - Messages go to the handler first; unhandled ones (and ones whose handler throws) go
//   to the previous procedure. No exception leaves the window procedure.
// - Detach puts the previous procedure back only while this subclass's thunk is still
//   the window's procedure. Otherwise someone subclassed the window later: the chain is
//   left intact and the thunk stays, passing every later message straight through; it
//   is removed as soon as the subclass above it lets go, or at WM_NCDESTROY.
// - WM_NCDESTROY: the handler sees it (its answer is ignored), the subclass lets go by
//   itself (Attached() becomes false) and the previous procedure receives the message.
// - Detaching or destroying the owner from inside its own handler is safe: the handler
//   is kept alive until it returns.
// - An ANSI window stays ANSI: the procedure is replaced and called with the calls of
//   the window's own character set.
// - Attach only on the thread that owns the window.
#pragma once
#include <windows.h>

#include <functional>

class TWindowSubclass {
 public:
  // Returns true when the message was handled, with its result in result.
  using Handler = std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  TWindowSubclass() = default;
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;
  ~TWindowSubclass() { Detach(); }

  // Replaces the window's procedure. False when already attached, when the window does
  // not exist or belongs to another thread, or when the procedure cannot be replaced.
  bool Attach(HWND window, Handler handler);
  // Lets go of the window (see the rules above); nothing happens when not attached.
  void Detach() noexcept;

  bool Attached() const { return link_ != nullptr; }
  HWND Window() const;
  // The procedure that was the window's before this subclass, with the window's handle;
  // 0 when not attached.
  LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam);

  // Subclasses alive in this process, including ones kept in a chain after Detach.
  static int LiveCount() noexcept;

 private:
  struct Link;
  static LRESULT __stdcall Dispatch(Link* link, HWND window, UINT msg, WPARAM wParam,
                                    LPARAM lParam) noexcept;
  static bool Unhook(Link* link) noexcept;
  static void Release(Link* link) noexcept;
  static void CollapseDetached(HWND window) noexcept;

  Link* link_ = nullptr;
};
