// The optional parts of window skins, chosen by each program (Windows only):
//   TWindowMenus      what a window skin asks of its window's menus: the menu bar drawn
//                     by the skin (with an MDI frame's child icon and buttons in it) and
//                     the owner-drawn items of the window's context menus. TWinSkinMenu
//                     is the one implementation.
//   TWindowSkinParts  the parts the skin manager gives the window skins it makes. A part
//                     left null is not linked into the program: tools and tests use
//                     AllWindowSkinParts; a program whose windows never have a menu bar
//                     nor context menus (the launcher) leaves the menus out, and its
//                     window skins draw only their system menu.
#pragma once
#include <windows.h>

#include <memory>

class TForm;
class TSkinData;
class TSkinManage;
class TWinSkinForm;

class TWindowMenus {
 public:
  virtual ~TWindowMenus() = default;

  // Makes the bar from the window's menu and takes the menu off the window. False when
  // the window has no menu.
  virtual bool Build(TSkinData& skin) = 0;
  // Gives the window its menu back (detach).
  virtual void GiveBack() = 0;
  virtual bool HasBar() const = 0;
  // Paints the bar into a window DC at bar (window coordinates).
  virtual void Paint(HDC windowDc, const RECT& bar, bool active, bool rightToLeft) = 0;
  // Opens the menu of the bar button at a window point; nothing when no button is there.
  virtual void OpenAt(POINT window) = 0;
  // Non-client mouse messages on the bar (window point); false when not on a button.
  virtual bool HandleNcMouse(UINT msg, POINT window, LRESULT& result) = 0;
  // A menu key (SC_KEYMENU with a character): opens the button it is the accelerator of.
  virtual bool HandleKeyMenu(wchar_t key) = 0;
  // Alt and a character on a framework form: the button's menu opens; true when handled.
  virtual bool HandleDialogChar(wchar_t key) = 0;
  // Menu messages of the window (measure, draw, pop-up init, selection, menu loop).
  virtual bool HandleMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
};

// Makes the menus of a window skin that draw from skin.
using TWindowMenusMaker = std::unique_ptr<TWindowMenus> (*)(TWinSkinForm& windowSkin,
                                                            TSkinManage& manager, HWND window,
                                                            TForm* form, TSkinData& skin);

struct TWindowSkinParts {
  // Null: window skins leave the window's menu bar to the system and its context menus
  // as they are.
  TWindowMenusMaker menus = nullptr;
};

// Every part (all_window_skin_parts.cpp).
const TWindowSkinParts& AllWindowSkinParts();
