// What of the skin engine the launcher uses: only the control wrappers its windows can
// contain (see TSkinControlKinds), no optional window-skin part (see TWindowSkinParts)
// and no class map step (see TClassMapStep), so that the stub carries nothing else.
#pragma once
#include "skin/controls/skin_control_factory.h"
#include "skin/forms/control_assignment.h"
#include "skin/forms/window_skin_parts.h"

// The main window's panels and marquee bar; a message box's dialog face and buttons.
const TSkinControlKinds& LauncherSkinControlKinds();
// The launcher's windows (its main window, its message boxes) have no menu bar and no
// context menu: their window skins draw only the system menu.
const TWindowSkinParts& LauncherWindowSkinParts();
// The launcher's controls are all of its own classes, which no line of the default class
// map names; its skin data starts without a class map (TformMain) and its control
// assignment has no class map step.
constexpr TClassMapStep LauncherClassMapStep = nullptr;
// The launcher's control assignment: its wrapper kinds, no class map step.
inline void InstallLauncherControlAssignment() {
  InstallControlAssignment(LauncherSkinControlKinds(), LauncherClassMapStep);
}
