// The window skin's entries for the wrappers that the control assignment makes (Windows
// only). All wrappers of one window skin join one shared wrapper list whose window is
// the skinned window (scroll-bar wrappers post their replace request to it); each entry
// keeps that list alive and knows a wrapper is gone when it has left the list.
//   TAssignedWrapper  one wrapper: owned by its framework control, or by no component
//                     (a bare child window's wrapper belongs to the window skin); the
//                     entry frees it either way when the skin lets go
#pragma once
#include <windows.h>

#include <memory>

#include "skin/controls/skin_control_list.h"
#include "skin/forms/skinned_controls.h"

class TSkinControl;

class TAssignedWrapper : public ISkinnedControl {
 public:
  TAssignedWrapper(std::shared_ptr<TSkinControlList> list, TSkinControl* wrapper);
  TAssignedWrapper(const TAssignedWrapper&) = delete;
  TAssignedWrapper& operator=(const TAssignedWrapper&) = delete;
  // Frees a wrapper still in the list (a dead one swept, or the skin going away).
  ~TAssignedWrapper() override;

  HWND ControlWindow() const override { return window_; }
  bool Dead() const override;
  // Switches the wrapper off and frees it (its control's method or window procedure
  // comes back).
  void Restore() override;
  void Reapply() override;

  // The wrapper while it is alive, else null.
  TSkinControl* Wrapper() const { return Alive() ? wrapper_ : nullptr; }
  const std::shared_ptr<TSkinControlList>& List() const { return list_; }

 private:
  bool Alive() const { return list_->Contains(wrapper_); }
  void FreeWrapper();

  std::shared_ptr<TSkinControlList> list_;
  TSkinControl* wrapper_;
  HWND window_;
};

// The shared wrapper list of a window skin's entries: the one the entries already use,
// else a new one for window.
std::shared_ptr<TSkinControlList> SharedWrapperList(const TSkinnedControlList& entries, HWND window);
// Removes and frees the entries whose wrapper is dead or gone.
void SweepDeadEntries(TSkinnedControlList& entries);
