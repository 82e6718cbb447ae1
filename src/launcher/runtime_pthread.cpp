// The few POSIX thread functions that the C++ runtime itself calls, on Win32 primitives:
// the unwinder's and the exception allocator's locks, the guards of function-local
// statics and the per-thread exception state (emulated thread-local storage). Linked
// into the launcher only: with them, the program carries no POSIX thread library (the
// launcher's own threads and locks are Win32 ones, framework/threads.h). A runtime
// function that needs more of that library than this file gives makes the link fail
// with a duplicate definition, never a program that misbehaves.
//
// The declarations are those of the library's header, so the compiler checks that each
// function here has the signature the runtime was built against. Mutexes and
// conditions are pointer-sized slots that hold a static initialiser until first use,
// then a pointer to the Win32 object allocated from the process heap: a slot is made
// on any thread at any time, before the C run time is set up too. Once flags are
// INIT_ONCE structures; keys are fiber-local storage slots, whose callback runs the
// key's destructor when a thread ends.
#include <windows.h>

#include <pthread.h>

#include <cerrno>
#include <cstdint>
#include <new>

namespace {
constexpr intptr_t kNormalInitializer = PTHREAD_MUTEX_INITIALIZER;
constexpr intptr_t kRecursiveInitializer = PTHREAD_RECURSIVE_MUTEX_INITIALIZER;
constexpr intptr_t kErrorCheckInitializer = PTHREAD_ERRORCHECK_MUTEX_INITIALIZER;
static_assert(kNormalInitializer == -1 && kRecursiveInitializer >= -3 && kRecursiveInitializer <= -2 &&
                  kErrorCheckInitializer >= -3 && kErrorCheckInitializer <= -2 &&
                  PTHREAD_COND_INITIALIZER == kNormalInitializer,
              "static initialisers are the three values just below zero");
static_assert(sizeof(pthread_mutex_t) == sizeof(intptr_t) && sizeof(pthread_cond_t) == sizeof(intptr_t),
              "mutexes and conditions are one pointer-sized slot");
static_assert(sizeof(pthread_once_t) == sizeof(INIT_ONCE) && PTHREAD_ONCE_INIT == 0,
              "a once flag is an INIT_ONCE, zero when new");

enum class MutexKind { Normal, Recursive, ErrorCheck };

struct RuntimeMutex {
  SRWLOCK lock = SRWLOCK_INIT;
  MutexKind kind = MutexKind::Normal;
  volatile DWORD owner = 0;  // thread that holds it, 0: free
  unsigned depth = 0;        // times the owner took it
};

struct RuntimeCondition {
  CONDITION_VARIABLE condition = CONDITION_VARIABLE_INIT;
};

template <typename T>
T* NewOnHeap() {
  void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(T));
  return memory ? new (memory) T() : nullptr;
}

void FreeOnHeap(void* memory) { HeapFree(GetProcessHeap(), 0, memory); }

bool IsInitializer(intptr_t value) { return value >= -3 && value <= -1; }

// The object in a slot, made on first use; null when the heap has no room. Two threads
// may race to make it: the first to store its object wins, the other frees its own.
template <typename T, typename Made>
T* ObjectOf(intptr_t* slot, Made made) {
  intptr_t value = *reinterpret_cast<volatile intptr_t*>(slot);
  if (!IsInitializer(value)) return reinterpret_cast<T*>(value);
  T* fresh = made(value);
  if (!fresh) return nullptr;
  LONG previous = InterlockedCompareExchange(reinterpret_cast<volatile LONG*>(slot),
                                             static_cast<LONG>(reinterpret_cast<intptr_t>(fresh)),
                                             static_cast<LONG>(value));
  if (previous == static_cast<LONG>(value)) return fresh;
  FreeOnHeap(fresh);
  return reinterpret_cast<T*>(static_cast<intptr_t>(previous));
}

RuntimeMutex* MutexOf(intptr_t* slot) {
  return ObjectOf<RuntimeMutex>(slot, [](intptr_t initializer) {
    RuntimeMutex* m = NewOnHeap<RuntimeMutex>();
    if (m && initializer == kRecursiveInitializer) m->kind = MutexKind::Recursive;
    if (m && initializer == kErrorCheckInitializer) m->kind = MutexKind::ErrorCheck;
    return m;
  });
}

RuntimeCondition* ConditionOf(intptr_t* slot) {
  return ObjectOf<RuntimeCondition>(slot, [](intptr_t) { return NewOnHeap<RuntimeCondition>(); });
}

BOOL CALLBACK RunOnce(PINIT_ONCE, PVOID routine, PVOID*) {
  reinterpret_cast<void (*)()>(routine)();
  return TRUE;
}

// Keys: the runtime makes one (emulated thread-local storage); a few more are allowed.
constexpr LONG kMaxKeys = 4;
struct Key {
  DWORD slot;
  void (*destructor)(void*);
};
Key g_keys[kMaxKeys];
volatile LONG g_keyCount = 0;

template <int N>
VOID WINAPI DestroyKeyValue(PVOID value) {
  if (value && g_keys[N].destructor) g_keys[N].destructor(value);
}
const PFLS_CALLBACK_FUNCTION kDestroyKeyValue[kMaxKeys] = {DestroyKeyValue<0>, DestroyKeyValue<1>,
                                                          DestroyKeyValue<2>, DestroyKeyValue<3>};
}  // namespace

extern "C" {
int pthread_once(pthread_once_t* once, void (*routine)()) {
  return InitOnceExecuteOnce(reinterpret_cast<PINIT_ONCE>(once), RunOnce, reinterpret_cast<PVOID>(routine),
                             nullptr)
             ? 0
             : EINVAL;
}

int pthread_mutex_init(pthread_mutex_t* slot, const pthread_mutexattr_t* attributes) {
  if (attributes) return EINVAL;  // the runtime asks for plain mutexes only
  *slot = kNormalInitializer;
  return MutexOf(slot) ? 0 : ENOMEM;
}

int pthread_mutex_destroy(pthread_mutex_t* slot) {
  if (!IsInitializer(*slot)) FreeOnHeap(reinterpret_cast<void*>(*slot));
  *slot = kNormalInitializer;
  return 0;
}

int pthread_mutex_lock(pthread_mutex_t* slot) {
  RuntimeMutex* m = MutexOf(slot);
  if (!m) return ENOMEM;
  const DWORD self = GetCurrentThreadId();
  if (m->owner == self) {  // only this thread can have stored its own identifier
    if (m->kind == MutexKind::Recursive) {
      ++m->depth;
      return 0;
    }
    if (m->kind == MutexKind::ErrorCheck) return EDEADLK;
  }
  AcquireSRWLockExclusive(&m->lock);
  m->owner = self;
  m->depth = 1;
  return 0;
}

int pthread_mutex_unlock(pthread_mutex_t* slot) {
  RuntimeMutex* m = MutexOf(slot);
  if (!m) return ENOMEM;
  if (m->owner != GetCurrentThreadId()) return EPERM;
  if (--m->depth > 0) return 0;
  m->owner = 0;
  ReleaseSRWLockExclusive(&m->lock);
  return 0;
}

int pthread_cond_init(pthread_cond_t* slot, const pthread_condattr_t* attributes) {
  if (attributes) return EINVAL;
  *slot = kNormalInitializer;
  return ConditionOf(slot) ? 0 : ENOMEM;
}

int pthread_cond_destroy(pthread_cond_t* slot) {
  if (!IsInitializer(*slot)) FreeOnHeap(reinterpret_cast<void*>(*slot));
  *slot = kNormalInitializer;
  return 0;
}

int pthread_cond_wait(pthread_cond_t* conditionSlot, pthread_mutex_t* mutexSlot) {
  RuntimeCondition* c = ConditionOf(conditionSlot);
  RuntimeMutex* m = MutexOf(mutexSlot);
  if (!c || !m) return ENOMEM;
  const DWORD self = GetCurrentThreadId();
  if (m->owner != self) return EPERM;
  const unsigned depth = m->depth;  // a recursive mutex is released whole for the wait
  m->owner = 0;
  m->depth = 0;
  SleepConditionVariableSRW(&c->condition, &m->lock, INFINITE, 0);
  m->owner = self;
  m->depth = depth;
  return 0;
}

int pthread_cond_signal(pthread_cond_t* slot) {
  RuntimeCondition* c = ConditionOf(slot);
  if (!c) return ENOMEM;
  WakeConditionVariable(&c->condition);
  return 0;
}

int pthread_cond_broadcast(pthread_cond_t* slot) {
  RuntimeCondition* c = ConditionOf(slot);
  if (!c) return ENOMEM;
  WakeAllConditionVariable(&c->condition);
  return 0;
}

int pthread_key_create(pthread_key_t* key, void (*destructor)(void*)) {
  const LONG index = InterlockedIncrement(&g_keyCount) - 1;
  if (index >= kMaxKeys) return EAGAIN;
  g_keys[index].destructor = destructor;
  g_keys[index].slot = FlsAlloc(kDestroyKeyValue[index]);
  if (g_keys[index].slot == FLS_OUT_OF_INDEXES) return EAGAIN;
  *key = static_cast<pthread_key_t>(index);
  return 0;
}

// Both keep the thread's last error: the runtime reaches them while throwing, between
// a failed call and the code that asks why it failed.
void* pthread_getspecific(pthread_key_t key) {
  if (key >= static_cast<pthread_key_t>(kMaxKeys)) return nullptr;
  const DWORD error = GetLastError();
  void* value = FlsGetValue(g_keys[key].slot);
  SetLastError(error);
  return value;
}

int pthread_setspecific(pthread_key_t key, const void* value) {
  if (key >= static_cast<pthread_key_t>(kMaxKeys)) return EINVAL;
  const DWORD error = GetLastError();
  const BOOL ok = FlsSetValue(g_keys[key].slot, const_cast<void*>(value));
  SetLastError(error);
  return ok ? 0 : ENOMEM;
}
}  // extern "C"
