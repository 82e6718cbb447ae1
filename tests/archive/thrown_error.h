// The message of the archive error an action throws, so that a test compares it in one
// expectation.
#pragma once
#include <functional>
#include <string>

#include "archive/archive_types.h"

namespace testarc {
constexpr const char* kNothingThrown = "(no archive error thrown)";

// The message of the EZLBError that action throws; kNothingThrown when it throws none.
inline std::string ThrownError(const std::function<void()>& action) {
  try {
    action();
  } catch (const EZLBError& e) {
    return e.what();
  }
  return kNothingThrown;
}
}  // namespace testarc
