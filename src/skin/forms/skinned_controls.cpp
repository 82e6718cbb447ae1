// The control-assignment seam (see skinned_controls.h).
#include "skin/forms/skinned_controls.h"

namespace {
TControlAssigner& Slot() {
  static TControlAssigner assigner;
  return assigner;
}
}  // namespace

void SetControlAssigner(TControlAssigner assigner) { Slot() = std::move(assigner); }
const TControlAssigner& ControlAssigner() { return Slot(); }
