// TSkinManage: requests, the action timer, the actions and the CBT hook (see
// skin_manager.h). SkinWindow and the choice rules are in skin_manager_choice.cpp.
#include "skin/forms/skin_manager.h"

#include <algorithm>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/path_text.h"
#include "skin/data/skin_data.h"
#include "skin/forms/platform_version.h"
#include "skin/controls/skin_messages.h"
#include "skin/forms/win_skin_pop_menu.h"

namespace {
TSkinManage* g_instance = nullptr;  // the one manager of the process (GUI thread only)
constexpr int kRunStateDestroying = 4;
}  // namespace

TSkinManage* TSkinManage::Instance() { return g_instance; }

TSkinManage::TSkinManage(const TWindowSkinParts& parts) : parts_(parts) {
  g_instance = this;
  InstallPopupMenuSkins(*this);
}

TSkinManage::~TSkinManage() {
  runState_ = kRunStateDestroying;
  enabled_ = false;
  StopTimer();
  // Every window skin lets go of its window without restoring the frame.
  for (auto& skin : skins_) {
    if (skin) skin->Detach();
  }
  skins_.clear();
  skinDataList_.clear();
  hook_.Uninstall();
  if (g_instance == this) g_instance = nullptr;
}

void TSkinManage::Register(TSkinData& skinData) {
  skinDataList_.push_back(&skinData);
  if (!mainSkinData_ && skinData.SkinFormtype == sfMainform) mainSkinData_ = &skinData;
}

void TSkinManage::Unregister(TSkinData& skinData) {
  skinDataList_.erase(std::remove(skinDataList_.begin(), skinDataList_.end(), &skinData),
                      skinDataList_.end());
  if (requesting_ == &skinData) requesting_ = nullptr;
  if (mainSkinData_ == &skinData) mainSkinData_ = nullptr;
  // Window skins drawn from this component let go: their skin is going away.
  for (auto it = skins_.begin(); it != skins_.end();) {
    if ((*it)->SkinData() == &skinData) {
      (*it)->DetachAndRestore();
      it = skins_.erase(it);
    } else {
      ++it;
    }
  }
}

void TSkinManage::InstallHook() {
  versionWord_ = CurrentPlatform().versionWord;
  if (hook_.Installed()) return;
  hook_.Install(WH_CBT, [this](int code, WPARAM w, LPARAM l, LRESULT&) {
    return OnCbt(code, w, l);
  }, GetCurrentThreadId());
}

void TSkinManage::Request(unsigned action, unsigned delayMs) {
  pending_ = action;
  timerInterval_ = delayMs;
  if (runState_ == 0) {
    if (action == maSkinAll) enabled_ = true;
    if (action == maUnskinAll) enabled_ = false;
    return;
  }
  // One slot: a later request replaces the pending one and restarts the delay.
  StopTimer();
  timer_ = SetTimer(nullptr, 0, timerInterval_, &TSkinManage::TimerProc);
}

void TSkinManage::StopTimer() {
  if (timer_) KillTimer(nullptr, timer_);
  timer_ = 0;
}

void CALLBACK TSkinManage::TimerProc(HWND, UINT, UINT_PTR id, DWORD) noexcept {
  KillTimer(nullptr, id);
  TSkinManage* manager = g_instance;
  if (!manager || manager->timer_ != id) return;
  manager->timer_ = 0;
  try {
    manager->RunPendingAction();
  } catch (...) {
    // No exception leaves the timer callback.
  }
}

void TSkinManage::RunPendingAction() {
  const unsigned action = pending_;
  pending_ = 0;
  TSkinData* skinData = requesting_;
  if (!skinData) return;
  TSkinData* only = skinData->SkinFormtype == sfOnlyThisForm ? skinData : nullptr;
  switch (action) {
    case maSkinAll: SkinAll(only); break;
    case maUnskinAll: UnskinAll(only); break;
    case maSkinChanged: SkinChanged(only); break;
    default: break;
  }
  if (requesting_ == skinData) {
    skinData->DoSkinChanged();
    requesting_ = nullptr;
  }
}

void TSkinManage::SkinForm(TForm* form) {
  if (!form || !form->Visible() || !form->HandleAllocated()) return;
  HWND window = form->Handle();
  if (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) return;
  SkinWindow(window);
}

void TSkinManage::SkinAll(TSkinData* only) {
  enabled_ = true;
  forcing_ = true;
  Purge();
  if (only) {
    // The one form that owns the component (found even without an application).
    SkinForm(dynamic_cast<TForm*>(only->Owner()));
  } else if (TApplication* app = Application()) {
    const std::vector<TForm*> forms = app->Forms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) SkinForm(*it);
  }
  forcing_ = false;
}

void TSkinManage::UnskinAll(TSkinData* only) {
  enabled_ = false;
  Purge();
  if (only) {
    for (auto it = skins_.rbegin(); it != skins_.rend(); ++it) {
      if ((*it)->SkinData() != only) continue;
      std::unique_ptr<TWinSkinForm> skin = std::move(*it);
      skins_.erase(std::next(it).base());
      skin->DetachAndRestore();
      RedrawWindow(skin->Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      break;
    }
    return;
  }
  while (!skins_.empty()) {
    std::unique_ptr<TWinSkinForm> skin = std::move(skins_.front());
    skins_.erase(skins_.begin());
    skin->DetachAndRestore();
    RedrawWindow(skin->Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

void TSkinManage::SkinChanged(TSkinData* only) {
  Purge();
  TSkinData* skinData = only ? only : requesting_;
  std::vector<TWinSkinForm*> touched;
  for (auto& skin : skins_) {
    if (skin->SkinData() != skinData) continue;
    skin->ClearCaptionButtons();
    skin->Reload();
    touched.push_back(skin.get());
    if (only) break;
  }
  for (TWinSkinForm* skin : touched) skin->Reapply();
}

void TSkinManage::ClearCaptionButtons() {
  for (auto& skin : skins_) {
    if (skin->SkinData() == requesting_) skin->ClearCaptionButtons();
  }
}

TWinSkinForm* TSkinManage::FindWindowSkin(HWND window) const {
  for (const auto& skin : skins_) {
    if (skin->Window() == window) return skin.get();
  }
  return nullptr;
}

void TSkinManage::Purge() {
  if (runState_ == kRunStateDestroying) return;
  for (size_t i = skins_.size(); i-- > 0;) {
    if (!skins_[i] || skins_[i]->Dead()) skins_.erase(skins_.begin() + static_cast<long>(i));
  }
}

void TSkinManage::SetMdiMaximised(bool on) {
  if (on == mdiMaximised_) return;
  if (mainSkinData_ && HasOption(mainSkinData_->Options, xoMDIChildBorder)) return;
  mdiMaximised_ = on;
  for (auto& skin : skins_) {
    if (skin->Facts().windowKind != wkMdiChild || skin->Dead()) continue;
    if (on) {
      skin->EnterMdiMaximised();
    } else {
      skin->LeaveMdiMaximised();
    }
  }
  if (mdiClient_ && IsWindow(mdiClient_)) PostMessageW(mdiClient_, skinmsg::kRedrawMdiFrame, 0, 0);
}

bool TSkinManage::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(wParam);
  switch (code) {
    case HCBT_CREATEWND: {
      const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
      const CREATESTRUCTW* cs = create ? create->lpcs : nullptr;
      if (!cs) break;
      const std::string className = WindowClassName(window);
      // A size grip made inside a skinned window goes to its child-window assignment.
      if ((cs->style & SBS_SIZEGRIP) && LowerAscii(className) == "scrollbar") {
        if (TWinSkinForm* parent = FindWindowSkin(cs->hwndParent)) parent->AssignChildWindow(window);
      }
      if (!(cs->style & WS_CHILD) && className == "#32768") OfferPopup(window);
      if (cs->dwExStyle & WS_EX_MDICHILD) SkinWindow(window);
      break;
    }
    case HCBT_ACTIVATE:
      if (runState_ == 0) runState_ = 1;
      SkinWindow(window);
      break;
    default:
      break;
  }
  return false;  // every call goes on to the next hook
}

void TSkinManage::OfferPopup(HWND window) {
  if (!enabled_ || !popupSkinner_) return;
  if (SendMessageW(window, skinmsg::kQuerySkinned, 0, 0) == 1) return;
  TSkinData* skin = ChooseSkinData(window, "#32768");
  if (!skin || skin->SkinEmpty()) return;
  bool allowed = false;
  switch (menuKind_) {
    case 0: allowed = HasControl(skin->SkinControls, xcPopupMenu); break;
    case 1:
      allowed = HasControl(skin->SkinControls, xcMainMenu) || HasControl(skin->SkinControls, xcMenuItem);
      break;
    case 2: allowed = HasControl(skin->SkinControls, xcSystemMenu); break;
    default: break;
  }
  if (allowed) popupSkinner_(window, *skin, menuKind_, menuBarTracking_);
}

void InstallSkinManager(const TWindowSkinParts& parts) {
  const TWindowSkinParts* chosen = &parts;
  SetSkinManagerFactory([chosen] { return std::unique_ptr<ISkinManagerLink>(new TSkinManage(*chosen)); });
}
