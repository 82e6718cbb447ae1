// Control assignment for windows that are not framework forms (system dialogs, message
// boxes): their child windows get wrappers by window class and style, attached to the
// bare window (see control_assignment.h).
#include <string>

#include "framework/path_text.h"
#include "framework/win_control.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_control_list.h"
#include "skin/data/skin_data.h"
#include "skin/forms/assigned_wrappers.h"
#include "skin/forms/control_assignment.h"

namespace {

constexpr size_t kMaxClassName = 100;

std::string LowerClassName(HWND window) {
  wchar_t name[kMaxClassName + 1] = {};
  const int length = GetClassNameW(window, name, static_cast<int>(kMaxClassName + 1));
  std::string text;
  for (int i = 0; i < length; ++i) text += name[i] < 0x80 ? static_cast<char>(name[i]) : '?';
  return LowerAscii(text);
}

// The wrapper of a window of the system "button" class, by its style; null for none.
const char* ButtonWrapper(DWORD style) {
  if ((style & 0xB) == 0xB) return nullptr;                     // owner-drawn
  if ((style & 7) == 7 || (style & 0x80)) return nullptr;       // group box, picture
  if ((style & 3) == 3 || (style & 2)) return "TSkinCheckBox";  // check boxes
  if ((style & 5) == 5) return "TSkinCheckBox";                 // three-state
  if ((style & 9) == 9 || (style & 4)) return "TSkinRadioButton";
  return "TSkinButton";
}

}  // namespace

TSkinControl* TControlAssignment::WrapWindow(const char* wrapperClass, HWND window) {
  if (!window || WrapperOf(window)) return nullptr;
  TSkinControl* wrapper = SkinBareWindow(wrapperClass, window, wrappers_.get(), &skinData_, nullptr, kinds_);
  if (!wrapper) return nullptr;
  entries_.push_back(std::make_unique<TAssignedWrapper>(wrappers_, wrapper));
  return wrapper;
}

void TControlAssignment::SkinChildWindows(HWND window) {
  SweepDeadEntries(entries_);
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) AssignChildWindow(child);
  }
}

void TControlAssignment::AssignChildWindow(HWND window) {
  if (!window || WrapperOf(window)) return;
  const std::string name = LowerClassName(window);
  const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  // The framework control of a panel window takes the skin's face colour.
  auto facePanel = [&] {
    if (TWinControl* control = TWinControl::FromHandle(window)) control->SetColor(skinData_.Colours.ButtonFace);
  };
  if (name == "button") {
    if (const char* wrapper = ButtonWrapper(style)) WrapWindow(wrapper, window);
  } else if (name == "combobox") {
    if ((style & 3) != CBS_SIMPLE) WrapWindow("TSkinComBox", window);
  } else if (name == "comboboxex32") {
    if (HWND combo = GetWindow(window, GW_CHILD)) WrapWindow("TSkinComBox", combo);
  } else if (name == "scrollbar") {
    // Only size boxes are painted as a size grip: a plain face over an ordinary
    // scroll-bar control would hide it.
    if (!(style & 0x10000) && (style & (SBS_SIZEBOX | SBS_SIZEGRIP))) WrapWindow("TSkinSizer", window);
  } else if (name == "systreeview32") {
    // left alone
  } else if (name == "#32770") {
    if (!(style & 0x10000)) {
      SkinChildWindows(window);
      WrapWindow("TSkinBoxH", window);
    }
  } else if (name == "tpanel" || name == "ttntpanel.unicodeclass" ||
             name == "ttntsilentpaintpanel.unicodeclass") {
    SkinChildWindows(window);
    facePanel();
  } else if (name == "tcheckbox") {
    WrapWindow("TSkinCheckBox", window);
  } else if (name == "tcombobox") {
    WrapWindow("TSkinComBox", window);
  } else if (name == "tbutton") {
    WrapWindow("TSkinButton", window);
  } else if (name == "tprogressbar") {
    WrapWindow("TSkinProgress", window);
  } else if (name == "tsilentpaintpanel") {
    facePanel();
  } else if (name == "systabcontrol32") {
    if (!(style & 0x2000)) WrapWindow("TSkinTab", window);
  } else if (name == "edit") {
    WrapWindow("TSkinEdit", window);
  }
}
