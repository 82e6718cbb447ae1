// Media-player wrappers (see skin_media_player.h).
#include "skin/controls/skin_media_player.h"

#include <vector>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/media_player.h"
#include "framework/properties.h"
#include "skin/controls/skin_text.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
// Cells of the Buttons object.
constexpr int kNormal = 1, kPressed = 2, kDisabled = 3, kHot = 4;
}  // namespace

TWMediaPlayer::TWMediaPlayer(TComponent* owner, TWinControl& player, TSkinData& skinData)
    : TWinControl(owner), player_(player), skinData_(skinData) {}

unsigned TWMediaPlayer::Set(const char* property) const {
  int64_t value = 0;
  if (!TryGetIntProp(&player_, property, value)) return kAllMediaButtons;
  return static_cast<unsigned>(value) & kAllMediaButtons;
}

void TWMediaPlayer::Place() { SetBounds(0, 0, player_.ClientWidth(), player_.ClientHeight()); }

void TWMediaPlayer::PaintWindow(HDC dc) {
  const RECT client = Client();
  if (client.right <= 0 || client.bottom <= 0) return;
  if ((work_.Width() != client.right || work_.Height() != client.bottom) &&
      !work_.SetSize(client.right, client.bottom))
    return;
  HDC face = work_.Canvas();
  if (!face) return;
  const TColor faceColour = skinData_.Colours.ButtonFace;
  OwnedBrush background(CreateSolidBrush(ColorToRGB(faceColour)));
  FillRect(face, &client, background.Get());
  const std::vector<TMPBtnType> shown = MediaButtonsShown(Set("VisibleButtons"));
  const unsigned enabled = Set("EnabledButtons");
  const int count = static_cast<int>(shown.size());
  const TDataSkinButton* buttons = skinData_.Objects.Buttons.get();
  for (int i = 0; i < count; ++i) {
    const RECT r = MediaButtonRect(client, i, count);
    const bool on = player_.Enabled() && ((enabled >> shown[static_cast<size_t>(i)]) & 1u);
    const int cell = !on ? kDisabled : i == pressed_ ? kPressed : i == hot_ ? kHot : kNormal;
    if (buttons && !buttons->Image.Empty()) {
      DrawNineSlice(face, r, buttons->Image, buttons->Margins(), false, buttons->Tile == 1,
                    buttons->Frame > 0 ? buttons->Frame : 5, cell, buttons->Trans == 1);
    } else {
      RECT edge = r;
      DrawFrameControl(face, &edge, DFC_BUTTON, DFCS_BUTTONPUSH | (cell == kPressed ? DFCS_PUSHED : 0));
    }
    const TColor glyph = ButtonTextColour(&skinData_, cell, on, SystemColour(COLOR_BTNTEXT));
    DrawMediaGlyph(face, r, shown[static_cast<size_t>(i)], ColorToRGB(glyph));
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, face, 0, 0, SRCCOPY);
}

void TWMediaPlayer::SetHot(int index) {
  if (hot_ == index) return;
  hot_ = index;
  Invalidate();
}

bool TWMediaPlayer::HandleMessage(TMessage& m) {
  const int count = static_cast<int>(MediaButtonsShown(Set("VisibleButtons")).size());
  const POINT at{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
      }
      SetHot(MediaButtonAt(Client(), count, at));
      break;
    case WM_MOUSELEAVE:
      tracking_ = false;
      SetHot(-1);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = MediaButtonAt(Client(), count, at);
      SetCapture(Handle());
      Invalidate();
      m.Result = 0;
      return true;
    case WM_LBUTTONUP: {
      const int pressed = pressed_;
      pressed_ = -1;
      if (GetCapture() == Handle()) ReleaseCapture();
      Invalidate();
      // One complete press of the control's own button under the point.
      if (pressed >= 0 && MediaButtonAt(Client(), count, at) == pressed && player_.HandleAllocated()) {
        SendMessageW(player_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, m.LParam);
        SendMessageW(player_.Handle(), WM_LBUTTONUP, 0, m.LParam);
      }
      m.Result = 0;
      return true;
    }
    default:
      break;
  }
  return TWinControl::HandleMessage(m);
}

TSkinMP::~TSkinMP() { FreePanel(); }

void TSkinMP::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                       TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkin(windowSkin, skinData, manageColour, canvas);
  auto* player = dynamic_cast<TWinControl*>(control_);
  if (!attached_ || !player || !skinData_) return;
  panel_ = new TWMediaPlayer(this, *player, *skinData_);
  panel_->Place();  // sized first, so the window is made at its size
  panel_->SetParent(player);
}

void TSkinMP::FreePanel() {
  if (!panel_) return;
  TWMediaPlayer* panel = panel_;
  panel_ = nullptr;
  panel->Free();
}

void TSkinMP::Unskin() {
  TSkinControl::Unskin();
  if (state_ != kStateDead) FreePanel();
}

void TSkinMP::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      if (panel_) panel_->Place();
      break;
    case WM_PAINT:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
      // The control's sets or state may have changed: the panel shows them again.
      if (panel_) panel_->Invalidate();
      break;
    default:
      break;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinMP::SkinChanged() {
  TSkinControl::SkinChanged();
  if (panel_) panel_->Invalidate();
}
