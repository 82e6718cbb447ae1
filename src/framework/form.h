// TForm: a top-level window with a border style, caption buttons, a client size, a
// start position, a menu bar, icons and a form style (normal, MDI frame, MDI child).
// Closing the application's main form ends the application. FormCreate runs once the
// form has been created by the application.
//   MDI: an fsMDIForm form makes its MDI client window (ClientHandle) with its own
//   window; an fsMDIChild form is made as an MDI child of its frame (MDIFrame, or the
//   application's main form), shown at once. The active child's main menu shows merged
//   into the frame's main menu.
//   A form given a parent control (SetParent) is placed on it: a child window without a
//   menu bar, shown with Show like any control.
//   AutoScroll: the form's scroll bars appear while controls lie outside its client
//   area, and scrolling moves the controls.
#pragma once
#include <windows.h>

#include "framework/menus.h"
#include "framework/user_handles.h"
#include "framework/win_control.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum TPosition { poDesigned, poScreenCenter };
enum TDefaultMonitor { dmDesktop, dmPrimary };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm };

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  const char* ClassName() const override { return "TForm"; }
  void DefineProperties(TPropList& list) const override;

  // Read when the window is created.
  TFormBorderStyle BorderStyle = bsSizeable;
  unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition Position = poDesigned;
  TDefaultMonitor DefaultMonitor = dmPrimary;
  TFormStyle FormStyle = fsNormal;
  TForm* MDIFrame = nullptr;  // an MDI child's frame; null: the application's main form

  // The form's icon (borrowed; null: the application's). The window gets it as its big
  // icon and a small-icon copy of it.
  HICON Icon() const { return icon_; }
  void SetIcon(HICON icon);

  // The menu bar's handle (null: none): a handle owned by the form (SetMenu) or the
  // main menu's. The window keeps its size when either is set.
  HMENU Menu() const;
  void SetMenu(OwnedMenu menu);
  // The main menu component (borrowed; null: none). Its items' commands reach their
  // Click; a change to it sends CM_MENUCHANGED through the form's message method.
  TMainMenu* MainMenu() const { return mainMenu_; }
  void SetMainMenu(TMainMenu* menu);
  // The context menu of the client area (borrowed; null: none), opened by a right click
  // or the menu key.
  TPopupMenu* PopupMenu = nullptr;

  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value);
  POINT ScrollPosition() const { return scrollPos_; }

  // Sets the window size so that the client area (below the menu bar) gets this size.
  void SetClientSize(int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;

  // An MDI frame's MDI client window (null otherwise, or before the window exists).
  HWND ClientHandle() const { return mdiClient_; }
  // The active MDI child of an MDI frame, when it is a framework form.
  TForm* ActiveMDIChild() const;

  // Runs the form's creation step (called once by TApplication::CreateForm).
  void DoCreate() { FormCreate(); }

 protected:
  virtual void FormCreate() {}
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void HandleCreated() override;
  LRESULT DefaultProcedure(UINT msg, WPARAM wParam, LPARAM lParam) override;
  RECT WindowBoundsForCreate() const override;
  bool HandleMessage(TMessage& message) override;
  void VisibleChanged() override;
  void ControlsChanged() override;

 private:
  DWORD WindowStyle() const;
  DWORD WindowExStyle() const;
  // The non-client size (frame, caption, menu bar) for the window style.
  SIZE NonClientSize() const;
  void ApplyIcons();
  void ShowMenu(HMENU menu);
  bool HandleMenuMessage(TMessage& message);
  // MDI (form_mdi.cpp).
  HWND FrameClientForChild() const;
  void CreateMdiClient();
  // An MDI child's frame form (MDIFrame, or the application's main form), or null.
  TForm* FrameForm() const;
  // An MDI child was activated or deactivated: the frame shows its main menu merged.
  void MdiActivated(HWND deactivated, HWND activated);
  // The frame's main menu shows menu merged (null: its own items only), and the MDI
  // client is told of the frame's menu again.
  void MergeMenu(TMenu* menu);
  // AutoScroll (form_scroll.cpp).
  void UpdateScrollBars();
  bool HandleScroll(int bar, WORD request);
  void ScrollBy(int dx, int dy);

  HICON icon_ = nullptr;
  OwnedIcon smallIcon_;
  OwnedMenu menu_;
  TMainMenu* mainMenu_ = nullptr;
  bool autoScroll_ = false;
  POINT scrollPos_{0, 0};
  bool updatingScroll_ = false;
  HWND mdiClient_ = nullptr;
};
