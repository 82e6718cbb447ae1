// The preview's media-player bar with a disabled button (see preview_form.h); the panel
// at the top left is skinned by the control assignment's panel row.
#include "framework/media_player.h"
#include "preview_form.h"

void TPreviewForm::AddPanelsAndPlayer() {
  auto* player = new TMediaPlayer(this);
  player->Name = "MediaPlayer1";
  player->SetBounds(450, 172, 170, 24);
  player->SetVisibleButtons((1u << btPlay) | (1u << btPause) | (1u << btStop) | (1u << btPrev) |
                            (1u << btNext) | (1u << btEject));
  player->SetEnabledButtons(kAllMediaButtons & ~(1u << btPause));
  player->SetParent(this);
  skinned_.push_back({player, "TSkinMP"});
}
