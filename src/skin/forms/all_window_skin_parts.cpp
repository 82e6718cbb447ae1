// Every optional part of window skins (see AllWindowSkinParts in window_skin_parts.h).
#include "skin/forms/win_skin_menu.h"
#include "skin/forms/window_skin_parts.h"

const TWindowSkinParts& AllWindowSkinParts() {
  static const TWindowSkinParts parts{MakeWinSkinMenu};
  return parts;
}
