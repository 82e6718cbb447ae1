// Control assignment: the walks over a form's controls, the steps before the class
// tables, and making and listing wrappers (see control_assignment.h).
#include "skin/forms/control_assignment.h"

#include <utility>

#include "framework/form.h"
#include "framework/panel.h"
#include "framework/path_text.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_control_list.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/data/skin_data.h"
#include "skin/forms/assigned_wrappers.h"
#include "skin/forms/win_skin_form.h"

namespace {

bool AnswersSkinned(HWND window) {
  return window && SendMessageW(window, skinmsg::kQuerySkinned, 0, 0) == 1;
}

HWND WindowOf(TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  return windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
}

}  // namespace

TControlAssignment::TControlAssignment(TSkinData& skinData, TSkinnedControlList& entries, HWND window,
                                       const TSkinControlKinds& kinds, TClassMapStep classMap)
    : skinData_(skinData),
      entries_(entries),
      kinds_(kinds),
      classMap_(classMap),
      wrappers_(SharedWrapperList(entries, window)) {}

bool TControlAssignment::Has(int member) const {
  return HasControl(skinData_.SkinControls, static_cast<TSkinControlType>(member));
}

TSkinControl* TControlAssignment::WrapperOf(const TControl* control) const {
  return wrappers_->FindByControl(control);
}

TSkinControl* TControlAssignment::WrapperOf(HWND window) const { return wrappers_->FindByHandle(window); }

bool TControlAssignment::Wrapped(TControl& control) const {
  return WrapperOf(&control) || AnswersSkinned(WindowOf(control));
}

void TControlAssignment::SkinFormControls(TForm& form) {
  SweepDeadEntries(entries_);
  for (int i = 0; i < form.ComponentCount(); ++i) {
    if (auto* control = dynamic_cast<TControl*>(form.Components(i))) AssignControl(*control, &form);
  }
  // The controls placed on the form, in tab order.
  for (int i = 0; i < form.ControlCount(); ++i) {
    auto* control = dynamic_cast<TWinControl*>(form.Controls(i));
    if (!control || !control->HandleAllocated() || control->Tag == skinData_.DisableTag ||
        AnswersSkinned(control->Handle()))
      continue;
    AssignControl(*control, &form);
  }
}

void TControlAssignment::AssignControl(TControl& control, TWinControl* parent) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  const std::string className = control.ClassName();
  if (control.Tag == skinData_.DisableTag) {
    // Radio and check groups hand the tag on to their buttons.
    const std::string lower = LowerAscii(className);
    if (windowed && windowed->ControlCount() > 0 &&
        (lower.find("radiogroup") != std::string::npos || lower.find("checkgroup") != std::string::npos)) {
      for (int i = 0; i < windowed->ControlCount(); ++i) windowed->Controls(i)->Tag = skinData_.DisableTag;
    }
    return;
  }
  if (!control.Parent() || Wrapped(control)) return;
  const std::string upper = UpperAscii(className);
  if (windowed) {
    try {
      windowed->HandleNeeded();
    } catch (...) {
      return;  // a control whose window cannot be made is skipped
    }
  }
  if (skinData_.OnSkinControl) {
    TSkinControl* made = nullptr;
    skinData_.OnSkinControl(nullptr, &skinData_, parent, &control, upper, made);
    if (made) {
      Adopt(*made, control);
      if (dynamic_cast<TCustomPanel*>(&control)) AssignChildren(control);
      return;
    }
  }
  if (classMap_ && classMap_(*this, control, upper)) return;
  if (upper == "TDBCOMBOBOXEH" || upper == "TFRDESIGNERPAGE" || upper == "TFRPBOX") return;
  ApplyBuiltInRows(control, upper);
}

void TControlAssignment::AssignChildren(TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (!windowed) return;
  for (int i = 0; i < windowed->ControlCount(); ++i) AssignControl(*windowed->Controls(i), windowed);
}

TSkinControl* TControlAssignment::Wrap(const char* wrapperClass, TControl& control,
                                       bool container, const TWrapOptions& options) {
  if (Wrapped(control)) return nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
    try {
      windowed->HandleNeeded();
    } catch (...) {
      return nullptr;
    }
  }
  TSkinControl* wrapper = kinds_.Make(wrapperClass, &control);
  if (!wrapper) return nullptr;
  wrapper->Kind = options.kind;
  if (options.prepare) options.prepare(*wrapper);
  if (auto* scroll = dynamic_cast<TSkinScrollbar*>(wrapper)) {
    if (options.single) scroll->Kind = 1;
    scroll->InitScrollbar(&control, &skinData_, wrappers_.get());
  } else {
    wrapper->InitSkin(wrappers_.get(), &skinData_, container);
  }
  if (!wrappers_->Contains(wrapper)) {
    wrapper->Free();  // it did not attach
    return nullptr;
  }
  entries_.push_back(std::make_unique<TAssignedWrapper>(wrappers_, wrapper));
  return wrapper;
}

void TControlAssignment::Adopt(TSkinControl& wrapper, TControl& control) {
  if (!wrapper.Attached()) {
    if (auto* scroll = dynamic_cast<TSkinScrollbar*>(&wrapper))
      scroll->InitScrollbar(&control, &skinData_, wrappers_.get());
    else
      wrapper.InitSkin(wrappers_.get(), &skinData_, wrapper.ManageColour());
  }
  wrappers_->Add(&wrapper);
  for (const auto& entry : entries_) {
    auto* assigned = dynamic_cast<TAssignedWrapper*>(entry.get());
    if (assigned && assigned->Wrapper() == &wrapper) return;
  }
  entries_.push_back(std::make_unique<TAssignedWrapper>(wrappers_, &wrapper));
}

void TControlAssignment::ReplaceScrollbar(HWND window) {
  TSkinControl* old = WrapperOf(window);
  TControl* control = old ? old->Control() : nullptr;
  if (!control) return;
  const bool listView = dynamic_cast<TSkinListView*>(old) != nullptr;
  TWrapOptions options;
  options.single = old->Kind == 1;
  // The old wrapper's entry frees it, giving the control its message method back.
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    auto* assigned = dynamic_cast<TAssignedWrapper*>(it->get());
    if (assigned && assigned->Wrapper() == old) {
      entries_.erase(it);
      break;
    }
  }
  if (wrappers_->Contains(old)) old->Free();
  Wrap(listView ? "TSkinListView" : "TSkinScrollbar", *control, false, options);
}

namespace {
// The installed assignment's calls: each makes a control assignment for the window skin
// with the program's wrapper kinds and class map step. One short-named type serves all
// three seams (its type name is kept once for the function wrappers).
struct TInstalledAssignment {
  const TSkinControlKinds* kinds;
  TClassMapStep classMap;
  void (TControlAssignment::*childAction)(HWND);  // the child-window seams' step

  // Every control of the window skin's window.
  void operator()(TWinSkinForm& skin, TSkinnedControlList& list) const {
    if (!skin.SkinData()) return;
    TControlAssignment assignment(*skin.SkinData(), list, skin.Window(), *kinds, classMap);
    if (skin.Form())
      assignment.SkinFormControls(*skin.Form());
    else
      assignment.SkinChildWindows(skin.Window());
  }
  // One child window: childAction decides what happens to it.
  void operator()(TWinSkinForm& skin, TSkinnedControlList& list, HWND child) const {
    if (!skin.SkinData()) return;
    TControlAssignment assignment(*skin.SkinData(), list, skin.Window(), *kinds, classMap);
    (assignment.*childAction)(child);
  }
};
}  // namespace

void InstallControlAssignment(const TSkinControlKinds& kinds, TClassMapStep classMap) {
  TControlAssignmentSeams seams;
  seams.AssignAll = TInstalledAssignment{&kinds, classMap, nullptr};
  seams.AssignChild = TInstalledAssignment{&kinds, classMap, &TControlAssignment::AssignChildWindow};
  seams.ReplaceScrollbar = TInstalledAssignment{&kinds, classMap, &TControlAssignment::ReplaceScrollbar};
  SetControlAssignment(std::move(seams));
}
