// TWindowsHook (see hook.h). The thunk calls Dispatch with the hook's Record, a heap
// record that outlives its owner while its callback runs.
#include "framework/hook.h"

#include <atomic>
#include <utility>

#include "framework/thunk_pool.h"

struct TWindowsHook::Record {
  HHOOK hook = nullptr;  // null once unhooked
  void* thunk = nullptr;
  Callback callback;
  int depth = 0;  // Dispatch calls running for this record
};

namespace {
std::atomic<int> g_liveHooks{0};
}

int TWindowsHook::LiveCount() noexcept { return g_liveHooks.load(); }

bool TWindowsHook::Install(int type, Callback callback, DWORD threadId) {
  if (record_) return false;
  auto* record = new Record;
  record->callback = std::move(callback);
  record->thunk = thunks::Make(record, reinterpret_cast<const void*>(&TWindowsHook::Dispatch));
  if (record->thunk)
    record->hook = SetWindowsHookExW(type, reinterpret_cast<HOOKPROC>(record->thunk), nullptr,
                                     threadId ? threadId : GetCurrentThreadId());
  if (!record->hook) {
    thunks::Free(record->thunk);
    delete record;
    return false;
  }
  record_ = record;
  ++g_liveHooks;
  return true;
}

HHOOK TWindowsHook::Handle() const { return record_ ? record_->hook : nullptr; }

void TWindowsHook::Uninstall() noexcept {
  Record* record = std::exchange(record_, nullptr);
  if (!record) return;
  UnhookWindowsHookEx(std::exchange(record->hook, nullptr));
  Release(record);
}

void TWindowsHook::Release(Record* record) noexcept {
  if (record->hook || record->depth > 0) return;
  thunks::Free(record->thunk);
  delete record;
  --g_liveHooks;
}

LRESULT __stdcall TWindowsHook::Dispatch(Record* record, int code, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  ++record->depth;
  LRESULT result = 0;
  bool answered = false;
  if (code >= 0 && record->hook && record->callback) {
    try {
      answered = record->callback(code, wParam, lParam, result);
    } catch (...) {
      answered = false;
    }
  }
  if (!answered) result = CallNextHookEx(record->hook, code, wParam, lParam);
  --record->depth;
  Release(record);
  return result;
}
