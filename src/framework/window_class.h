// Window classes of the framework's controls and the link from a window to the
// control that owns it. GUI thread only.
#pragma once
#include <windows.h>

#include <string>

class TWinControl;

namespace wndclass {
// Registers the class name once for this module with procedure proc. With a base
// class, the new class copies the base's settings (a superclass) and baseProc
// receives the base's window procedure. Returns false when registration failed.
bool Register(const std::wstring& name, const std::wstring& base, UINT style, HICON icon,
              WNDPROC proc, WNDPROC* baseProc);
// The name of the window property that links a framework window to its control:
// "ControlOfs" + the module handle and the GUI thread's identifier, eight upper-case
// hexadecimal digits each. Made once, on the first call (from the GUI thread), and
// held as a global atom for the process's life.
const std::wstring& ControlPropertyName();
ATOM ControlPropertyAtom();
// Links a window to its control (stored as a window property) and back.
void Link(HWND window, TWinControl* control);
void Unlink(HWND window);
TWinControl* Find(HWND window);
}  // namespace wndclass
