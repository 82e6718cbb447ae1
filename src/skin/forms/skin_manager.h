// TSkinManage: the process-wide skin manager (Windows only) behind ISkinManagerLink. A
// WH_CBT thread hook shows it new, activated and destroyed windows; it decides which
// top-level windows get a window skin (TWinSkinForm), owns them, and carries out the
// skin data components' requests (skin all, unskin all, skin changed) on a one-shot
// timer with a single pending slot. Pop-up menu windows get their skins through the
// pop-up skinner seam (TWinSkinPopMenu by default).
//
// InstallSkinManager() makes TSkinData create this manager from then on; its window skins
// have the parts of window skins the program chose (TWindowSkinParts).
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/hook.h"
#include "skin/data/skin_manager_link.h"
#include "skin/forms/win_skin_form.h"
#include "skin/forms/window_skin_parts.h"

class TForm;
class TWinControl;

// Offered every new pop-up menu window ("#32768") that the manager allows to be skinned:
// (window, chosen skin data, menu kind, menu-bar tracking).
using TPopupSkinner = std::function<void(HWND popup, TSkinData& skin, int menuKind, bool menuBar)>;

enum TManagerAction : unsigned { maSkinAll = 1, maUnskinAll = 2, maSkinChanged = 3 };

class TSkinManage : public ISkinManagerLink {
 public:
  // parts: the optional parts of the window skins this manager makes (kept by reference).
  explicit TSkinManage(const TWindowSkinParts& parts = AllWindowSkinParts());
  ~TSkinManage() override;

  // ISkinManagerLink
  void Register(TSkinData& skinData) override;
  void Unregister(TSkinData& skinData) override;
  void InstallHook() override;
  void SetRequestingSkinData(TSkinData* skinData) override { requesting_ = skinData; }
  void Request(unsigned action, unsigned delayMs) override;
  int RunState() const override { return runState_; }
  void SetRunState(int state) override { runState_ = state; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void ClearCaptionButtons() override;
  bool SkinWindow(HWND window) override;

  bool Enabled() const { return enabled_; }
  TSkinData* Requesting() const { return requesting_; }
  TSkinData* MainSkinData() const { return mainSkinData_; }
  const TWindowSkinParts& Parts() const { return parts_; }
  unsigned PendingAction() const { return pending_; }
  // Runs the pending action now (what the timer does when it fires).
  void RunPendingAction();

  TWinSkinForm* FindWindowSkin(HWND window) const;
  const std::vector<std::unique_ptr<TWinSkinForm>>& WindowSkins() const { return skins_; }
  // Drops dead window skins.
  void Purge();

  // Kind of the pop-up menu about to open: 0 context menu, 1 menu bar, 2 system menu.
  int MenuKind() const { return menuKind_; }
  void SetMenuKind(int kind) { menuKind_ = kind; }
  bool MenuBarTracking() const { return menuBarTracking_; }
  void SetMenuBarTracking(bool on) { menuBarTracking_ = on; }
  bool MdiMaximised() const { return mdiMaximised_; }
  void SetMdiMaximised(bool on);
  void RememberMdiClient(HWND client, TForm* form) {
    mdiClient_ = client;
    mdiFrameForm_ = form;
  }
  HWND MdiClient() const { return mdiClient_; }
  void SetPopupSkinner(TPopupSkinner skinner) { popupSkinner_ = std::move(skinner); }

  // The skin data for a window by the choice rules (null when none is registered).
  TSkinData* ChooseSkinData(HWND window, const std::string& className) const;
  // The skin-this-window decision (preview rule, then the form-skin decision).
  bool DecideSkin(HWND window, const std::string& className) const;

  static TSkinManage* Instance();

 private:
  bool OnCbt(int code, WPARAM wParam, LPARAM lParam);
  void OfferPopup(HWND window);
  void SkinAll(TSkinData* only);
  void UnskinAll(TSkinData* only);
  void SkinChanged(TSkinData* only);
  void SkinForm(TForm* form);
  void StopTimer();
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD) noexcept;

  const TWindowSkinParts& parts_;
  TWindowsHook hook_;
  UINT_PTR timer_ = 0;
  unsigned timerInterval_ = 100;
  std::vector<std::unique_ptr<TWinSkinForm>> skins_;
  std::vector<TSkinData*> skinDataList_;
  bool enabled_ = false;
  bool forcing_ = false;
  int runState_ = 0;
  int menuKind_ = 0;
  bool menuBarTracking_ = false;
  bool mdiMaximised_ = false;
  HWND mdiClient_ = nullptr;
  TForm* mdiFrameForm_ = nullptr;
  unsigned pending_ = 0;
  TSkinData* requesting_ = nullptr;
  TSkinData* mainSkinData_ = nullptr;
  DWORD versionWord_ = 0;
  TPopupSkinner popupSkinner_;
};

// Makes the skin data components create a TSkinManage as their manager, whose window
// skins have parts (kept by reference). Tools and tests take every part; a program lists
// what its windows use, so that the rest is not linked into it.
void InstallSkinManager(const TWindowSkinParts& parts = AllWindowSkinParts());
// The framework control that owns a window of this process (a form first), or null.
TWinControl* ControlOfWindow(HWND window);
// A window's class name (at most 100 characters).
std::string WindowClassName(HWND window);
