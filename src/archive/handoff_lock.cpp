// Hand-off mutex and condition variable: SRW lock and condition variable on Windows,
// the standard library's elsewhere.
#include "archive/handoff_lock.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zlbinflate {
#ifdef _WIN32
static_assert(sizeof(SRWLOCK) == sizeof(void*) && sizeof(CONDITION_VARIABLE) == sizeof(void*),
              "SRWLOCK and CONDITION_VARIABLE are one pointer each");

namespace {
PSRWLOCK Srw(void*& storage) { return reinterpret_cast<PSRWLOCK>(&storage); }
PCONDITION_VARIABLE Condition(void*& storage) { return reinterpret_cast<PCONDITION_VARIABLE>(&storage); }
}  // namespace

void HandoffMutex::lock() { AcquireSRWLockExclusive(Srw(srw_)); }
void HandoffMutex::unlock() { ReleaseSRWLockExclusive(Srw(srw_)); }

void HandoffCondition::Wait(std::unique_lock<HandoffMutex>& held) {
  SleepConditionVariableSRW(Condition(condition_), Srw(held.mutex()->srw_), INFINITE, 0);
}
void HandoffCondition::NotifyOne() { WakeConditionVariable(Condition(condition_)); }
void HandoffCondition::NotifyAll() { WakeAllConditionVariable(Condition(condition_)); }
#else
void HandoffMutex::lock() { mutex_.lock(); }
void HandoffMutex::unlock() { mutex_.unlock(); }

void HandoffCondition::Wait(std::unique_lock<HandoffMutex>& held) {
  // std::condition_variable needs a std::unique_lock<std::mutex>: adopt the mutex
  // for the wait and hand it back still locked.
  std::unique_lock<std::mutex> inner(held.mutex()->mutex_, std::adopt_lock);
  condition_.wait(inner);
  inner.release();
}
void HandoffCondition::NotifyOne() { condition_.notify_one(); }
void HandoffCondition::NotifyAll() { condition_.notify_all(); }
#endif
}  // namespace zlbinflate
