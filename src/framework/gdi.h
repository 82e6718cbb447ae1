// Owners for Win32 GDI and USER handles (Windows only). Each owner type is uncopyable,
// movable and frees its handle exactly once; borrowed handles stay plain handles.
//   UniqueHandle   the owner template (a handle type and how it is freed)
//   GdiObject<T>   HBITMAP, HBRUSH, HPEN, HFONT, HRGN (DeleteObject)
//   MemoryDC       CreateCompatibleDC / DeleteDC, movable, with the bitmap it holds
//                  selected and the DC's own bitmap put back before deletion
//   WindowDC       GetDC / ReleaseDC (or GetWindowDC with WindowDC::Whole)
//   SelectGuard    SelectObject, restored on scope exit
//   Win32Handle    kernel HANDLE (CloseHandle)
// Menus, icons, image lists and hooks: see user_handles.h and hook.h.
#pragma once
#include <windows.h>

#include <utility>

// An owned handle freed by Traits::Free(handle).
template <typename T, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  T Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(T handle = nullptr) {
    if (handle_) Traits::Free(handle_);
    handle_ = handle;
  }
  // Gives the handle away (to SetWindowRgn or SetMenu, after which the window owns it).
  T Release() { return std::exchange(handle_, nullptr); }

 private:
  T handle_ = nullptr;
};

template <typename T>
struct GdiObjectTraits {
  static void Free(T handle) { DeleteObject(handle); }
};
template <typename T>
using GdiObject = UniqueHandle<T, GdiObjectTraits<T>>;

using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedPen = GdiObject<HPEN>;
using OwnedFont = GdiObject<HFONT>;
using OwnedRegion = GdiObject<HRGN>;

// A memory device context compatible with reference (the screen when null).
class MemoryDC {
 public:
  explicit MemoryDC(HDC reference = nullptr) : dc_(CreateCompatibleDC(reference)) {}
  // An owner without a device context (to be given one by moving).
  static MemoryDC Unset() { return MemoryDC(UnsetTag{}); }
  MemoryDC(MemoryDC&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), original_(std::exchange(other.original_, nullptr)) {}
  MemoryDC& operator=(MemoryDC&& other) noexcept {
    if (this != &other) {
      Reset();
      dc_ = std::exchange(other.dc_, nullptr);
      original_ = std::exchange(other.original_, nullptr);
    }
    return *this;
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() { Reset(); }

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  // Selects a bitmap for the DC's life (the DC's own one comes back before deletion);
  // false when there is no DC or GDI refuses.
  bool SelectBitmap(HBITMAP bitmap) {
    if (!dc_ || !bitmap) return false;
    HGDIOBJ previous = SelectObject(dc_, bitmap);
    if (!previous || previous == HGDI_ERROR) return false;
    if (!original_) original_ = previous;
    return true;
  }
  // Deletes the DC (its own bitmap selected back first) and becomes empty.
  void Reset() {
    if (dc_ && original_) SelectObject(dc_, original_);
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
    original_ = nullptr;
  }

 private:
  struct UnsetTag {};
  explicit MemoryDC(UnsetTag) : dc_(nullptr) {}
  HDC dc_;
  HGDIOBJ original_ = nullptr;  // the DC's own bitmap while another one is selected
};

// A window's (client or whole-window) device context, released on scope exit.
class WindowDC {
 public:
  enum Area { Client, Whole };
  explicit WindowDC(HWND window, Area area = Client)
      : window_(window), dc_(area == Whole ? GetWindowDC(window) : GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (dc_ && previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A kernel handle (process, thread, event, file), closed on scope exit.
class Win32Handle {
 public:
  Win32Handle() = default;
  explicit Win32Handle(HANDLE handle) : handle_(handle) {}
  Win32Handle(Win32Handle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Win32Handle& operator=(Win32Handle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  Win32Handle(const Win32Handle&) = delete;
  Win32Handle& operator=(const Win32Handle&) = delete;
  ~Win32Handle() { Close(); }
  HANDLE Get() const { return handle_; }
  explicit operator bool() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
  void Close() {
    if (*this) CloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  HANDLE handle_ = nullptr;
};
