// Control assignment (see control_assignment.h).
#include "skin/forms/control_assignment.h"

#include <memory>
#include <utility>

#include "framework/group_box.h"
#include "framework/memo.h"
#include "framework/progress_bar.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_progress.h"
#include "skin/data/skin_data.h"
#include "skin/forms/win_skin_form.h"

namespace {

// A wrapper that tells its list entry when its owner control frees it.
template <class Wrapper>
class TTrackedWrapper : public Wrapper {
 public:
  TTrackedWrapper(TComponent* owner, std::shared_ptr<bool> alive)
      : Wrapper(owner), alive_(std::move(alive)) {}
  ~TTrackedWrapper() override { *alive_ = false; }

 private:
  std::shared_ptr<bool> alive_;
};

// The window skin's entry for a wrapper owned by a framework control.
class TWrapperEntry : public ISkinnedControl {
 public:
  TWrapperEntry(TSkinControl* wrapper, std::shared_ptr<bool> alive)
      : wrapper_(wrapper), alive_(std::move(alive)), window_(wrapper->Handle()) {}
  HWND ControlWindow() const override { return window_; }
  bool Dead() const override {
    return !*alive_ || wrapper_->State() == TSkinControl::kStateDead;
  }
  void Restore() override {
    if (!*alive_) return;
    wrapper_->Unskin();
    wrapper_->Free();  // puts the control's message method back
  }
  void Reapply() override {
    if (*alive_) wrapper_->SkinChanged();
  }

 private:
  TSkinControl* wrapper_;
  std::shared_ptr<bool> alive_;
  HWND window_;
};

template <class Wrapper>
void Wrap(TWinControl& control, TSkinData& skinData, TSkinnedControlList& list) {
  auto alive = std::make_shared<bool>(true);
  auto* wrapper = new TTrackedWrapper<Wrapper>(&control, alive);
  wrapper->InitSkin(nullptr, &skinData, false);
  list.push_back(std::make_unique<TWrapperEntry>(wrapper, std::move(alive)));
}

bool AlreadySkinned(TWinControl& control) {
  return SendMessageW(control.Handle(), kQuerySkinnedMessage, 0, 0) == 1;
}

void AssignOne(TComponent& component, TSkinData& skinData, TSkinnedControlList& list) {
  auto* control = dynamic_cast<TWinControl*>(&component);
  if (!control || !control->HandleAllocated() || AlreadySkinned(*control)) return;
  const TSkinControlTypes kinds = skinData.SkinControls;
  if (dynamic_cast<TProgressBar*>(control)) {
    if (HasControl(kinds, xcProgress) && skinData.Objects.Progress)
      Wrap<TSkinProgress>(*control, skinData, list);
  } else if (dynamic_cast<TCustomEdit*>(control)) {
    // Memos are left to the scroll-bar wrappers for now.
    if (HasControl(kinds, xcEdit) && !dynamic_cast<TCustomMemo*>(control))
      Wrap<TSkinEdit>(*control, skinData, list);
  } else if (dynamic_cast<TCustomGroupBox*>(control)) {
    if (HasControl(kinds, xcGroupBox)) Wrap<TSkinGroupBox>(*control, skinData, list);
  }
}

}  // namespace

void AssignControls(TComponent& root, TSkinData& skinData, TSkinnedControlList& list) {
  for (int i = 0; i < root.ComponentCount(); ++i) {
    TComponent* component = root.Components(i);
    AssignOne(*component, skinData, list);
    AssignControls(*component, skinData, list);
  }
}

void InstallControlAssignment() {
  SetControlAssigner([](TWinSkinForm& skin, TSkinnedControlList& list) {
    if (skin.Form() && skin.SkinData()) AssignControls(*skin.Form(), *skin.SkinData(), list);
  });
}
