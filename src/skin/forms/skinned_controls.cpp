// The control-assignment seam (see skinned_controls.h).
#include "skin/forms/skinned_controls.h"

namespace {
TControlAssignmentSeams& Slot() {
  static TControlAssignmentSeams seams;
  return seams;
}
}  // namespace

void SetControlAssignment(TControlAssignmentSeams seams) { Slot() = std::move(seams); }
const TControlAssignmentSeams& ControlAssignment() { return Slot(); }
void SetControlAssigner(TControlAssigner assigner) {
  Slot() = TControlAssignmentSeams{std::move(assigner), {}, {}};
}
const TControlAssigner& ControlAssigner() { return Slot().AssignAll; }
