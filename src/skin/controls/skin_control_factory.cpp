// Making and attaching control wrappers by class name (see skin_control_factory.h).
#include "skin/controls/skin_control_factory.h"

#include "framework/win_control.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_scrollbar.h"

TSkinControl* TSkinControlKinds::Make(const std::string& wrapperClass, TComponent* owner) const {
  for (const TSkinControlKind& kind : kinds_)
    if (wrapperClass == kind.wrapperClass) return kind.make(owner);
  return nullptr;
}

TSkinControl* NewSkinControl(const std::string& wrapperClass, TComponent* owner,
                             const TSkinControlKinds& kinds) {
  return kinds.Make(wrapperClass, owner);
}

TSkinControl* SkinFrameworkControl(const std::string& wrapperClass, TControl* control,
                                   TSkinControlList* windowSkin, TSkinData* skinData,
                                   bool manageColour, bool single, const TSkinControlKinds& kinds) {
  if (!control) return nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    try {
      windowed->HandleNeeded();
    } catch (...) {
      return nullptr;  // a control whose window cannot be made gets no wrapper
    }
  }
  TSkinControl* wrapper = kinds.Make(wrapperClass, control);
  if (!wrapper) return nullptr;
  if (auto* scroll = dynamic_cast<TSkinScrollbar*>(wrapper)) {
    if (single) scroll->Kind = 1;
    scroll->InitScrollbar(control, skinData, windowSkin);
  } else {
    wrapper->InitSkin(windowSkin, skinData, manageColour);
  }
  return wrapper;
}

TSkinControl* SkinBareWindow(const std::string& wrapperClass, HWND window,
                             TSkinControlList* windowSkin, TSkinData* skinData,
                             TComponent* owner, const TSkinControlKinds& kinds) {
  if (!IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
    return nullptr;
  if (SendMessageW(window, skinmsg::kQuerySkinned, 0, 0) == 1) return nullptr;
  TSkinControl* wrapper = kinds.Make(wrapperClass, owner);
  if (!wrapper) return nullptr;
  wrapper->InitSkinWindow(window, skinData, windowSkin);
  if (!wrapper->Attached()) {
    wrapper->Free();
    return nullptr;
  }
  return wrapper;
}
