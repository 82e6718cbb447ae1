// TMediaPlayer: a media-player button bar (play, pause, stop, next, previous, step,
// back, record, eject) drawn as push buttons of equal width with glyphs of our own; a
// click on an enabled button fires OnClick with its kind. VisibleButtons and
// EnabledButtons are sets of TMPBtnType (bit n for kind n), published as integers.
// DrawMediaGlyph draws the glyph of one kind (also used by the skinned bar).
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "framework/win_control.h"

enum TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
constexpr unsigned kAllMediaButtons = 0x1FF;
constexpr int kMediaButtonKinds = 9;

// The glyph of a button kind, centred in rect, in colour.
void DrawMediaGlyph(HDC dc, const RECT& rect, TMPBtnType kind, COLORREF colour);
// The visible kinds of a button set, in bar order.
std::vector<TMPBtnType> MediaButtonsShown(unsigned visible);
// Rectangle of button index of count equal buttons across client.
RECT MediaButtonRect(const RECT& client, int index, int count);
// The index of the button under x, or -1.
int MediaButtonAt(const RECT& client, int count, POINT point);

class TMediaPlayer : public TWinControl {
 public:
  explicit TMediaPlayer(TComponent* owner);
  const char* ClassName() const override { return "TMediaPlayer"; }
  void DefineProperties(TPropList& list) const override;

  unsigned VisibleButtons() const { return visible_; }
  void SetVisibleButtons(unsigned set);
  unsigned EnabledButtons() const { return enabled_; }
  void SetEnabledButtons(unsigned set);
  std::function<void(TMPBtnType)> OnClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  bool HandleMessage(TMessage& message) override;

 private:
  RECT Client() const { return RECT{0, 0, ClientWidth(), ClientHeight()}; }

  unsigned visible_ = kAllMediaButtons;
  unsigned enabled_ = kAllMediaButtons;
  int pressed_ = -1;  // index of the button held down
};
