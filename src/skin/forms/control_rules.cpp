// Control assignment: the table of framework-control rules, tried in order after the
// Skin3rd map. A row applies when its test holds and its SkinControls member is set;
// otherwise the search goes on. "TMVCPANEL" and "TDCEDIT"/"TDCDBEDIT" end the search
// whatever the members say (see control_assignment.h).
#include <initializer_list>
#include <string>

#include "framework/buttons.h"
#include "framework/form.h"
#include "framework/group_box.h"
#include "framework/memo.h"
#include "framework/panel.h"
#include "framework/progress_bar.h"
#include "framework/properties.h"
#include "skin/data/skin_data.h"
#include "skin/forms/control_assignment.h"

namespace {

bool IsOneOf(const std::string& upper, std::initializer_list<const char*> names) {
  for (const char* name : names)
    if (upper == name) return true;
  return false;
}

template <class T>
bool IsA(TControl& control) {
  return dynamic_cast<T*>(&control) != nullptr;
}

bool HasWindowScrollBars(TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (!windowed || !windowed->HandleAllocated()) return false;
  const LONG style = GetWindowLongW(windowed->Handle(), GWL_STYLE);
  return (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

}  // namespace

bool TControlAssignment::ApplyBuiltInRows(TControl& control, const std::string& upper) {
  // Makes the row's wrapper; the row has decided.
  auto wrap = [&](const char* wrapperClass, bool container = false, int kind = 0) {
    Wrap(wrapperClass, control, container, TWrapOptions::OfKind(kind));
    return true;
  };
  const bool tabs = Has(xcTab) && skinData_.Objects.Tabs;
  if (upper == "TTABSET" && tabs) return wrap("TSkinTab31");
  if (upper == "TTABBEDNOTEBOOK" && tabs) return wrap("TSkinTab");
  if (upper == "TMVCPANEL") {
    AssignChildren(control);
    return true;
  }
  if (IsA<TCustomCheckBox>(control) && Has(xcCheckBox)) return wrap("TSkinCheckBox");
  if (IsOneOf(upper, {"TUPDOWN", "TSPINBUTTON"}) && Has(xcSpin))
    return wrap("TSkinUpDown");
  if (upper == "TMEDIAPLAYER" && Has(xcButton)) return wrap("TSkinMP");
  if (upper == "TDBNAVIGATOR" && Has(xcPanel)) {
    Wrap("TSkinBox", control, true);
    AssignChildren(control);
    return true;
  }
  if (IsOneOf(upper, {"TRZDBCHECKBOX", "TRZCHECKBOX"}) && Has(xcCheckBox))
    return wrap("TSkinObjImage", true, 1);
  if (IsOneOf(upper, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}) && Has(xcRadioButton))
    return wrap("TSkinObjImage", true, 2);
  if (IsOneOf(upper, {"TCXDBCHECKBOX", "TCXCHECKBOX"}) && Has(xcCheckBox))
    return wrap("TSkinObjImage", true, 3);
  if (IsA<TCustomGroupBox>(control) && Has(xcPanel)) {
    AssignChildren(control);
    Wrap("TSkinGroupBox", control, false);
    return true;
  }
  if (IsA<TRadioButton>(control) && Has(xcRadioButton)) return wrap("TSkinRadioButton");
  if (IsA<TProgressBar>(control) && Has(xcProgress)) return wrap("TSkinProgress");
  if (upper == "TTNTCOMBOBOX" && Has(xcCombo)) return wrap("TSkinComBox");
  const bool scrollBars = Has(xcScrollbar);
  if (IsOneOf(upper, {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"}) && scrollBars)
    return wrap("TSkinScrollbar");
  if (IsA<TCustomPanel>(control) && Has(xcPanel)) {
    AssignChildren(control);
    Wrap("TSkinBox", control, true);
    return true;
  }
  if (IsOneOf(upper, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) && scrollBars)
    return wrap("TSkinScrollbar");
  if ((IsA<TCustomMemo>(control) || HasWindowScrollBars(control)) && scrollBars)
    return wrap("TSkinScrollbar");
  if (IsA<TButton>(control) && Has(xcButton)) return wrap("TSkinButton");
  if (IsA<TCustomEdit>(control) && Has(xcEdit)) return wrap("TSkinEdit");
  if (IsOneOf(upper, {"TDCEDIT", "TDCDBEDIT"})) {
    const int64_t buttons = GetIntProp(&control, "NumButtons");
    if (buttons == 1 && Has(xcCombo)) Wrap("TSkinComBox", control, false);
    if (buttons == 0 && Has(xcEdit)) {
      if (auto* windowed = dynamic_cast<TWinControl*>(&control)) WrapWindow("TSkinEdit", windowed->Handle());
    }
    return true;
  }
  if (auto* form = dynamic_cast<TForm*>(&control)) {
    // A form placed on the form: a panel-like box, then everything it owns.
    Wrap("TSkinBox", control, true);
    for (int i = 0; i < form->ComponentCount(); ++i) {
      if (auto* owned = dynamic_cast<TControl*>(form->Components(i))) AssignControl(*owned, form);
    }
    return true;
  }
  return false;
}
