// The run's message-only window (see run_messages.h).
#include "launcher/run_messages.h"

#include <stdexcept>

namespace {
const wchar_t kClassName[] = L"QuillmereRunMessages";
}  // namespace

TRunMessages::TRunMessages(std::function<void(UINT message)> handler) : handler_(std::move(handler)) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  if (!GetClassInfoW(instance, kClassName, &wc)) {
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
      throw std::runtime_error("Cannot register the launcher's message window");
  }
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
  if (!window_) throw std::runtime_error("Cannot create the launcher's message window");
}

TRunMessages::~TRunMessages() {
  if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK TRunMessages::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TRunMessages*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message >= WM_APP && message <= 0xBFFF) {
    try {
      self->handler_(message);
    } catch (...) {
      // Nothing leaves a window procedure; the handlers report their own failures.
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
