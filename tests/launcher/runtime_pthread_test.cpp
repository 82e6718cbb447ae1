// The launcher's POSIX thread functions for the C++ runtime, in a program linked as the
// launcher is (no POSIX thread library; the test framework would bring one, so this is
// a plain program that prints what failed and ends with status 1). Checked: guards of
// function-local statics and exceptions on many threads at once, the thread's last
// error kept across a throw, a key's destructor run when a thread ends, recursive and
// error-checking mutexes, and a condition with statically initialised slots.
#include <windows.h>

#include <pthread.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {
int g_failures = 0;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::printf("FAILED: %s\n", what);
  ++g_failures;
}

// Threads of the test itself, started and joined as a group.
class ThreadGroup {
 public:
  ThreadGroup(int count, LPTHREAD_START_ROUTINE routine, void* parameter) : count_(count) {
    for (int i = 0; i < count_; ++i) handles_[i] = CreateThread(nullptr, 0, routine, parameter, 0, nullptr);
  }
  ThreadGroup(const ThreadGroup&) = delete;
  ThreadGroup& operator=(const ThreadGroup&) = delete;
  ~ThreadGroup() {
    WaitForMultipleObjects(count_, handles_, TRUE, INFINITE);
    for (int i = 0; i < count_; ++i) CloseHandle(handles_[i]);
  }

 private:
  int count_;
  HANDLE handles_[8] = {};
};

struct SlowToMake {
  int value;
  SlowToMake() {
    Sleep(20);  // other threads reach the guard meanwhile and must wait for it
    value = 42;
  }
};

int SharedValue() {
  static SlowToMake made;
  return made.value;
}

volatile LONG g_wrong = 0;

DWORD WINAPI ThrowAndCatch(void*) {
  for (int i = 0; i < 500; ++i) {
    if (SharedValue() != 42) InterlockedIncrement(&g_wrong);
    try {
      SetLastError(1234);
      throw std::runtime_error("step " + std::to_string(i));
    } catch (const std::runtime_error& e) {
      if (GetLastError() != 1234 || std::string(e.what()) != "step " + std::to_string(i)) InterlockedIncrement(&g_wrong);
    }
  }
  return 0;
}

void GuardsAndExceptionsOnManyThreads() {
  ThrowAndCatch(nullptr);  // the main thread's exception state is freed at the exit
  { ThreadGroup threads(8, ThrowAndCatch, nullptr); }
  Check(g_wrong == 0, "static guards and exceptions on eight threads");
}

volatile LONG g_destroyed = 0;
void CountDestroyed(void* value) {
  if (value == reinterpret_cast<void*>(7)) InterlockedIncrement(&g_destroyed);
}

DWORD WINAPI SetKeyValue(void* key) {
  pthread_setspecific(*static_cast<pthread_key_t*>(key), reinterpret_cast<void*>(7));
  return pthread_getspecific(*static_cast<pthread_key_t*>(key)) == reinterpret_cast<void*>(7) ? 0 : 1;
}

void KeyDestructorRunsWhenAThreadEnds() {
  pthread_key_t key;
  Check(pthread_key_create(&key, CountDestroyed) == 0, "a key is made");
  Check(pthread_getspecific(key) == nullptr, "a new key holds nothing");
  { ThreadGroup threads(3, SetKeyValue, &key); }
  Check(g_destroyed == 3, "the key's destructor ran once per ended thread");
  Check(SetKeyValue(&key) == 0, "the main thread's value (destroyed at the exit)");
  SetLastError(99);
  pthread_getspecific(key);
  pthread_setspecific(key, reinterpret_cast<void*>(7));
  Check(GetLastError() == 99, "the key functions keep the last error");
}

pthread_mutex_t g_recursive = PTHREAD_RECURSIVE_MUTEX_INITIALIZER;
pthread_mutex_t g_errorCheck = PTHREAD_ERRORCHECK_MUTEX_INITIALIZER;

DWORD WINAPI TryOtherThread(void*) {
  // Another thread may not unlock what this one does not hold.
  return pthread_mutex_unlock(&g_recursive) == EPERM ? 0 : 1;
}

void MutexKinds() {
  Check(pthread_mutex_lock(&g_recursive) == 0 && pthread_mutex_lock(&g_recursive) == 0,
        "a recursive mutex is taken twice by one thread");
  HANDLE other = CreateThread(nullptr, 0, TryOtherThread, nullptr, 0, nullptr);
  WaitForSingleObject(other, INFINITE);
  DWORD otherStatus = 1;
  GetExitCodeThread(other, &otherStatus);
  CloseHandle(other);
  Check(otherStatus == 0, "another thread cannot unlock it");
  Check(pthread_mutex_unlock(&g_recursive) == 0 && pthread_mutex_unlock(&g_recursive) == 0, "and given back twice");
  Check(pthread_mutex_unlock(&g_recursive) == EPERM, "not a third time");
  Check(pthread_mutex_lock(&g_errorCheck) == 0 && pthread_mutex_lock(&g_errorCheck) == EDEADLK,
        "an error-checking mutex refuses its owner a second time");
  Check(pthread_mutex_unlock(&g_errorCheck) == 0, "and is given back");
  pthread_mutex_t made;
  Check(pthread_mutex_init(&made, nullptr) == 0 && pthread_mutex_lock(&made) == 0 && pthread_mutex_unlock(&made) == 0 &&
            pthread_mutex_destroy(&made) == 0,
        "a mutex made by init");
}

pthread_mutex_t g_mutex = PTHREAD_MUTEX_INITIALIZER;
pthread_cond_t g_changed = PTHREAD_COND_INITIALIZER;
int g_counter = 0;

DWORD WINAPI CountUp(void*) {
  for (int i = 0; i < 1000; ++i) {
    pthread_mutex_lock(&g_mutex);
    ++g_counter;
    pthread_mutex_unlock(&g_mutex);
    pthread_cond_broadcast(&g_changed);
  }
  return 0;
}

void ConditionWithStaticSlots() {
  ThreadGroup threads(4, CountUp, nullptr);
  pthread_mutex_lock(&g_mutex);
  while (g_counter < 4000) pthread_cond_wait(&g_changed, &g_mutex);
  pthread_mutex_unlock(&g_mutex);
  Check(g_counter == 4000, "every increment seen under the mutex");
}

pthread_once_t g_once = PTHREAD_ONCE_INIT;
volatile LONG g_onceRuns = 0;
void RunOnce() {
  Sleep(10);
  InterlockedIncrement(&g_onceRuns);
}
DWORD WINAPI CallOnce(void*) { return pthread_once(&g_once, RunOnce); }

void OnceRunsOnce() {
  { ThreadGroup threads(6, CallOnce, nullptr); }
  Check(g_onceRuns == 1, "a once routine runs once for six threads");
}
}  // namespace

int main() {
  GuardsAndExceptionsOnManyThreads();
  KeyDestructorRunsWhenAThreadEnds();
  MutexKinds();
  ConditionWithStaticSlots();
  OnceRunsOnce();
  std::printf(g_failures ? "%d checks failed\n" : "all checks passed\n", g_failures);
  return g_failures ? 1 : 0;
}
