// TSkinControlList: a window skin's list of control wrappers. A wrapper joins it when
// it attaches and leaves it when it is freed; the list never owns the wrappers (a
// framework control owns its wrapper, the window skin those of bare windows). When the
// list goes first, its wrappers forget it.
#pragma once
#include <windows.h>

#include <vector>

class TSkinControl;
class TControl;

class TSkinControlList {
 public:
  TSkinControlList() = default;
  TSkinControlList(const TSkinControlList&) = delete;
  TSkinControlList& operator=(const TSkinControlList&) = delete;
  virtual ~TSkinControlList();

  // Adds a wrapper unless it is in the list already.
  void Add(TSkinControl* wrapper);
  // Removes a wrapper (searching from the end); nothing when it is not listed.
  void Remove(TSkinControl* wrapper);
  bool Contains(const TSkinControl* wrapper) const;
  // The listed wrapper of a framework control or of a window, or null.
  TSkinControl* FindByControl(const TControl* control) const;
  TSkinControl* FindByHandle(HWND window) const;
  const std::vector<TSkinControl*>& Items() const { return items_; }
  // Calls SkinChanged of every wrapper.
  void SkinChanged();

  // The skinned window; receives skinmsg::kReplaceScrollBar. May stay null.
  HWND Window = nullptr;

 private:
  std::vector<TSkinControl*> items_;
};
