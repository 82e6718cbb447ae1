// The entries for the window skin: make a control wrapper by its class name and
// attach it to a framework control (which owns it), choosing the attach call the
// wrapper needs (scroll-bar wrappers: InitScrollbar), or to a bare window.
//   TSkinControlKind   one wrapper class a program can make: its name and its maker
//   TSkinControlKinds  the wrapper classes one program makes; a class it does not list
//                      gets no wrapper there. Tools and tests use AllSkinControlKinds;
//                      a program that shows only a few kinds of control lists just
//                      those, so that the others are not linked into it.
#pragma once
#include <windows.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

class TComponent;
class TControl;
class TSkinControl;
class TSkinControlList;
class TSkinData;

struct TSkinControlKind {
  const char* wrapperClass;  // "TSkinButton", "TSkinComBox", ...
  TSkinControl* (*make)(TComponent* owner);
};

// The maker of a TSkinControlKind for wrapper class T.
template <class T>
TSkinControl* MakeSkinControl(TComponent* owner) {
  return new T(owner);
}

class TSkinControlKinds {
 public:
  TSkinControlKinds(std::initializer_list<TSkinControlKind> kinds) : kinds_(kinds) {}
  // A new wrapper of the named class owned by owner; null for a class not listed.
  TSkinControl* Make(const std::string& wrapperClass, TComponent* owner) const;
  size_t Count() const { return kinds_.size(); }

 private:
  std::vector<TSkinControlKind> kinds_;
};

// Every wrapper class of src/skin/controls.
const TSkinControlKinds& AllSkinControlKinds();

// A new wrapper of the named class owned by owner; null for a class kinds does not list.
TSkinControl* NewSkinControl(const std::string& wrapperClass, TComponent* owner,
                             const TSkinControlKinds& kinds = AllSkinControlKinds());

// Makes the wrapper for control (owned by the control) and attaches it to windowSkin's
// list; null when the class is unknown or the control's window cannot be made.
// single: a TSkinScrollbar in single mode (no border).
TSkinControl* SkinFrameworkControl(const std::string& wrapperClass, TControl* control,
                                   TSkinControlList* windowSkin, TSkinData* skinData,
                                   bool manageColour, bool single = false,
                                   const TSkinControlKinds& kinds = AllSkinControlKinds());

// Makes the wrapper for a bare window (a child window that no framework control owns,
// such as a button of a message box) and attaches it with InitSkinWindow: the window's
// procedure is replaced until the wrapper is freed, and a window destroyed first leaves
// the wrapper dead (state 6) for the window skin's sweep. owner owns the wrapper (the
// window skin's component); with a null owner the caller frees it (Free). Null when the
// class is unknown, the window does not exist or belongs to another thread, or the
// window is skinned already (it answers the query-skinned message with 1).
TSkinControl* SkinBareWindow(const std::string& wrapperClass, HWND window,
                             TSkinControlList* windowSkin, TSkinData* skinData,
                             TComponent* owner = nullptr,
                             const TSkinControlKinds& kinds = AllSkinControlKinds());
