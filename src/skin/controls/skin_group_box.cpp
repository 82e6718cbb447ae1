// TSkinGroupBox (see skin_group_box.h).
#include "skin/controls/skin_group_box.h"

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/wide.h"
#include "framework/win_control.h"
#include "skin/data/skin_data.h"

void TSkinGroupBox::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                             TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkin(windowSkin, skinData, manageColour, canvas);
  if (control_) Kind = 1;  // a framework control: the wrapper paints it alone
}

bool TSkinGroupBox::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_PAINT && Kind == 1) {
    PaintByMessage(m);
    return false;
  }
  return TSkinControl::BeforeMessage(m);
}

std::wstring TSkinGroupBox::CaptionText() const {
  std::wstring text = WideWindowText(handle_);
  if (text.empty() && control_) text = Widen(control_->Caption());
  return text;
}

void TSkinGroupBox::DrawControl(HDC dc, const RECT& rect) {
  if (!handle_ || !dc) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const TColor face = FaceColour();
  const TColor shadow = skinData_ ? skinData_->Colours.ButtonShadow : SystemColour(COLOR_BTNSHADOW);
  if (control_) FillColour(dc, rect, face);

  HFONT font = control_ ? control_->Font().Handle()
                        : reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
  SelectGuard fontGuard(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SIZE zero{};
  GetTextExtentPoint32W(dc, L"0", 1, &zero);
  const int y = zero.cy / 2 - 1;

  if (!control_) {
    // Cover the system's own frame with the face colour.
    OwnedBrush faceBrush(CreateSolidBrush(ColorToRGB(face)));
    RECT outer{0, y, width, height};
    FrameRect(dc, &outer, faceBrush.Get());
    InflateRect(&outer, -1, -1);
    FrameRect(dc, &outer, faceBrush.Get());
  }

  OwnedPen pen(CreatePen(PS_SOLID, 1, ColorToRGB(shadow)));
  {
    SelectGuard penGuard(dc, pen.Get());
    SelectGuard brushGuard(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 1, y, width - 1, height - 1, 5, 5);
  }

  const std::wstring caption = CaptionText();
  if (!caption.empty()) {
    TColor textColour = control_ ? control_->Font().Color() : SystemColour(COLOR_WINDOWTEXT);
    SetTextColor(dc, ColorToRGB(textColour));
    SetBkColor(dc, ColorToRGB(face));
    SetBkMode(dc, OPAQUE);
    RECT text{8, 0, width, height};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_EXPANDTABS | DT_SINGLELINE);
  }
  if (auto* windowed = dynamic_cast<TWinControl*>(control_)) windowed->PaintControls(dc);
}
