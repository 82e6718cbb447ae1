// TSkinEdit (see skin_edit.h).
#include "skin/controls/skin_edit.h"

#include <cwctype>
#include <string>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_up_down.h"
#include "skin/data/skin_data.h"

namespace {
constexpr TColor kWhite = 0xFFFFFF;

// True when the client area spans the whole window in width or height (no border).
bool Borderless(HWND window) {
  RECT client{}, outer{};
  if (!GetClientRect(window, &client) || !GetWindowRect(window, &outer)) return true;
  return client.right == outer.right - outer.left || client.bottom == outer.bottom - outer.top;
}

// An up-down window by its class name: "msctls_updown32", or any name with "spin" or
// "updown" in it (lower case compared).
bool IsSpinClass(HWND window) {
  wchar_t name[128] = {};
  if (GetClassNameW(window, name, 128) <= 0) return false;
  std::wstring lower(name);
  for (wchar_t& c : lower) c = static_cast<wchar_t>(towlower(c));
  return lower == L"msctls_updown32" || lower.find(L"spin") != std::wstring::npos ||
         lower.find(L"updown") != std::wstring::npos;
}
}  // namespace

void TSkinEdit::FindSpinButton() {
  if (spin_) {
    // The window skin frees a spin wrapper whose window is gone: forget it then.
    for (int i = 0; i < ComponentCount(); ++i)
      if (Components(i) == spin_) return;
    spin_ = nullptr;
  }
  if ( !skinData_ || !HasControl(skinData_->SkinControls, xcSpin)) return;
  for (HWND child = GetTopWindow(handle_); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsSpinClass(child)) continue;
    if (SendMessageW(child, skinmsg::kQuerySkinned, 0, 0) == 1) return;  // wrapped already
    auto* spin = new TSkinUpDown(this);
    spin->InEdit = true;
    spin->InitSkinWindow(child, skinData_, windowSkin_, canvas_);
    spin_ = spin;
    return;
  }
}

TColor TSkinEdit::ShadowColour() const {
  return skinData_ ? skinData_->Colours.ButtonShadow : SystemColour(COLOR_BTNSHADOW);
}

bool TSkinEdit::BeforeMessage(TMessage& m) {
  if (m.Msg == skinmsg::kPaintInto && m.LParam == skinmsg::kMagic) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (dc && GetObjectType(dc) != 0) {
      TMessage paint{WM_PAINT, m.WParam, 0, 0};  // the control paints into the DC
      CallDefault(paint);
    }
    m.Result = skinmsg::kMagic;
    return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinEdit::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      // With a DC in wParam the caller paints the window into it; else the window DC.
      PaintControl(reinterpret_cast<HDC>(m.WParam));
      return;
    case WM_NCPAINT:
      // The system drew its own edge: the skinned border goes over it again.
      PaintControl(nullptr);
      return;
    case WM_PRINTCLIENT:
      DrawPrintBorder(reinterpret_cast<HDC>(m.WParam));
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinEdit::DrawPrintBorder(HDC dc) {
  RECT client{}, outer{};
  if (!GetClientRect(handle_, &client) || !GetWindowRect(handle_, &outer)) return;
  int width = outer.right - outer.left, height = outer.bottom - outer.top;
  if (client.right > width - 2 || client.bottom > height - 2) return;
  WindowDC own(handle_, WindowDC::Whole);
  if (!dc) dc = own.Get();
  if (!dc) return;
  RECT edge{0, 0, width, height};
  RECT inner = edge;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  FrameColour(dc, edge, ShadowColour());
}

void TSkinEdit::DrawControl(HDC dc, const RECT& rect) {
  if (!handle_ || !dc) return;
  FindSpinButton();
  if (Borderless(handle_)) return;
  RECT frame = rect;
  FrameColour(dc, frame, ShadowColour());
  InflateRect(&frame, -1, -1);
  FrameColour(dc, frame, kWhite);
  InflateRect(&frame, -1, -1);
  FrameColour(dc, frame, kWhite);
}
