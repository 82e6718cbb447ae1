// TSkinManage: which windows are skinned and with which skin data (see skin_manager.h).
#include <algorithm>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/path_text.h"
#include "skin/data/skin_data.h"
#include "skin/forms/skin_manager.h"
#include "skin/controls/skin_messages.h"

namespace {
constexpr long kNeverSkinTag = 99;
}  // namespace

std::string WindowClassName(HWND window) {
  wchar_t name[101] = {};
  const int n = GetClassNameW(window, name, 101);
  std::string narrow;
  for (int i = 0; i < n; ++i) narrow += name[i] < 128 ? static_cast<char>(name[i]) : '?';
  return narrow;
}

TWinControl* ControlOfWindow(HWND window) {
  if (!window) return nullptr;
  if (TApplication* app = Application()) {
    if (TForm* form = app->FindForm(window)) return form;
  }
  return TWinControl::FromHandle(window);  // the "ControlOfs..." window property
}

bool TSkinManage::DecideSkin(HWND window, const std::string& className) const {
  bool doSkin = true;
  if (!mainSkinData_) return doSkin;
  if (!HasOption(mainSkinData_->Options, xoPreview) &&
      LowerAscii(className).find("preview") != std::string::npos) {
    doSkin = false;
  }
  mainSkinData_->DoFormSkin(window, className, doSkin);
  return doSkin;
}

TSkinData* TSkinManage::ChooseSkinData(HWND window, const std::string& className) const {
  TSkinData* chosen = nullptr;
  for (TSkinData* data : skinDataList_) {
    if (data->SkinFormtype != sfOnlyThisForm) continue;
    auto* owner = dynamic_cast<TForm*>(data->Owner());
    if (owner && owner->HandleAllocated() && owner->Handle() == window) chosen = data;
  }
  if (chosen) return chosen;
  const std::string lower = LowerAscii(className);
  if (lower == "tmessageform" || lower == "#32770") {
    for (TSkinData* data : skinDataList_)
      if (data->SkinFormtype == sfDialog) chosen = data;
    if (chosen) return chosen;
  }
  for (TSkinData* data : skinDataList_)
    if (data->SkinFormtype == sfMainform) chosen = data;
  if (chosen) return chosen;
  return skinDataList_.empty() ? nullptr : skinDataList_.front();
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!enabled_ || !IsWindow(window)) return false;
  Purge();
  if (SendMessageW(window, skinmsg::kQuerySkinned, 0, 0) == 1) return false;
  if (FindWindowSkin(window)) return false;

  TWinControl* control = ControlOfWindow(window);
  const std::string className = WindowClassName(window);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  const bool mdiChild = (exStyle & WS_EX_MDICHILD) != 0;
  if (!forcing_ && (style & WS_CHILD) && !mdiChild &&
      LowerAscii(WindowClassName(GetParent(window))) != "mdiclient") {
    return false;
  }
  const auto instance = reinterpret_cast<HMODULE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  if (!control && instance != GetModuleHandleW(nullptr) && className != "#32770") return false;

  RECT r{};
  GetWindowRect(window, &r);
  if ((r.right - r.left) * (r.bottom - r.top) == 0 && !mdiChild) return false;
  if (control && control->Tag == kNeverSkinTag) return false;
  if (className.find("TcxPopupEditPopupWindow") != std::string::npos) return false;
  if (className == "TApplication") return false;
  if (!DecideSkin(window, className)) return false;

  TSkinData* skinData = ChooseSkinData(window, className);
  if (!skinData || skinData->SkinEmpty()) return false;

  auto* form = dynamic_cast<TForm*>(control);
  auto skin = std::make_unique<TWinSkinForm>(*this, window, form);
  const bool attached = form ? skin->AttachForm(*skinData, *form) : skin->Attach(*skinData);
  if (!attached) return false;
  skins_.push_back(std::move(skin));
  PostMessageW(window, skinmsg::kSkinInit, 0, skinmsg::kSkinInitParam);
  return true;
}
