// TComponent ownership (see component.h).
#include "framework/component.h"

#include <algorithm>

#include "framework/path_text.h"

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_) owner_->Remove(this);
}

void TComponent::DefineProperties(TPropList& list) const {
  list.String<TComponent>("Name", [](TComponent& c) { return c.Name; },
                          [](TComponent& c, const std::string& v) { c.Name = v; });
  list.Integer<TComponent>("Tag", [](TComponent& c) -> int64_t { return c.Tag; },
                           [](TComponent& c, int64_t v) { c.Tag = static_cast<long>(v); });
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* c : components_)
    if (!name.empty() && SameTextAscii(c->Name, name)) return c;
  return nullptr;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    components_.pop_back();
    last->owner_ = nullptr;
    last->Free();
  }
}

void TComponent::Free() {
  BeforeDestruction();
  delete this;
}

void TComponent::Insert(TComponent* component) { components_.push_back(component); }

void TComponent::Remove(TComponent* component) {
  auto it = std::find(components_.begin(), components_.end(), component);
  if (it != components_.end()) components_.erase(it);
}
