// TSkinComBox (see skin_combo_box.h).
#include "skin/controls/skin_combo_box.h"

#include <algorithm>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "skin/controls/skin_scrollbar_h.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
using GetComboBoxInfoFn = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);

// GetComboBoxInfo, looked up once at run time (null where the system lacks it).
GetComboBoxInfoFn ComboInfoFunction() {
  static const GetComboBoxInfoFn function = [] {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<GetComboBoxInfoFn>(
                        reinterpret_cast<void*>(GetProcAddress(user32, "GetComboBoxInfo")))
                  : nullptr;
  }();
  return function;
}

constexpr LONG kComboTypeMask = 3;
const HWND kDesktopParent = reinterpret_cast<HWND>(0x10014);  // the desktop window as a parent

bool Usable(const TDataSkinObject* object) { return object && !object->Image.Empty(); }

// The mirrored images are whole strips turned left to right, so their cells lie in
// reverse order: state s is cell (frames + 1 - s) there.
int MirroredCell(int frames, int state) { return frames > 0 ? frames + 1 - state : state; }
}  // namespace

TSkinComBox::~TSkinComBox() { ReleaseParts(); }

void TSkinComBox::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                           TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkin(windowSkin, skinData, manageColour, canvas);
  if (attached_) AttachParts();
}

void TSkinComBox::InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                                 TBitmap* canvas) {
  if (attached_) return;
  TSkinControl::InitSkinWindow(window, skinData, windowSkin, canvas);
  if (attached_) AttachParts();
}

void TSkinComBox::AttachParts() {
  if (!handle_) return;
  style_ = GetStyle(handle_, GWL_STYLE);
  if ((style_ & kComboTypeMask) != CBS_SIMPLE) {
    // The edit field of a drop-down box: presses on it show the pressed frame too.
    HWND edit = GetWindow(handle_, GW_CHILD);
    if (edit) {
      editSubclass_.Attach(edit, [this](UINT msg, WPARAM w, LPARAM l, LRESULT& result) {
        result = editSubclass_.CallPrevious(msg, w, l);
        if (!active_ || state_ == kStateDead) return true;
        switch (msg) {
          case WM_PAINT:
            PaintControl(nullptr);
            break;
          case WM_LBUTTONDOWN:
          case WM_LBUTTONDBLCLK:
            SetPressed(true);
            break;
          case WM_LBUTTONUP:
          case WM_CAPTURECHANGED:
            if (mouseState_ & kPressed) SetPressed(false);
            break;
          default:
            break;
        }
        return true;
      });
    }
    return;
  }
  if (!ReadComboInfo()) return;
  listWindow_ = comboInfo_.hwndList;
  LONG listStyle = listWindow_ ? GetWindowLongW(listWindow_, GWL_STYLE) : 0;
  if (listWindow_ && (listStyle & WS_CHILD) && !(listStyle & WS_POPUP) &&
      GetParent(listWindow_) != kDesktopParent) {
    // The list a simple box always shows: its scroll bar takes the skin's.
    auto* wrapper = new TSkinScrollbarH(this);
    wrapper->InitSkinWindow(listWindow_, skinData_, windowSkin_, canvas_);
    listWrapper_ = wrapper;
  }
}

void TSkinComBox::ReleaseParts() {
  editSubclass_.Detach();
  TSkinControl* wrapper = listWrapper_;
  listWrapper_ = nullptr;
  // The window skin frees a list wrapper whose window went first: only a wrapper still
  // owned here is freed.
  for (int i = 0; wrapper && i < ComponentCount(); ++i)
    if (Components(i) == wrapper) {
      wrapper->Free();
      break;
    }
}

void TSkinComBox::Unskin() {
  ReleaseParts();
  TSkinControl::Unskin();
}

bool TSkinComBox::ReadComboInfo() {
  GetComboBoxInfoFn function = ComboInfoFunction();
  if (!function || !handle_) return false;
  comboInfo_ = COMBOBOXINFO{};
  comboInfo_.cbSize = sizeof(COMBOBOXINFO);
  return function(handle_, &comboInfo_) != FALSE;
}

void TSkinComBox::SetPressed(bool pressed) {
  if (pressed)
    mouseState_ |= kPressed;
  else
    mouseState_ &= ~kPressed;
  Repaint();
}

void TSkinComBox::AfterMessage(TMessage& m) {
  bool enabled = handle_ && !(GetStyle(handle_, GWL_STYLE) & WS_DISABLED);
  switch (m.Msg) {
    case WM_DRAWITEM:
    case CN_DRAWITEM:
      // The item was drawn into the box: the skinned parts go over it again (a repaint
      // here would draw the item again, and so on without end).
      PaintControl(nullptr);
      return;
    case WM_NCPAINT:
      Repaint();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetPressed(true);
      return;
    case WM_LBUTTONUP:
      SetPressed(false);
      return;
    case WM_CAPTURECHANGED:
      // The open list took the mouse, or the press ended elsewhere.
      if (mouseState_ & kPressed) SetPressed(false);
      return;
    case CN_COMMAND:
      if (HIWORD(m.WParam) == CBN_CLOSEUP && (mouseState_ & kPressed)) SetPressed(false);
      return;
    case WM_MOUSEMOVE:
    case CM_MOUSEENTER: {
      if (enabled && !(mouseState_ & kHot)) {
        mouseState_ |= kHot;
        Repaint();
      }
      if (m.Msg == WM_MOUSEMOVE) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
        TrackMouseEvent(&track);
      }
      return;
    }
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      if (enabled || (mouseState_ & kHot)) {
        mouseState_ &= ~kHot;
        Repaint();
      }
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

int TSkinComBox::CurrentState() {
  HWND focus = GetFocus();
  focused_ = focus && (focus == handle_ || IsChild(handle_, focus));
  enabled_ = !(style_ & WS_DISABLED);
  if (!enabled_) return 3;
  if (mouseState_ & kPressed) return 2;
  if (focused_ || (mouseState_ & kHot)) return 4;
  return 1;
}

void TSkinComBox::DrawControl(HDC dc, const RECT& rect) {
  if (!skinData_ || !handle_ || !dc) return;
  const TDataSkinBorder* button = skinData_->Objects.ComboButton.get();
  if (!Usable(button)) return;
  style_ = GetStyle(handle_, GWL_STYLE);
  exStyle_ = GetStyle(handle_, GWL_EXSTYLE);
  if (ReadComboInfo() && (comboInfo_.stateButton & STATE_SYSTEM_INVISIBLE)) return;
  if ((style_ & kComboTypeMask) == CBS_SIMPLE) return;  // no button even without the info
  int state = CurrentState();
  drawnState_ = state;
  bool leftHanded = (exStyle_ & WS_EX_LEFTSCROLLBAR) != 0;
  if (button->Style == 1) {
    DrawArrowOnly(dc, rect, state, leftHanded);
    return;
  }
  if (button->Style == 2) {
    // The combined strips: the mirrored one is kept in SunkEdge.
    const TDataSkinObject* source = leftHanded ? skinData_->Objects.SunkEdge.get() : button;
    if (!Usable(source)) return;
    int cell = leftHanded ? MirroredCell(source->Frame, state) : state;
    DrawNineSlice(dc, rect, source->Image, source->Margins(), false, false, source->Frame, cell,
                  true);
    return;
  }
  DrawEdgeAndButton(dc, rect, state, leftHanded);
}

void TSkinComBox::DrawEdgeAndButton(HDC dc, const RECT& rect, int state, bool leftHanded) {
  const TDataSkinBorder& button = *skinData_->Objects.ComboButton;
  const TDataSkinObject* edge = skinData_->Objects.SunkEdge.get();
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  int a = GetSystemMetrics(SM_CXHSCROLL);
  int saved = SaveDC(dc);
  if (leftHanded)
    ExcludeClipRect(dc, rect.left + a + 4, rect.top + 2, rect.left + width - 2, rect.top + height - 2);
  else
    ExcludeClipRect(dc, rect.left + 2, rect.top + 2, rect.left + width - a - 4, rect.top + height - 2);
  if (Usable(edge)) {
    DrawNineSlice(dc, rect, edge->Image, edge->Margins(), false, edge->Tile == 1, edge->Frame,
                  state, edge->Trans == 1);
    RECT face = leftHanded ? RECT{rect.left + 2, rect.top, rect.left + a + 2, rect.bottom}
                           : RECT{rect.left + width - a - 2, rect.top, rect.left + width - 2, rect.bottom};
    bool mirrored = leftHanded && !button.Image2.Empty();
    DrawStripFrame(dc, face, mirrored ? button.Image2 : button.Image, true, button.Frame,
                   mirrored ? MirroredCell(button.Frame, state) : state);
    const TDataSkinObject* extra = skinData_->Objects.ExtraImages.get();
    if (Usable(extra)) DrawStripFrameCentred(dc, face, extra->Image, true, extra->Frame, state);
  }
  RestoreDC(dc, saved);
}

void TSkinComBox::DrawArrowOnly(HDC dc, const RECT& rect, int state, bool leftHanded) {
  const TDataSkinBorder& button = *skinData_->Objects.ComboButton;
  HBRUSH brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, brush);
  int thumb = GetSystemMetrics(SM_CYVTHUMB);
  RECT column = leftHanded ? RECT{rect.left + 2, rect.top + 2, rect.left + 2 + thumb, rect.bottom - 2}
                           : RECT{rect.right - 2 - thumb, rect.top + 2, rect.right - 2, rect.bottom - 2};
  FillRect(dc, &column, brush);
  int frames = std::max(1, button.Frame);
  int cellWidth = button.Image.Width() / frames;
  int cellHeight = std::min<int>(button.Image.Height(), column.bottom - column.top);
  if (button.Image.Height() < thumb) cellHeight = std::min(cellHeight, button.Image.Height());
  if (cellWidth > 0 && cellHeight > 0) {
    int top = column.top + (column.bottom - column.top - cellHeight) / 2;
    RECT cell = leftHanded ? RECT{column.left, top, column.left + cellWidth, top + cellHeight}
                           : RECT{column.right - cellWidth, top, column.right, top + cellHeight};
    DrawStripFrame(dc, cell, button.Image, true, frames, state);
  }
  TColor shadow = skinData_->Colours.ButtonShadow;
  FrameColour(dc, rect, shadow);
}
