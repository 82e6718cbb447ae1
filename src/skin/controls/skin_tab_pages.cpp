// TSkinTab31, TSkinTabSheet, TSkinAdvPage (see skin_tab_pages.h).
#include "skin/controls/skin_tab_pages.h"

#include <commctrl.h>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/tab_set.h"
#include "framework/wide.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_up_down.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
constexpr int kScrollerRoom = 21;  // more room needed at the end while arrows show
constexpr int kBackgroundWidth = 100, kBackgroundHeight = 21;

TColor TextColourOf(int plain, TColor triplet) { return plain >= 0 ? static_cast<TColor>(plain) : triplet; }
}  // namespace

// ---- TSkinTab31 ----

bool TSkinTab31::CanDraw() const { return !tabs_.Empty() && dynamic_cast<TTabSet*>(control_); }

void TSkinTab31::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                          TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkin(windowSkin, skinData, manageColour, canvas);
  if (skinData_ && skinData_->Objects.Tabs) CopyBitmap(skinData_->Objects.Tabs->Image, tabs_);
}

void TSkinTab31::SkinChanged() {
  tabs_ = TBitmap();
  if (skinData_ && skinData_->Objects.Tabs) CopyBitmap(skinData_->Objects.Tabs->Image, tabs_);
  TSkinControl::SkinChanged();
}

bool TSkinTab31::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_PAINT && CanDraw()) {
    PaintByMessage(m);
    return false;
  }
  if (m.Msg == WM_ERASEBKGND && CanDraw()) {
    m.Result = 1;
    return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinTab31::DrawControl(HDC dc, const RECT& rect) {
  auto* set = dynamic_cast<TTabSet*>(control_);
  if (!set || tabs_.Empty() || !skinData_ || !skinData_->Objects.Tabs || !dc) return;
  const TDataSkinBorder& tabs = *skinData_->Objects.Tabs;
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!work_.SetSize(width, height) || !work_.Canvas()) return;
  HDC canvas = work_.Canvas();
  work_.Fill(skinData_->Colours.ButtonFace);
  {
    SelectGuard font(canvas, set->Font().Handle());
    int end = width - set->EndMargin - (set->ScrollerVisible() ? kScrollerRoom : 0);
    int x = set->StartMargin;
    for (int i = set->FirstIndex(); i < set->TabCount(); ++i) {
      int w = set->TabWidth(canvas, set->Tabs(i));
      if (x + w > end) break;
      int cell = i == set->TabIndex() ? 2 : 1;
      RECT r{x, 0, x + w, height};
      DrawNineSlice(canvas, r, tabs_, tabs.Margins(), false, tabs.Tile == 1, tabs.Frame, cell, tabs.Trans == 1);
      std::wstring text = Widen(set->Tabs(i));
      SetBkMode(canvas, TRANSPARENT);
      TColor colour = cell == 2 ? TextColourOf(tabs.MouseOverColour, tabs.MouseOverColour2)
                                : TextColourOf(tabs.NormalColour, tabs.NormalColour2);
      SetTextColor(canvas, ColorToRGB(colour));
      DrawTextW(canvas, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      x += w;
    }
  }
  GdiFlush();
  BitBlt(dc, rect.left, rect.top, width, height, canvas, 0, 0, SRCCOPY);
}

// ---- TSkinTabSheet ----

void TSkinTabSheet::PaintSheet(HDC dc) {
  RECT r{};
  GetClientRect(handle_, &r);
  FillFace(dc, r);
  if (auto* windowed = dynamic_cast<TWinControl*>(control_)) windowed->PaintControls(dc);
}

bool TSkinTabSheet::BeforeMessage(TMessage& m) {
  if (Kind != 0 || !handle_) return TSkinControl::BeforeMessage(m);
  switch (m.Msg) {
    case WM_PAINT: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      PAINTSTRUCT ps{};
      if (!dc) dc = BeginPaint(handle_, &ps);
      if (dc) PaintSheet(dc);
      if (!m.WParam) EndPaint(handle_, &ps);
      m.Result = 0;
      return false;
    }
    case WM_PRINTCLIENT:
      if (m.WParam) PaintSheet(reinterpret_cast<HDC>(m.WParam));
      m.Result = 0;
      return false;
    case WM_ERASEBKGND: {
      RECT r{};
      GetClientRect(handle_, &r);
      FillFace(reinterpret_cast<HDC>(m.WParam), r);
      m.Result = 1;
      return false;
    }
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

// ---- TSkinAdvPage ----

void TSkinAdvPage::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                            TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkin(windowSkin, skinData, manageColour, canvas);
  if (attached_ && Kind == kSkinnedBackgrounds) AssignBackgrounds();
}

void TSkinAdvPage::AssignBackgrounds() {
  if (!control_ || !skinData_ || !skinData_->Objects.Tabs) return;
  const TDataSkinBorder& tabs = *skinData_->Objects.Tabs;
  int cell = 1;
  for (TBitmapObject* target : {&background_, &activeBackground_}) {
    auto rendered = NineSliceBitmap(kBackgroundWidth, kBackgroundHeight, tabs.Image, tabs.Margins(),
                                    false, tabs.Tile == 1, tabs.Frame, cell++);
    target->Bitmap = rendered ? std::move(*rendered) : TBitmap();
  }
  SetObjectProp(control_, "TabBackGround", &background_);
  SetObjectProp(control_, "TabBackGroundActive", &activeBackground_);
}

void TSkinAdvPage::SkinChanged() {
  if (Kind == kSkinnedBackgrounds) AssignBackgrounds();
  TSkinControl::SkinChanged();
}

void TSkinAdvPage::Unskin() {
  if (Kind == kSkinnedBackgrounds && control_) {
    SetObjectProp(control_, "TabBackGround", nullptr);
    SetObjectProp(control_, "TabBackGroundActive", nullptr);
  }
  TSkinControl::Unskin();
}

void TSkinAdvPage::DrawControl(HDC, const RECT&) {
  if (arrows_ || !handle_) return;
  HWND arrows = FindWindowExW(handle_, nullptr, UPDOWN_CLASSW, nullptr);
  if (!arrows || SendMessageW(arrows, skinmsg::kQuerySkinned, 0, 0) == 1) return;
  auto* wrapper = new TSkinUpDown(this);
  wrapper->InitSkinWindow(arrows, skinData_, windowSkin_, canvas_);
  arrows_ = wrapper;
}
