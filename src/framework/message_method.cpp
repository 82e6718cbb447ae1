// TMessageMethod and TControlSubclass (see message_method.h). The replacements form a
// singly linked list of shared nodes from the latest to the first; a running call holds
// the node it is in, and a removed node keeps its link to the nodes below, so removal
// never cuts a running call off from the rest of the chain.
#include "framework/message_method.h"

#include <utility>

#include "framework/control.h"

struct TMessageMethod::Anchor {
  std::shared_ptr<const TWndMethod> assigned;
  std::shared_ptr<Node> top;
};

struct TMessageMethod::Node {
  TControlSubclass::Handler handler;
  std::shared_ptr<Node> below;
  std::shared_ptr<Anchor> anchor;  // the method the node belongs to
  TControlSubclass* owner = nullptr;
  bool removed = false;
};

std::shared_ptr<TMessageMethod::Anchor> TMessageMethod::Anchored() const {
  if (!anchor_) anchor_ = std::make_shared<Anchor>();
  return anchor_;
}

TMessageMethod::~TMessageMethod() {
  if (!anchor_) return;
  // The control is going: its replacements are no longer attached to anything.
  for (auto node = anchor_->top; node; node = node->below) {
    node->removed = true;
    if (TControlSubclass* owner = std::exchange(node->owner, nullptr)) owner->control_ = nullptr;
  }
  anchor_->top.reset();
  anchor_->assigned.reset();
}

TMessageMethod& TMessageMethod::operator=(TWndMethod method) {
  Anchored()->assigned = method ? std::make_shared<const TWndMethod>(std::move(method)) : nullptr;
  return *this;
}

TMessageMethod::operator TWndMethod() const {
  std::shared_ptr<const TWndMethod> assigned = anchor_ ? anchor_->assigned : nullptr;
  if (!assigned) return {};
  return [assigned](TMessage& message) { (*assigned)(message); };
}

TMessageMethod::operator bool() const {
  return anchor_ && (anchor_->top || anchor_->assigned);
}

void TMessageMethod::Dispatch(TMessage& message) const {
  if (!anchor_) return;
  std::shared_ptr<Anchor> anchor = anchor_;
  RunFrom(anchor->top, anchor, message);
}

void TMessageMethod::RunFrom(std::shared_ptr<Node> node, const std::shared_ptr<Anchor>& anchor,
                             TMessage& message) {
  for (; node; node = node->below)
    if (!node->removed && node->handler && node->handler(message)) return;
  std::shared_ptr<const TWndMethod> assigned = anchor->assigned;
  if (assigned && *assigned)
    (*assigned)(message);
  else
    message.Result = 0;
}

bool TControlSubclass::Attach(TControl& control, Handler handler) {
  if (control_) return false;
  auto anchor = control.WindowProc.Anchored();
  auto node = std::make_shared<TMessageMethod::Node>();
  node->handler = std::move(handler);
  node->below = anchor->top;
  node->anchor = anchor;
  node->owner = this;
  anchor->top = node;
  node_ = std::move(node);
  control_ = &control;
  return true;
}

void TControlSubclass::Detach() noexcept {
  if (!control_) return;
  control_ = nullptr;
  TMessageMethod::Node* node = node_.get();
  node->owner = nullptr;
  node->removed = true;
  // Unlink it; the node itself keeps pointing below for a call running in it.
  std::shared_ptr<TMessageMethod::Node>* link = &node->anchor->top;
  while (*link && link->get() != node) link = &(*link)->below;
  if (*link) *link = node->below;
}

void TControlSubclass::CallPrevious(TMessage& message) const {
  if (!node_) {
    message.Result = 0;
    return;
  }
  TMessageMethod::RunFrom(node_->below, node_->anchor, message);
}
