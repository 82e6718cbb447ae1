// The platform version as the window skin and the skin manager test it (Windows only).
// Every version test of the form skinning goes through this one seam, so tests can stand
// in any platform: the NT family before version 5, Windows 2000 exactly, or the
// 16-bit-kernel family (GetVersion's high bit).
#pragma once
#include <windows.h>

struct TPlatformVersion {
  DWORD versionWord = 0;  // as GetVersion returns it
  int Major() const { return static_cast<int>(versionWord & 0xFF); }
  int Minor() const { return static_cast<int>((versionWord >> 8) & 0xFF); }
  // The 16-bit-kernel Windows family: the high bit of the version word.
  bool Is16BitKernel() const { return (versionWord & 0x80000000u) != 0; }
  bool IsNt() const { return !Is16BitKernel(); }
  bool IsNtBefore5() const { return IsNt() && Major() < 5; }
  bool IsWindows2000() const { return IsNt() && Major() == 5 && Minor() == 0; }
  // Closing through the close button is allowed without asking the system menu.
  bool ClosesWithoutSystemMenu() const { return IsNtBefore5() || Is16BitKernel(); }
};

// The version in force: the running platform's, or the stand-in a test set.
TPlatformVersion CurrentPlatform();
// Makes version the platform every later test sees; ResetPlatformVersion goes back to
// the running platform's version.
void SetPlatformVersion(const TPlatformVersion& version);
void ResetPlatformVersion();
