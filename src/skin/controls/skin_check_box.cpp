// TSkinCheckBox, TSkinRadioButton (see skin_check_box.h).
#include "skin/controls/skin_check_box.h"

#include <algorithm>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/path_text.h"
#include "skin/controls/skin_text.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
constexpr UINT CM_CHECKSTATECHANGED_A = 0xB01B;
constexpr UINT CM_CHECKSTATECHANGED_B = 0xB0D0;

bool HasProperty(TControl* control, const char* name) {
  return control && control->Properties().Find(name) != nullptr;
}

// The cell of a state (1 unchecked, 2 checked, 3 and 4 the same disabled) in a strip that
// has more than the four basic cells: checked, disabled unchecked and disabled checked
// sit further along it.
int FullStripCell(int state) {
  switch (state) {
    case 2: return 5;
    case 3: return 4;
    case 4: return 8;
    default: return state;
  }
}
}  // namespace

void TSkinCheckBox::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                             TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkin(windowSkin, skinData, manageColour, canvas);
  Kind = control_ && Strip() ? 1 : 0;
  parentBackground_ = (control_ && control_->Tag == 5555) ||
                      (skinData && HasOption(skinData->Options, xoTransparent));
}

void TSkinCheckBox::InitSkinWindow(HWND window, TSkinData* skinData,
                                   TSkinControlList* windowSkin, TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkinWindow(window, skinData, windowSkin, canvas);
  Kind = 0;  // the system draws the caption of a bare window
  parentBackground_ = skinData && HasOption(skinData->Options, xoTransparent);
}

const TBitmap* TSkinCheckBox::Strip() const {
  if (!skinData_ || !skinData_->Objects.Buttons) return nullptr;
  const TDataSkinButton& b = *skinData_->Objects.Buttons;
  const TBitmap& strip = IsRadio() ? b.RadioButton : b.CheckButton;
  return strip.Empty() ? nullptr : &strip;
}

int TSkinCheckBox::StripFrames() const {
  if (!skinData_ || !skinData_->Objects.Buttons) return 1;
  const TDataSkinButton& b = *skinData_->Objects.Buttons;
  return std::max(1, IsRadio() ? b.RadioButtonFrame : b.CheckButtonFrame);
}

int TSkinCheckBox::GlyphFrame() const {
  LRESULT buttonState = handle_ ? SendMessageW(handle_, BM_GETSTATE, 0, 0) : 0;
  int state = (buttonState & BST_CHECKED) ? 2 : 1;
  if (control_) {
    std::string value = LowerAscii(GetEnumProp(control_, "State"));
    if (!value.empty()) {
      if (value.find("uncheck") != std::string::npos) state = 1;
      else if (value.find("check") != std::string::npos) state = 2;
      else if (value.find("gray") != std::string::npos) state = 4;
    } else if (HasProperty(control_, "Checked")) {
      state = SameTextAscii(GetEnumProp(control_, "Checked"), "True") ? 2 : 1;
    }
    if (HasProperty(control_, "DataField") && checkOverride_ > 0)
      state = checkOverride_ == 3 ? 4 : checkOverride_;
    if (HasProperty(control_, "DataBinding")) state = 1;
  }
  bool disabled = handle_ && (GetStyle(handle_, GWL_STYLE) & WS_DISABLED);
  bool indeterminate = state == 4 || (buttonState & BST_INDETERMINATE);
  if (disabled) state += 2;
  if (buttonState & BST_INDETERMINATE) state = 4;
  if (StripFrames() == 12) {
    if (indeterminate) return disabled ? 12 : 9;
    return FullStripCell(state);
  }
  return state;
}

int TSkinRadioButton::GlyphFrame() const {
  int state = 1;
  if (handle_) state = (SendMessageW(handle_, BM_GETCHECK, 0, 0) & 1) ? 2 : 1;
  if (control_ && HasProperty(control_, "Checked"))
    state = SameTextAscii(GetEnumProp(control_, "Checked"), "True") ? 2 : 1;
  if (handle_ && (GetStyle(handle_, GWL_STYLE) & WS_DISABLED)) state += 2;
  if (StripFrames() == 8) return FullStripCell(state);
  return state;
}

bool TSkinCheckBox::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (Kind != 1) break;
      PaintByMessage(m);
      return false;
    case WM_ERASEBKGND:
      if (!parentBackground_) break;
      EraseBackground(m);
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinCheckBox::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case BM_SETCHECK:
      checkOverride_ = 1 + static_cast<int>(m.WParam);
      Repaint();
      return;
    case BM_SETSTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case CM_CHECKSTATECHANGED_A:
    case CM_CHECKSTATECHANGED_B:
      Repaint();
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinRadioButton::AfterMessage(TMessage& m) {
  if (m.Msg == BM_SETCHECK) {
    Repaint();
    return;
  }
  TSkinCheckBox::AfterMessage(m);
}

void TSkinCheckBox::DrawControl(HDC dc, const RECT& rect) {
  const TBitmap* strip = Strip();
  if (!strip) return;
  const int frames = StripFrames();
  const int frameWidth = strip->Width() / frames, glyphHeight = strip->Height();
  const int frame = GlyphFrame();
  const LONG style = handle_ ? GetStyle(handle_, GWL_STYLE) : 0;
  const bool leftText = (style & BS_LEFTTEXT) != 0;
  const int top = rect.top + (rect.bottom - rect.top - glyphHeight) / 2;
  RECT glyph{rect.left, top, rect.left + frameWidth, top + glyphHeight};
  RECT text{glyph.right + 2, rect.top, rect.right, rect.bottom};
  if (leftText) {
    glyph.right = rect.right - RightGap();
    glyph.left = glyph.right - frameWidth;
    text = RECT{rect.left, rect.top, glyph.left - 2, rect.bottom};
  }
  if (Kind == 1 && !parentBackground_) FillFace(dc, rect);
  DrawStripFrame(dc, glyph, *strip, true, frames, frame);
  if (Kind != 1) return;

  int saved = SaveDC(dc);
  caption_ = ControlCaption(control_, handle_);
  focused_ = handle_ && GetFocus() == handle_;
  enabled_ = !(style & WS_DISABLED);
  if (HFONT font = ControlFont(control_, handle_)) SelectObject(dc, font);
  SetTextColor(dc, ColorToRGB(enabled_ ? ControlFontColour(control_) : SystemColour(COLOR_BTNSHADOW)));
  SetBkMode(dc, TRANSPARENT);
  UINT flags = DT_WORDBREAK | DT_EXPANDTABS;
  RECT extent = text;
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &extent, flags | DT_CALCRECT);
  int h = extent.bottom - extent.top;
  RECT placed{text.left, text.top + (text.bottom - text.top - h) / 2, text.right, 0};
  placed.bottom = placed.top + h;
  if (focused_ && !caption_.empty()) DrawFocusText(dc, flags, placed);
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &placed, flags);
  RestoreDC(dc, saved);
}
