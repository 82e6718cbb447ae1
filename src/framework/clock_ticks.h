// ClockTicks: a fast-moving clock reading for seeds and unique names, not for measuring
// time. On Windows it is the performance counter: std::chrono's clocks of the MinGW
// toolchain go through its POSIX thread library, which the launcher leaves out.
#pragma once
#include <cstdint>

uint64_t ClockTicks();
