// Control assignment (Windows only): hands the controls of a skinned form to control
// wrappers through the window skin's assigner seam. So far, each when its kind is in the
// skin data's SkinControls: progress bars (TSkinProgress, when the skin has a Progress
// image; xcProgress), single-line edits (TSkinEdit; xcEdit) and group boxes
// (TSkinGroupBox; xcGroupBox). A control that already answers the query-skinned message
// is left alone, so a control reached twice is wrapped once.
#pragma once
#include "skin/forms/skinned_controls.h"

class TComponent;
class TSkinData;

// Wraps the matching framework controls owned (directly or further down) by root,
// appending one list entry per wrapper.
void AssignControls(TComponent& root, TSkinData& skinData, TSkinnedControlList& list);
// Makes AssignControls the assigner of every window skin made from now on.
void InstallControlAssignment();
