// Making and attaching control wrappers by class name (see skin_control_factory.h).
#include "skin/controls/skin_control_factory.h"

#include <functional>
#include <map>

#include "framework/win_control.h"
#include "skin/controls/skin_bit_button.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_date_time.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_media_player.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skin_tab_pages.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/controls/skin_track_bar.h"
#include "skin/controls/skin_up_down.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_obj_image.h"
#include "skin/controls/skin_scrollbar_h.h"
#include "skin/controls/skin_scrollbar.h"

TSkinControl* NewSkinControl(const std::string& wrapperClass, TComponent* owner) {
  static const std::map<std::string, std::function<TSkinControl*(TComponent*)>> makers{
      {"TSkinButton", [](TComponent* o) -> TSkinControl* { return new TSkinButton(o); }},
      {"TSkinBitButton", [](TComponent* o) -> TSkinControl* { return new TSkinBitButton(o); }},
      {"TSkinMenuButton", [](TComponent* o) -> TSkinControl* { return new TSkinMenuButton(o); }},
      {"TSkinSpeedButton", [](TComponent* o) -> TSkinControl* { return new TSkinSpeedButton(o); }},
      {"TSkinCheckBox", [](TComponent* o) -> TSkinControl* { return new TSkinCheckBox(o); }},
      {"TSkinRadioButton", [](TComponent* o) -> TSkinControl* { return new TSkinRadioButton(o); }},
      {"TSkinScrollbar", [](TComponent* o) -> TSkinControl* { return new TSkinScrollbar(o); }},
      {"TSkinListView", [](TComponent* o) -> TSkinControl* { return new TSkinListView(o); }},
      {"TSkinScControl", [](TComponent* o) -> TSkinControl* { return new TSkinScControl(o); }},
      {"TSkinScrollbarH", [](TComponent* o) -> TSkinControl* { return new TSkinScrollbarH(o); }},
      {"TSkinObjImage", [](TComponent* o) -> TSkinControl* { return new TSkinObjImage(o); }},
      {"TSkinHeader", [](TComponent* o) -> TSkinControl* { return new TSkinHeader(o); }},
      {"TSkinSizer", [](TComponent* o) -> TSkinControl* { return new TSkinSizer(o); }},
      {"TSkinProgress", [](TComponent* o) -> TSkinControl* { return new TSkinProgress(o); }},
      {"TSkinEdit", [](TComponent* o) -> TSkinControl* { return new TSkinEdit(o); }},
      {"TSkinGroupBox", [](TComponent* o) -> TSkinControl* { return new TSkinGroupBox(o); }},
      {"TSkinBox", [](TComponent* o) -> TSkinControl* { return new TSkinBox(o); }},
      {"TSkinBoxH", [](TComponent* o) -> TSkinControl* { return new TSkinBoxH(o); }},
      {"TSkinMP", [](TComponent* o) -> TSkinControl* { return new TSkinMP(o); }},
      {"TSkinComBox", [](TComponent* o) -> TSkinControl* { return new TSkinComBox(o); }},
      {"TSkinUpDown", [](TComponent* o) -> TSkinControl* { return new TSkinUpDown(o); }},
      {"TSkinDateTime", [](TComponent* o) -> TSkinControl* { return new TSkinDateTime(o); }},
      {"TSkinTab", [](TComponent* o) -> TSkinControl* { return new TSkinTab(o); }},
      {"TSkinTabBtn", [](TComponent* o) -> TSkinControl* { return new TSkinTabBtn(o); }},
      {"TSkinTab31", [](TComponent* o) -> TSkinControl* { return new TSkinTab31(o); }},
      {"TSkinTabSheet", [](TComponent* o) -> TSkinControl* { return new TSkinTabSheet(o); }},
      {"TSkinAdvPage", [](TComponent* o) -> TSkinControl* { return new TSkinAdvPage(o); }},
      {"TSkinTrackBar", [](TComponent* o) -> TSkinControl* { return new TSkinTrackBar(o); }},
      {"TSkinStatusBar", [](TComponent* o) -> TSkinControl* { return new TSkinStatusBar(o); }},
  };
  auto found = makers.find(wrapperClass);
  return found == makers.end() ? nullptr : found->second(owner);
}

TSkinControl* SkinFrameworkControl(const std::string& wrapperClass, TControl* control,
                                   TSkinControlList* windowSkin, TSkinData* skinData,
                                   bool manageColour, bool single) {
  if (!control) return nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    try {
      windowed->HandleNeeded();
    } catch (...) {
      return nullptr;  // a control whose window cannot be made gets no wrapper
    }
  }
  TSkinControl* wrapper = NewSkinControl(wrapperClass, control);
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
                             TComponent* owner) {
  if (!IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
    return nullptr;
  if (SendMessageW(window, skinmsg::kQuerySkinned, 0, 0) == 1) return nullptr;
  TSkinControl* wrapper = NewSkinControl(wrapperClass, owner);
  if (!wrapper) return nullptr;
  wrapper->InitSkinWindow(window, skinData, windowSkin);
  if (!wrapper->Attached()) {
    wrapper->Free();
    return nullptr;
  }
  return wrapper;
}
