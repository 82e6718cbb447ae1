// Threads and locks of the program's own: a failure of the work reaches the joiner, the
// owner joins, a thread the system cannot give leaves an empty Thread whose work never
// runs, and a mutex with its condition hands work between threads without losing any.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <atomic>
#include <stdexcept>
#include <vector>

#include "framework/threads.h"

using qmthread::Condition;
using qmthread::Hold;
using qmthread::Mutex;
using qmthread::Thread;

TEST(Threads, TheWorksFailureIsThrownByJoinAndTheOwnerJoins) {
  Thread failing = Thread::Start([] { throw std::runtime_error("work failed"); });
  ASSERT_TRUE(failing.Joinable());
  try {
    failing.Join();
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "work failed");
  }
  EXPECT_FALSE(failing.Joinable());
  failing.Join();  // nothing left to join

  std::atomic<int> done{0};
  {
    Thread quiet = Thread::Start([&] { throw 1; });  // dropped by the destructor
    Thread counting = Thread::Start([&] { ++done; });
    Thread moved = std::move(counting);
    EXPECT_FALSE(counting.Joinable());
    moved = Thread::Start([&] { ++done; });  // joins the first before it takes the second
    EXPECT_GE(done.load(), 1);
  }
  EXPECT_EQ(done.load(), 2);
}

#ifdef _WIN32
// More address space for the stack than a 32-bit process has: the system refuses.
TEST(Threads, AThreadTheSystemCannotGiveIsEmptyAndItsWorkNeverRuns) {
  bool ran = false;
  Thread none = Thread::Start([&] { ran = true; }, size_t{3} << 30);
  EXPECT_FALSE(none.Joinable());
  none.Join();
  EXPECT_FALSE(ran);
}
#endif

TEST(Threads, MutexAndConditionHandOverEveryItem) {
  Mutex mutex;
  Condition changed;
  std::vector<int> queue;
  bool finished = false;
  long long sum = 0;
  constexpr int kItems = 20000;
  std::vector<Thread> consumers;
  for (int c = 0; c < 3; ++c) {
    consumers.push_back(Thread::Start([&] {
      Hold hold(mutex);
      for (;;) {
        changed.Wait(hold, [&] { return finished || !queue.empty(); });
        if (queue.empty()) return;
        int item = queue.back();
        queue.pop_back();
        hold.Unlock();
        long long add = item;  // work outside the lock
        hold.Lock();
        sum += add;
      }
    }));
    ASSERT_TRUE(consumers.back().Joinable());
  }
  for (int i = 1; i <= kItems; ++i) {
    {
      Hold hold(mutex);
      queue.push_back(i);
    }
    changed.NotifyOne();
  }
  {
    Hold hold(mutex);
    finished = true;
  }
  changed.NotifyAll();
  for (Thread& t : consumers) t.Join();
  EXPECT_EQ(sum, static_cast<long long>(kItems) * (kItems + 1) / 2);
  EXPECT_TRUE(queue.empty());
}

TEST(Threads, ProcessorCountIsAtLeastOne) { EXPECT_GE(qmthread::ProcessorCount(), 1u); }

#ifdef _WIN32
// A process kept to one processor counts one, whatever the machine has.
TEST(Threads, ProcessorCountFollowsTheProcessAffinity) {
  DWORD_PTR process = 0, system = 0;
  ASSERT_TRUE(GetProcessAffinityMask(GetCurrentProcess(), &process, &system));
  DWORD_PTR lowest = process & (~process + 1);
  ASSERT_TRUE(SetProcessAffinityMask(GetCurrentProcess(), lowest));
  EXPECT_EQ(qmthread::ProcessorCount(), 1u);
  SetProcessAffinityMask(GetCurrentProcess(), process);
}
#endif
