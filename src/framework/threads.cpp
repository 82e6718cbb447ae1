// Threads and locks (see threads.h): Win32 on Windows, the standard library elsewhere.
#include "framework/threads.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <system_error>
#include <thread>
#endif

namespace qmthread {
// Runs a thread's work on that thread, keeping what leaves it for the joiner; what the
// work holds is let go on that thread too.
template <typename State>
void RunKeepingFailure(State& state) noexcept {
  try {
    state.work();
  } catch (...) {
    state.failure = std::current_exception();
  }
  state.work = nullptr;
}

#ifdef _WIN32
static_assert(sizeof(SRWLOCK) == sizeof(void*) && sizeof(CONDITION_VARIABLE) == sizeof(void*),
              "SRWLOCK and CONDITION_VARIABLE are one pointer each");

namespace {
PSRWLOCK Srw(void*& storage) { return reinterpret_cast<PSRWLOCK>(&storage); }
PCONDITION_VARIABLE ConditionVariable(void*& storage) { return reinterpret_cast<PCONDITION_VARIABLE>(&storage); }
}  // namespace

void Mutex::Lock() noexcept { AcquireSRWLockExclusive(Srw(srw_)); }
void Mutex::Unlock() noexcept { ReleaseSRWLockExclusive(Srw(srw_)); }

void Condition::Wait(Hold& hold) noexcept {
  SleepConditionVariableSRW(ConditionVariable(condition_), Srw(hold.mutex_.srw_), INFINITE, 0);
}
void Condition::NotifyOne() noexcept { WakeConditionVariable(ConditionVariable(condition_)); }
void Condition::NotifyAll() noexcept { WakeAllConditionVariable(ConditionVariable(condition_)); }

struct Thread::State {
  std::function<void()> work;
  std::exception_ptr failure;
  HANDLE handle = nullptr;
};

namespace {
DWORD WINAPI RunWork(void* parameter) noexcept {
  RunKeepingFailure(*static_cast<Thread::State*>(parameter));
  return 0;
}
}  // namespace

Thread Thread::Start(std::function<void()> work, size_t stackReserve) {
  auto state = std::make_unique<State>();
  state->work = std::move(work);
  state->handle =
      CreateThread(nullptr, stackReserve, RunWork, state.get(), stackReserve ? STACK_SIZE_PARAM_IS_A_RESERVATION : 0,
                   nullptr);
  Thread thread;
  if (state->handle) thread.state_ = std::move(state);
  return thread;
}

std::exception_ptr Thread::Wait() noexcept {
  if (!state_) return nullptr;
  WaitForSingleObject(state_->handle, INFINITE);
  CloseHandle(state_->handle);
  std::exception_ptr failure = std::move(state_->failure);
  state_.reset();
  return failure;
}

unsigned ProcessorCount() {
  // Those of the process's affinity mask (a process started on fewer processors gets
  // fewer helpers), else every processor of the system.
  DWORD_PTR process = 0, system = 0;
  unsigned count = 0;
  if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system))
    for (; process != 0; process &= process - 1) ++count;
  if (count == 0) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    count = info.dwNumberOfProcessors;
  }
  return count > 0 ? count : 1;
}
#else
void Mutex::Lock() noexcept { mutex_.lock(); }
void Mutex::Unlock() noexcept { mutex_.unlock(); }

void Condition::Wait(Hold& hold) noexcept {
  // std::condition_variable needs a std::unique_lock<std::mutex>: adopt the mutex for
  // the wait and hand it back still locked.
  std::unique_lock<std::mutex> inner(hold.mutex_.mutex_, std::adopt_lock);
  condition_.wait(inner);
  inner.release();
}
void Condition::NotifyOne() noexcept { condition_.notify_one(); }
void Condition::NotifyAll() noexcept { condition_.notify_all(); }

struct Thread::State {
  std::function<void()> work;
  std::exception_ptr failure;
  std::thread thread;
};

Thread Thread::Start(std::function<void()> work, size_t) {
  auto state = std::make_unique<State>();
  state->work = std::move(work);
  State* s = state.get();
  Thread thread;
  try {
    state->thread = std::thread([s]() noexcept { RunKeepingFailure(*s); });
  } catch (const std::system_error&) {
    return thread;
  }
  thread.state_ = std::move(state);
  return thread;
}

std::exception_ptr Thread::Wait() noexcept {
  if (!state_) return nullptr;
  state_->thread.join();
  std::exception_ptr failure = std::move(state_->failure);
  state_.reset();
  return failure;
}

unsigned ProcessorCount() {
  unsigned count = std::thread::hardware_concurrency();
  return count > 0 ? count : 1;
}
#endif

Thread::Thread() noexcept = default;

Thread::Thread(Thread&& other) noexcept : state_(std::move(other.state_)) {}

Thread& Thread::operator=(Thread&& other) noexcept {
  if (this != &other) {
    Wait();
    state_ = std::move(other.state_);
  }
  return *this;
}

Thread::~Thread() { Wait(); }

void Thread::Join() {
  if (std::exception_ptr failure = Wait()) std::rethrow_exception(failure);
}

Thread StartThread(std::function<void()> work) { return Thread::Start(std::move(work)); }
}  // namespace qmthread
