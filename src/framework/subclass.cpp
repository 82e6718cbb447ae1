// TWindowSubclass (see subclass.h). The thunk calls Dispatch with the subclass's Link,
// a heap record that outlives its owner while the window still routes messages through
// it or while its handler runs.
#include "framework/subclass.h"

#include <atomic>
#include <utility>

#include "framework/thunk_pool.h"

struct TWindowSubclass::Link {
  TWindowSubclass* owner = nullptr;  // null once the owner let go
  HWND window = nullptr;
  WNDPROC previous = nullptr;
  void* thunk = nullptr;
  Handler handler;
  int depth = 0;          // Dispatch calls running for this link
  bool inChain = false;   // the window's procedure chain still passes through the thunk
  bool unicode = true;    // installed with the W calls (else the window is ANSI)
};

namespace {
std::atomic<int> g_liveSubclasses{0};

// The window's procedure as its own character set sees it: the procedure's real address
// when it was installed with the matching call.
WNDPROC CurrentProcedure(HWND window) {
  return reinterpret_cast<WNDPROC>(IsWindowUnicode(window)
                                       ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                       : GetWindowLongPtrA(window, GWLP_WNDPROC));
}

LONG_PTR SetProcedure(HWND window, bool unicode, LONG_PTR procedure) {
  return unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure)
                 : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure);
}

LRESULT CallProcedure(bool unicode, WNDPROC procedure, HWND window, UINT msg, WPARAM wParam,
                      LPARAM lParam) {
  return unicode ? CallWindowProcW(procedure, window, msg, wParam, lParam)
                 : CallWindowProcA(procedure, window, msg, wParam, lParam);
}
}  // namespace

int TWindowSubclass::LiveCount() noexcept { return g_liveSubclasses.load(); }

bool TWindowSubclass::Attach(HWND window, Handler handler) {
  if (link_ || !IsWindow(window)) return false;
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
  auto* link = new Link;
  link->owner = this;
  link->window = window;
  link->handler = std::move(handler);
  // An ANSI window stays ANSI: its messages reach the handler as the window gets them.
  link->unicode = IsWindowUnicode(window) != FALSE;
  link->thunk = thunks::Make(link, reinterpret_cast<const void*>(&TWindowSubclass::Dispatch));
  if (!link->thunk) {
    delete link;
    return false;
  }
  SetLastError(0);
  LONG_PTR previous =
      SetProcedure(window, link->unicode, reinterpret_cast<LONG_PTR>(link->thunk));
  if (!previous && GetLastError() != 0) {
    thunks::Free(link->thunk);
    delete link;
    return false;
  }
  link->previous = reinterpret_cast<WNDPROC>(previous);
  link->inChain = true;
  link_ = link;
  ++g_liveSubclasses;
  return true;
}

HWND TWindowSubclass::Window() const { return link_ ? link_->window : nullptr; }

LRESULT TWindowSubclass::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!link_) return 0;
  return CallProcedure(link_->unicode, link_->previous, link_->window, msg, wParam, lParam);
}

void TWindowSubclass::Detach() noexcept {
  Link* link = std::exchange(link_, nullptr);
  if (!link) return;
  link->owner = nullptr;
  if (!IsWindow(link->window)) {
    link->inChain = false;  // the window is gone: nothing routes through the thunk
  } else if (Unhook(link)) {
    CollapseDetached(link->window);
  }
  Release(link);
}

// Puts the previous procedure back when the thunk is still the window's procedure.
bool TWindowSubclass::Unhook(Link* link) noexcept {
  if (!link->inChain || CurrentProcedure(link->window) != link->thunk) return false;
  SetProcedure(link->window, link->unicode, reinterpret_cast<LONG_PTR>(link->previous));
  link->inChain = false;
  return true;
}

// Frees a link nobody owns once no message runs through it any more.
void TWindowSubclass::Release(Link* link) noexcept {
  if (link->owner || link->inChain || link->depth > 0) return;
  thunks::Free(link->thunk);
  delete link;
  --g_liveSubclasses;
}

// Removes the detached subclasses that the window's procedure now starts with (they
// stayed in the chain because a later subclass sat above them).
void TWindowSubclass::CollapseDetached(HWND window) noexcept {
  const void* dispatch = reinterpret_cast<const void*>(&TWindowSubclass::Dispatch);
  for (;;) {
    auto* below = static_cast<Link*>(thunks::ObjectOf(
        reinterpret_cast<const void*>(CurrentProcedure(window)), dispatch));
    if (!below || below->owner || below->window != window || !Unhook(below)) return;
    Release(below);
  }
}

LRESULT __stdcall TWindowSubclass::Dispatch(Link* link, HWND window, UINT msg, WPARAM wParam,
                                            LPARAM lParam) noexcept {
  ++link->depth;
  LRESULT result = 0;
  bool handled = false;
  if (link->owner && link->handler) {
    try {
      handled = link->handler(msg, wParam, lParam, result);
    } catch (...) {
      handled = false;  // the previous procedure answers instead
    }
  }
  if (msg == WM_NCDESTROY) {
    // The window is going: let go before the rest of the chain sees the message.
    if (TWindowSubclass* owner = link->owner) {
      owner->link_ = nullptr;
      link->owner = nullptr;
    }
    if (!Unhook(link)) link->inChain = false;
    handled = false;
  }
  if (!handled) {
    try {
      result = CallProcedure(link->unicode, link->previous, window, msg, wParam, lParam);
    } catch (...) {
      result = 0;
    }
  }
  --link->depth;
  Release(link);
  return result;
}
