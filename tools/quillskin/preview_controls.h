// The preview's controls beyond the buttons, lists and bars of its first columns (Windows
// only): combo boxes of every style, placed right of them, each handed to `add` with the
// wrapper class that skins it.
#pragma once
#include <functional>

class TControl;
class TForm;

using PreviewAdd = std::function<void(TControl* control, const char* wrapperClass)>;

// Combo boxes of every style, a right-to-left one and a disabled one.
void AddPreviewComboBoxes(TForm& form, const PreviewAdd& add);
// An edit with its up-down, a horizontal and a disabled up-down, a date picker and a
// time picker.
void AddPreviewSpinControls(TForm& form, const PreviewAdd& add);
