// The launcher's control wrapper kinds and window-skin parts (see launcher_skin_controls.h).
#include "launcher/launcher_skin_controls.h"

#include "skin/controls/skin_box.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_progress.h"

const TSkinControlKinds& LauncherSkinControlKinds() {
  static const TSkinControlKinds kinds{
      {"TSkinBox", MakeSkinControl<TSkinBox>},            // panels of the main window
      {"TSkinProgress", MakeSkinControl<TSkinProgress>},  // its marquee bar
      {"TSkinBoxH", MakeSkinControl<TSkinBoxH>},          // a message box's dialog face
      {"TSkinButton", MakeSkinControl<TSkinButton>},      // and its buttons
  };
  return kinds;
}

const TWindowSkinParts& LauncherWindowSkinParts() {
  static const TWindowSkinParts parts{};  // no menus
  return parts;
}
