// The control wrappers the launcher makes: only the kinds of control its windows can
// contain, so that the stub carries no other wrapper (see TSkinControlKinds).
#pragma once
#include "skin/controls/skin_control_factory.h"

// The main window's panels and marquee bar; a message box's dialog face and buttons.
const TSkinControlKinds& LauncherSkinControlKinds();
