// The lock that serialises restores and saves of one storage archive between launcher
// processes (Windows only): a named mutex per folder key.
#pragma once
#include <string>

#include "framework/gdi.h"

class TStorageLock {
 public:
  // Waits until no other process holds the lock of this folder key. A lock whose holder
  // died is taken over.
  explicit TStorageLock(const std::string& folderKey);
  ~TStorageLock();
  TStorageLock(const TStorageLock&) = delete;
  TStorageLock& operator=(const TStorageLock&) = delete;

 private:
  Win32Handle mutex_;
  bool held_ = false;
};
