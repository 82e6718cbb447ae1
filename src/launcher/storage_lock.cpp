// The storage archive's lock (see storage_lock.h).
#include "launcher/storage_lock.h"

#include <windows.h>

#include "framework/wide.h"

TStorageLock::TStorageLock(const std::string& folderKey)
    : mutex_(CreateMutexW(nullptr, FALSE, Widen("Local\\Quillmere.Storage." + folderKey).c_str())) {
  if (!mutex_) return;  // no lock to be had: go on unserialised rather than not at all
  DWORD r = WaitForSingleObject(mutex_.Get(), INFINITE);
  held_ = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
}

TStorageLock::~TStorageLock() {
  if (held_) ReleaseMutex(mutex_.Get());
}
