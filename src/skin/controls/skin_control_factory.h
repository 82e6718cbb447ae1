// The entries for the window skin: make a control wrapper by its class name and
// attach it to a framework control (which owns it), choosing the attach call the
// wrapper needs (scroll-bar wrappers: InitScrollbar), or to a bare window.
#pragma once
#include <windows.h>

#include <string>

class TComponent;
class TControl;
class TSkinControl;
class TSkinControlList;
class TSkinData;

// A new wrapper of the named class (every wrapper class of src/skin/controls: "TSkinButton",
// "TSkinComBox", ...) owned by owner; null for another name.
TSkinControl* NewSkinControl(const std::string& wrapperClass, TComponent* owner);

// Makes the wrapper for control (owned by the control) and attaches it to windowSkin's
// list; null when the class is unknown or the control's window cannot be made.
// single: a TSkinScrollbar in single mode (no border).
TSkinControl* SkinFrameworkControl(const std::string& wrapperClass, TControl* control,
                                   TSkinControlList* windowSkin, TSkinData* skinData,
                                   bool manageColour, bool single = false);

// Makes the wrapper for a bare window (a child window that no framework control owns,
// such as a button of a message box) and attaches it with InitSkinWindow: the window's
// procedure is replaced until the wrapper is freed, and a window destroyed first leaves
// the wrapper dead (state 6) for the window skin's sweep. owner owns the wrapper (the
// window skin's component); with a null owner the caller frees it (Free). Null when the
// class is unknown, the window does not exist or belongs to another thread, or the
// window is skinned already (it answers the query-skinned message with 1).
TSkinControl* SkinBareWindow(const std::string& wrapperClass, HWND window,
                             TSkinControlList* windowSkin, TSkinData* skinData,
                             TComponent* owner = nullptr);
