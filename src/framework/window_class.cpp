// Window-class registration and the window-to-control link (see window_class.h).
#include "framework/window_class.h"

#include <map>

#include "framework/hex_text.h"

namespace {
struct ControlProperty {
  std::wstring name;
  ATOM atom = 0;
};

const ControlProperty& TheControlProperty() {
  static const ControlProperty property = [] {
    std::wstring name = L"ControlOfs" +
                        UpperHex<wchar_t>(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr)))) +
                        UpperHex<wchar_t>(static_cast<uint32_t>(GetCurrentThreadId()));
    return ControlProperty{name, GlobalAddAtomW(name.c_str())};
  }();
  return property;
}

// The property key: the atom when there is one, else the name.
LPCWSTR ControlPropertyKey() {
  const ControlProperty& property = TheControlProperty();
  return property.atom ? MAKEINTATOM(property.atom) : property.name.c_str();
}

struct ClassRecord {
  WNDPROC baseProc = nullptr;
};

// Registered classes of this module; touched on the GUI thread only.
std::map<std::wstring, ClassRecord>& Registered() {
  static std::map<std::wstring, ClassRecord> classes;
  return classes;
}
}  // namespace

namespace wndclass {
bool Register(const std::wstring& name, const std::wstring& base, UINT style, HICON icon,
              WNDPROC proc, WNDPROC* baseProc) {
  auto& classes = Registered();
  auto found = classes.find(name);
  if (found != classes.end()) {
    if (baseProc) *baseProc = found->second.baseProc;
    return true;
  }
  HINSTANCE module = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  ClassRecord record;
  if (!base.empty()) {
    if (!GetClassInfoExW(nullptr, base.c_str(), &wc) &&
        !GetClassInfoExW(module, base.c_str(), &wc))
      return false;
    record.baseProc = wc.lpfnWndProc;
    wc.cbSize = sizeof(wc);
  } else {
    wc.style = style;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hIcon = icon;
    wc.hbrBackground = nullptr;  // the control paints its own background
  }
  wc.lpfnWndProc = proc;
  wc.hInstance = module;
  wc.lpszClassName = name.c_str();
  wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  classes[name] = record;
  if (baseProc) *baseProc = record.baseProc;
  return true;
}

const std::wstring& ControlPropertyName() { return TheControlProperty().name; }

ATOM ControlPropertyAtom() { return TheControlProperty().atom; }

void Link(HWND window, TWinControl* control) {
  SetPropW(window, ControlPropertyKey(), reinterpret_cast<HANDLE>(control));
}

void Unlink(HWND window) { RemovePropW(window, ControlPropertyKey()); }

TWinControl* Find(HWND window) {
  if (!window) return nullptr;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return nullptr;
  return reinterpret_cast<TWinControl*>(GetPropW(window, ControlPropertyKey()));
}
}  // namespace wndclass
