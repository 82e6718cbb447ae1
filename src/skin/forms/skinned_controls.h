// The seam between a window skin and the control wrappers it owns (Windows only). The
// control-assignment step fills a window skin's list through the functions installed
// here; while none are installed windows get no wrappers.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

class TWinSkinForm;

// What a window skin asks of a control wrapper it owns.
class ISkinnedControl {
 public:
  virtual ~ISkinnedControl() = default;
  // The window of the wrapped control.
  virtual HWND ControlWindow() const = 0;
  // Puts the control back as it was (skin off); not called for a dead wrapper.
  virtual void Restore() {}
  virtual bool Dead() const { return false; }
  // The skin changed: take the new skin's look.
  virtual void Reapply() {}
  // The hover timer found the mouse outside a hot wrapper.
  virtual void MouseLeft() {}
};

using TSkinnedControlList = std::vector<std::unique_ptr<ISkinnedControl>>;

// Hands a window skin's controls to wrappers, appending them to the list (skin-init and
// re-apply).
using TControlAssigner = std::function<void(TWinSkinForm& skin, TSkinnedControlList& list)>;
// Acts on one child window of a skinned window: offers it to the child-window
// assignment (a size grip made later), or replaces its scroll-bar wrapper.
using TChildWindowAction =
    std::function<void(TWinSkinForm& skin, TSkinnedControlList& list, HWND child)>;

struct TControlAssignmentSeams {
  TControlAssigner AssignAll;
  TChildWindowAction AssignChild;
  TChildWindowAction ReplaceScrollbar;
};

// The functions every window skin uses from now on (empty ones: nothing happens).
void SetControlAssignment(TControlAssignmentSeams seams);
const TControlAssignmentSeams& ControlAssignment();
// Sets AssignAll alone (the other functions become empty).
void SetControlAssigner(TControlAssigner assigner);
const TControlAssigner& ControlAssigner();
