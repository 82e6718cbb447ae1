// The launcher's own exit statuses. After a run it ends with the program's exit status;
// these values are its own failures (documented in the README).
#pragma once
#include <cstdint>

// Nothing was started: start-up failed (payload missing or damaged, no work folder, an
// unreadable descriptor) or the window was closed first.
constexpr uint32_t kExitNotStarted = 250;
// Unpacking or restoring failed, or a different file stood where the program goes.
constexpr uint32_t kExitPrepareFailed = 251;
// The program or document could not be started.
constexpr uint32_t kExitLaunchFailed = 252;
// The program ended with 0 but its work folder could not be saved (it is kept and
// saved by the next run).
constexpr uint32_t kExitSaveFailed = 253;
