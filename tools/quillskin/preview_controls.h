// The preview's controls beyond the buttons, lists and bars of its first columns (Windows
// only): combo boxes of every style, placed right of them, each handed to `add` with the
// wrapper class that skins it.
#pragma once
#include <functional>

class TControl;
class TForm;

// Puts a control on the form (unless it has a parent) and names its wrapper class.
using PreviewAdd = std::function<void(TControl* control, const char* wrapperClass)>;

// Combo boxes of every style, a right-to-left one and a disabled one.
void AddPreviewComboBoxes(TForm& form, const PreviewAdd& add);
// An edit with its up-down, a horizontal and a disabled up-down, a date picker and a
// time picker.
void AddPreviewSpinControls(TForm& form, const PreviewAdd& add);
// Tab controls with their tabs on top, bottom, left and right; a page control with two
// sheets; an old-style tab set.
void AddPreviewTabs(TForm& form, const PreviewAdd& add);
// A lying and a standing track bar; a status bar with panels (lowered, raised and
// right-aligned, without bevel) and a size grip across the form's bottom.
void AddPreviewBars(TForm& form, const PreviewAdd& add);
