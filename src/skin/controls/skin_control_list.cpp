// TSkinControlList (see skin_control_list.h).
#include "skin/controls/skin_control_list.h"

#include <algorithm>

#include "skin/controls/skin_control.h"

TSkinControlList::~TSkinControlList() {
  for (TSkinControl* wrapper : items_) wrapper->ForgetWindowSkin(this);
}

void TSkinControlList::Add(TSkinControl* wrapper) {
  if (wrapper && !Contains(wrapper)) items_.push_back(wrapper);
}

void TSkinControlList::Remove(TSkinControl* wrapper) {
  auto it = std::find(items_.rbegin(), items_.rend(), wrapper);
  if (it != items_.rend()) items_.erase(std::next(it).base());
}

bool TSkinControlList::Contains(const TSkinControl* wrapper) const {
  return std::find(items_.begin(), items_.end(), wrapper) != items_.end();
}

TSkinControl* TSkinControlList::FindByControl(const TControl* control) const {
  for (TSkinControl* wrapper : items_)
    if (control && wrapper->Control() == control) return wrapper;
  return nullptr;
}

TSkinControl* TSkinControlList::FindByHandle(HWND window) const {
  for (TSkinControl* wrapper : items_)
    if (window && wrapper->Handle() == window) return wrapper;
  return nullptr;
}

void TSkinControlList::SkinChanged() {
  // A wrapper may not change the list while it repaints, but copy to be safe.
  std::vector<TSkinControl*> items = items_;
  for (TSkinControl* wrapper : items) wrapper->SkinChanged();
}
