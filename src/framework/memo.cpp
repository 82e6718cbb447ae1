// TCustomEdit, TCustomMemo (see memo.h).
#include "framework/memo.h"

#include "framework/wide.h"

const std::vector<std::string>& BorderStyleNames() {
  static const std::vector<std::string> names{"bsNone", "bsSingle"};
  return names;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  color_ = SystemColour(COLOR_WINDOW);
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Enumeration<TCustomEdit>("BorderStyle", BorderStyleNames(),
                                [](TCustomEdit& e) -> int64_t { return e.BorderSingle ? 1 : 0; },
                                [](TCustomEdit& e, int64_t v) { e.BorderSingle = v != 0; });
  list.Boolean<TCustomEdit>("ReadOnly", [](TCustomEdit& e) { return e.ReadOnly; },
                            [](TCustomEdit& e, bool v) { e.ReadOnly = v; });
  list.String<TCustomEdit>("Text", [](TCustomEdit& e) { return e.Text(); },
                           [](TCustomEdit& e, const std::string& v) { e.SetText(v); });
}

std::string TCustomEdit::Text() { return HandleAllocated() ? WindowText(Handle()) : caption_; }

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"EDIT";
  params.Style |= WS_TABSTOP | ES_AUTOHSCROLL;
  if (ReadOnly) params.Style |= ES_READONLY;
  if (BorderSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 185, 89); }

void TCustomMemo::DefineProperties(TPropList& list) const {
  TCustomEdit::DefineProperties(list);
  list.Enumeration<TCustomMemo>("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"},
                                [](TCustomMemo& m) -> int64_t { return m.ScrollBars(); },
                                [](TCustomMemo& m, int64_t v) {
                                  m.SetScrollBars(static_cast<TScrollStyle>(v & 3));
                                });
  list.Boolean<TCustomMemo>("WordWrap", [](TCustomMemo& m) { return m.WordWrap; },
                            [](TCustomMemo& m, bool v) { m.WordWrap = v; });
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  if (!HandleAllocated()) return;
  // The edit control reads its scroll-bar styles only when it is made.
  caption_ = Text();
  RecreateWnd();
}

void TCustomMemo::AddLine(const std::string& line) {
  std::string text = Text();
  if (!text.empty()) text += "\r\n";
  SetText(text + line);
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (WordWrap && scrollBars_ != ssHorizontal && scrollBars_ != ssBoth)
    params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= WS_HSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
}
