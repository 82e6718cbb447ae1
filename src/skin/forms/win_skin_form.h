// TWinSkinForm: the window skin of one top-level window (Windows only). It subclasses
// the window, answers the non-client messages itself, paints the frame, title bar and
// caption buttons from the skin, gives the window a shaped region, keeps the client size
// when the frame changes, and puts everything back when it lets go. The skin manager
// creates, lists and frees window skins.
//
// States: created (waits for the skin-init message) -> running; re-applying and resizing
// for a moment; destroying -> dead at WM_NCDESTROY (the manager frees dead skins).
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/gdi.h"
#include "framework/message_method.h"
#include "framework/subclass.h"
#include "skin/forms/caption_buttons.h"
#include "skin/forms/menu_item_paint.h"
#include "skin/forms/nc_object.h"
#include "skin/forms/skinned_controls.h"
#include "skin/forms/window_facts.h"
#include "skin/forms/window_skin_parts.h"

class TForm;
class TSkinData;
class TSkinManage;

enum TWinSkinState {
  wsCreated = 0, wsRunning = 1, wsReapplying = 3, wsDestroying = 4, wsResizing = 5, wsDead = 6,
};

class TWinSkinForm : public TNCHost {
 public:
  // form: the framework form of the window, or null for any other window.
  TWinSkinForm(TSkinManage& manager, HWND window, TForm* form);
  TWinSkinForm(const TWinSkinForm&) = delete;
  TWinSkinForm& operator=(const TWinSkinForm&) = delete;
  ~TWinSkinForm() override;

  // Takes the window over with this skin (once; false when the window cannot be
  // subclassed). AttachForm does the same for a framework form and also gives the form
  // the skin's face colour.
  bool Attach(TSkinData& skin);
  bool AttachForm(TSkinData& skin, TForm& form);
  // Frame widths and caption buttons from the skin (skin change).
  void Reload();
  // Colours, controls and frame again (skin change).
  void Reapply();
  // Skin off: the window gets back its procedure, system frame (same client size),
  // caption bits, menu and no region.
  void DetachAndRestore();
  // Lets go of the window without touching its frame (manager end, WM_NCDESTROY).
  void Detach();
  // The manager's MDI-maximised mode changed (an MDI child skin only): entering it takes
  // the child's region away and gives back its caption bits; leaving it makes the child
  // normal with its region and without its caption bits again.
  void EnterMdiMaximised();
  void LeaveMdiMaximised();
  // Frees the caption buttons so that the next reload builds them from a new skin.
  void ClearCaptionButtons();

  HWND Window() const { return window_; }
  // An MDI frame's MDI client (null for other windows).
  HWND MdiClient() const { return mdiClient_; }
  TForm* Form() const { return form_; }
  TSkinData* SkinData() const { return skin_; }
  TWinSkinState State() const { return state_; }
  bool Dead() const { return state_ == wsDead; }
  bool SkinsFrame() const { return skinFrame_; }
  // What the last frame paint knew about the window, and what it drew.
  const TWindowFacts& Facts() const { return facts_; }
  RECT TitleTextRect() const { return titleText_; }
  const TCaptionButtons& Buttons() const { return buttons_; }
  bool HasRegion() const { return regionValid_; }
  TSkinnedControlList& Controls() { return controls_; }
  // Offers a child window made after the skin started (a size grip) to the control
  // assignment.
  void AssignChildWindow(HWND child);

  // The window's menus (menu bar, owner-drawn items); null before attach and in a
  // program whose window skins have no menus part (see TWindowSkinParts).
  TWindowMenus* Menus() const { return menus_.get(); }
  // Set while a menu of the bar is open (the hover timer rests).
  void SetMenuTracking(bool on) { menuTracking_ = on; }

  // Paints the skinned frame into dc (a window DC; the window's own when null).
  void PaintFrame(HDC dc = nullptr);

  // TNCHost
  TNCObject* HotObject() const override { return hot_; }
  void SetHotObject(TNCObject* object) override { hot_ = object; }
  void RepaintObject(TNCObject& object) override;

 private:
  // Attach steps.
  void ReadWindowFacts();
  void FindMdiClient();
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool HandleFrameMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The framework-level messages of a skinned window: for a framework form from its
  // message method (replaced while skinned; formMessage is the message, whose previous
  // handler takes a new text), for any other window from its procedure (formMessage
  // null: the previous window procedure takes it).
  bool HandleSkinnedQuery(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                          TMessage* formMessage);
  LRESULT Previous(UINT msg, WPARAM wParam, LPARAM lParam);
  // The MDI client's subclass (win_skin_form_mdi.cpp).
  bool HandleMdiClientMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void SkinInit();
  void ResizeKeepingClient(bool useCurrentClient);
  void WidenSystemDialog(int& width);
  void BuildRegion();
  void DropRegion();
  void RefreshShowState();
  void UpdateFacts();
  void TakeIcon();
  void RemoveCaptionBits();
  void PutCaptionBitsBack();
  void FreeControls();
  void StopHoverTimer();
  void StartHoverTimer();
  // Non-client input and commands (win_skin_form_input.cpp).
  LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
  bool OnNcMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OnHoverTimer();
  void RunAction(TWinSysButton& button, POINT screen);
  bool OnSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
  POINT ToWindow(POINT screen) const;
  void ToggleMaximise();
  void ToggleMinimise();
  void Restore();
  bool CloseAllowed() const;
  void SendToMdiChild(UINT command);
  // The skinned system menu (win_skin_form_sysmenu.cpp).
  void OpenSystemMenu(POINT screen);
  bool OnMenuItem(UINT msg, LPARAM lParam, LRESULT& result);

  TSkinManage& manager_;
  HWND window_;
  TForm* form_;
  TSkinData* skin_ = nullptr;
  TWindowSubclass subclass_;
  TWindowSubclass mdiClientSubclass_;
  TControlSubclass formHandler_;  // the form's message method, replaced while skinned
  bool savedMenuUpdate_ = true;  // the skin data's MenuUpdate when an MDI frame was attached
  TWinSkinState state_ = wsCreated;
  bool skinFrame_ = false;
  bool child_ = false;
  bool attached_ = false;
  TWindowFacts facts_;
  std::string className_;
  HWND mdiClient_ = nullptr;
  SIZE systemNcSize_{};
  RECT savedClient_{};
  TColor savedFormColour_ = 0;
  OwnedFont captionFont_;
  RECT titleText_{};
  OwnedRegion region_;
  bool regionValid_ = false;
  SIZE regionSize_{};
  TNCObject* hot_ = nullptr;
  TCaptionButtons buttons_;
  TBitmap iconBitmap_;
  HICON icon_ = nullptr;
  bool hoverTimerOn_ = false;
  TSkinnedControlList controls_;
  HMENU systemMenu_ = nullptr;
  DWORD lastSystemMenuTick_ = 0;
  bool systemMenuOpened_ = false;
  UINT doubleClickTime_ = 0;
  bool menuTracking_ = false;
  std::vector<TSkinMenuItem>* openMenuItems_ = nullptr;  // the system menu while it is open
  std::unique_ptr<TWindowMenus> menus_;
  // The menu messages of the framework form's message method, and the bar following
  // the window's menu (win_skin_menu_form.cpp).
  bool HandleFormMenuMessage(TMessage& message);
  // A menu change: the bar is rebuilt (unless MenuUpdate is off and a bar exists) and
  // the menu taken off the window again.
  void OnMenuChanged();
  // Builds the bar from the window's menu; the band appears or goes with it.
  void RebuildMenuBar();
  bool menuChanging_ = false;  // no frame paint while the window's own menu change runs
  bool menuChangePosted_ = false;  // a menu set on the window: a change message is on its way
};
