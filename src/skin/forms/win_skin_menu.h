// TWinSkinMenu: the menus of one skinned window (Windows only). It takes the window's
// menu bar off the window and draws it in the non-client band from the skin (with or
// without the skin's menu-bar object, right-to-left too), keeps one TMenuBtn per
// top-level item, opens their sub-menus with TrackPopupMenu and moves between them with
// the mouse and the left and right keys (a WH_MSGFILTER hook while a menu is open; a
// maximised MDI child's icon is the stop before the first button),
// opens a menu by its accelerator, and draws the items of every menu the window opens
// (menu bar, context menus) owner-drawn from the skin's MenuItem object. In an MDI frame
// a maximised child's icon (its system menu) and caption buttons sit in the bar.
//
// It is the menus part of window skins (TWindowSkinParts): a program that leaves that
// part out carries none of this.
//
// Tracking: idle -> open (hook installed) -> switching (the open menu is ended and the
// next button opens) -> open again or idle. One menu is tracked at a time.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/bitmap.h"
#include "skin/forms/menu_btn.h"
#include "skin/forms/owner_drawn_menus.h"
#include "skin/forms/window_skin_parts.h"

class TForm;
class TMenu;
class TSkinData;
class TSkinManage;
class TWinSkinForm;
struct TWindowFacts;

// The active MDI child of an MDI client when it is maximised, else null.
HWND MaximisedMdiChild(HWND client);
// Takes out of a frame's menu the items the system adds for a maximised MDI child (its
// icon with its system menu, and its minimise, restore and close pictures).
void RemoveMdiFrameItems(HMENU menu);

// The menus of a window skin (the menus part of AllWindowSkinParts).
std::unique_ptr<TWindowMenus> MakeWinSkinMenu(TWinSkinForm& windowSkin, TSkinManage& manager,
                                              HWND window, TForm* form, TSkinData& skin);
// The menus of a window skin when they are a TWinSkinMenu, else null.
TWinSkinMenu* WinSkinMenuOf(const TWinSkinForm& windowSkin);

class TWinSkinMenu : public TWindowMenus {
 public:
  TWinSkinMenu(TWinSkinForm& windowSkin, TSkinManage& manager, HWND window, TForm* form);
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;
  ~TWinSkinMenu() override;

  // TWindowMenus
  bool Build(TSkinData& skin) override;
  void GiveBack() override;
  bool HasBar() const override { return menu_ != nullptr; }
  void Paint(HDC windowDc, const RECT& bar, bool active, bool rightToLeft) override;
  void OpenAt(POINT window) override;
  bool HandleNcMouse(UINT msg, POINT window, LRESULT& result) override;
  bool HandleKeyMenu(wchar_t key) override;
  bool HandleDialogChar(wchar_t key) override;
  bool HandleMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  // The skin the menus draw from (also a window's context menus without a bar).
  void SetSkin(TSkinData& skin) { skin_ = &skin; }
  HMENU MenuHandle() const { return menu_; }

  // The first button at a window point whose caption is not empty, or null.
  TMenuBtn* HitTest(POINT window) const;
  // The first enabled, visible button with the key as its accelerator, or null.
  TMenuBtn* FindAccelerator(wchar_t key) const;
  // Opens the button's sub-menu (and the ones the user moves to) until the menus close.
  void Open(TMenuBtn& button, bool byKeyboard = false);
  const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return buttons_; }
  // The button whose menu is open (-1: none, kChildIconIndex: the maximised MDI child's
  // system menu under its icon; process-wide).
  static int OpenIndex();
  static constexpr int kChildIconIndex = -2;
  // True (once) when Alt closed the bar's menu a moment ago.
  static bool AltJustEndedTracking();

  const TSkinData* Skin() const { return skin_; }
  RECT BarRect() const { return bar_; }
  // A maximised MDI child's icon in the bar (window coordinates; empty: none).
  RECT ChildIconRect() const { return childIcon_; }
  const TBitmap& Background() const { return background_; }
  bool RightToLeft() const { return rightToLeft_; }

 private:
  friend struct TMenuTracking;
  void ClearButtons();
  // MDI frame (win_skin_menu_mdi.cpp): a maximised child's icon at x and its caption
  // buttons into the bar buffer; returns where the first button starts.
  int PaintMdiParts(HDC buffer, const RECT& bar, int x, bool rightToLeft);
  // A maximised MDI child's icon shows in the bar.
  bool HasChildIcon() const;
  // Runs the maximised child's system menu under its icon; the command chosen, or 0.
  UINT RunChildSystemMenu(HMENU system);
  // Opens the menu at index (a button's or kChildIconIndex) and then the ones the user
  // moves to, until the menus close.
  void Track(int index, bool byKeyboard);
  void TrackOnce(TMenuBtn& button, bool byKeyboard);
  void TrackChildSystemMenu(bool byKeyboard);
  // A button's top-left + (1, 1), and its menu's corner (left or right, bottom), on screen.
  POINT ScreenPointOf(const TMenuBtn& button) const;
  POINT ScreenPointOfBottom(const TMenuBtn& button) const;

  TWinSkinForm& windowSkin_;
  TSkinManage& manager_;
  HWND window_;
  TForm* form_;
  TSkinData* skin_ = nullptr;
  HMENU menu_ = nullptr;
  std::vector<std::unique_ptr<TMenuBtn>> buttons_;
  RECT bar_{};
  TBitmap background_;
  bool rightToLeft_ = false;
  bool painting_ = false;
  TOwnerDrawnMenus ownerDrawn_;
  HWND mdiChild_ = nullptr;  // the maximised MDI child whose icon the bar shows
  RECT childIcon_{};         // its icon (window coordinates; empty: none)
  // The item last selected in an open menu (from WM_MENUSELECT).
  HMENU selectedMenu_ = nullptr;
  HMENU selectedSubMenu_ = nullptr;
  bool selectedHasSub = false;  // the selected item opens a sub-menu
};
