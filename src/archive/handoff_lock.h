// A mutex and condition variable for hand-offs between two threads that wait cheaply
// on Windows: there they are a slim reader/writer lock and a condition variable, which
// Wine implements on futexes, while std::condition_variable of the MinGW posix thread
// model costs a wineserver round trip per wait and wake (measured under Wine: about 12
// against 110 microseconds for a hand-off there and back). Elsewhere they are
// std::mutex and std::condition_variable.
#pragma once
#include <mutex>
#ifndef _WIN32
#include <condition_variable>
#endif

namespace zlbinflate {
class HandoffMutex {
 public:
  HandoffMutex() = default;
  HandoffMutex(const HandoffMutex&) = delete;
  HandoffMutex& operator=(const HandoffMutex&) = delete;
  void lock();  // with unlock: usable with std::unique_lock and std::lock_guard
  void unlock();

 private:
  friend class HandoffCondition;
#ifdef _WIN32
  void* srw_ = nullptr;  // an SRWLOCK: one pointer, zero when unlocked
#else
  std::mutex mutex_;
#endif
};

class HandoffCondition {
 public:
  HandoffCondition() = default;
  HandoffCondition(const HandoffCondition&) = delete;
  HandoffCondition& operator=(const HandoffCondition&) = delete;
  // Releases held's mutex, waits for a notification (or wakes spuriously), retakes it.
  void Wait(std::unique_lock<HandoffMutex>& held);
  void NotifyOne();
  void NotifyAll();

 private:
#ifdef _WIN32
  void* condition_ = nullptr;  // a CONDITION_VARIABLE: one pointer, zero when new
#else
  std::condition_variable condition_;
#endif
};
}  // namespace zlbinflate
