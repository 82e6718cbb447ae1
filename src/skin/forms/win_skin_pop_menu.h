// TWinSkinPopMenu: the skin of one pop-up menu window (class "#32768", Windows only). It
// subclasses the window and paints its background and outer 3-pixel border from the
// skin's MenuBackground object (nine-slice at the window's size) over what the system
// draws; without that object the window is left to the system.
//   TPopupMenuSkins: the live pop-up skins; the skin manager's pop-up seam makes one for
//   every pop-up window it allows, and each goes when its window is destroyed.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/bitmap.h"
#include "framework/subclass.h"

class TSkinData;
class TSkinManage;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu(HWND window, TSkinData& skin, bool menuBar);
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  bool Attach();
  bool Dead() const { return !subclass_.Attached(); }
  HWND Window() const { return window_; }
  bool MenuBar() const { return menuBar_; }
  // Paints the border (and, with xoMenuBG, nothing of the system's background) onto a
  // window DC; false when the skin has no usable MenuBackground.
  bool PaintBorder(HDC windowDc);

 private:
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // True when the window shows a menu that keeps the system's look (asked once the
  // window knows its menu).
  bool Refused();
  bool Render();

  HWND window_;
  TSkinData& skin_;
  bool menuBar_;
  TWindowSubclass subclass_;
  TBitmap background_;
  bool menuKnown_ = false, refused_ = false, asking_ = false;
};

class TPopupMenuSkins {
 public:
  // Skins the pop-up window (at its creation).
  void Add(HWND window, TSkinData& skin, bool menuBar);
  int Count();

 private:
  void Purge();
  std::vector<std::unique_ptr<TWinSkinPopMenu>> skins_;
};

// Makes the manager skin the pop-up menu windows it allows.
void InstallPopupMenuSkins(TSkinManage& manager);
