// TMenuBtn: one top-level item of a skinned menu bar, a non-client object that hovers,
// presses and opens its sub-menu (the bar, TWinSkinMenu, does the opening). It paints
// itself over the bar's saved background: a frame in ButtonHilight when hot or
// pressed, and its caption in MenuBarText (ButtonShadow when disabled).
#pragma once
#include <windows.h>

#include <string>

#include "skin/forms/nc_object.h"

class TMenuItem;
class TSkinData;
class TWinSkinMenu;

class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TNCHost& host, TWinSkinMenu& bar, int index);

  void Paint(HDC windowDc) override;

  TWinSkinMenu& Bar() const { return bar_; }
  int Index = 0;
  std::wstring Caption;
  bool Enabled = true;
  HMENU SubMenu = nullptr;      // null for an item without sub-items
  UINT Command = 0;
  TMenuItem* Item = nullptr;    // the framework item, when known

 private:
  TWinSkinMenu& bar_;
};
