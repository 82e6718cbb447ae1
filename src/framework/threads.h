// Threads and locks of the program's own: qmthread::Mutex with its Hold, Condition,
// Thread (joined by its owner, carrying an exception back to the joiner), StartThread
// and ProcessorCount. On Windows they are Win32 threads, slim reader/writer locks and
// condition variables: the C++ thread library of the MinGW toolchain would bring a POSIX
// thread emulation into every packed program, and its condition variable costs a
// wineserver round trip per wait and wake under Wine (about 110 against 12 microseconds
// for a hand-off there and back). Elsewhere they are the standard library's (the
// portable code is built, tested and fuzzed natively).
#pragma once
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#ifndef _WIN32
#include <condition_variable>
#include <mutex>
#endif

namespace qmthread {
class Condition;

// A mutex; not recursive. Made without any call (usable as a function-local static).
class Mutex {
 public:
  constexpr Mutex() = default;
  Mutex(const Mutex&) = delete;
  Mutex& operator=(const Mutex&) = delete;
  void Lock() noexcept;
  void Unlock() noexcept;

 private:
  friend class Condition;
#ifdef _WIN32
  void* srw_ = nullptr;  // an SRWLOCK: one pointer, zero when unlocked
#else
  std::mutex mutex_;
#endif
};

// Holds a mutex from construction to destruction; Unlock and Lock let work go on
// outside the lock in between.
class Hold {
 public:
  explicit Hold(Mutex& mutex) noexcept : mutex_(mutex) { mutex_.Lock(); }
  Hold(const Hold&) = delete;
  Hold& operator=(const Hold&) = delete;
  ~Hold() {
    if (held_) mutex_.Unlock();
  }
  void Unlock() noexcept {
    mutex_.Unlock();
    held_ = false;
  }
  void Lock() noexcept {
    mutex_.Lock();
    held_ = true;
  }

 private:
  friend class Condition;
  Mutex& mutex_;
  bool held_ = true;
};

class Condition {
 public:
  Condition() = default;
  Condition(const Condition&) = delete;
  Condition& operator=(const Condition&) = delete;
  // Releases hold's mutex, waits for a notification (or wakes spuriously), retakes it.
  void Wait(Hold& hold) noexcept;
  // Waits until ready() holds (tested with the mutex held).
  template <typename Ready>
  void Wait(Hold& hold, Ready ready) {
    while (!ready()) Wait(hold);
  }
  void NotifyOne() noexcept;
  void NotifyAll() noexcept;

 private:
#ifdef _WIN32
  void* condition_ = nullptr;  // a CONDITION_VARIABLE: one pointer, zero when new
#else
  std::condition_variable condition_;
#endif
};

// One thread, joined by its owner: Join, or the destructor. Work runs inside a
// procedure that lets no exception out: what leaves work is kept and thrown again by
// Join. Movable, uncopyable; an empty Thread has none.
class Thread {
 public:
  Thread() noexcept;  // empty
  // Starts work on a thread of its own; an empty Thread when the system has no thread
  // to give (work never runs then). stackReserve: on Windows the address space kept
  // for the thread's stack (0: the program's default); the standard library's threads
  // elsewhere take the system's default.
  static Thread Start(std::function<void()> work, size_t stackReserve = 0);
  Thread(Thread&& other) noexcept;
  Thread& operator=(Thread&& other) noexcept;  // joins a thread this one still has first
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;
  ~Thread();  // joins; an exception of the work is dropped here

  bool Joinable() const { return state_ != nullptr; }
  // Waits for the thread to end and forgets it, then throws what left its work.
  // Nothing to do for an empty Thread.
  void Join();

  struct State;  // the work, the system's thread and the exception (threads.cpp)

 private:
  std::exception_ptr Wait() noexcept;
  std::unique_ptr<State> state_;
};

// How a component starts its threads: tests pass one that fails (returns an empty
// Thread) to check what the component does with fewer threads than it asked for.
using ThreadStarter = std::function<Thread(std::function<void()>)>;
// Thread::Start with the default stack.
Thread StartThread(std::function<void()> work);

// Processors the program may run on (at least 1).
unsigned ProcessorCount();
}  // namespace qmthread
