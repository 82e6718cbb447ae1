// Caption buttons: visibility, placement, painting and hit lookup (see caption_buttons.h).
#include "skin/forms/caption_buttons.h"

#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {

bool Maximised(const TWindowFacts& f) { return f.showState == ssMaximised; }

// The first test, by Visibility.
bool FirstTest(int visibility, int action, const TWindowFacts& f, const TVisibilityQuery& query) {
  switch (visibility) {
    case 0: return true;
    case 1: return Maximised(f);
    case 2: return !Maximised(f);
    case 3: return f.active;
    case 4: return !f.active;
    case 6: return f.Has(kHasMaximiseBox) && f.Has(kHasSystemMenu);
    case 7: return !f.Has(kHasMaximiseBox);
    case 8: return f.Has(kHasMinimiseBox) && f.Has(kHasSystemMenu);
    case 9: return !f.Has(kHasMinimiseBox);
    case 100: return f.windowKind == wkMdiFrame && f.mdiChildMaximised && f.menuBarHeight > 0;
    case 200: return f.borderKind == bkDialog && !f.systemDialog;
    default: break;
  }
  if (visibility >= 201 && visibility <= 999) return true;
  if (visibility >= 1000 && visibility <= 2000) return query && query(visibility, action) > 0;
  return false;  // any other value (-1 included) never shows
}

// The second test, by Visibility1.
bool SecondTest(int visibility1, bool first, const TWindowFacts& f) {
  switch (visibility1) {
    case 0: return true;
    case 1: return Maximised(f);
    case 2: return !Maximised(f);
    case 3: return f.active;
    case 4: return !f.active;
    case 6: return f.Has(kHasMaximiseBox);
    case 7: return !f.Has(kHasMaximiseBox);
    case 8: return f.Has(kHasMinimiseBox);
    case 9: return !f.Has(kHasMinimiseBox);
    case 100: return first;
    default: return false;
  }
}

// The third test, by Action.
bool ThirdTest(int action, const TWindowFacts& f) {
  switch (action) {
    case captionaction::kClose: return f.Has(kHasSystemMenu);
    case captionaction::kMaximise: return f.Has(kHasMaximiseBox);
    case captionaction::kMinimise: return f.Has(kHasMinimiseBox);
    case captionaction::kIcon:
    case captionaction::kIcon2:
    case captionaction::kSystemMenu: return f.borderKind != bkDialog;
    default: return true;
  }
}

}  // namespace

bool CaptionButtonShown(const TDataSkinSysButton& skin, const TWindowFacts& facts,
                        const TVisibilityQuery& query) {
  const bool first = FirstTest(skin.Visibility, skin.Action, facts, query);
  return first && SecondTest(skin.Visibility1, first, facts) && ThirdTest(skin.Action, facts);
}

TWinSysButton::TWinSysButton(TNCHost& host, const TDataSkinSysButton& skin,
                             const TBitmap* iconImage)
    : TNCObject(host), skin_(skin) {
  frames_ = skin.Frame > 0 ? skin.Frame : 1;
  if (IsIcon()) {
    if (skin.Image.Empty()) image_ = iconImage;
    frames_ = 1;
  }
}

void TWinSysButton::DrawIcon(HDC dc) const {
  if (Icon) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    DrawIconEx(dc, Rect.left, Rect.top, Icon, size, size, 0, nullptr, DI_NORMAL);
  } else {
    DrawStripFrame(dc, Rect, Image(), true, 1, 1);
  }
}

void TWinSysButton::Paint(HDC windowDc) {
  if (!Visible || Image().Empty()) return;
  if (IsIcon()) {
    DrawIcon(windowDc);
    return;
  }
  int frame = State;
  if (skin_.Visibility == 100 && State == ncHot) frame = 4;
  DrawStripFrame(windowDc, Rect, Image(), true, frames_, frame);
}

void TCaptionButtons::Clear() {
  buttons_.clear();
  rightLimit_ = 0;
}

void TCaptionButtons::Rebuild(TNCHost& host, const TSkinData& skin, const TBitmap& iconImage) {
  Clear();
  for (const auto& skinButton : skin.Objects.CaptionButtons) {
    if (skinButton) buttons_.push_back(std::make_unique<TWinSysButton>(host, *skinButton, &iconImage));
  }
}

void TCaptionButtons::Layout(const TWindowFacts& f, const RECT& textRect,
                             const TDataSkinObject* menuBar, const TVisibilityQuery& query) {
  int limit = 0;
  for (auto& button : buttons_) {
    const TDataSkinSysButton& s = button->Skin();
    button->Visible = CaptionButtonShown(s, f, query);
    button->WindowActive = f.active;
    if (!button->Visible || button->Image().Empty()) {
      button->Rect = RECT{};
      continue;
    }
    const int w = button->Image().Width() / button->Frames();
    const int h = button->Image().Height();
    int x = 0, y = 0;
    switch (s.Align) {
      case 0: x = s.Xcoord; y = s.Ycoord; break;
      case 1: x = f.width - s.Xcoord; y = s.Ycoord; break;
      case 2:
      case 8: x = textRect.left - w - s.Xcoord; y = s.Ycoord; break;
      case 3:
      case 9: x = textRect.right + s.Xcoord; y = s.Ycoord; break;
      case 100: {
        y = f.frame.top + (f.menuBarHeight - h) / 2;
        const int shift = menuBar ? menuBar->LeftWidth : 0;
        x = f.rightToLeft ? s.Xcoord + f.frame.left + shift
                          : f.width - s.Xcoord - f.frame.right - shift;
        break;
      }
      default: break;
    }
    button->Rect = RECT{x, y, x + w, y + h};
    if (s.Align == 1 && x > limit) limit = x;
  }
  rightLimit_ = limit > 0 ? limit : 0;
}

void TCaptionButtons::PaintAtTitle(HDC dc, const TWindowFacts& f, HICON icon) const {
  for (const auto& button : buttons_) {
    button->Icon = icon;
    if (!button->Visible || button->Image().Empty() || button->Skin().Visibility == 100) continue;
    if (button->IsIcon()) {
      button->DrawIcon(dc);
      continue;
    }
    const int frame = (f.active || button->Frames() < 4) ? 1 : 4;
    DrawStripFrame(dc, button->Rect, button->Image(), true, button->Frames(), frame);
  }
}

TWinSysButton* TCaptionButtons::HitTest(POINT p) const {
  for (const auto& button : buttons_) {
    if (button->Visible && button->Action() >= 0 && PtInRect(&button->Rect, p)) return button.get();
  }
  return nullptr;
}
