// TSkinTab, TSkinTabBtn (see skin_tab.h).
#include "skin/controls/skin_tab.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "skin/controls/skin_caption_block.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_up_down.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
constexpr int kTextChars = 80;
constexpr RECT kDefaultPaneMargins{4, 5, 4, 4};

TColor TextColourOf(int plain, TColor triplet) { return plain >= 0 ? static_cast<TColor>(plain) : triplet; }
}  // namespace

bool TSkinTab::CanDraw() const {
  return skinData_ && skinData_->Objects.Tabs && !skinData_->Objects.Tabs->Image.Empty();
}

void TSkinTab::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                        TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkin(windowSkin, skinData, manageColour, canvas);
  if (attached_) AttachTab();
}

void TSkinTab::InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                              TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkinWindow(window, skinData, windowSkin, canvas);
  if (attached_) AttachTab();
}

void TSkinTab::AttachTab() {
  LONG style = GetStyle(handle_, GWL_STYLE);
  enabled_ = !(style & WS_DISABLED);
  bool bottom = style & TCS_BOTTOM, vertical = style & TCS_VERTICAL;
  position_ = vertical ? (bottom ? kRight : kLeft) : (bottom ? kBottom : kTop);
  PrepareImages();
  FindScrollArrows();
  active_ = true;
  unicode_ = IsWindowUnicode(handle_) != FALSE;
}

void TSkinTab::SkinChanged() {
  TSkinControl::SkinChanged();
  PrepareImages();
  Repaint();
}

void TSkinTab::PrepareImages() {
  tabImage_ = TBitmap();
  paneImage_ = TBitmap();
  if (!skinData_ || !skinData_->Objects.Tabs) return;
  const TDataSkinBorder& tabs = *skinData_->Objects.Tabs;
  CopyBitmap(tabs.Image, tabImage_);
  if (tabs.Style == 0)
    CopyBitmap(tabs.Image2, paneImage_);
  else if (tabs.Style == 1 && skinData_->Objects.TabPane)
    CopyBitmap(skinData_->Objects.TabPane->Image, paneImage_);
  switch (position_) {
    case kBottom:
      if (!tabImage_.Empty()) FlipBitmap(tabImage_);
      if (!paneImage_.Empty()) FlipBitmap(paneImage_);
      break;
    case kLeft:
      if (!paneImage_.Empty()) RotateAnticlockwise(paneImage_);
      break;
    case kRight:
      if (!paneImage_.Empty()) RotateClockwise(paneImage_);
      break;
    default:
      break;
  }
}

bool TSkinTab::FindScrollArrows() {
  if (!handle_) return false;
  HWND arrows = FindWindowExW(handle_, nullptr, UPDOWN_CLASSW, nullptr);
  if (!arrows) return false;
  if (!arrows_ && SendMessageW(arrows, skinmsg::kQuerySkinned, 0, 0) != 1) {
    auto* wrapper = new TSkinUpDown(this);
    wrapper->InitSkinWindow(arrows, skinData_, windowSkin_, canvas_);
    arrows_ = wrapper;
  }
  return IsWindowVisible(arrows) != FALSE;
}

bool TSkinTab::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_PAINT && CanDraw()) {
    PaintByMessage(m);
    return false;
  }
  return TSkinControl::BeforeMessage(m);
}

RECT TSkinTab::PaneFor(const RECT& window) const {
  RECT p = window;
  SendMessageW(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&p));
  InflateRect(&p, 4, 4);
  switch (DrawnPosition()) {
    case kTop:
      p.top += 1;
      break;
    case kBottom:
      p.bottom -= 1;
      break;
    case kLeft:
      p.left += 1;
      break;
    default:
      p.right -= 1;
      break;
  }
  return p;
}

TColor TSkinTab::ItemTextColour(int state) const {
  const TDataSkinBorder& tabs = *skinData_->Objects.Tabs;
  if (!enabled_) return skinData_->Colours.ButtonShadow;
  return state == 2 ? TextColourOf(tabs.MouseOverColour, tabs.MouseOverColour2)
                    : TextColourOf(tabs.NormalColour, tabs.NormalColour2);
}

void TSkinTab::DrawItemFace(HDC strip, const RECT& r, int state) {
  const TDataSkinBorder& tabs = *skinData_->Objects.Tabs;
  DrawNineSlice(strip, r, tabImage_, tabs.Margins(), false, tabs.Tile == 1, tabs.Frame, state,
                tabs.Trans == 1);
}

void TSkinTab::DrawControl(HDC dc, const RECT& rect) {
  if (!CanDraw() || !handle_ || !dc) return;
  enabled_ = !(GetStyle(handle_, GWL_STYLE) & WS_DISABLED);
  const int position = DrawnPosition();
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  RECT p = PaneFor(rect);
  pane_ = p;
  RECT s = rect;
  switch (position) {
    case kTop: s.bottom = std::clamp<LONG>(p.top, 0, height); break;
    case kBottom: s.top = std::clamp<LONG>(p.bottom, 0, height); break;
    case kLeft: s.right = std::clamp<LONG>(p.left, 0, width); break;
    default: s.left = std::clamp<LONG>(p.right, 0, width); break;
  }
  const bool lying = position == kLeft || position == kRight;
  const int sw = lying ? s.bottom - s.top : s.right - s.left;
  const int sh = lying ? s.right - s.left : s.bottom - s.top;
  int count = static_cast<int>(SendMessageW(handle_, TCM_GETITEMCOUNT, 0, 0));
  int focus = static_cast<int>(SendMessageW(handle_, TCM_GETCURFOCUS, 0, 0));
  if (focus < 0) focus = static_cast<int>(SendMessageW(handle_, TCM_GETCURSEL, 0, 0));
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(handle_, TCM_GETIMAGELIST, 0, 0));
  tabRects_.assign(static_cast<size_t>(std::max(0, count)), RECT{});
  if (sw > 0 && sh > 0 && strip_.SetSize(sw, sh) && strip_.Canvas()) {
    HDC canvas = strip_.Canvas();
    strip_.Fill(skinData_->Colours.ButtonFace);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
    {
      SelectGuard fontGuard(canvas, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
      for (int i = 0; i < count; ++i) {
        wchar_t wide[kTextChars + 1] = {};
        char narrow[kTextChars + 1] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
        item.cchTextMax = kTextChars;
        std::wstring text;
        if (unicode_) {
          item.pszText = wide;
          SendMessageW(handle_, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
          text = wide;
        } else {
          TCITEMA itemA{};
          itemA.mask = item.mask;
          itemA.cchTextMax = kTextChars;
          itemA.pszText = narrow;
          SendMessageA(handle_, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&itemA));
          item.iImage = itemA.iImage;
          text = AnsiToUnicode(narrow);
        }
        RECT r{};
        if (!SendMessageW(handle_, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
        tabRects_[static_cast<size_t>(i)] = r;
        RECT m = r;
        switch (position) {
          case kTop: OffsetRect(&m, 0, 1); break;
          case kBottom: OffsetRect(&m, 0, -(p.bottom + 1)); break;
          case kLeft: m = RECT{sw - r.bottom, r.left, sw - r.top, r.right}; break;
          default: m = RECT{r.top - 1, width - r.right, r.bottom - 1, width - r.left}; break;
        }
        int state = i == focus ? 2 : 1;
        DrawItemFace(canvas, m, state);
        DrawImageAndCaption(canvas, m, TBlockAlign::Centre, images, item.iImage, text, ItemTextColour(state));
      }
    }
    GdiFlush();
    if (position == kRight) RotateClockwise(strip_);
    if (position == kLeft) RotateAnticlockwise(strip_);
    if (HDC turned = strip_.Canvas()) {
      int saved = SaveDC(dc);
      HWND arrows = FindWindowExW(handle_, nullptr, UPDOWN_CLASSW, nullptr);
      if (FindScrollArrows() && arrows) {
        RECT a{};
        GetWindowRect(arrows, &a);
        MapWindowPoints(nullptr, handle_, reinterpret_cast<POINT*>(&a), 2);
        ExcludeClipRect(dc, a.left, a.top, a.right, a.bottom);
      }
      BitBlt(dc, s.left, s.top, s.right - s.left, s.bottom - s.top, turned, 0, 0, SRCCOPY);
      RestoreDC(dc, saved);
    }
  }
  if (DrawsPane() && !paneImage_.Empty()) {
    const TDataSkinBorder& tabs = *skinData_->Objects.Tabs;
    RECT margins = tabs.Style != 0 && skinData_->Objects.TabPane ? skinData_->Objects.TabPane->Margins()
                                                                 : kDefaultPaneMargins;
    DrawNineSlice(dc, p, paneImage_, margins, false, false, 1, 1, false);
  }
}

// ---- TSkinTabBtn ----

bool TSkinTabBtn::CanDraw() const {
  return skinData_ && skinData_->Objects.Buttons && !skinData_->Objects.Buttons->Image.Empty();
}

void TSkinTabBtn::DrawItemFace(HDC strip, const RECT& r, int state) {
  const TDataSkinButton& buttons = *skinData_->Objects.Buttons;
  if (buttons.Image.Empty()) return;
  DrawNineSlice(strip, r, buttons.Image, buttons.Margins(), false, buttons.Tile == 1, buttons.Frame,
                state, buttons.Trans == 1);
}

TColor TSkinTabBtn::ItemTextColour(int state) const {
  const TDataSkinButton& buttons = *skinData_->Objects.Buttons;
  if (!enabled_) return skinData_->Colours.ButtonShadow;
  if (state == 2 && buttons.HasPressedColour2) return buttons.PressedColour2;
  if (state == 1 && buttons.HasNormalColour2) return buttons.NormalColour2;
  return skinData_->Colours.ButtonText;
}

void TSkinTabBtn::DrawControl(HDC dc, const RECT& rect) {
  if (!CanDraw() || !handle_ || !dc) return;
  // The control's own painting is consumed: what lies below the buttons is the face.
  RECT below = rect;
  RECT p = rect;
  SendMessageW(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&p));
  below.top = std::clamp<LONG>(p.top - 4, 0, rect.bottom);
  FillFace(dc, below);
  TSkinTab::DrawControl(dc, rect);
}
