// The process-wide skin manager reference and the null stand-in manager.
#include "skin/data/skin_manager_link.h"

namespace {

// The one skin manager of the process (GUI thread only), and how to make it.
struct ManagerSlot {
  SkinManagerFactory factory;
  std::unique_ptr<ISkinManagerLink> manager;
};

ManagerSlot& Slot() {
  static ManagerSlot slot;
  return slot;
}

}  // namespace

void TNullSkinManager::Request(unsigned action, unsigned delayMs) {
  (void)delayMs;
  if (runState_ == 0) {
    if (action == 1) enabled_ = true;
    if (action == 2) enabled_ = false;
  }
}

void SetSkinManagerFactory(SkinManagerFactory factory) { Slot().factory = std::move(factory); }

ISkinManagerLink* CurrentSkinManager() { return Slot().manager.get(); }

ISkinManagerLink& EnsureSkinManager() {
  ManagerSlot& slot = Slot();
  if (!slot.manager) {
    if (slot.factory) slot.manager = slot.factory();
    if (!slot.manager) slot.manager = std::make_unique<TNullSkinManager>();
  }
  return *slot.manager;
}

void DestroySkinManager() { Slot().manager.reset(); }
