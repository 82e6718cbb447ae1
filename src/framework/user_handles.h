// Owners for USER and common-control handles (Windows only), beside the GDI owners of
// gdi.h. Each is uncopyable, movable and frees its handle exactly once.
//   OwnedMenu        HMENU (DestroyMenu; a menu given to a window is the window's)
//   OwnedIcon        HICON made by CreateIcon*, CopyIcon, ... (DestroyIcon; never for
//                    shared icons from LoadIcon)
//   OwnedImageList   HIMAGELIST (ImageList_Destroy)
// Thread hooks have their own owner with a callback: TWindowsHook (hook.h).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

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
  // Gives the handle away (for instance to SetMenu, after which the window owns it).
  T Release() { return std::exchange(handle_, nullptr); }

 private:
  T handle_ = nullptr;
};

struct MenuTraits {
  static void Free(HMENU menu) { DestroyMenu(menu); }
};
struct IconTraits {
  static void Free(HICON icon) { DestroyIcon(icon); }
};
struct ImageListTraits {
  static void Free(HIMAGELIST list) { ImageList_Destroy(list); }
};

using OwnedMenu = UniqueHandle<HMENU, MenuTraits>;
using OwnedIcon = UniqueHandle<HICON, IconTraits>;
using OwnedImageList = UniqueHandle<HIMAGELIST, ImageListTraits>;
