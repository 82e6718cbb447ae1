// Owners for USER and common-control handles (Windows only), beside the GDI owners of
// gdi.h (same UniqueHandle template). Each is uncopyable, movable and frees its handle
// exactly once.
//   OwnedMenu        HMENU (DestroyMenu; a menu given to a window is the window's)
//   OwnedIcon        HICON made by CreateIcon*, CopyIcon, ... (DestroyIcon; never for
//                    shared icons from LoadIcon)
//   OwnedImageList   HIMAGELIST (ImageList_Destroy)
// Thread hooks have their own owner with a callback: TWindowsHook (hook.h).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/gdi.h"

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
