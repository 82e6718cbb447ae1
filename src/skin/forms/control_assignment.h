// TControlAssignment (Windows only): gives every control of a skinned window exactly
// one control wrapper, chosen by the control's class, the skin data's SkinControls set
// and its Skin3rd class map. A framework form's controls are framework components
// (SkinFormControls, AssignControl); any other window's controls are child windows
// chosen by window class and style (SkinChildWindows, AssignChildWindow). A control that
// answers the query-skinned message, or that has a wrapper in the list, is never wrapped
// again. Wrappers are made by class name from the program's wrapper kinds, so a wrapper
// class that the program does not list (or that is not built yet) simply gives no
// wrapper.
//
// Files: control_assignment.cpp (walks, the steps before the tables, making wrappers),
// control_rules.cpp (the framework-control table), skin3rd_rules.cpp (the Skin3rd
// kinds), child_window_rules.cpp (the child-window table).
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "skin/controls/skin_control_factory.h"
#include "skin/forms/skinned_controls.h"

class TComponent;
class TControl;
class TForm;
class TSkinControl;
class TSkinControlList;
class TSkinData;
class TWinControl;

// Options of a wrapper being made: its kind, and a last touch before it attaches.
struct TWrapOptions {
  int kind = 0;
  bool single = false;  // a scroll-bar wrapper without border
  std::function<void(TSkinControl&)> prepare;

  static TWrapOptions OfKind(int kind) {
    TWrapOptions options;
    options.kind = kind;
    return options;
  }
};

class TControlAssignment;

// The class map step of the control assignment, tried before the built-in rules: true
// when it decided the control. Skin3rdClassMap applies the skin data's Skin3rd lines
// (skin3rd_rules.cpp); a program whose skin data has no class map (its controls are all
// of its own classes) leaves the step out, and the Skin3rd kinds are not linked into it.
using TClassMapStep = bool (*)(TControlAssignment& assignment, TControl& control,
                               const std::string& upperClass);
bool Skin3rdClassMap(TControlAssignment& assignment, TControl& control, const std::string& upperClass);

class TControlAssignment {
 public:
  // entries: the window skin's list (new entries are appended); window: the skinned
  // window (scroll-bar wrappers post their replace request to it); kinds: the wrapper
  // classes that may be made (kept by reference: it outlives the assignment); classMap:
  // the class map step (null: none).
  TControlAssignment(TSkinData& skinData, TSkinnedControlList& entries, HWND window,
                     const TSkinControlKinds& kinds = AllSkinControlKinds(),
                     TClassMapStep classMap = Skin3rdClassMap);
  TControlAssignment(const TControlAssignment&) = delete;
  TControlAssignment& operator=(const TControlAssignment&) = delete;

  // Dead entries are swept, then the form's components and its controls in tab order.
  void SkinFormControls(TForm& form);
  // Every child window (WS_CHILD) of window, in z order.
  void SkinChildWindows(HWND window);
  // The per-control decision for a framework control.
  void AssignControl(TControl& control, TWinControl* parent);
  // The per-window decision for a child window.
  void AssignChildWindow(HWND window);
  // Message 13591: the control of window gets a new TSkinScrollbar (a TSkinListView
  // when its old wrapper was one) in place of its old wrapper.
  void ReplaceScrollbar(HWND window);

  // The listed wrapper of a control or a window, or null.
  TSkinControl* WrapperOf(const TControl* control) const;
  TSkinControl* WrapperOf(HWND window) const;
  TSkinControlList& Wrappers() const { return *wrappers_; }

 private:
  bool Wrapped(TControl& control) const;
  // Makes, attaches and lists a wrapper for a framework control (owned by it); null
  // when the class is unknown, the control is wrapped already or has no window.
  TSkinControl* Wrap(const char* wrapperClass, TControl& control, bool container,
                     const TWrapOptions& options = {});
  // The same for a bare child window (the wrapper belongs to the window skin).
  TSkinControl* WrapWindow(const char* wrapperClass, HWND window);
  // Adopts a wrapper made elsewhere (OnSkinControl): initialises and lists it.
  void Adopt(TSkinControl& wrapper, TControl& control);
  void AssignChildren(TControl& control);
  // The tables: true when a rule decided (the search ends).
  friend bool Skin3rdClassMap(TControlAssignment&, TControl&, const std::string&);
  bool ApplySkin3rd(TControl& control, const std::string& upperClass);
  bool ApplyBuiltInRows(TControl& control, const std::string& upperClass);
  void ApplyKind(TControl& control, const std::string& upperClass, const std::string& lineClass,
                 const std::string& kind);
  bool Has(int member) const;

  TSkinData& skinData_;
  TSkinnedControlList& entries_;
  const TSkinControlKinds& kinds_;
  TClassMapStep classMap_;
  std::shared_ptr<TSkinControlList> wrappers_;
};

// Makes the control assignment the one every window skin made from now on uses: a
// framework form's controls, any other window's child windows, size grips made later,
// and scroll-bar wrapper replacement. kinds: the wrapper classes the program makes (a
// table that lives as long as the program); classMap: the class map step (null: none).
void InstallControlAssignment(const TSkinControlKinds& kinds = AllSkinControlKinds(),
                              TClassMapStep classMap = Skin3rdClassMap);
