// What of the skin engine the launcher uses: only the control wrappers its windows can
// contain (see TSkinControlKinds) and no optional window-skin part (see
// TWindowSkinParts), so that the stub carries nothing else.
#pragma once
#include "skin/controls/skin_control_factory.h"
#include "skin/forms/window_skin_parts.h"

// The main window's panels and marquee bar; a message box's dialog face and buttons.
const TSkinControlKinds& LauncherSkinControlKinds();
// The launcher's windows (its main window, its message boxes) have no menu bar and no
// context menu: their window skins draw only the system menu.
const TWindowSkinParts& LauncherWindowSkinParts();
