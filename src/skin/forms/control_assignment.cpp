// Control assignment (see control_assignment.h).
#include "skin/forms/control_assignment.h"

#include <memory>
#include <utility>

#include "framework/form.h"
#include "framework/group_box.h"
#include "framework/memo.h"
#include "framework/progress_bar.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_control_list.h"
#include "skin/controls/skin_messages.h"
#include "skin/data/skin_data.h"
#include "skin/forms/win_skin_form.h"

namespace {

// The window skin's entry for a wrapper owned by a framework control. The wrapper is
// the only member of the entry's own list and leaves it when its control frees it.
class TWrapperEntry : public ISkinnedControl {
 public:
  // Makes and attaches the wrapper; null when the control gets none.
  static std::unique_ptr<TWrapperEntry> Make(const char* wrapperClass, TWinControl& control,
                                             TSkinData& skinData) {
    std::unique_ptr<TWrapperEntry> entry(new TWrapperEntry());
    entry->wrapper_ = SkinFrameworkControl(wrapperClass, &control, &entry->list_, &skinData, false);
    if (!entry->wrapper_) return nullptr;
    entry->window_ = entry->wrapper_->Handle();
    return entry;
  }
  HWND ControlWindow() const override { return window_; }
  bool Dead() const override { return !Alive() || wrapper_->State() == TSkinControl::kStateDead; }
  void Restore() override {
    if (!Alive()) return;
    wrapper_->Unskin();
    wrapper_->Free();  // puts the control's message method back
  }
  void Reapply() override {
    if (Alive()) wrapper_->SkinChanged();
  }

 private:
  TWrapperEntry() = default;
  bool Alive() const { return list_.Contains(wrapper_); }

  TSkinControlList list_;
  TSkinControl* wrapper_ = nullptr;
  HWND window_ = nullptr;
};

void Wrap(const char* wrapperClass, TWinControl& control, TSkinData& skinData,
          TSkinnedControlList& list) {
  if (auto entry = TWrapperEntry::Make(wrapperClass, control, skinData)) list.push_back(std::move(entry));
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
      Wrap("TSkinProgress", *control, skinData, list);
  } else if (dynamic_cast<TCustomEdit*>(control)) {
    // Memos are left to the scroll-bar wrappers for now.
    if (HasControl(kinds, xcEdit) && !dynamic_cast<TCustomMemo*>(control))
      Wrap("TSkinEdit", *control, skinData, list);
  } else if (dynamic_cast<TCustomGroupBox*>(control)) {
    if (HasControl(kinds, xcGroupBox)) Wrap("TSkinGroupBox", *control, skinData, list);
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
