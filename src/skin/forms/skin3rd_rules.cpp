// Control assignment: the Skin3rd class map (the Skin3rdClassMap step). The first line that starts with the
// control's class name and "=" (ignoring case) names a kind (at most 50 characters);
// a matched line decides even when its SkinControls member is clear, and the kind
// "nil" keeps the class unskinned whatever the built-in rules say.
#include <string>

#include "framework/memo.h"
#include "framework/path_text.h"
#include "framework/properties.h"
#include "skin/controls/skin_bit_button.h"
#include "skin/data/skin_data.h"
#include "skin/forms/control_assignment.h"

namespace {

constexpr size_t kMaxKindLength = 50;

// The windowed children of control whose window has scroll bars, or that are memos.
bool ScrollingChild(TControl& child) {
  if (dynamic_cast<TMemo*>(&child)) return true;
  auto* windowed = dynamic_cast<TWinControl*>(&child);
  if (!windowed || !windowed->HandleAllocated()) return false;
  return (GetWindowLongW(windowed->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

// True when the window's outer and client rectangles differ in size (it has a border).
bool HasBorder(TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (!windowed || !windowed->HandleAllocated()) return false;
  RECT outer{}, client{};
  GetWindowRect(windowed->Handle(), &outer);
  GetClientRect(windowed->Handle(), &client);
  return outer.right - outer.left != client.right || outer.bottom - outer.top != client.bottom;
}

}  // namespace

bool Skin3rdClassMap(TControlAssignment& assignment, TControl& control, const std::string& upperClass) {
  return assignment.ApplySkin3rd(control, upperClass);
}

bool TControlAssignment::ApplySkin3rd(TControl& control, const std::string& upperClass) {
  const std::string className = control.ClassName();
  for (const std::string& line : skinData_.Skin3rd) {
    if (line.size() <= className.size() || line[className.size()] != '=' ||
        !SameTextAscii(line.substr(0, className.size()), className))
      continue;
    std::string kind = line.substr(className.size() + 1);
    if (kind.size() > kMaxKindLength) kind.resize(kMaxKindLength);
    ApplyKind(control, upperClass, LowerAscii(className), LowerAscii(kind));
    return true;
  }
  return false;
}

void TControlAssignment::ApplyKind(TControl& control, const std::string& upperClass,
                                   const std::string& lineClass, const std::string& kind) {
  auto wrap = [&](const char* wrapperClass, bool container = false, const TWrapOptions& options = {}) {
    return Wrap(wrapperClass, control, container, options);
  };
  auto children = [&](TWinControl& parent) {
    std::vector<TControl*> list;
    for (int i = 0; i < parent.ControlCount(); ++i) list.push_back(parent.Controls(i));
    return list;
  };
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  // "nil", and any kind not listed, makes no wrapper.
  if (kind == "combobox") {
    if (Has(xcCombo)) wrap("TSkinComBox");
  } else if (kind == "edit") {
    if (Has(xcEdit) && HasBorder(control)) wrap("TSkinEdit");
  } else if (kind == "radiobutton") {
    if (Has(xcRadioButton)) wrap("TSkinRadioButton");
  } else if (kind == "panel") {
    if (Has(xcPanel)) {
      SetPropText(&control, "Transparent", "True");
      wrap("TSkinBox", true);
    }
  } else if (kind == "trackbar") {
    if (Has(xcButton)) {
      SetPropText(&control, "Transparent", "True");
      wrap("TSkinTrackBar");
    }
  } else if (kind == "button") {
    if (Has(xcButton)) wrap("TSkinButton");
  } else if (kind == "datetimepicker") {
    if (Has(xcCombo)) wrap("TSkinDateTime");
  } else if (kind == "mediaplayer") {
    if (Has(xcButton)) wrap("TSkinMP");
  } else if (kind == "bitbtn") {
    if (Has(xcButton)) {
      const bool dropDown = lineClass == "tcxbutton" && GetEnumProp(&control, "Kind") == "cxbkDropDownButton";
      wrap(dropDown ? "TSkinMenuButton" : "TSkinBitButton");
    }
  } else if (kind == "pngbitbtn") {
    if (Has(xcButton)) {
      TWrapOptions options;
      options.prepare = [](TSkinControl& wrapper) {
        if (auto* bit = dynamic_cast<TSkinBitButton*>(&wrapper)) bit->ImageProperty = "PngImage";
      };
      wrap("TSkinBitButton", false, options);
    }
  } else if (kind == "menubtn") {
    if (Has(xcButton)) wrap("TSkinMenuButton");
  } else if (kind == "speedbutton") {
    if (Has(xcSpeedButton)) wrap("TSkinSpeedButton");
  } else if (kind == "tab") {
    if (Has(xcTab) && skinData_.Objects.Tabs) wrap("TSkinTab");
  } else if (kind == "progress") {
    if (Has(xcProgress)) wrap("TSkinProgress");
  } else if (kind == "scrollbar") {
    if (Has(xcScrollbar)) {
      wrap("TSkinScrollbar");
      AssignChildren(control);
    }
  } else if (kind == "singlescrollbar") {
    if (Has(xcScrollbar)) {
      TWrapOptions options;
      options.single = true;
      wrap("TSkinScrollbar", false, options);
    }
  } else if (kind == "embedscrollbar") {
    if (Has(xcScrollbar) && windowed) {
      for (TControl* child : children(*windowed))
        if (ScrollingChild(*child)) Wrap("TSkinScrollbar", *child, false);
    }
  } else if (kind == "container") {
    AssignChildren(control);
  } else if (kind == "groupbox") {
    if (Has(xcGroupBox)) wrap("TSkinGroupBox", true);
  } else if (kind == "advpagecontrol") {
    // Page style 4: the control is given skinned tab backgrounds.
    if (Has(xcTab)) wrap("TSkinAdvPage", false, TWrapOptions::OfKind(4));
  } else if (kind == "radiogroup" || kind == "checkgroup") {
    const bool radio = kind == "radiogroup";
    if (Has(radio ? xcGroupBox : xcPanel)) {
      const bool foreign = upperClass.find("TRZ") != std::string::npos;
      if (Has(xcRadioButton) && windowed) {
        for (TControl* child : children(*windowed)) {
          if (foreign)
            Wrap("TSkinObjImage", *child, false, TWrapOptions::OfKind(radio ? 2 : 1));
          else
            Wrap(radio ? "TSkinRadioButton" : "TSkinCheckBox", *child, false);
        }
      }
      if (Has(xcGroupBox)) wrap("TSkinGroupBox");
    }
  } else if (kind == "checkbox") {
    if (Has(xcCheckBox)) wrap("TSkinCheckBox");
  }
}
