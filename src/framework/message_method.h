// A framework control's replaceable message method and the owner of one replacement.
//   TMessageMethod     the method (TControl::WindowProc): assignable like a TWndMethod,
//                      with replacements (TControlSubclass) stacked above it
//   TControlSubclass   one replacement: its handler runs before the ones below it
//
// Order: a message goes to the replacements, the latest attached first, each passing on
// what it does not handle; then to the assigned method (by default the control's own
// WndProc). Replacements can be attached and detached in any order.
// Safety: a call keeps the method and the handlers it runs alive, so a handler may put
// the previous method back, detach itself or free its owner while it runs; CallPrevious
// still reaches the methods below during that call.
#pragma once
#include <functional>
#include <memory>

#include "framework/messages.h"

class TControl;
class TControlSubclass;

class TMessageMethod {
 public:
  TMessageMethod() = default;
  TMessageMethod(const TMessageMethod&) = delete;
  TMessageMethod& operator=(const TMessageMethod&) = delete;
  ~TMessageMethod();

  // Replaces the assigned method (the replacements above it stay).
  TMessageMethod& operator=(TWndMethod method);
  // The assigned method, to save and put back later; it stays callable after replacement.
  operator TWndMethod() const;
  explicit operator bool() const;
  // Runs the message through the replacements and the assigned method. (A named call,
  // not operator(): a TWndMethod must be made from the assigned method, not from this.)
  void Dispatch(TMessage& message) const;

 private:
  friend class TControlSubclass;
  struct Node;
  struct Anchor;
  static void RunFrom(std::shared_ptr<Node> node, const std::shared_ptr<Anchor>& anchor,
                      TMessage& message);
  std::shared_ptr<Anchor> Anchored() const;

  mutable std::shared_ptr<Anchor> anchor_;
};

class TControlSubclass {
 public:
  // Returns true when the message was handled (its result set in message.Result).
  using Handler = std::function<bool(TMessage& message)>;

  TControlSubclass() = default;
  TControlSubclass(const TControlSubclass&) = delete;
  TControlSubclass& operator=(const TControlSubclass&) = delete;
  ~TControlSubclass() { Detach(); }

  // Puts the handler above the control's message method; false when already attached.
  bool Attach(TControl& control, Handler handler);
  void Detach() noexcept;
  bool Attached() const { return control_ != nullptr; }
  TControl* Control() const { return control_; }
  // Passes the message to what lies below this replacement (also from inside the handler
  // after Detach); sets Result 0 when nothing is there.
  void CallPrevious(TMessage& message) const;

 private:
  friend class TMessageMethod;
  TControl* control_ = nullptr;
  std::shared_ptr<TMessageMethod::Node> node_;
};
