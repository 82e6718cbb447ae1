// The entry for the window skin: makes a control wrapper by its class name and
// attaches it to a framework control (which owns it), choosing the attach call the
// wrapper needs (scroll-bar wrappers: InitScrollbar).
#pragma once
#include <string>

class TComponent;
class TControl;
class TSkinControl;
class TSkinControlList;
class TSkinData;

// A new wrapper of that class ("TSkinButton", "TSkinBitButton", "TSkinMenuButton",
// "TSkinSpeedButton", "TSkinCheckBox", "TSkinRadioButton", "TSkinScrollbar",
// "TSkinListView", "TSkinScControl", "TSkinSizer", "TSkinProgress", "TSkinEdit",
// "TSkinGroupBox") owned by owner; null for another name.
TSkinControl* NewSkinControl(const std::string& wrapperClass, TComponent* owner);

// Makes the wrapper for control (owned by the control) and attaches it to windowSkin's
// list; null when the class is unknown or the control's window cannot be made.
// single: a TSkinScrollbar in single mode (no border).
TSkinControl* SkinFrameworkControl(const std::string& wrapperClass, TControl* control,
                                   TSkinControlList* windowSkin, TSkinData* skinData,
                                   bool manageColour, bool single = false);
