// TNCObject: a clickable object in a skinned window's non-client area (a caption button,
// later a menu-bar button) with its rectangle in window coordinates and its state. The
// window skin that owns it is its TNCHost: it keeps the one hot object and repaints an
// object after a state change.
#pragma once
#include <windows.h>

class TNCObject;

class TNCHost {
 public:
  virtual ~TNCHost() = default;
  virtual TNCObject* HotObject() const = 0;
  virtual void SetHotObject(TNCObject* object) = 0;
  // Paints the object in its current state straight onto the window.
  virtual void RepaintObject(TNCObject& object) = 0;
};

enum TNCState { ncNormal = 1, ncPressed = 2, ncHot = 3 };

class TNCObject {
 public:
  explicit TNCObject(TNCHost& host) : host_(host) {}
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;
  virtual ~TNCObject() = default;

  // Another hot object leaves; a visible object becomes hot, pressed, and is painted.
  virtual void Press();
  // A visible object goes back to hot and is painted.
  virtual void Release();
  // The object under the mouse becomes the hot one (the previous one leaves).
  virtual void Enter();
  // A visible object stops being hot and is painted normal.
  virtual void Leave();
  // Paints the current state onto the window device context (nothing in the base).
  virtual void Paint(HDC windowDc) { (void)windowDc; }

  RECT Rect{};
  bool Visible = false;
  TNCState State = ncNormal;

 protected:
  TNCHost& Host() const { return host_; }

 private:
  void GoOn();
  TNCHost& host_;
};
