// TComponent: an object with a name, a Tag and an owner. The owner frees the
// components it owns when it is freed; a component freed first leaves its owner's
// list. Portable (no Win32).
#pragma once
#include <string>
#include <vector>

#include "framework/properties.h"

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  const char* ClassName() const override { return "TComponent"; }
  void DefineProperties(TPropList& list) const override;

  TComponent* Owner() const { return owner_; }
  // Runs BeforeDestruction, then deletes the component (which must be on the heap).
  void Free();
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
  // The owned component with this name (case-insensitive), or null.
  TComponent* FindComponent(const std::string& name) const;

  std::string Name;
  long Tag = 0;

 protected:
  // Frees every owned component, the last created first, each through Free. Derived
  // destructors may call it early when owned components must go while the derived part
  // is still whole.
  void DestroyComponents();
  // Called by Free (and so by the owner) while the whole object still exists, before its
  // destructors run: the place to let go of what calls back into derived parts.
  virtual void BeforeDestruction() {}

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
};
