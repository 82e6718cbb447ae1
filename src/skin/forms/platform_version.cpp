// The platform version seam (see platform_version.h).
#include "skin/forms/platform_version.h"

namespace {

struct VersionSlot {
  bool overridden = false;
  TPlatformVersion version;
};

VersionSlot& Slot() {
  static VersionSlot slot;
  return slot;
}

}  // namespace

TPlatformVersion CurrentPlatform() {
  const VersionSlot& slot = Slot();
  if (slot.overridden) return slot.version;
  TPlatformVersion running;
  running.versionWord = GetVersion();
  return running;
}

void SetPlatformVersion(const TPlatformVersion& version) {
  Slot().overridden = true;
  Slot().version = version;
}

void ResetPlatformVersion() { Slot().overridden = false; }
