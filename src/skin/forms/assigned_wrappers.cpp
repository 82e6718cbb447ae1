// The window skin's entries for assigned wrappers (see assigned_wrappers.h).
#include "skin/forms/assigned_wrappers.h"

#include <algorithm>
#include <utility>

#include "skin/controls/skin_control.h"

TAssignedWrapper::TAssignedWrapper(std::shared_ptr<TSkinControlList> list, TSkinControl* wrapper)
    : list_(std::move(list)), wrapper_(wrapper), window_(wrapper ? wrapper->Handle() : nullptr) {}

TAssignedWrapper::~TAssignedWrapper() { FreeWrapper(); }

bool TAssignedWrapper::Dead() const {
  return !Alive() || wrapper_->State() == TSkinControl::kStateDead;
}

void TAssignedWrapper::Restore() {
  if (!Alive()) return;
  wrapper_->Unskin();
  FreeWrapper();
}

void TAssignedWrapper::Reapply() {
  if (Alive() && wrapper_->State() != TSkinControl::kStateDead) wrapper_->SkinChanged();
}

void TAssignedWrapper::FreeWrapper() {
  // A wrapper owned by its control leaves the control's components when freed.
  if (Alive()) wrapper_->Free();
}

std::shared_ptr<TSkinControlList> SharedWrapperList(const TSkinnedControlList& entries, HWND window) {
  for (const auto& entry : entries)
    if (auto* assigned = dynamic_cast<const TAssignedWrapper*>(entry.get())) return assigned->List();
  auto list = std::make_shared<TSkinControlList>();
  list->Window = window;
  return list;
}

void SweepDeadEntries(TSkinnedControlList& entries) {
  entries.erase(std::remove_if(entries.begin(), entries.end(),
                               [](const std::unique_ptr<ISkinnedControl>& entry) {
                                 return !entry || entry->Dead();
                               }),
                entries.end());
}
