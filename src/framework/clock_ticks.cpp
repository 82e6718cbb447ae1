// ClockTicks (see clock_ticks.h): the performance counter on Windows, the steady clock
// elsewhere.
#include "framework/clock_ticks.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <chrono>
#endif

uint64_t ClockTicks() {
#ifdef _WIN32
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<uint64_t>(now.QuadPart);
#else
  return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
}
