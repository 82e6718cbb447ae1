// The seam between a window skin and the control wrappers it owns (Windows only). The
// control-assignment step fills a window skin's list through the assigner function; until
// that step exists the assigner is empty and windows get no wrappers.
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

// Hands a window skin's controls to wrappers, appending them to the list.
using TControlAssigner = std::function<void(TWinSkinForm& skin, TSkinnedControlList& list)>;
// The assigner every window skin uses from now on (an empty one: no wrappers).
void SetControlAssigner(TControlAssigner assigner);
const TControlAssigner& ControlAssigner();
